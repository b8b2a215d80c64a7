#pragma once

#include <QString>
#include <optional>

class CMyDatabase;
class QLabel;
class QLineEdit;
class QWidget;

// What the car profile and purchase pages share: both edit one row of the
// current car and write it on Apply or OK.
namespace carpage {

// The current car's identifier; empty without a ledger or a current car.
QString CurrentCarId();
// The open ledger; nullptr without one.
CMyDatabase* Database();
// A label naming a control: its buddy, and its text the control's accessible name.
QLabel* LabelFor(QWidget* control, const QString& text, QWidget* parent);
// "没有被选择的车辆！"
void ReportNoCar(QWidget* page);
// Enables or disables every control of the page.
void EnableControls(QWidget* page, bool enabled);
// The number typed into a field, read as the ledgers read typed numbers (a
// text without a number is 0). A number out of range is refused with a
// message naming the field, which then gets the focus; no value then.
std::optional<double> ReadNumberField(QWidget* page, QLineEdit* edit, const QString& label);

} // namespace carpage
