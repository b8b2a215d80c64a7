#pragma once

#include "ledgers/FrameState.h"

#include <QMainWindow>
#include <QTimer>
#include <array>

class COrvynView;

// The main window. As CFrameState it owns what several pages share for the
// whole run: the ledger database with its one connection, the current car's
// cost totals and the settings. Its client area is the main view.
//
// Timers: 1 shows the next due reminder (every 60 s), 2 scans the reminder
// queue (every 10 s), 3 writes "sysfile.cfg" while SettingsDirty is set
// (every 60 s).
class CMainFrame : public QMainWindow, public CFrameState
{
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // "Qinmo【name】" from the current car, or "Qinmo【请选择或创建管理车辆】";
    // "（只读）" follows while the ledger cannot be written.
    void SetTitle() override;
    void RedrawCarPhoto() override;
    void PostClose() override;
    int LoadSaveConfig(const QString& fileName, bool save) override;
    static QString TitleFor(const QString& carName);

    COrvynView* View() const { return m_view; }

    // A menu command by id.
    void OnCommand(int commandId);
    void OnTimer(int id);
    // The close sequence: asks when ConfirmExit is set and writes the
    // settings files. False when the user chose to keep the program running.
    bool OnClose();
    void OnHelp();
    void OnAbout();

    // Timer 1, 2 or 3.
    const QTimer& Timer(int id) const;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Folder, ledger file, current car and its totals.
    void prepareLedger();
    void placeOnScreen();
    void startTimers();

    COrvynView* m_view = nullptr;
    std::array<QTimer, 3> m_timers;
    bool m_readOnly = false;
};
