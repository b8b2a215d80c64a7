#pragma once

#include <QDateTime>
#include <functional>

// The program's one clock: "today" in the ledgers, the current month of the
// analysis, the reminder minute. Tests fix it.
namespace platform {

QDateTime CurrentDateTime();
QDate CurrentDate();
void SetClock(std::function<QDateTime()> clock); // empty: the system clock again

} // namespace platform
