#include "settings/PageRestroeData.h"

#include "database/AutoBackup.h"
#include "database/BackupPoints.h"
#include "database/BackupSettings.h"
#include "database/LedgerContext.h"
#include "database/LedgerFile.h"
#include "database/MyDatabase.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/PrivateFiles.h"
#include "platform/Shell.h"
#include "platform/WindowRequests.h"
#include "settings/TreePropSheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace platform;

CPageRestroeData::CPageRestroeData(IWindowRequests* window, LedgerContext* context, QWidget* parent)
    : CPropertyPage(tr("备份与恢复"), parent), m_window(window), m_context(context)
{
    auto* backupBox = new QGroupBox(tr("数据备份"), this);
    m_backup = new QPushButton(tr("备份当前数据点"), backupBox);
    m_folderLabel = new QLabel(backupBox);
    m_folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* backupLayout = new QHBoxLayout(backupBox);
    backupLayout->addWidget(m_backup);
    backupLayout->addWidget(m_folderLabel, 1);

    auto* restoreBox = new QGroupBox(tr("数据恢复"), this);
    m_list = new QListWidget(restoreBox);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Sorted by text, so backup points appear oldest first.
    m_list->setSortingEnabled(true);
    m_list->setAccessibleName(tr("备份点列表"));
    // Made in the order they stand, which Tab follows: the list's own
    // buttons first, the file from elsewhere last.
    m_restore = new QPushButton(tr("恢复该被备份点"), restoreBox);
    m_delete = new QPushButton(tr("删除该备份点"), restoreBox);
    m_restoreFromFile = new QPushButton(tr("从文件恢复…"), restoreBox);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_restore);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_restoreFromFile);
    auto* restoreLayout = new QVBoxLayout(restoreBox);
    restoreLayout->addWidget(m_list, 1);
    restoreLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(backupBox);
    layout->addWidget(restoreBox, 1);

    connect(m_backup, &QPushButton::clicked, this, &CPageRestroeData::OnBackup);
    connect(m_restore, &QPushButton::clicked, this, &CPageRestroeData::OnRestore);
    connect(m_delete, &QPushButton::clicked, this, &CPageRestroeData::OnDelete);
    connect(m_restoreFromFile, &QPushButton::clicked, this, &CPageRestroeData::OnRestoreFromFile);

    m_programFolder = QFileInfo(ProgramFilePath(ProgramFile::RestoreProgram)).path();
}

void CPageRestroeData::OnInitDialog()
{
    m_databasePath = DatabasePath();
    m_backupFolder = BackupFolder();
    // Only the data folder's own backup folder is made; one on another drive
    // that is missing is told when a backup is made.
    if (!m_settings || m_settings->IsDataFolderBackup())
        platform::MakeFolder(BackupFolder());
    FillList();
}

QString CPageRestroeData::BackupFolder() const
{
    return m_settings ? m_settings->Folder() : platform::BackupFolder();
}

bool CPageRestroeData::backupFolderUsable()
{
    const QString problem =
        BackupFolderProblem(m_backupFolder, !m_settings || m_settings->IsDataFolderBackup());
    if (problem.isEmpty())
        return true;
    MessageBox(this, tr("数据没有备份：%1").arg(problem), kCaption, MB_OK | MB_ICONERROR);
    return false;
}

QString CPageRestroeData::RestoreProgramPath() const
{
    return m_programFolder + QStringLiteral("/restore");
}

QString CPageRestroeData::selectedName() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(Qt::UserRole).toString();
}

void CPageRestroeData::FillList()
{
    const QString selected = selectedName();
    m_backupFolder = BackupFolder();
    m_folderLabel->setText(tr("备份文件夹：%1").arg(QDir::toNativeSeparators(m_backupFolder)));
    m_list->clear();
    // Each row keeps the name of its file: the row text begins with it, but
    // a name of another length makes any fixed part of the text another file.
    for (const QString& name : ListBackupFolder(m_backupFolder)) {
        auto* item = new QListWidgetItem(BackupPointRowText(name));
        item->setData(Qt::UserRole, name);
        m_list->addItem(item);
        if (!selected.isEmpty() && name == selected)
            m_list->setCurrentItem(item);
    }
}

