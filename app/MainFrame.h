#pragma once

#include "app/DlgDataCheck.h"
#include "app/Remind.h"
#include "app/Version.h"
#include "database/LedgerContext.h"
#include "platform/WindowRequests.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

class CCareReminderQueue;
class CMsgTipWnd;
class COrvynView;
class CUpdateCheck;

// The main window. It owns the ledger context the pages share for the whole
// run (the ledger with its one connection, the current car's cost totals and
// the settings) and answers the pages' window requests. Its client area is the
// main view.
//
// Timers: 1 shows the next due reminder (every 60 s), 2 scans the reminder
// queue (every 10 s), 3 writes "sysfile.cfg" while SettingsDirty is set
// (every 60 s). A confirmed tip stops timers 1 and 2 for the rest of the run.
//
// With AutoCheckUpdate set, the update page is read in the background at
// start-up; a newer version arrives as WM_VERSION_NOTICE and is queued as a
// reminder.
class CMainFrame : public QMainWindow, public IWindowRequests
{
    Q_OBJECT
public:
    // The ledger is opened with ledgerKey: the fixed key, or the owner's
    // password the login was given.
    explicit CMainFrame(const QString& ledgerKey = CMyDatabase::kDatabasePassword,
                        QWidget* parent = nullptr);
    ~CMainFrame() override;

    // "Qinmo【name】" from the current car, or "Qinmo【请选择或创建管理车辆】";
    // "（只读）" follows while the ledger cannot be written.
    void SetTitle() override;
    void RedrawCarPhoto() override;
    // Clears ConfirmExit, then closes the window once the current event has
    // been handled.
    void PostClose() override;
    static QString TitleFor(const QString& carName);

    LedgerContext& Context() { return m_context; }
    COrvynView* View() const { return m_view; }

    // A menu command by id.
    void OnCommand(int commandId);
    void OnTimer(int id);
    // The close sequence: asks when ConfirmExit is set, writes the settings
    // files and makes the exit's backup point when the ledger changed. False
    // when the user chose to keep the program running.
    bool OnClose();
    void OnHelp();
    void OnAbout();
    // "检查新版本": answers in message boxes once the server's version is known.
    void OnCheckUpdate();
    // "导出为 CSV…" and "从 CSV 导入…"; after an import the pages read the
    // ledger again.
    void OnExportCsv();
    void OnImportCsv();
    // "打印…" and "导出为 PDF…": a report of a car's records.
    void OnPrintReport();
    void OnExportPdf();
    // "数据检查": the findings of the consistency check, beside the window.
    void OnDataCheck();
    CDlgDataCheck* DataCheck() const { return m_dataCheck; }
    // Shows the record of a finding on its ledger page; empty when shown, else
    // why it cannot be.
    QString ShowFinding(const CheckFinding& finding);
    // "撤销 …" and "重做 …" of the "编辑" menu: the shown ledger page's last change.
    void OnUndoRedo(bool undo);

    // Timer 1, 2 or 3.
    const QTimer& Timer(int id) const;

    QString ProgramVersion = WindowVersion(); // "V1.2.08"
    // Empty until the first update check of the run has read the page.
    QString ServerVersion;
    // Whether closing asks first; only a restore clears it.
    qint32 ConfirmExit = 1;

    CRemind& Reminders() { return m_remind; }
    CCareReminderQueue& CareReminders() const { return *m_careReminders; }
    // Scans the reminder queue and shows its next tip now (the timers go on
    // as they were, started again after a confirmed tip).
    void ShowRemindersNow();
    CMsgTipWnd* TipWindow() const { return m_tipWnd; }
    CUpdateCheck& UpdateCheck() const { return *m_updateCheck; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Folder, ledger file, current car and its totals.
    void prepareLedger();
    void placeOnScreen();
    void startTimers();
    // Queues the care reminders due today and those a new reading makes due.
    void startCareReminders();
    // Reads the current car's totals and every loaded ledger page again.
    void reloadLedger();
    // The current car's cost totals read again (failures shown).
    void loadCostTotals();

    LedgerContext m_context;
    COrvynView* m_view = nullptr;
    std::array<QTimer, 3> m_timers;
    CRemind m_remind;
    CMsgTipWnd* m_tipWnd = nullptr;
    std::unique_ptr<CUpdateCheck> m_updateCheck;
    std::unique_ptr<CCareReminderQueue> m_careReminders;
    QPointer<CDlgDataCheck> m_dataCheck;
    bool m_readOnly = false;
};
