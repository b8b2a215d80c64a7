#pragma once

// Table and column names of the ledger file, spelled as the file stores them.
namespace tbl {
inline constexpr const char* CarList = "CarList";
inline constexpr const char* CarProperty = "CarProperty";
inline constexpr const char* PurchaseInfo = "PurchaseInfo";
inline constexpr const char* Refuel = "Refuel";
inline constexpr const char* Repair = "Repair";
inline constexpr const char* Maintain = "Maintain";
inline constexpr const char* Accident = "Accident";
inline constexpr const char* DailyCost = "DailyCost";
inline constexpr const char* CarLog = "CarLog";
inline constexpr const char* Accessory = "Accessory";
inline constexpr const char* InputHistory = "InputHistory";
inline constexpr const char* CareReminder = "CareReminder";
} // namespace tbl

namespace col {
inline constexpr const char* NO = "NO";
inline constexpr const char* CarID = "CarID";
inline constexpr const char* Name = "Name";
inline constexpr const char* Used = "Used";
inline constexpr const char* RecID = "RecID";
inline constexpr const char* DateTimee = "DateTimee";
inline constexpr const char* Mark = "Mark";
inline constexpr const char* Miles = "Miles";
inline constexpr const char* Amount = "Amount";
inline constexpr const char* Price = "Price";
inline constexpr const char* FuelMeter1 = "FuelMeter1";
inline constexpr const char* FuelMeter2 = "FuelMeter2";
inline constexpr const char* Content = "Content";
inline constexpr const char* Provider = "Provider";
inline constexpr const char* Countt = "Countt";
inline constexpr const char* ClassName = "ClassName";
inline constexpr const char* ClassID = "ClassID";
inline constexpr const char* Reserved1 = "Reserved1";
inline constexpr const char* Reserved2 = "Reserved2";
inline constexpr const char* Reserved3 = "Reserved3";
inline constexpr const char* Reserved4 = "Reserved4";
// CarProperty
inline constexpr const char* Manufacture = "Manufacture";
inline constexpr const char* CarType = "CarType";
inline constexpr const char* VIN = "VIN";
inline constexpr const char* MotorID = "MotorID";
inline constexpr const char* BodyColor = "BodyColor";
inline constexpr const char* CarNo = "CarNo";
inline constexpr const char* FuelType = "FuelType";
inline constexpr const char* Emission = "Emission";
inline constexpr const char* FuelVolume = "FuelVolume";
inline constexpr const char* MeterRules = "MeterRules";
inline constexpr const char* CurMiles = "CurMiles";
inline constexpr const char* Picture = "Picture";
// PurchaseInfo
inline constexpr const char* BuyDate = "BuyDate";
inline constexpr const char* InsuCompany = "InsuCompany";
inline constexpr const char* InsuNote = "InsuNote";
inline constexpr const char* InsuTouchInfo = "InsuTouchInfo";
inline constexpr const char* LoanBank = "LoanBank";
inline constexpr const char* LoanTouchInfo = "LoanTouchInfo";
inline constexpr const char* BuyMiles = "BuyMiles";
inline constexpr const char* CarPrice = "CarPrice";
inline constexpr const char* CarLicense = "CarLicense";
inline constexpr const char* CarTax = "CarTax";
inline constexpr const char* InsuAmount = "InsuAmount";
inline constexpr const char* LoanAmount = "LoanAmount";
inline constexpr const char* LoanYears = "LoanYears";
inline constexpr const char* LoanInterest = "LoanInterest";
// CareReminder
inline constexpr const char* Title = "Title";
inline constexpr const char* DueDate = "DueDate";
inline constexpr const char* DueMiles = "DueMiles";
inline constexpr const char* RepeatMonths = "RepeatMonths";
inline constexpr const char* RepeatMiles = "RepeatMiles";
inline constexpr const char* LeadDays = "LeadDays";
inline constexpr const char* LeadMiles = "LeadMiles";
inline constexpr const char* Done = "Done";
} // namespace col
