#include "app/MainFrame.h"

#include "app/AboutDlg.h"
#include "app/CareReminderQueue.h"
#include "app/DlgDataCheck.h"
#include "app/EditMenu.h"
#include "app/ExitBackup.h"
#include "app/FramePlacement.h"
#include "app/HelpFile.h"
#include "app/MainMenu.h"
#include "app/MsgTipWnd.h"
#include "app/OrvynView.h"
#include "app/UpdateCheck.h"
#include "csv/CsvDialogs.h"
#include "database/Names.h"
#include "database/OdometerFollow.h"
#include "ledgers/LedgerPage.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/MessageEvent.h"
#include "platform/PrivateFiles.h"
#include "platform/StoreFailure.h"
#include "report/ReportActions.h"
#include "res/Resources.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

namespace {

const QString kSysFile = QStringLiteral("sysfile.cfg");
// Milliseconds from start-up to the first tip of the care reminders due.
constexpr int kFirstTipDelay = 1500;
const QString kChartFile = QStringLiteral("chart.cfg");

} // namespace

CMainFrame::CMainFrame(const QString& ledgerKey, QWidget* parent) : QMainWindow(parent)
{
    m_context.m_database.SetOpenPassword(ledgerKey);
    placeOnScreen();
    setWindowIcon(QIcon(res::Bitmap(res::IDI_PROGRAM)));
    BuildMainMenu(menuBar(), [this](int id) { OnCommand(id); });
    ConnectEditMenu(menuBar(), m_context.m_editHistory);
    m_tipWnd = new CMsgTipWnd(this);
    m_updateCheck = std::make_unique<CUpdateCheck>(*this);
    m_view = new COrvynView(m_context, this, DefaultPageFactories(m_context), this);
    setCentralWidget(m_view);
    // Ctrl+1 … Ctrl+9 select the pages in navigation order.
    for (int i = 0; i < kPageCount; ++i) {
        auto* select = new QAction(this);
        select->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i)));
        connect(select, &QAction::triggered, this, [this, i] { m_view->SelectPageByIndex(i); });
        addAction(select);
    }

    prepareLedger();
    SetTitle();
    m_context.LoadSaveConfig(kSysFile, false);
    m_context.OdometerFollowsRecords = ReadOdometerFollowSetting();
    m_context.m_backupSettings = LoadBackupSettings();
    if (m_context.AutoCheckUpdate)
        m_updateCheck->StartBackground();
    // The chart options are written back at every close, so they are read
    // here as well: a run that never shows the analysis page keeps them.
    m_context.LoadSaveConfig(kChartFile, false);
    startTimers();
    m_view->OnInitialUpdate();
    startCareReminders();
}

void CMainFrame::startCareReminders()
{
    m_careReminders = std::make_unique<CCareReminderQueue>(m_context, m_remind);
    m_context.OdometerRaised = [this](const QString& carId, double from, double to) {
        if (m_careReminders->OdometerMoved(carId, from, to, platform::CurrentDateTime().date()) > 0)
            ShowRemindersNow();
    };
    // The first tip of the reminders due today comes as soon as the window is
    // up, not a minute later.
    if (m_careReminders->QueueDue(platform::CurrentDateTime().date()) > 0)
        QTimer::singleShot(kFirstTipDelay, this, &CMainFrame::ShowRemindersNow);
}

void CMainFrame::ShowRemindersNow()
{
    if (!m_timers[0].isActive())
        m_timers[0].start();
    if (!m_timers[1].isActive())
        m_timers[1].start();
    m_remind.ScanQueue();
    m_remind.ShowNext(*m_tipWnd);
}

CMainFrame::~CMainFrame()
{
    m_context.OdometerRaised = nullptr;
    // The pages hold the context: they go first.
    delete m_view;
}

void CMainFrame::placeOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const FramePlacement placement = PlaceMainFrame(screenSize, available);
    setMinimumSize(placement.minimumSize);
    setGeometry(placement.geometry);
}