void CPageRestroeData::OnBackup()
{
    if (!QFileInfo(m_databasePath).isFile()) {
        MessageBox(this, tr("数据库文件不存在，无法备份！"), kCaption, MB_OK | MB_ICONERROR);
        return;
    }
    m_backupFolder = BackupFolder();
    if (!backupFolderUsable())
        return;
    const SqlStatus made = MakeBackupPoint(m_databasePath, m_backupFolder,
                                           BackupPointName(CurrentDateTime()), ledgerKey());
    if (!made.ok()) {
        MessageBox(this, tr("数据备份失败：%1").arg(made.message), kCaption, MB_OK | MB_ICONERROR);
        return;
    }
    MessageBox(this, tr("数据备份成功！"), kCaption, MB_OK);
    FillList();
}

void CPageRestroeData::OnRestore()
{
    const QString name = selectedName();
    if (name.isEmpty()) {
        MessageBox(this, tr("请首先选择要恢复的备份点！"), kCaption, MB_OKCANCEL | MB_ICONERROR);
        return;
    }
    const QString question =
        tr("备份点【%1】将会被恢复，现有数据将会被覆盖，确认要恢复吗？").arg(name);
    if (MessageBox(this, question, kCaption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    // Everything that can stop the restore is checked while the program still
    // runs: the point the restore program would refuse, and a restore program
    // that is missing or cannot be run.
    if (!restorablePoint(m_backupFolder, name))
        return;
    const QString program = readyRestoreProgram();
    if (!program.isEmpty())
        startRestore(program, name);
}

void CPageRestroeData::OnRestoreFromFile()
{
    const QString path =
        GetOpenFileName(this, {tr("选择要恢复的备份点或账本副本"),
                               tr("备份点与账本 (*.bpt *.mdb);;所有文件 (*)"), QString()});
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    const QString question = tr("文件【%1】将会被恢复，现有数据将会被覆盖，确认要恢复吗？")
                                 .arg(QDir::toNativeSeparators(file.absoluteFilePath()));
    if (MessageBox(this, question, kCaption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    m_backupFolder = BackupFolder();
    if (!restorablePoint(file.absolutePath(), file.fileName()))
        return;
    const QString program = readyRestoreProgram();
    if (program.isEmpty())
        return;
    // The restore program takes points of the backup folder: a file from
    // elsewhere is copied there first, as a point of its own.
    QString name = file.fileName();
    if (file.canonicalPath() != QFileInfo(m_backupFolder).canonicalFilePath()) {
        if (!backupFolderUsable())
            return;
        QDateTime when = CurrentDateTime();
        name = BackupPointName(when);
        while (QFileInfo::exists(m_backupFolder + QLatin1Char('/') + name)) {
            when = when.addSecs(1);
            name = BackupPointName(when);
        }
        const SqlStatus copied =
            MakeBackupPoint(file.absoluteFilePath(), m_backupFolder, name, m_pointKey);
        if (!copied.ok()) {
            MessageBox(this,
                       tr("无法将文件复制到备份文件夹（%1），数据没有恢复。").arg(copied.message),
                       kCaption, MB_OK | MB_ICONERROR);
            return;
        }
        FillList();
    }
    startRestore(program, name);
}

QString CPageRestroeData::readyRestoreProgram()
{
    const QString program = RestoreProgramPath();
    if (!QFileInfo(program).isFile()) {
        MessageBox(this,
                   tr("文件【%1】丢失，无法恢复数据文件！").arg(QDir::toNativeSeparators(program)),
                   kCaption, MB_OK | MB_ICONERROR);
        return QString();
    }
    if (!QFileInfo(program).isExecutable()) {
        MessageBox(
            this,
            tr("恢复程序【%1】无法启动，数据没有恢复。").arg(QDir::toNativeSeparators(program)),
            kCaption, MB_OK | MB_ICONERROR);
        return QString();
    }
    return program;
}

void CPageRestroeData::startRestore(const QString& program, const QString& name)
{
    MessageBox(this, tr("程序将关闭并重新启动加载恢复的新数据..."), kCaption, MB_OK);
    // Started before the program closes, so that a program that cannot be
    // started after all leaves this one running; it waits for this one to end.
    // The name is one argument as it is, never trimmed; a backup folder other
    // than the data folder's follows it. The keys go on the program's input.
    QStringList arguments{QLatin1Char('/') + name};
    if (m_settings && !m_settings->IsDataFolderBackup())
        arguments << m_backupFolder;
    if (!StartProcess(program, arguments, RestoreKeysInput({ledgerKey(), m_pointKey}))) {
        MessageBox(
            this,
            tr("恢复程序【%1】无法启动，数据没有恢复。").arg(QDir::toNativeSeparators(program)),
            kCaption, MB_OK | MB_ICONERROR);
        return;
    }
    if (CTreePropSheet* sheet = GetSheet())
        sheet->reject();
    if (m_window)
        m_window->PostClose();
}

QString CPageRestroeData::ledgerKey() const
{
    return m_context ? m_context->m_database.LedgerKey() : CMyDatabase::kDatabasePassword;
}

bool CPageRestroeData::restorablePoint(const QString& folder, const QString& name)
{
    // A point has the ledger's key of its day: the key of now, the fixed key,
    // or a password the owner had then and is asked for.
    m_pointKey = ledgerKey();
    const QString path = folder + QLatin1Char('/') + name;
    if (IsPlainFileName(name) && QFileInfo(path).isFile() &&
        !LedgerOpensWithKey(path, m_pointKey)) {
        if (LedgerOpensWithKey(path, CMyDatabase::kDatabasePassword)) {
            m_pointKey = CMyDatabase::kDatabasePassword;
        } else if (m_pointKey != CMyDatabase::kDatabasePassword) {
            // Only an owner who keys the ledger has points with other
            // passwords; anyone else is told the point cannot be read.
            bool given = false;
            const QString typed = QInputDialog::getText(
                this, kCaption, tr("备份点【%1】用另一个密码加密，请输入那时的密码：").arg(name),
                QLineEdit::Password, QString(), &given);
            if (!given)
                return false;
            if (!LedgerOpensWithKey(path, typed)) {
                MessageBox(this, tr("密码不能打开备份点【%1】，数据没有恢复。").arg(name), kCaption,
                           MB_OK | MB_ICONERROR);
                return false;
            }
            m_pointKey = typed;
        }
    }
    QString refusal;
    switch (CheckBackupPoint(folder, name, m_pointKey)) {
    case BackupPointState::Complete:
        return true;
    case BackupPointState::BadName:
    case BackupPointState::Missing:
        refusal = tr("备份点【%1】不存在，无法恢复！");
        break;
    case BackupPointState::Damaged:
        refusal = tr("备份点【%1】已损坏或不是本程序的账本，无法恢复！");
        break;
    }
    MessageBox(this, refusal.arg(name), kCaption, MB_OK | MB_ICONERROR);
    FillList(); // a point removed meanwhile leaves the list
    return false;
}

void CPageRestroeData::OnDelete()
{
    const QString name = selectedName();
    if (name.isEmpty()) {
        MessageBox(this, tr("请首先选择要删除的备份点！"), kCaption, MB_OKCANCEL | MB_ICONERROR);
        return;
    }
    const QString question = tr("备份点【%1】将会被删除且不可恢复，确认要删除吗？").arg(name);
    if (MessageBox(this, question, kCaption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    QFile file(m_backupFolder + QLatin1Char('/') + name);
    if (!IsPlainFileName(name) || !file.remove())
        MessageBox(this, tr("删除备份点【%1】失败：%2").arg(name, file.errorString()), kCaption,
                   MB_OK | MB_ICONERROR);
    FillList();
}
