// Ledger record operations and aggregate queries of the ledger database.
#include "database/MyDatabase.h"
#include "database/Names.h"
#include "database/SqlText.h"
#include "platform/MessageBox.h"

#include <cmath>

int CMyDatabase::checkDuplicate(const char* table, const QString& carId, const QString& recId)
{
    if (!IsOpen())
        return 0;
    auto result = query(SqlFormat("select * from %s where %s='%s' and %s='%s'", table, col::CarID,
                                  SqlText(carId), col::RecID, SqlText(recId)));
    if (!result)
        return 0;
    if (!result->rows.empty()) {
        platform::MessageBox(nullptr, QStringLiteral("记录已经存在，插入失败！"),
                             platform::kCaption, platform::MB_OK | platform::MB_ICONERROR);
        return 1;
    }
    return -1;
}

int CMyDatabase::InsertRefuel(const RefuelRecord& r)
{
    if (int found = checkDuplicate(tbl::Refuel, r.carId, r.recId); found >= 0)
        return found;
    return query(SqlFormat(
               "insert into %s \t\t\t\t   (%s, %s, %s, %s, \t\t\t\t   %s, %s, %s, %s,%s,  \t\t\t\t "
               "  "
               "%s,%s,%s,%s) \t\t\t\t   values \t\t\t\t   ('%s','%s','%s','%s',\t\t\t\t   "
               "%.2f,%.2f,%.2f,%.2f,%.2f,\t\t\t\t   '%s','%s','%s','%s')",
               tbl::Refuel, col::CarID, col::RecID, col::DateTimee, col::Mark, col::Miles,
               col::Amount, col::Price, col::FuelMeter1, col::FuelMeter2, col::Reserved1,
               col::Reserved2, col::Reserved3, col::Reserved4, SqlText(r.carId), SqlText(r.recId),
               SqlText(r.date), SqlText(r.mark), r.miles, r.amount, r.price, r.fuelMeter1,
               r.fuelMeter2, SqlText(r.reserved[0]), SqlText(r.reserved[1]), SqlText(r.reserved[2]),
               SqlText(r.reserved[3])))
               ? 2
               : 0;
}

int CMyDatabase::insertService(const char* table, const ServiceRecord& r)
{
    if (int found = checkDuplicate(table, r.carId, r.recId); found >= 0)
        return found;
    return query(SqlFormat(
               "insert into %s \t\t\t\t   (%s, %s, %s, %s, \t\t\t\t   %s, %s,\t\t\t\t\t\t   %s, "
               "%s,      "
               "\t\t\t\t   %s,%s,%s) \t\t\t\t   values \t\t\t\t   ('%s','%s','%s','%s',\t\t\t\t   "
               "%.2f,%.2f,\t\t\t\t   '%s','%s',\t\t\t\t   '%s','%s','%s')",
               table, col::CarID, col::RecID, col::DateTimee, col::Mark, col::Miles, col::Amount,
               col::Content, col::Provider, col::Reserved1, col::Reserved2, col::Reserved3,
               SqlText(r.carId), SqlText(r.recId), SqlText(r.date), SqlText(r.mark), r.miles,
               r.amount, SqlText(r.content), SqlText(r.provider), SqlText(r.reserved[0]),
               SqlText(r.reserved[1]), SqlText(r.reserved[2])))
               ? 2
               : 0;
}

int CMyDatabase::InsertRepair(const ServiceRecord& r)
{
    return insertService(tbl::Repair, r);
}
int CMyDatabase::InsertMaintain(const ServiceRecord& r)
{
    return insertService(tbl::Maintain, r);
}

int CMyDatabase::insertCost(const char* table, const CostRecord& r)
{
    if (int found = checkDuplicate(table, r.carId, r.recId); found >= 0)
        return found;
    return query(SqlFormat(
               "insert into %s \t\t\t\t   (%s, %s, %s, %s, \t\t\t\t   %s, %s,\t\t\t\t\t\t   %s,    "
               "   "
               "\t\t\t\t   %s,%s,%s) \t\t\t\t   values \t\t\t\t   ('%s','%s','%s','%s',\t\t\t\t   "
               "%.2f,%.2f,\t\t\t\t   '%s',\t\t\t\t   '%s','%s','%s')",
               table, col::CarID, col::RecID, col::DateTimee, col::Mark, col::Miles, col::Amount,
               col::Content, col::Reserved1, col::Reserved2, col::Reserved3, SqlText(r.carId),
               SqlText(r.recId), SqlText(r.date), SqlText(r.mark), r.miles, r.amount,
               SqlText(r.content), SqlText(r.reserved[0]), SqlText(r.reserved[1]),
               SqlText(r.reserved[2])))
               ? 2
               : 0;
}

