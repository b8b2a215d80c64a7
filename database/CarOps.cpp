// Car list operations of the ledger database.
#include "database/MyDatabase.h"
#include "database/Names.h"
#include "database/SqlText.h"
#include "database/StoreReport.h"
#include "database/Transaction.h"
#include "platform/MessageCodes.h"

#include <QDateTime>
#include <QRegularExpression>
#include <algorithm>

namespace {

QString readText(const CAdoRecordSet& rs, const char* column)
{
    QString value;
    rs.GetCollect(QString::fromLatin1(column), value);
    return RightTrimmed(value);
}

double readNumber(const CAdoRecordSet& rs, const char* column)
{
    double value = 0;
    rs.GetCollect(QString::fromLatin1(column), value);
    return value;
}

QString twoDecimals(double value)
{
    return QString::asprintf("%.2f", value);
}

} // namespace

bool CMyDatabase::NewCar(const QString& name)
{
    // The next number is one above the highest number of any "CAR" + digits
    // identifier, compared as numbers: text order would put CAR9999 after CAR10000.
    auto result = query(SqlFormat("select %s from %s", col::CarID, tbl::CarList));
    if (!result)
        return false;
    static const QRegularExpression carNumber(QStringLiteral("^CAR([0-9]{1,18})$"));
    qint64 highest = 0;
    for (const auto& row : result->rows) {
        const auto match = carNumber.match(RightTrimmed(CAdoRecordSet::ValueToText(row[0])));
        if (match.hasMatch())
            highest = std::max(highest, match.captured(1).toLongLong());
    }
    const QString carId = QString::asprintf("CAR%04lld", highest + 1);
    return query(SqlFormat("insert into %s (%s, %s, %s,%s,%s) values ('%s','%s','%s','%s','%s')",
                           tbl::CarList, col::CarID, col::Name, col::Used, col::Reserved1,
                           col::Reserved2, SqlText(carId), SqlText(name), "NO", "", "")) != nullptr;
}

void CMyDatabase::GetCarList(std::vector<CARLIST>& cars)
{
    auto result = query(SqlFormat("select * from %s order by %s DESC", tbl::CarList, col::CarID));
    if (!result)
        return;
    cars.clear();
    CAdoRecordSet rs;
    rs.Attach(result);
    for (; !rs.IsEOF(); rs.MoveNext())
        cars.push_back({readText(rs, col::CarID), readText(rs, col::Name), readText(rs, col::Used),
                        QString(), QString()});
}

void CMyDatabase::RenameCar(const QString& newName, const QString& carId)
{
    query(SqlFormat("update %s set %s='%s' where %s.%s='%s'", tbl::CarList, col::Name,
                    SqlText(newName), tbl::CarList, col::CarID, SqlText(carId)));
}

void CMyDatabase::SetCurrentCar(const QString& carId)
{
    if (!IsOpen())
        return;
    CTransaction transaction(m_connection);
    if (transaction.Begun() &&
        query(SqlFormat("update %s set %s='NO' where %s.%s='YES'", tbl::CarList, col::Used,
                        tbl::CarList, col::Used)) &&
        query(SqlFormat("update %s set %s='YES' where %s.%s='%s'", tbl::CarList, col::Used,
                        tbl::CarList, col::CarID, SqlText(carId))))
        transaction.Commit();
}

QString CMyDatabase::GetCurrentCarID()
{
    auto result = query(SqlFormat("select %s from %s where %s.%s='YES'", col::CarID, tbl::CarList,
                                  tbl::CarList, col::Used));
    CAdoRecordSet rs;
    rs.Attach(result);
    QString carId;
    if (result)
        rs.GetCollect(col::CarID, carId);
    return carId;
}

QString CMyDatabase::GetCurrentCarName()
{
    auto result = query(
        SqlFormat("select Name from %s where %s.%s='YES'", tbl::CarList, tbl::CarList, col::Used));
    CAdoRecordSet rs;
    rs.Attach(result);
    return result ? readText(rs, col::Name) : QString();
}

bool CMyDatabase::GetCarProperty(const QString& carId, CARPROPERTY& p)
{
    auto result = query(
        SqlFormat("select * from %s where %s='%s'", tbl::CarProperty, col::CarID, SqlText(carId)));
    if (!result)
        return false;
    CAdoRecordSet rs;
    rs.Attach(result);
    if (rs.IsEOF())
        return true;
    p.manufacture = readText(rs, col::Manufacture);
    p.carType = readText(rs, col::CarType);
    p.vin = readText(rs, col::VIN);
    p.motorId = readText(rs, col::MotorID);
    p.bodyColor = readText(rs, col::BodyColor);
    p.carNo = readText(rs, col::CarNo);
    p.fuelType = readText(rs, col::FuelType);
    p.emission = readText(rs, col::Emission);
    p.fuelVolume = readNumber(rs, col::FuelVolume);
    p.meterRules = readNumber(rs, col::MeterRules);
    p.curMiles = readNumber(rs, col::CurMiles);
    p.fuelVolumeText = twoDecimals(p.fuelVolume);
    p.meterRulesText = twoDecimals(p.meterRules);
    p.curMilesText = twoDecimals(p.curMiles);
    QByteArray bitmap;
    if (rs.GetChunk(col::Picture, bitmap) && bitmap.startsWith("BM"))
        p.picture = QImage::fromData(bitmap, "BMP");
    return true;
}