void CMainFrame::prepareLedger()
{
    // A folder that cannot be made shows up as a failed database creation.
    platform::MakeFolder(platform::ConfigFolder());
    m_context.m_database.SetFilePath(platform::DatabasePath());
    platform::ShowLedgerOpening(m_context.m_database.CreateOrOpen());
    m_context.m_database.Open();
    // Said once, before anything is typed that could not be kept.
    m_readOnly = m_context.m_database.IsOpen() && m_context.m_database.IsReadOnly();
    if (m_readOnly)
        platform::MessageBox(nullptr,
                             tr("账本文件是只读的，修改将无法保存：%1")
                                 .arg(QDir::toNativeSeparators(platform::DatabasePath())),
                             platform::kCaption, platform::MB_OK | platform::MB_ICONWARNING);
    loadCostTotals();
}

void CMainFrame::startTimers()
{
    constexpr std::array<int, 3> periods = {60000, 10000, 60000};
    for (int i = 0; i < 3; ++i) {
        QTimer& timer = m_timers[static_cast<size_t>(i)];
        timer.setInterval(periods[static_cast<size_t>(i)]);
        const int id = i + 1;
        connect(&timer, &QTimer::timeout, this, [this, id] { OnTimer(id); });
        timer.start();
    }
}

const QTimer& CMainFrame::Timer(int id) const
{
    return m_timers[static_cast<size_t>(std::clamp(id, 1, 3) - 1)];
}

QString CMainFrame::TitleFor(const QString& carName)
{
    const QString name = carName.isEmpty() ? tr("请选择或创建管理车辆") : carName;
    return tr("%1【%2】").arg(platform::kCaption, name);
}

void CMainFrame::SetTitle()
{
    QString name;
    if (m_context.m_database.TableExists(QString::fromLatin1(tbl::CarList)))
        name = platform::ValueOrShow(m_context.m_database.GetCurrentCarName(), this);
    setWindowTitle(TitleFor(name) + (m_readOnly ? tr("（只读）") : QString()));
}

void CMainFrame::RedrawCarPhoto()
{
    if (m_view)
        m_view->RedrawCarPhoto();
}

