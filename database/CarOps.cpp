// Car list operations of the ledger database. Every statement is prepared once
// and run with bound values.
#include "database/BitmapFile.h"
#include "database/Figures.h"
#include "database/MyDatabase.h"
#include "database/Names.h"
#include "database/SqlText.h"
#include "database/Transaction.h"

#include <QDateTime>
#include <QRegularExpression>
#include <algorithm>
#include <sqlite3.h>

namespace {

QString trimmedText(const CStatement& row, int column)
{
    return RightTrimmed(row.Text(column));
}

QString twoDecimals(double value)
{
    return QString::asprintf("%.2f", value);
}

// The bytes of a long binary value; empty for a value of any other kind.
QByteArray blobOf(sqlite3_value* value)
{
    if (sqlite3_value_type(value) != SQLITE_BLOB)
        return {};
    const auto* bytes = static_cast<const char*>(sqlite3_value_blob(value));
    return QByteArray(bytes, sqlite3_value_bytes(value));
}

// Binds a column value; numbers as the pages show them, with two decimals.
void bindColumnValue(CStatement& statement, int index, const CarColumnValue& v)
{
    if (const auto* text = std::get_if<QString>(&v.value))
        statement.Bind(index, *text);
    else if (const auto* number = std::get_if<double>(&v.value))
        statement.Bind(index, ShownNumber(*number, 2));
    else
        statement.BindBlob(index, std::get<QByteArray>(v.value));
}

QByteArray quotedName(const char* name)
{
    return '"' + QByteArray(name) + '"';
}

} // namespace

bool CCarRowChanges::Text(QString& stored, const QString& typed, const char* column)
{
    if (!CMyDatabase::AppendChangedAssignment(m_assignments, stored, typed, column, true, 0))
        return false;
    m_values.push_back({column, typed});
    return true;
}

bool CCarRowChanges::Number(QString& stored, const QString& typed, double value, const char* column)
{
    if (!CMyDatabase::AppendChangedAssignment(m_assignments, stored, typed, column, false, 2))
        return false;
    m_values.push_back({column, value});
    return true;
}

Expected<QString> CMyDatabase::NewCar(const QString& name)
{
    if (!IsOpen())
        return store::Closed();
    // The next number is one above the highest number of any "CAR" + digits
    // identifier, compared as numbers: text order would put CAR9999 after CAR10000.
    static const QRegularExpression carNumber(QStringLiteral("^CAR([0-9]{1,18})$"));
    qint64 highest = 0;
    {
        CStatement ids = m_connection.Prepare("select \"CarID\" from \"CarList\"");
        while (ids.Next()) {
            const auto match = carNumber.match(trimmedText(ids, 0));
            if (match.hasMatch())
                highest = std::max(highest, match.captured(1).toLongLong());
        }
        if (!ids.ok())
            return ids.Status();
    }
    const QString carId = QString::asprintf("CAR%04lld", highest + 1);
    const CMyTable* carList = FindTable(tbl::CarList);
    Q_ASSERT(carList);
    CStatement insert = m_connection.Prepare(carList->InsertStatement());
    const QString empty;
    insert.Bind(1, carId).Bind(2, name).Bind(3, QStringLiteral("NO")).Bind(4, empty).Bind(5, empty);
    if (const SqlStatus status = insert.Run(); !status.ok())
        return status;
    return carId;
}

Expected<std::vector<CARLIST>> CMyDatabase::GetCarList()
{
    if (!IsOpen())
        return store::Closed();
    CStatement select = m_connection.Prepare(
        "select \"CarID\", \"Name\", \"Used\" from \"CarList\" order by \"CarID\" DESC");
    std::vector<CARLIST> listed;
    while (select.Next())
        listed.push_back({trimmedText(select, 0), trimmedText(select, 1), trimmedText(select, 2),
                          QString(), QString()});
    if (!select.ok())
        return select.Status();
    return listed;
}

SqlStatus CMyDatabase::RenameCar(const QString& newName, const QString& carId)
{
    if (!IsOpen())
        return store::Closed();
    CStatement update =
        m_connection.Prepare("update \"CarList\" set \"Name\"=?1 where \"CarID\"=?2");
    update.Bind(1, newName).Bind(2, carId);
    return update.Run();
}