bool CMyDatabase::GetPurchaseInfo(const QString& carId, PURCHASEINFO& p)
{
    auto result = query(
        SqlFormat("select * from %s where %s='%s'", tbl::PurchaseInfo, col::CarID, SqlText(carId)));
    if (!result)
        return false;
    CAdoRecordSet rs;
    rs.Attach(result);
    if (rs.IsEOF())
        return true;
    p.buyDateText = readText(rs, col::BuyDate);
    p.buyMiles = readNumber(rs, col::BuyMiles);
    p.carPrice = readNumber(rs, col::CarPrice);
    p.carTax = readNumber(rs, col::CarTax);
    p.carLicense = readNumber(rs, col::CarLicense);
    p.insuCompany = readText(rs, col::InsuCompany);
    p.insuAmount = readNumber(rs, col::InsuAmount);
    p.insuNote = readText(rs, col::InsuNote);
    p.insuTouchInfo = readText(rs, col::InsuTouchInfo);
    p.loanBank = readText(rs, col::LoanBank);
    p.loanTouchInfo = readText(rs, col::LoanTouchInfo);
    p.loanInterest = readNumber(rs, col::LoanInterest);
    p.loanYears = readNumber(rs, col::LoanYears);
    p.loanAmount = readNumber(rs, col::LoanAmount);
    p.buyDate = ParsePurchaseDate(p.buyDateText);
    p.buyMilesText = twoDecimals(p.buyMiles);
    p.carPriceText = twoDecimals(p.carPrice);
    p.carTaxText = twoDecimals(p.carTax);
    p.carLicenseText = twoDecimals(p.carLicense);
    p.insuAmountText = twoDecimals(p.insuAmount);
    p.loanAmountText = twoDecimals(p.loanAmount);
    p.loanYearsText = twoDecimals(p.loanYears);
    p.loanInterestText = twoDecimals(p.loanInterest);
    return true;
}

qint64 CMyDatabase::ParsePurchaseDate(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (text.size() >= 8 && text.size() <= 10 && parts.size() == 3) {
        bool okY = false, okM = false, okD = false;
        const int y = parts[0].toInt(&okY), m = parts[1].toInt(&okM), d = parts[2].toInt(&okD);
        const QDate date(y, m, d);
        if (okY && okM && okD && y >= 1901 && y <= 2098 && m >= 1 && m <= 12 && d >= 1 && d <= 31 &&
            date.isValid())
            return QDateTime(date, QTime(0, 0)).toSecsSinceEpoch();
    }
    return QDateTime::currentSecsSinceEpoch();
}

void CMyDatabase::SetCurMiles(const QString& carId, double miles)
{
    query(SqlFormat("update %s set %s=%.2f where %s.%s='%s'", tbl::CarProperty, col::CurMiles,
                    miles, tbl::CarProperty, col::CarID, SqlText(carId)));
}

bool CMyDatabase::SetCarPicture(const QString& carId, const QByteArray& bitmapFile)
{
    if (!IsOpen())
        return false;
    return m_connection.ExecuteWithBlob(SqlFormat("update %s set %s=?1 where %s.%s='%s'",
                                                  tbl::CarProperty, col::Picture, tbl::CarProperty,
                                                  col::CarID, SqlText(carId)),
                                        bitmapFile);
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

bool CMyDatabase::DeleteCar(const QString& carId)
{
    if (!IsOpen())
        return false;
    if (RightTrimmed(GetCurrentCarID()) == carId) {
        ReportStoreMessage(QStringLiteral("不能删除当前正在使用的车辆！"), platform::kCaption,
                           platform::MB_OK | platform::MB_ICONERROR);
        return false;
    }
    // The car goes with all its rows or not at all.
    CTransaction transaction(m_connection);
    if (!transaction.Begun())
        return false;
    for (const char* table :
         {tbl::Accessory, tbl::CarLog, tbl::Accident, tbl::Refuel, tbl::Maintain, tbl::DailyCost,
          tbl::Repair, tbl::CarProperty, tbl::PurchaseInfo, tbl::CarList, tbl::InputHistory})
        if (!DeleteCarRows(table, carId))
            return false;
    return transaction.Commit();
}

bool CMyDatabase::DeleteCarRows(const char* table, const QString& carId)
{
    if (!IsOpen())
        return false;
    return query(SqlFormat("delete from %s  where %s.%s='%s'", table, table, col::CarID,
                           SqlText(carId))) != nullptr;
}
