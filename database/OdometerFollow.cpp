#include "database/OdometerFollow.h"

#include "database/MyDatabase.h"
#include "database/Names.h"
#include "platform/Profile.h"

#include <cmath>

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kEntry = QStringLiteral("OdometerFollowsRecords");

} // namespace

Expected<std::optional<double>> RaiseOdometer(CMyDatabase& db, const QString& carId, double reading)
{
    std::vector<QVariant> values;
    if (const SqlStatus read =
            db.ReadCarColumns(CarTable::Property, carId, {{col::CurMiles, true}}, values);
        !read.ok())
        return read;
    if (values.empty()) {
        // A car whose profile was never applied gets its row with the reading.
        if (reading <= 0)
            return std::optional<double>();
        CARPROPERTY property;
        property.curMiles = reading;
        if (const SqlStatus written = db.InsertCarProperty(carId, property); !written.ok())
            return written;
        return std::optional<double>(0.0);
    }
    const double current = values.front().toDouble();
    // Compared as the file keeps it: two decimals.
    if (std::round(reading * 100) <= std::round(current * 100))
        return std::optional<double>();
    if (const SqlStatus written = db.SetCurMiles(carId, reading); !written.ok())
        return written;
    return std::optional<double>(current);
}

bool ReadOdometerFollowSetting()
{
    return platform::GetProfileString(kSection, kEntry, QStringLiteral("1")) != QLatin1String("0");
}

bool WriteOdometerFollowSetting(bool follow)
{
    return platform::WriteProfileString(kSection, kEntry,
                                        follow ? QStringLiteral("1") : QStringLiteral("0"));
}
