#include "database/CostSums.h"

#include <cmath>
#include <cstring>
#include <sqlite3.h>

namespace {

// The writing mark of a store operation that writes every ledger.
constexpr int kAllLedgers = 100;

} // namespace

quint64 MonthKey(const char* firstEightBytes)
{
    quint64 key = 0;
    std::memcpy(&key, firstEightBytes, sizeof key);
    return key;
}

std::optional<qint64> WholeHundredths(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e9)
        return std::nullopt;
    const double scaled = value * 100;
    const double whole = std::round(scaled);
    // A few units in the last place: a stored two-decimal amount, or a count
    // times such a price, is never further from its hundredths.
    if (std::fabs(scaled - whole) > std::fabs(scaled) * 0x1p-49)
        return std::nullopt;
    return qint64(whole);
}

void LedgerCost::Add(const RecordCost& record, int sign)
{
    cost += sign * record.cost;
    volume += sign * record.volume;
    if (!record.month)
        return;
    Month& month = months[*record.month];
    if (record.monthValue)
        month.hundredths += sign * *record.monthValue;
    else
        month.unsummed += sign;
    if (month.hundredths == 0 && month.unsummed == 0)
        months.remove(*record.month);
}

LedgerCost* CCostSums::Find(LedgerKind kind, const QByteArray& car)
{
    if (!IsCostLedger(kind))
        return nullptr;
    auto& ledger = m_ledgers[size_t(kind)];
    const auto found = ledger.find(car);
    return found == ledger.end() ? nullptr : &found.value();
}

LedgerCost& CCostSums::Keep(LedgerKind kind, const QByteArray& car, LedgerCost figures)
{
    return m_ledgers[size_t(kind)][car] = std::move(figures);
}

void CCostSums::Forget()
{
    for (auto& ledger : m_ledgers)
        ledger.clear();
}

void CCostSums::Forget(LedgerKind kind)
{
    if (IsCostLedger(kind))
        m_ledgers[size_t(kind)].clear();
}

void CCostSums::Forget(LedgerKind kind, const QByteArray& car)
{
    if (IsCostLedger(kind))
        m_ledgers[size_t(kind)].remove(car);
}

void CCostSums::ForgetCar(const QByteArray& car)
{
    for (auto& ledger : m_ledgers)
        ledger.remove(car);
}

void CCostSums::Watch(sqlite3* connection)
{
    Forget();
    sqlite3_update_hook(connection, &CCostSums::rowChanged, this);
    sqlite3_rollback_hook(connection, &CCostSums::rolledBack, this);
}

void CCostSums::rowChanged(void* sums, int, const char*, const char* table, qint64)
{
    auto* self = static_cast<CCostSums*>(sums);
    if (self->m_writing == kAllLedgers)
        return;
    for (int kind = 0; kind <= int(LedgerKind::Accessory); ++kind)
        if (kind != self->m_writing && std::strcmp(table, LedgerTable(LedgerKind(kind))) == 0)
            self->m_ledgers[size_t(kind)].clear();
}

void CCostSums::rolledBack(void* sums)
{
    static_cast<CCostSums*>(sums)->Forget();
}

CCostSums::Writing::Writing(CCostSums& sums, std::optional<LedgerKind> kind)
    : m_sums(sums), m_before(sums.m_writing)
{
    m_sums.m_writing = kind ? int(*kind) : kAllLedgers;
}

CCostSums::Writing::~Writing()
{
    m_sums.m_writing = m_before;
}
