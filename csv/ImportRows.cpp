#include "csv/ImportRows.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype kBlock = 4 << 20;

// Packs a row: fixed-size numbers first, so that a row whose numbers or
// flags change fits its old bytes; then each text as its UTF-8 length and bytes.
class Packer
{
public:
    template <class T> void put(T value)
    {
        m_bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    void put(const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
        putSize(quint32(utf8.size()));
        m_bytes.append(utf8);
    }
    // Seven bits a byte, the last byte without its high bit: most sizes take one.
    void putSize(quint32 size)
    {
        for (; size >= 0x80; size >>= 7)
            m_bytes.append(char(0x80 | (size & 0x7F)));
        m_bytes.append(char(size));
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

class Unpacker
{
public:
    explicit Unpacker(const char* bytes) : m_at(bytes) {}
    template <class T> void get(T& value)
    {
        std::memcpy(&value, m_at, sizeof value);
        m_at += sizeof value;
    }
    void get(QString& text)
    {
        const quint32 size = getSize();
        text = QString::fromUtf8(m_at, qsizetype(size));
        m_at += size;
    }
    quint32 getSize()
    {
        quint32 size = 0;
        for (int shift = 0;; shift += 7) {
            const auto byte = quint8(*m_at++);
            size |= quint32(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                return size;
        }
    }

private:
    const char* m_at;
};

// Where the fixed-size values lie in a packed row.
constexpr size_t kTargetAt = 8;
constexpr size_t kLedgerAt = 12;
constexpr size_t kBitsAt = 13;
constexpr size_t kDayAt = 18;
constexpr size_t kMilesAt = 26;
constexpr size_t kTextsAt = kMilesAt + 7 * sizeof(double);

// The digits of a text at the given places as one number: "2024/01/31" at
// {0, 1, 2, 3, 5, 6, 8, 9} is 20240131.
qint32 digitsOf(const QString& text, std::initializer_list<int> at)
{
    qint32 value = 0;
    for (int i : at) {
        const int digit = i < text.size() ? text[i].digitValue() : 0;
        value = value * 10 + std::max(digit, 0);
    }
    return value;
}

enum Bit : quint8
{
    SecondTank = 1,
    Foreign = 2,
    FullTank = 4,
    MissedBefore = 8,
    Duplicate = 16,
    HasLitres = 32,
    Flagged = 64,
    Derivable = 128,
};

QByteArray pack(const ImportRow& row)
{
    Packer p;
    const LedgerRecord& r = row.record;
    p.put(qint32(row.source));
    p.put(qint32(row.line));
    p.put(qint32(row.target));
    p.put(quint8(row.ledger));
    p.put(quint8((row.secondTank ? SecondTank : 0) | (row.foreign ? Foreign : 0) |
                 (row.fullTank ? FullTank : 0) | (row.missedBefore ? MissedBefore : 0) |
                 (row.duplicate ? Duplicate : 0) | (row.litres ? HasLitres : 0) |
                 (row.flags.isEmpty() ? 0 : Flagged) |
                 (row.ledger == LedgerKind::Refuel && row.litres && !row.secondTank ? Derivable
                                                                                     : 0)));
    p.put(r.cut);
    // The readers write every date as the ledger stores it, "yyyy/MM/dd", and
    // times as "HH:mm:ss".
    p.put(digitsOf(r.date, {0, 1, 2, 3, 5, 6, 8, 9}));
    p.put(row.time.isEmpty() ? qint32(-1) : digitsOf(row.time, {0, 1, 3, 4, 6, 7}));
    for (double number : {r.miles, r.amount, r.price, r.fuelMeter1, r.fuelMeter2, r.count,
                          row.litres.value_or(0.0)})
        p.put(number);
    for (const QString* text : {&row.car, &row.time, &r.date, &r.carId, &r.recId, &r.mark,
                                &r.content, &r.provider, &r.name, &r.marks})
        p.put(*text);
    p.putSize(quint32(row.flags.size()));
    for (const QString& flag : row.flags)
        p.put(flag);
    return p.bytes();
}

ImportRow unpack(const char* bytes)
{
    Unpacker u(bytes);
    ImportRow row;
    LedgerRecord& r = row.record;
    qint32 source = 0, line = 0, target = 0;
    quint8 ledger = 0, bits = 0;
    u.get(source);
    u.get(line);
    u.get(target);
    u.get(ledger);
    u.get(bits);
    u.get(r.cut);
    qint32 day = 0, second = 0;
    u.get(day);
    u.get(second);
    row.source = source;
    row.line = line;
    row.target = target;
    row.ledger = LedgerKind(ledger);
    row.secondTank = bits & SecondTank;
    row.foreign = bits & Foreign;
    row.fullTank = bits & FullTank;
    row.missedBefore = bits & MissedBefore;
    row.duplicate = bits & Duplicate;
    double litres = 0;
    for (double* number : {&r.miles, &r.amount, &r.price, &r.fuelMeter1, &r.fuelMeter2, &r.count,
                           &litres})
        u.get(*number);
    if (bits & HasLitres)
        row.litres = litres;
    for (QString* text : {&row.car, &row.time, &r.date, &r.carId, &r.recId, &r.mark, &r.content,
                          &r.provider, &r.name, &r.marks})
        u.get(*text);
    const quint32 flags = u.getSize();
    for (quint32 i = 0; i < flags; ++i) {
        QString flag;
        u.get(flag);
        row.flags << flag;
    }
    return row;
}

} // namespace

const char* ImportRows::bytesOf(size_t index) const
{
    const Slot& slot = m_slots[index];
    return m_blocks[slot.block].constData() + slot.offset;
}

char* ImportRows::writableBytesOf(size_t index)
{
    const Slot& slot = m_slots[index];
    return m_blocks[slot.block].data() + slot.offset;
}

ImportRow ImportRows::operator[](size_t index) const
{
    return unpack(bytesOf(index));
}

ImportRows::Key ImportRows::key(size_t index) const
{
    const char* bytes = bytesOf(index);
    qint32 numbers[3] = {}; // source, line, target
    std::memcpy(numbers, bytes, sizeof numbers);
    qint32 time[2] = {}; // day, second
    std::memcpy(time, bytes + kDayAt, sizeof time);
    Key key;
    key.source = numbers[0];
    key.line = numbers[1];
    key.target = numbers[2];
    key.ledger = LedgerKind(quint8(bytes[kLedgerAt]));
    const auto bits = quint8(bytes[kBitsAt]);
    key.foreign = bits & Foreign;
    key.duplicate = bits & Duplicate;
    key.flagged = bits & Flagged;
    key.derivable = bits & Derivable;
    key.day = time[0];
    key.second = time[1];
    std::memcpy(&key.miles, bytes + kMilesAt, sizeof key.miles);
    return key;
}

QString ImportRows::car(size_t index) const
{
    QString car;
    Unpacker(bytesOf(index) + kTextsAt).get(car);
    return car;
}

void ImportRows::setTarget(size_t index, int target)
{
    const qint32 value = target;
    std::memcpy(writableBytesOf(index) + kTargetAt, &value, sizeof value);
}

void ImportRows::setDuplicate(size_t index, bool duplicate)
{
    char& bits = writableBytesOf(index)[kBitsAt];
    bits = char(duplicate ? quint8(bits) | Duplicate : quint8(bits) & ~Duplicate);
}

void ImportRows::store(const QByteArray& packed, Slot& slot)
{
    if (m_blocks.empty() ||
        m_blocks.back().capacity() - m_blocks.back().size() < packed.size()) {
        m_blocks.emplace_back();
        m_blocks.back().reserve(std::max(kBlock, packed.size()));
    }
    QByteArray& block = m_blocks.back();
    slot = {quint32(m_blocks.size() - 1), quint32(block.size()), quint32(packed.size())};
    block.append(packed);
}

void ImportRows::push_back(const ImportRow& row)
{
    m_slots.emplace_back();
    store(pack(row), m_slots.back());
}

void ImportRows::set(size_t index, const ImportRow& row)
{
    const QByteArray packed = pack(row);
    Slot& slot = m_slots[index];
    if (packed.size() <= qsizetype(slot.capacity))
        std::memcpy(m_blocks[slot.block].data() + slot.offset, packed.constData(),
                    size_t(packed.size()));
    else
        store(packed, slot);
}

void ImportRows::clear()
{
    m_blocks.clear();
    m_slots.clear();
}
