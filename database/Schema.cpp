#include "database/Schema.h"

#include "database/Figures.h"
#include "database/Names.h"

namespace {

QString declaredType(const CMyField& field)
{
    switch (field.type) {
    case adInteger:
        return QStringLiteral("INTEGER");
    case adDouble:
        return QStringLiteral("DOUBLE");
    case adLongVarBinary:
        return QStringLiteral("BLOB");
    default:
        return QStringLiteral("VARCHAR(%1)").arg(field.definedSize);
    }
}

CMyField text(const char* name, int size, LedgerField field = LedgerField::None)
{
    return {QString::fromLatin1(name), adWChar, size, field};
}
CMyField number(const char* name, LedgerField field = LedgerField::None, int decimals = 2)
{
    return {QString::fromLatin1(name), adDouble, 0, field, decimals};
}

std::vector<CMyField> spares(int count)
{
    static const char* names[] = {col::Reserved1, col::Reserved2, col::Reserved3, col::Reserved4};
    std::vector<CMyField> fields;
    for (int i = 0; i < count; ++i)
        fields.push_back(text(names[i], 32));
    return fields;
}

// The head every ledger table begins with, then its own columns and spares.
CMyTable ledger(const char* name, std::vector<CMyField> own, int spareCount)
{
    CMyTable table{
        QString::fromLatin1(name),
        {text(col::CarID, 10, LedgerField::CarId), text(col::RecID, 10, LedgerField::RecId),
         text(col::DateTimee, 32, LedgerField::Date), text(col::Mark, 255, LedgerField::Mark)}};
    table.fields.insert(table.fields.end(), own.begin(), own.end());
    for (auto& f : spares(spareCount))
        table.fields.push_back(f);
    return table;
}

std::vector<CMyTable> buildTables()
{
    std::vector<CMyTable> tables;

    tables.push_back({tbl::CarList,
                      {text(col::CarID, 10), text(col::Name, 255), text(col::Used, 10),
                       text(col::Reserved1, 32), text(col::Reserved2, 32)}});

    CMyTable property{tbl::CarProperty,
                      {text(col::CarID, 10),
                       text(col::Manufacture, 255),
                       text(col::CarType, 128),
                       text(col::VIN, 255),
                       text(col::MotorID, 128),
                       text(col::BodyColor, 64),
                       text(col::CarNo, 64),
                       text(col::FuelType, 64),
                       text(col::Emission, 64),
                       number(col::FuelVolume),
                       number(col::MeterRules),
                       number(col::CurMiles),
                       {col::Picture, adLongVarBinary, 0}}};
    for (auto& f : spares(4))
        property.fields.push_back(f);
    tables.push_back(property);

    CMyTable purchase{tbl::PurchaseInfo,
                      {text(col::CarID, 10), text(col::BuyDate, 32), text(col::InsuCompany, 255),
                       text(col::InsuNote, 255), text(col::InsuTouchInfo, 255),
                       text(col::LoanBank, 255), text(col::LoanTouchInfo, 255),
                       number(col::BuyMiles), number(col::CarPrice), number(col::CarLicense),
                       number(col::CarTax), number(col::InsuAmount), number(col::LoanAmount),
                       number(col::LoanYears), number(col::LoanInterest)}};
    for (auto& f : spares(4))
        purchase.fields.push_back(f);
    tables.push_back(purchase);

    const CMyField miles = number(col::Miles, LedgerField::Miles);
    const CMyField amount = number(col::Amount, LedgerField::Amount);
    const CMyField provider = text(col::Provider, 255, LedgerField::Provider);
    const CMyField content = text(col::Content, 255, LedgerField::Content);
    // The unit price of a filling keeps six decimals, so that amount / price
    // gives the litres of an imported filling to the hundredth; the page types
    // prices with two. The first spare holds the filling's marks.
    CMyTable refuel = ledger(tbl::Refuel,
                             {miles, amount, number(col::Price, LedgerField::Price, 6),
                              number(col::FuelMeter1, LedgerField::FuelMeter1),
                              number(col::FuelMeter2, LedgerField::FuelMeter2)},
                             4);
    for (CMyField& f : refuel.fields)
        if (f.name == QLatin1String(col::Reserved1))
            f.field = LedgerField::Marks;
    tables.push_back(refuel);
    const std::vector<CMyField> service = {content, provider, miles, amount};
    tables.push_back(ledger(tbl::Repair, service, 3));
    tables.push_back(ledger(tbl::Maintain, service, 3));
    const std::vector<CMyField> cost = {content, miles, amount};
    tables.push_back(ledger(tbl::Accident, cost, 3));
    tables.push_back(ledger(tbl::DailyCost, cost, 3));
    tables.push_back(ledger(tbl::CarLog, {miles}, 3));
    tables.push_back(
        ledger(tbl::Accessory,
               {text(col::Name, 255, LedgerField::Name), provider, miles,
                number(col::Countt, LedgerField::Count, 0), number(col::Price, LedgerField::Price)},
               4));

    tables.push_back({tbl::InputHistory,
                      {text(col::CarID, 10, LedgerField::CarId),
                       text(col::RecID, 10, LedgerField::RecId),
                       text(col::Content, 128, LedgerField::Content),
                       text(col::ClassName, 32, LedgerField::Name),
                       {col::ClassID, adInteger, 0, LedgerField::Count, 0},
                       text(col::Reserved1, 32),
                       text(col::Reserved2, 32)}});

    // Care reminders, by date, by odometer or both (database/CareReminders.h).
    tables.push_back({tbl::CareReminder,
                      {text(col::CarID, 10),
                       text(col::RecID, 10),
                       text(col::Title, 255),
                       text(col::DueDate, 32),
                       number(col::DueMiles),
                       {col::RepeatMonths, adInteger, 0},
                       number(col::RepeatMiles),
                       {col::LeadDays, adInteger, 0},
                       number(col::LeadMiles),
                       {col::Done, adInteger, 0},
                       text(col::Reserved1, 32),
                       text(col::Reserved2, 32)}});
    return tables;
}

} // namespace

