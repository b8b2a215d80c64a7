#include "app/MainFrame.h"

#include "database/Names.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"

#include <QDir>

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    resize(800, 600);
    prepareLedger();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::prepareLedger()
{
    // A folder that cannot be made shows up as a failed database creation.
    QDir().mkpath(platform::ConfigFolder());
    m_database.SetFilePath(platform::DatabasePath());
    m_database.SetOpenPassword(CMyDatabase::kDatabasePassword);
    m_database.CreateOrOpen();
    m_database.Open();

    m_database.LoadCostTotals(m_database.GetCurrentCarID(), m_costTotals);
    SetTitle();
}

QString CMainFrame::TitleFor(const QString& carName)
{
    const QString name = carName.isEmpty() ? QStringLiteral("请选择或创建管理车辆") : carName;
    return platform::kCaption + QStringLiteral("【") + name + QStringLiteral("】");
}

void CMainFrame::SetTitle()
{
    QString name;
    if (m_database.TableExists(QString::fromLatin1(tbl::CarList)))
        name = m_database.GetCurrentCarName();
    setWindowTitle(TitleFor(name));
}

void CMainFrame::RedrawCarPhoto() {}