int CMyDatabase::InsertAccident(const CostRecord& r)
{
    return insertCost(tbl::Accident, r);
}
int CMyDatabase::InsertDailyCost(const CostRecord& r)
{
    return insertCost(tbl::DailyCost, r);
}

int CMyDatabase::InsertCarLog(const CarLogRecord& r)
{
    if (int found = checkDuplicate(tbl::CarLog, r.carId, r.recId); found >= 0)
        return found;
    return query(SqlFormat(
               "insert into %s \t\t\t\t   (%s, %s, %s, %s, \t\t\t\t   %s, \t\t\t\t\t   %s,%s,%s) "
               "\t\t\t\t   values \t\t\t\t   ('%s','%s','%s','%s',\t\t\t\t   %.2f,\t\t\t\t   "
               "'%s','%s','%s')",
               tbl::CarLog, col::CarID, col::RecID, col::DateTimee, col::Mark, col::Miles,
               col::Reserved1, col::Reserved2, col::Reserved3, SqlText(r.carId), SqlText(r.recId),
               SqlText(r.date), SqlText(r.mark), r.miles, SqlText(r.reserved[0]),
               SqlText(r.reserved[1]), SqlText(r.reserved[2])))
               ? 2
               : 0;
}

int CMyDatabase::InsertAccessory(const AccessoryRecord& r)
{
    if (int found = checkDuplicate(tbl::Accessory, r.carId, r.recId); found >= 0)
        return found;
    return query(SqlFormat("insert into %s \t\t\t\t   (%s, %s, %s, %s, \t\t\t\t   %s, %s, %s, "
                           "\t\t\t\t   %s,%s,  "
                           "\t\t\t\t   %s,%s,%s,%s) \t\t\t\t   values \t\t\t\t   "
                           "('%s','%s','%s','%s'\t\t\t\t   "
                           ",%.2f,%.0f,%.2f,\t\t\t\t   '%s','%s',\t\t\t\t   '%s','%s','%s','%s')",
                           tbl::Accessory, col::CarID, col::RecID, col::DateTimee, col::Mark,
                           col::Miles, col::Countt, col::Price, col::Name, col::Provider,
                           col::Reserved1, col::Reserved2, col::Reserved3, col::Reserved4,
                           SqlText(r.carId), SqlText(r.recId), SqlText(r.date), SqlText(r.mark),
                           r.miles, r.count, r.price, SqlText(r.name), SqlText(r.provider),
                           SqlText(r.reserved[0]), SqlText(r.reserved[1]), SqlText(r.reserved[2]),
                           SqlText(r.reserved[3])))
               ? 2
               : 0;
}

int CMyDatabase::InsertInputHistory(const InputHistoryEntry& e)
{
    if (!IsOpen())
        return 0;
    auto result = query(SqlFormat("select * from %s where %s='%s' and %s='%s' and %s=%d",
                                  tbl::InputHistory, col::CarID, SqlText(e.carId), col::Content,
                                  SqlText(e.content), col::ClassID, e.classId));
    if (!result)
        return 0;
    if (!result->rows.empty())
        return 1;
    return query(SqlFormat(
               "insert into %s \t\t\t\t   (%s, %s,%s, %s, %s, \t\t\t\t   %s, %s) \t\t\t\t   values "
               "\t\t\t\t   ('%s','%s','%s','%s',%d, \t\t\t\t   '%s','%s')",
               tbl::InputHistory, col::CarID, col::RecID, col::Content, col::ClassName,
               col::ClassID, col::Reserved1, col::Reserved2, SqlText(e.carId), SqlText(e.recId),
               SqlText(e.content), SqlText(e.className), e.classId, SqlText(e.reserved1),
               SqlText(e.reserved2)))
               ? 2
               : 0;
}

bool CMyDatabase::DeleteRecord(const char* table, const QString& carId, const QString& recId)
{
    if (!IsOpen() || recId.isEmpty())
        return false;
    return query(SqlFormat("delete from %s  where %s.%s='%s' and %s.%s='%s'", table, table,
                           col::CarID, SqlText(carId), table, col::RecID, SqlText(recId))) !=
           nullptr;
}

bool CMyDatabase::UpdateRecordField(const char* table, const QString& carId, const QString& recId,
                                    const QString& assignment)
{
    return query(SqlFormat("update %s set %s where %s.%s='%s' and %s.%s='%s'", table, assignment,
                           table, col::CarID, SqlText(carId), table, col::RecID, SqlText(recId))) !=
           nullptr;
}