QString CMyTable::CreateStatement() const
{
    QString sql =
        QStringLiteral("CREATE TABLE \"%1\" (\"NO\" INTEGER PRIMARY KEY AUTOINCREMENT").arg(name);
    for (const auto& field : fields)
        sql += QStringLiteral(", \"%1\" %2").arg(field.name, declaredType(field));
    sql += QLatin1Char(')');
    return sql;
}

QString CMyTable::AddColumnStatement(const CMyField& column) const
{
    return QStringLiteral("ALTER TABLE \"%1\" ADD COLUMN \"%2\" %3")
        .arg(name, column.name, declaredType(column));
}

const CMyField* CMyTable::Field(LedgerField field) const
{
    for (const auto& f : fields)
        if (f.field == field)
            return &f;
    return nullptr;
}

QByteArray CMyTable::InsertStatement(int rows) const
{
    QByteArray names, values;
    for (size_t i = 0; i < fields.size(); ++i)
        names += (i ? ", \"" : "\"") + fields[i].name.toLatin1() + '"';
    for (int row = 0; row < rows; ++row) {
        values += row ? ", (" : "(";
        for (size_t i = 0; i < fields.size(); ++i)
            values += (i ? ", ?" : "?") + QByteArray::number(qulonglong(row * fields.size() + i + 1));
        values += ')';
    }
    return "insert into \"" + name.toLatin1() + "\" (" + names + ") values " + values;
}

QByteArray CMyTable::SelectStatement(const QByteArray& orderBy, const QStringList& missing) const
{
    QByteArray names;
    for (const auto& f : fields) {
        if (f.field == LedgerField::None)
            continue;
        if (!names.isEmpty())
            names += ", ";
        names += missing.contains(f.name) ? QByteArray("NULL") : '"' + f.name.toLatin1() + '"';
    }
    return "select " + names + " from \"" + name.toLatin1() + "\" where \"CarID\"=?1 order by " +
           orderBy;
}

QByteArray CMyTable::UpdateStatement(const CMyField& column, int keptAfter) const
{
    const QByteArray quoted = '"' + column.name.toLatin1() + '"';
    const QByteArray value =
        keptAfter > 0 ? "?1 || substr(" + quoted + ", " + QByteArray::number(keptAfter + 1) + ")"
                      : QByteArray("?1");
    return "update \"" + name.toLatin1() + "\" set " + quoted + "=" + value +
           " where \"CarID\"=?2 and \"RecID\"=?3";
}

QByteArray CMyTable::DeleteStatement() const
{
    return "delete from \"" + name.toLatin1() + "\" where \"CarID\"=?1 and \"RecID\"=?2";
}

const std::vector<CMyTable>& LedgerTables()
{
    static const std::vector<CMyTable> tables = buildTables();
    return tables;
}

const CMyTable* FindTable(const char* name)
{
    for (const CMyTable& table : LedgerTables())
        if (table.name == QLatin1String(name))
            return &table;
    return nullptr;
}

void RoundAsStored(LedgerKind kind, LedgerRecord& record)
{
    if (const CMyTable* table = FindTable(LedgerTable(kind)))
        for (const CMyField& f : table->fields)
            if (IsNumberField(f.field))
                record.Number(f.field) = ShownNumber(record.Number(f.field), f.decimals);
}
