#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>
#include <algorithm>

// In-memory records of the ledger file.

// One car as listed: identifier "CAR%04d", name, current flag "YES"/"NO".
struct CARLIST
{
    QString carId;
    QString name;
    QString used;
    QString reserved1;
    QString reserved2;
};

// A car's profile.
struct CARPROPERTY
{
    QString manufacture;
    QString carType;
    QString vin;
    QString bodyColor;
    QString motorId;
    QString emission;
    QString carNo;
    QString fuelType;
    QString fuelVolumeText; // "%.2f"
    QString meterRulesText; // "%.2f"
    QString curMilesText;   // "%.2f"
    QImage picture;         // null when the car has none
    double fuelVolume = 0;  // litres
    double meterRules = 0;  // divisions of the fuel gauge
    double curMiles = 0;    // kilometres
    QString reserved[4];
};

// A car's purchase, insurance and loan details.
struct PURCHASEINFO
{
    QString buyDateText;
    QString buyMilesText;
    QString carPriceText;
    QString carTaxText;
    QString carLicenseText;
    QString insuAmountText;
    QString insuCompany;
    QString insuNote;
    QString insuTouchInfo;
    QString loanBank;
    QString loanAmountText;
    QString loanYearsText;
    QString loanInterestText;
    QString loanTouchInfo;
    double carPrice = 0;
    double carTax = 0;
    double carLicense = 0;
    double loanAmount = 0;
    double loanInterest = 0;
    double buyMiles = 0;
    double insuAmount = 0;
    double loanYears = 0;
    qint64 buyDate = 0; // seconds since 1970
    QString reserved[4];
};

// The fields a ledger record can have; each ledger table binds some of them
// to its columns (see CMyField::field).
enum class LedgerField : quint8
{
    None, // a column no record field stands for (the spares)
    CarId,
    RecId,
    Date,
    Mark,
    Miles,
    Amount,
    Price,
    FuelMeter1,
    FuelMeter2,
    Count,
    Content,
    Provider,
    Name,
    Marks, // refuelling: what the filling's estimates cannot be computed from
};

bool IsNumberField(LedgerField field);

// The longest text, in characters, that the pages read and show whole; a
// longer stored text is read by its beginning only.
inline constexpr int kLongestText = 10000;

// The characters of a text as the ledger counts them (a surrogate pair is one).
inline qsizetype TextCharacters(const QString& text)
{
    return text.size() -
           std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

// One record of any of the seven ledgers, with its values as stored: texts as
// written, numbers as the doubles the file holds ("%.2f"-rounded when this
// program wrote them, counts whole). A ledger uses the fields its table binds;
// the others stay empty or zero.
struct LedgerRecord
{
    QString carId;
    QString recId; // "%07d"
    QString date;  // "%Y/%m/%d"
    QString mark;  // note, or the log text of the car log
    QString content;
    QString provider;
    QString name;
    double miles = 0;
    double amount = 0;
    double price = 0;
    double fuelMeter1 = 0; // gauge before filling
    double fuelMeter2 = 0; // gauge after filling
    double count = 0;      // accessories, stored with "%.0f"
    // Refuelling, in the spare column Reserved1: blank-separated words saying
    // what is not known of the filling (see RefuelMark); empty for fillings
    // typed on the page and in every file written before the marks existed.
    QString marks;
    // Texts that are only the beginning of the stored text (a bit per field,
    // 1 << field): read by their first kLongestText characters, and after an
    // edit the typed beginning; the stored rest follows it.
    quint32 cut = 0;

    bool IsCut(LedgerField field) const { return cut & (1u << unsigned(field)); }

    double& Number(LedgerField field);
    double Number(LedgerField field) const;
    QString& Text(LedgerField field);
    const QString& Text(LedgerField field) const;
};

// What a refuelling record can say is not known of it; the pages show "--"
// where a figure would need it.
enum class RefuelMark
{
    MissedBefore,  // "missed": a filling before this one was not recorded
    GaugesUnknown, // "nogauge": the gauge readings before and after are not known
};
bool HasMark(const LedgerRecord& record, RefuelMark mark);

// A record identifier as the ledgers write it: seven digits, "0000042".
QString RecordIdText(qint64 number);
void SetMark(LedgerRecord& record, RefuelMark mark, bool set);

// The names of the ledgers' records by table, for readers of the code that
// uses one ledger only.
using RefuelRecord = LedgerRecord;
using ServiceRecord = LedgerRecord; // repair and maintenance
using CostRecord = LedgerRecord;    // accident and daily cost
using CarLogRecord = LedgerRecord;
using AccessoryRecord = LedgerRecord;

// A remembered entry of a ledger editor.
struct InputHistoryEntry
{
    QString carId;
    QString recId;
    QString content;
    QString className;
    int classId = 0;
    QString reserved1;
    QString reserved2;
};

// The current car's cost totals, kept by the main frame.
struct CostTotals
{
    double fuelVolume = 0; // litres
    double fuelAmount = 0;
    double maintain = 0;
    double accident = 0;
    double accessory = 0;
    double repair = 0;
    double dailyCost = 0;
};