void CMyDatabase::GetNextRecID(const char* table, QString& recId)
{
    recId = QStringLiteral("0000000");
    auto result = query(
        SqlFormat("select %s from %s order by %s DESC LIMIT 1", col::RecID, table, col::RecID));
    if (!result)
        return;
    CAdoRecordSet rs;
    rs.Attach(result);
    rs.GetCollect(col::RecID, recId);
    recId = QString::asprintf("%07d", static_cast<int>(LeadingNumber(recId)) + 1);
}

int CMyDatabase::GetRecordCount(const char* table, const QString& carId)
{
    auto result = query(SqlFormat("select count(*) as nums from %s where %s='%s'", table,
                                  col::CarID, SqlText(carId)));
    CAdoRecordSet rs;
    rs.Attach(result);
    int count = 0;
    rs.GetCollect(QStringLiteral("nums"), count);
    return count;
}

double CMyDatabase::SumColumn(const char* table, const char* column, const QString& carId)
{
    auto result = query(SqlFormat("select SUM(%s) as sums from %s where %s='%s'", column, table,
                                  col::CarID, SqlText(carId)));
    CAdoRecordSet rs;
    rs.Attach(result);
    double sum = 0;
    rs.GetCollect(QStringLiteral("sums"), sum);
    return sum;
}

double CMyDatabase::sumRows(const QString& sql, const QString& op)
{
    auto result = query(sql);
    double total = 0;
    CAdoRecordSet rs;
    rs.Attach(result);
    for (; !rs.IsEOF(); rs.MoveNext()) {
        double a = 0, b = 0;
        rs.GetCollect(QStringLiteral("a"), a);
        rs.GetCollect(QStringLiteral("b"), b);
        if (op == QLatin1String("+"))
            total += a + b;
        else if (op == QLatin1String("-"))
            total += a - b;
        else if (op == QLatin1String("*"))
            total += a * b;
        else if (op == QLatin1String("/") && std::fabs(b) > 0.0001)
            total += a / b;
    }
    return total;
}

double CMyDatabase::SumRowResults(const char* table, const char* a, const char* b,
                                  const QString& op, const QString& carId)
{
    return sumRows(SqlFormat("select %s as a, %s as b from %s where %s='%s'", a, b, table,
                             col::CarID, SqlText(carId)),
                   op);
}

namespace {
QString monthDay(int year, int month, int day)
{
    return QString::asprintf("%04d/%02d/%02d", year, month, day);
}
} // namespace

double CMyDatabase::SumColumnInMonth(int year, int month, const char* table, const char* column,
                                     const QString& carId)
{
    auto result =
        query(SqlFormat("select SUM(%s) as sums from %s where %s='%s' and %s>='%s' and %s<='%s'",
                        column, table, col::CarID, SqlText(carId), col::DateTimee,
                        monthDay(year, month, 1), col::DateTimee, monthDay(year, month, 31)));
    CAdoRecordSet rs;
    rs.Attach(result);
    double sum = 0;
    rs.GetCollect(QStringLiteral("sums"), sum);
    return sum;
}

double CMyDatabase::SumRowResultsInMonth(int year, int month, const char* table, const char* a,
                                         const char* b, const QString& op, const QString& carId)
{
    return sumRows(
        SqlFormat("select %s as a, %s as b from %s where %s='%s'  and %s>='%s' and %s<='%s'", a, b,
                  table, col::CarID, SqlText(carId), col::DateTimee, monthDay(year, month, 1),
                  col::DateTimee, monthDay(year, month, 31)),
        op);
}

void CMyDatabase::GetInputHistory(const QString& carId, int classId, QStringList& entries)
{
    entries.clear();
    auto result =
        query(SqlFormat("select %s from %s where %s='%s' and %s=%d", col::Content,
                        tbl::InputHistory, col::CarID, SqlText(carId), col::ClassID, classId));
    CAdoRecordSet rs;
    rs.Attach(result);
    for (; !rs.IsEOF(); rs.MoveNext()) {
        QString content;
        rs.GetCollect(col::Content, content);
        entries << RightTrimmed(content);
    }
}

void CMyDatabase::LoadCostTotals(const QString& carId, CostTotals& t)
{
    t.repair = SumColumn(tbl::Repair, col::Amount, carId);
    t.maintain = SumColumn(tbl::Maintain, col::Amount, carId);
    t.accident = SumColumn(tbl::Accident, col::Amount, carId);
    t.dailyCost = SumColumn(tbl::DailyCost, col::Amount, carId);
    t.fuelAmount = SumColumn(tbl::Refuel, col::Amount, carId);
    t.fuelVolume = SumRowResults(tbl::Refuel, col::Amount, col::Price, QStringLiteral("/"), carId);
    t.accessory =
        SumRowResults(tbl::Accessory, col::Price, col::Countt, QStringLiteral("*"), carId);
}
