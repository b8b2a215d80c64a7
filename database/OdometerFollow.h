#pragma once

#include "database/Expected.h"

#include <QString>
#include <optional>

class CMyDatabase;

// The car's odometer follows the readings of its records: a reading above the
// stored one becomes the car's odometer, written as the summary page writes a
// typed reading. The reading before the raise; none when the record's reading
// is not higher, and nothing is written then. A car without a profile row
// gets one holding the reading (the reading before is then 0).
Expected<std::optional<double>> RaiseOdometer(CMyDatabase& db, const QString& carId,
                                              double reading);

// The setting "用记录中的里程更新当前里程" in the profile (section "Settings",
// entry "OdometerFollowsRecords"): on unless the entry says "0".
bool ReadOdometerFollowSetting();
bool WriteOdometerFollowSetting(bool follow);
