#pragma once

#include "database/MyDatabase.h"
#include "database/Records.h"

#include <QString>
#include <QtGlobal>

// Chart options, stored in "chart.cfg" as four little-endian 32-bit integers.
struct ChartOptions
{
    // Before any "chart.cfg" exists: a pie with grid lines, tips and gradient.
    qint32 chartType = 1;
    qint32 gridLines = 1;
    qint32 tips = 1;
    qint32 gradientFill = 1;
};

// What the main frame shares with every page for the whole run. The main frame
// derives from it; pages reach it through CFrameState::instance(), the way they
// ask the application for its main window.
class CFrameState
{
public:
    CFrameState();
    virtual ~CFrameState();
    CFrameState(const CFrameState&) = delete;
    CFrameState& operator=(const CFrameState&) = delete;

    // The running program's frame; nullptr when there is none.
    static CFrameState* instance();
    // The frame's ledger when it is open; nullptr without a frame or while closed.
    static CMyDatabase* OpenDatabase();

    // Rebuilds the window title from the current car.
    virtual void SetTitle() = 0;
    // Redraws the car photo of the navigation column.
    virtual void RedrawCarPhoto() = 0;
    // Closes the main window once the current event has been handled, through
    // the ordinary close sequence (which asks first while ConfirmExit is set).
    virtual void PostClose() = 0;
    // Loads (save false) or saves a settings file of the config folder:
    // "sysfile.cfg" or "chart.cfg", named without regard to case. Answers 1 on
    // success, else 0; a missing file leaves the members unchanged.
    virtual int LoadSaveConfig(const QString& fileName, bool save) = 0;

    CMyDatabase m_database;
    CostTotals m_costTotals;
    // Bit set of the ledgers that show an odometer column (0x01 repair,
    // 0x02 maintenance, 0x04 accident, 0x08 daily cost, 0x10 accessory, 0x20 car log).
    qint32 OdometerColumnMask = 0x3F;
    ChartOptions m_chartOptions;
    QString ProgramVersion = QStringLiteral("V1.2.08");
    QString ServerVersion;
    qint32 AutoCheckUpdate = 0;
    qint32 ConfirmExit = 1;
    qint32 SettingsDirty = 1;
};