void CMainFrame::PostClose()
{
    ConfirmExit = 0;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void CMainFrame::OnTimer(int id)
{
    switch (id) {
    case 1:
        m_remind.ShowNext(*m_tipWnd);
        break;
    case 2:
        m_remind.ScanQueue();
        break;
    case 3:
        if (m_context.SettingsDirty) {
            m_context.SettingsDirty = 0;
            m_context.LoadSaveConfig(kSysFile, true);
        }
        break;
    default:
        break;
    }
}

void CMainFrame::OnCommand(int commandId)
{
    if (IsSettingsCommand(commandId)) {
        m_view->OnSettingsCommand(commandId);
        return;
    }
    switch (commandId) {
    case cmd::ID_APP_EXIT:
        close();
        break;
    case cmd::ID_APP_ABOUT:
        OnAbout();
        break;
    case cmd::ID_HELP:
        OnHelp();
        break;
    case cmd::ID_CHECK_UPDATE:
        OnCheckUpdate();
        break;
    case cmd::ID_EXPORT_CSV:
        OnExportCsv();
        break;
    case cmd::ID_IMPORT_CSV:
        OnImportCsv();
        break;
    case cmd::ID_PRINT_REPORT:
        OnPrintReport();
        break;
    case cmd::ID_EXPORT_PDF:
        OnExportPdf();
        break;
    case cmd::ID_DATA_CHECK:
        OnDataCheck();
        break;
    case cmd::ID_EDIT_UNDO:
    case cmd::ID_EDIT_REDO:
        OnUndoRedo(commandId == cmd::ID_EDIT_UNDO);
        break;
    default:
        break;
    }
}

void CMainFrame::OnHelp()
{
    OpenHelpFile(this);
}

void CMainFrame::OnAbout()
{
    CAboutDlg about(ProgramVersion, this);
    about.exec();
}

void CMainFrame::OnCheckUpdate()
{
    m_updateCheck->CheckNow();
}

void CMainFrame::OnExportCsv()
{
    // What a cell editor still holds goes into the file first.
    m_view->EndCellEditing();
    RunCsvExport(this, m_context.m_database);
}

void CMainFrame::OnImportCsv()
{
    m_view->EndCellEditing();
    if (RunCsvImport(this, m_context.m_database))
        reloadLedger();
}

void CMainFrame::OnPrintReport()
{
    // What a cell editor still holds goes into the file, and so the report, first.
    m_view->EndCellEditing();
    RunReportPrint(this, m_context);
}

void CMainFrame::OnExportPdf()
{
    m_view->EndCellEditing();
    RunReportPdf(this, m_context);
}

void CMainFrame::OnDataCheck()
{
    // What a cell editor still holds is checked too.
    m_view->EndCellEditing();
    if (m_dataCheck) {
        m_dataCheck->Check();
        m_dataCheck->raise();
        m_dataCheck->activateWindow();
        return;
    }
    // Left open beside the window, so that the record it jumps to is seen.
    m_dataCheck = new CDlgDataCheck(
        m_context, [this](const CheckFinding& f) { return ShowFinding(f); }, this);
    m_dataCheck->setAttribute(Qt::WA_DeleteOnClose);
    m_dataCheck->show();
}

QString CMainFrame::ShowFinding(const CheckFinding& finding)
{
    if (finding.carName.isEmpty())
        return tr("车辆 %1 已不存在，这条记录无法在账本中显示。").arg(finding.carId);
    const QString current =
        platform::ValueOrShow(m_context.m_database.GetCurrentCarID(), this).trimmed();
    if (current != finding.carId)
        return tr("这条记录属于车辆“%1”，请先在“车辆管理”中把它设为当前车辆。")
            .arg(finding.carName);
    if (!m_view->ShowRecord(finding.kind, finding.recId))
        return tr("没有找到这条记录，它可能已被删除，请重新检查。");
    return QString();
}

void CMainFrame::OnUndoRedo(bool undo)
{
    // A cell still being edited is saved first: that is the change undone then.
    m_view->EndCellEditing();
    if (auto* page = qobject_cast<CLedgerPage*>(m_view->Page(m_view->ShownPage())))
        undo ? page->Undo() : page->Redo();
}

void CMainFrame::loadCostTotals()
{
    platform::ShowStoreFailure(m_context.m_database.LoadCurrentCarTotals(m_context.m_costTotals),
                               this);
}

void CMainFrame::reloadLedger()
{
    loadCostTotals();
    for (int i = 0; i < kPageCount; ++i)
        if (auto* page = qobject_cast<CLedgerPage*>(m_view->Page(i));
            page && !page->PageCar().isEmpty())
            page->RefreshPage();
    SetTitle();
    m_view->UpdateWelcome();
    if (QWidget* shown = m_view->Page(m_view->ShownPage()))
        platform::SendMessage(shown, platform::WM_PAGE_SHOW, 0, 1);
    m_view->RedrawCarPhoto();
}

bool CMainFrame::OnClose()
{
    // A cell still being edited is saved before anything else happens.
    if (m_view)
        m_view->EndCellEditing();
    if (ConfirmExit &&
        platform::MessageBox(this, tr("确定要退出程序吗?"), platform::kCaption,
                             platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES)
        return false;
    if (m_context.SettingsDirty)
        m_context.LoadSaveConfig(kSysFile, true);
    m_context.LoadSaveConfig(kChartFile, true);
    BackUpLedgerAtExit(this, m_context);
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (OnClose()) {
        // Nothing of the update check or the tip outlives the window.
        m_updateCheck->Stop();
        m_tipWnd->hide();
        event->accept();
    } else {
        event->ignore();
    }
}

bool CMainFrame::event(QEvent* event)
{
    switch (static_cast<int>(event->type())) {
    case platform::WM_VERSION_NOTICE:
        m_remind.AddReminder(
            tr("升级提示"),
            tr("您好，系统检测到新版本，请右键点击任务栏中的图标，在弹出菜单中选择“在线升级”"
               "选项，下载最新版本！"));
        static_cast<platform::CMessageEvent*>(event)->setResult(0);
        return true;
    case platform::WM_TIP_ACK: {
        auto* message = static_cast<platform::CMessageEvent*>(event);
        if (message->wParam()) {
            // Only an entry of this queue is marked; any other is not touched.
            m_remind.Acknowledge(reinterpret_cast<const CRemindUnit*>(message->wParam()));
            // A confirmed tip ends the reminders for the rest of the run.
            m_timers[0].stop();
            m_timers[1].stop();
        }
        message->setResult(0);
        return true;
    }
    default:
        return QMainWindow::event(event);
    }
}