SqlStatus CMyDatabase::SetCurrentCar(const QString& carId)
{
    if (!IsOpen())
        return store::Closed();
    CTransaction transaction(m_connection);
    if (!transaction.Begun())
        return m_connection.LastError();
    CStatement clear =
        m_connection.Prepare("update \"CarList\" set \"Used\"='NO' where \"Used\"='YES'");
    if (const SqlStatus status = clear.Run(); !status.ok())
        return status;
    CStatement mark =
        m_connection.Prepare("update \"CarList\" set \"Used\"='YES' where \"CarID\"=?1");
    mark.Bind(1, carId);
    if (const SqlStatus status = mark.Run(); !status.ok())
        return status;
    return transaction.Commit() ? SqlStatus{} : m_connection.LastError();
}

Expected<QString> CMyDatabase::GetCurrentCarID()
{
    if (!IsOpen())
        return store::Closed();
    CStatement select =
        m_connection.Prepare("select \"CarID\" from \"CarList\" where \"Used\"='YES'");
    // As stored, trailing blanks included.
    const QString carId = select.Next() ? select.Text(0) : QString();
    if (!select.ok())
        return select.Status();
    return carId;
}

Expected<QString> CMyDatabase::GetCurrentCarName()
{
    if (!IsOpen())
        return store::Closed();
    CStatement select =
        m_connection.Prepare("select \"Name\" from \"CarList\" where \"Used\"='YES'");
    const QString name = select.Next() ? trimmedText(select, 0) : QString();
    if (!select.ok())
        return select.Status();
    return name;
}

SqlStatus CMyDatabase::GetCarProperty(const QString& carId, CARPROPERTY& p)
{
    if (!IsOpen())
        return store::Closed();
    CStatement select = m_connection.Prepare(
        "select \"Manufacture\", \"CarType\", \"VIN\", \"MotorID\", \"BodyColor\", \"CarNo\", "
        "\"FuelType\", \"Emission\", \"FuelVolume\", \"MeterRules\", \"CurMiles\", \"Picture\" "
        "from \"CarProperty\" where \"CarID\"=?1");
    select.Bind(1, carId);
    // Without a row the record is left as it was.
    if (!select.Next())
        return select.Status();
    p.manufacture = trimmedText(select, 0);
    p.carType = trimmedText(select, 1);
    p.vin = trimmedText(select, 2);
    p.motorId = trimmedText(select, 3);
    p.bodyColor = trimmedText(select, 4);
    p.carNo = trimmedText(select, 5);
    p.fuelType = trimmedText(select, 6);
    p.emission = trimmedText(select, 7);
    p.fuelVolume = select.Number(8);
    p.meterRules = select.Number(9);
    p.curMiles = select.Number(10);
    p.fuelVolumeText = twoDecimals(p.fuelVolume);
    p.meterRulesText = twoDecimals(p.meterRules);
    p.curMilesText = twoDecimals(p.curMiles);
    p.picture = ReadBitmapFile(blobOf(select.Value(11)));
    return {};
}

SqlStatus CMyDatabase::GetPurchaseInfo(const QString& carId, PURCHASEINFO& p)
{
    if (!IsOpen())
        return store::Closed();
    CStatement select = m_connection.Prepare(
        "select \"BuyDate\", \"BuyMiles\", \"CarPrice\", \"CarTax\", \"CarLicense\", "
        "\"InsuCompany\", \"InsuAmount\", \"InsuNote\", \"InsuTouchInfo\", \"LoanBank\", "
        "\"LoanTouchInfo\", \"LoanInterest\", \"LoanYears\", \"LoanAmount\" "
        "from \"PurchaseInfo\" where \"CarID\"=?1");
    select.Bind(1, carId);
    if (!select.Next())
        return select.Status();
    p.buyDateText = trimmedText(select, 0);
    p.buyMiles = select.Number(1);
    p.carPrice = select.Number(2);
    p.carTax = select.Number(3);
    p.carLicense = select.Number(4);
    p.insuCompany = trimmedText(select, 5);
    p.insuAmount = select.Number(6);
    p.insuNote = trimmedText(select, 7);
    p.insuTouchInfo = trimmedText(select, 8);
    p.loanBank = trimmedText(select, 9);
    p.loanTouchInfo = trimmedText(select, 10);
    p.loanInterest = select.Number(11);
    p.loanYears = select.Number(12);
    p.loanAmount = select.Number(13);
    p.buyDate = ParsePurchaseDate(p.buyDateText);
    p.buyMilesText = twoDecimals(p.buyMiles);
    p.carPriceText = twoDecimals(p.carPrice);
    p.carTaxText = twoDecimals(p.carTax);
    p.carLicenseText = twoDecimals(p.carLicense);
    p.insuAmountText = twoDecimals(p.insuAmount);
    p.loanAmountText = twoDecimals(p.loanAmount);
    p.loanYearsText = twoDecimals(p.loanYears);
    p.loanInterestText = twoDecimals(p.loanInterest);
    return {};
}

