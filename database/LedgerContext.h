#pragma once

#include "database/BackupSettings.h"
#include "database/EditHistory.h"
#include "database/MyDatabase.h"
#include "database/Records.h"

#include <QString>
#include <QtGlobal>
#include <functional>

// Chart options, stored in "chart.cfg" as four little-endian 32-bit integers.
struct ChartOptions
{
    // Before any "chart.cfg" exists: a pie with grid lines, tips and gradient.
    qint32 chartType = 1;
    qint32 gridLines = 1;
    qint32 tips = 1;
    qint32 gradientFill = 1;
};

// What the pages of a running program share: the ledger with its one
// connection, the current car's cost totals, and the settings kept in the
// config folder. The main frame owns one and hands it to every page it makes;
// a test makes its own on a ledger file of its data folder.
//
// The settings files, raw little-endian 32-bit integers:
//   "sysfile.cfg" (8 bytes): OdometerColumnMask, AutoCheckUpdate
//   "chart.cfg" (16 bytes): chart type, grid lines, tips, gradient fill
class LedgerContext
{
public:
    LedgerContext() = default;
    LedgerContext(const LedgerContext&) = delete;
    LedgerContext& operator=(const LedgerContext&) = delete;

    // The ledger when it is open; nullptr while it is closed.
    CMyDatabase* OpenDatabase() { return m_database.IsOpen() ? &m_database : nullptr; }

    // Loads (save false) or saves a settings file, named without regard to
    // case: "sysfile.cfg" or "chart.cfg". Answers 1 on success, else 0. A
    // missing file leaves the members as they are; a short one gives the
    // values read before its end. Nothing is reported to the user.
    int LoadSaveConfig(const QString& fileName, bool save);

    CMyDatabase m_database;
    // What the pages changed in this run, for undo and redo.
    CEditHistory m_editHistory;
    // Where backup points go and whether one is made at exit ("backup.ini",
    // read by the frame at start; the system settings page writes it).
    BackupSettings m_backupSettings;
    CostTotals m_costTotals;
    // Bit set of the ledgers that show an odometer column (0x01 repair,
    // 0x02 maintenance, 0x04 accident, 0x08 daily cost, 0x10 accessory, 0x20 car log).
    qint32 OdometerColumnMask = 0x3F;
    ChartOptions m_chartOptions;
    qint32 AutoCheckUpdate = 0;
    // "sysfile.cfg" is behind the values above. Set from the start, so every
    // run writes the file once, and again whenever the system settings are
    // applied; only the frame's periodic save clears it.
    qint32 SettingsDirty = 1;

    // "用记录中的里程更新当前里程": a record saved with a reading above its car's
    // odometer moves the odometer there. Kept in the profile (OdometerFollow.h).
    bool OdometerFollowsRecords = true;
    // Told when a record moved a car's odometer from one reading to a higher one.
    std::function<void(const QString& carId, double from, double to)> OdometerRaised;
    // The odometer was moved by a record since the summary page last showed it:
    // the page picks the display's colour scheme for the new reading.
    bool OdometerSchemeDue = false;
};

// Full path of a settings file of the config folder.
QString ConfigFilePath(const QString& fileName);
