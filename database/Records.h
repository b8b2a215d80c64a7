#pragma once

#include <QImage>
#include <QString>

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

// The head every ledger record shares.
struct LedgerRecordHead
{
    QString carId;
    QString recId; // "%07d"
    QString date;  // "%Y/%m/%d"
    QString mark;  // note
    QString reserved[4];
};

struct RefuelRecord : LedgerRecordHead
{
    double miles = 0;
    double amount = 0;
    double price = 0;
    double fuelMeter1 = 0; // gauge before filling
    double fuelMeter2 = 0; // gauge after filling
};

// Repair and maintenance records have the same columns.
struct ServiceRecord : LedgerRecordHead
{
    double miles = 0;
    double amount = 0;
    QString content;
    QString provider;
};

// Accident and daily-cost records have the same columns.
struct CostRecord : LedgerRecordHead
{
    double miles = 0;
    double amount = 0;
    QString content;
};

struct CarLogRecord : LedgerRecordHead
{
    double miles = 0;
};

struct AccessoryRecord : LedgerRecordHead
{
    double miles = 0;
    double price = 0;
    double count = 0; // stored with "%.0f"
    QString name;
    QString provider;
};

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