std::optional<QDate> CMyDatabase::ReadPurchaseDate(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^([0-9]{4})([/-])([0-9]{1,2})\\2([0-9]{1,2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(3).toInt(),
                     match.captured(4).toInt());
    if (!date.isValid() || date.year() < 1901 || date.year() > 2098)
        return std::nullopt;
    return date;
}

qint64 CMyDatabase::ParsePurchaseDate(const QString& text)
{
    if (const std::optional<QDate> date = ReadPurchaseDate(text))
        return QDateTime(*date, QTime(0, 0)).toSecsSinceEpoch();
    return QDateTime::currentSecsSinceEpoch();
}

SqlStatus CMyDatabase::SetCurMiles(const QString& carId, double miles)
{
    if (!IsOpen())
        return store::Closed();
    CStatement update =
        m_connection.Prepare("update \"CarProperty\" set \"CurMiles\"=?1 where \"CarID\"=?2");
    update.Bind(1, ShownNumber(miles, 2)).Bind(2, carId);
    return update.Run();
}

SqlStatus CMyDatabase::SetCarPicture(const QString& carId, const QByteArray& bitmapFile)
{
    if (!IsOpen())
        return store::Closed();
    CStatement update =
        m_connection.Prepare("update \"CarProperty\" set \"Picture\"=?1 where \"CarID\"=?2");
    update.BindBlob(1, bitmapFile).Bind(2, carId);
    return update.Run();
}

Expected<bool> CMyDatabase::HasCarRow(CarTable table, const QString& carId)
{
    if (!IsOpen())
        return store::Closed();
    CStatement select =
        m_connection.Prepare(QByteArray("select 1 from ") + quotedName(CarTableName(table)) +
                             " where \"CarID\"=?1 limit 1");
    select.Bind(1, carId);
    const bool found = select.Next();
    if (!select.ok())
        return select.Status();
    return found;
}

SqlStatus CMyDatabase::InsertCarProperty(const QString& carId, const CARPROPERTY& p,
                                         const QByteArray& picture)
{
    std::vector<CarColumnValue> values = {{col::Manufacture, p.manufacture},
                                          {col::CarType, p.carType},
                                          {col::VIN, p.vin},
                                          {col::MotorID, p.motorId},
                                          {col::BodyColor, p.bodyColor},
                                          {col::CarNo, p.carNo},
                                          {col::FuelType, p.fuelType},
                                          {col::Emission, p.emission},
                                          {col::FuelVolume, p.fuelVolume},
                                          {col::MeterRules, p.meterRules},
                                          {col::CurMiles, p.curMiles},
                                          {col::Reserved1, p.reserved[0]},
                                          {col::Reserved2, p.reserved[1]},
                                          {col::Reserved3, p.reserved[2]},
                                          {col::Reserved4, p.reserved[3]}};
    if (!picture.isEmpty())
        values.push_back({col::Picture, picture});
    return insertCarRow(tbl::CarProperty, carId, values);
}

SqlStatus CMyDatabase::InsertPurchaseInfo(const QString& carId, const PURCHASEINFO& p)
{
    return insertCarRow(tbl::PurchaseInfo, carId,
                        {{col::BuyDate, p.buyDateText},
                         {col::BuyMiles, p.buyMiles},
                         {col::CarPrice, p.carPrice},
                         {col::CarTax, p.carTax},
                         {col::CarLicense, p.carLicense},
                         {col::InsuCompany, p.insuCompany},
                         {col::InsuNote, p.insuNote},
                         {col::InsuTouchInfo, p.insuTouchInfo},
                         {col::InsuAmount, p.insuAmount},
                         {col::LoanBank, p.loanBank},
                         {col::LoanAmount, p.loanAmount},
                         {col::LoanYears, p.loanYears},
                         {col::LoanInterest, p.loanInterest},
                         {col::LoanTouchInfo, p.loanTouchInfo},
                         {col::Reserved1, p.reserved[0]},
                         {col::Reserved2, p.reserved[1]},
                         {col::Reserved3, p.reserved[2]},
                         {col::Reserved4, p.reserved[3]}});
}

SqlStatus CMyDatabase::insertCarRow(const char* table, const QString& carId,
                                    const std::vector<CarColumnValue>& values)
{
    if (!IsOpen())
        return store::Closed();
    const CMyTable* description = FindTable(table);
    Q_ASSERT(description);
    CStatement insert = m_connection.Prepare(description->InsertStatement());
    for (size_t i = 0; i < description->fields.size(); ++i) {
        const CMyField& field = description->fields[i];
        const int index = static_cast<int>(i + 1);
        const auto given = std::find_if(values.begin(), values.end(), [&](const CarColumnValue& v) {
            return field.name == QLatin1String(v.column);
        });
        if (field.name == QLatin1String(col::CarID))
            insert.Bind(index, carId);
        else if (given != values.end())
            bindColumnValue(insert, index, *given);
        else if (field.type == adWChar)
            insert.Bind(index, QString());
        else if (field.type == adDouble)
            insert.Bind(index, 0.0);
        else
            insert.Bind(index, qint64(0));
    }
    return insert.Run();
}

SqlStatus CMyDatabase::UpdateCarRow(CarTable table, const QString& carId,
                                    const CCarRowChanges& changes)
{
    if (!IsOpen())
        return store::Closed();
    if (changes.IsEmpty())
        return {};
    // Column names come from the table description's constants, values are bound.
    QByteArray sql = "update " + quotedName(CarTableName(table)) + " set ";
    const std::vector<CarColumnValue>& values = changes.Values();
    for (size_t i = 0; i < values.size(); ++i)
        sql += (i ? ", " : "") + quotedName(values[i].column) + "=?" +
               QByteArray::number(qulonglong(i + 1));
    sql += " where \"CarID\"=?" + QByteArray::number(qulonglong(values.size() + 1));
    CStatement update = m_connection.Prepare(sql);
    for (size_t i = 0; i < values.size(); ++i)
        bindColumnValue(update, static_cast<int>(i + 1), values[i]);
    update.Bind(static_cast<int>(values.size() + 1), carId);
    return update.Run();
}

bool CMyDatabase::AppendChangedAssignment(QString& assignments, QString& stored,
                                          const QString& value, const char* column, bool isText,
                                          int decimals)
{
    if (value == stored)
        return false;
    stored = value;
    QString assignment;
    if (isText) {
        assignment = SqlFormat("%s='%s'", column, SqlText(value));
    } else {
        const int places = qBound(0, decimals, 7);
        assignment = SqlFormat("%s=", column) +
                     QString::asprintf(QString::asprintf("%%.%df", places).toLatin1().constData(),
                                       LeadingNumber(value));
    }
    if (!assignments.isEmpty())
        assignments += QLatin1Char(',');
    assignments += assignment;
    return true;
}

SqlStatus CMyDatabase::DeleteCar(const QString& carId)
{
    const Expected<QString> current = GetCurrentCarID();
    if (!current)
        return current.error();
    if (RightTrimmed(*current) == carId)
        return {store::kCurrentCar, QStringLiteral("the car is in use"), true};
    // The car goes with all its rows or not at all; its figures go at once.
    const CCostSums::Writing writing(m_costSums);
    m_costSums.ForgetCar(carId.toUtf8());
    CTransaction transaction(m_connection);
    if (!transaction.Begun())
        return m_connection.LastError();
    for (const char* table :
         {tbl::Accessory, tbl::CarLog, tbl::Accident, tbl::Refuel, tbl::Maintain, tbl::DailyCost,
          tbl::Repair, tbl::CarProperty, tbl::PurchaseInfo, tbl::CarList, tbl::InputHistory,
          tbl::CareReminder})
        if (const SqlStatus status = deleteCarRows(table, carId); !status.ok())
            return status;
    return transaction.Commit() ? SqlStatus{} : m_connection.LastError();
}

SqlStatus CMyDatabase::deleteCarRows(const char* table, const QString& carId)
{
    CStatement remove =
        m_connection.Prepare(QByteArray("delete from \"") + table + "\" where \"CarID\"=?1");
    remove.Bind(1, carId);
    return remove.Run();
}
