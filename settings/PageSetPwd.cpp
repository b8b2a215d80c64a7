#include "settings/PageSetPwd.h"

#include "controls/ReadableColours.h"
#include "database/LedgerContext.h"
#include "platform/MessageBox.h"
#include "platform/StoredPassword.h"
#include "settings/TreePropSheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace platform;

namespace {

constexpr int kMaxAttempts = 5;

bool isEnterKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

QLineEdit* passwordEdit(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setEchoMode(QLineEdit::Password);
    edit->setAccessibleName(name);
    return edit;
}

// A red label that keeps its place in the layout while hidden.
QLabel* redLabel(QWidget* parent)
{
    auto* label = new QLabel(QCoreApplication::translate("CPageSetPwd", "密码输入错误！"), parent);
    label->setStyleSheet(WarningStyleSheet());
    label->setAccessibleName(label->text());
    label->setWordWrap(true);
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    label->hide();
    return label;
}

void showText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setAccessibleName(text);
    label->show();
}

} // namespace

CPageSetPwd::CPageSetPwd(IWindowRequests* window, LedgerContext* context, QWidget* parent)
    : CPropertyPage(tr("密码设置"), parent), m_window(window), m_context(context)
{
    auto* oldGroup = new QGroupBox(tr("密码认证"), this);
    auto* oldCaption = new QLabel(tr("输入原密码："), oldGroup);
    m_oldEdit = passwordEdit(tr("输入原密码"), oldGroup);
    oldCaption->setBuddy(m_oldEdit);
    m_check = new QPushButton(tr("确定"), oldGroup);
    m_oldLabel = redLabel(oldGroup);
    m_clear = new QPushButton(tr("清除密码"), oldGroup);
    auto* oldLayout = new QGridLayout(oldGroup);
    oldLayout->addWidget(oldCaption, 0, 0);
    oldLayout->addWidget(m_oldEdit, 0, 1);
    oldLayout->addWidget(m_check, 0, 2);
    oldLayout->addWidget(m_oldLabel, 1, 1);
    oldLayout->addWidget(m_clear, 1, 2);

    auto* newGroup = new QGroupBox(tr("输入新密码"), this);
    auto* newCaption = new QLabel(tr("输入新密码："), newGroup);
    m_newEdit = passwordEdit(tr("输入新密码"), newGroup);
    newCaption->setBuddy(m_newEdit);
    auto* confirmCaption = new QLabel(tr("输入确认密码："), newGroup);
    m_confirmEdit = passwordEdit(tr("输入确认密码"), newGroup);
    confirmCaption->setBuddy(m_confirmEdit);
    m_apply = new QPushButton(tr("应用"), newGroup);
    m_encrypt = new QCheckBox(tr("用密码加密账本（忘记密码将无法打开账本）"), newGroup);
    m_hintLabel = redLabel(newGroup);
    auto* newLayout = new QGridLayout(newGroup);
    newLayout->addWidget(newCaption, 0, 0);
    newLayout->addWidget(m_newEdit, 0, 1);
    newLayout->addWidget(confirmCaption, 1, 0);
    newLayout->addWidget(m_confirmEdit, 1, 1);
    newLayout->addWidget(m_apply, 1, 2);
    newLayout->addWidget(m_encrypt, 2, 1, 1, 2);
    newLayout->addWidget(m_hintLabel, 3, 1, 1, 2);

    // The edits of both groups start at the same place.
    const int captionWidth = confirmCaption->sizeHint().width();
    oldCaption->setMinimumWidth(captionWidth);
    newCaption->setMinimumWidth(captionWidth);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(oldGroup);
    layout->addWidget(newGroup);
    layout->addStretch(1);

    for (QLineEdit* edit : {m_oldEdit, m_newEdit, m_confirmEdit})
        edit->installEventFilter(this);
    connect(m_check, &QPushButton::clicked, this, &CPageSetPwd::OnCheckOldPassword);
    connect(m_apply, &QPushButton::clicked, this, &CPageSetPwd::OnSetNewPassword);
    connect(m_clear, &QPushButton::clicked, this, &CPageSetPwd::OnClearPassword);
    connect(m_oldEdit, &QLineEdit::textChanged, this, &CPageSetPwd::onOldTextChanged);
    connect(m_newEdit, &QLineEdit::textChanged, this, &CPageSetPwd::onNewTextChanged);
    connect(m_confirmEdit, &QLineEdit::textChanged, this, &CPageSetPwd::onNewTextChanged);
}

bool CPageSetPwd::OnSetActive()
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_apply, m_check, m_clear, m_newEdit,
                                                            m_confirmEdit, m_oldEdit, m_encrypt})
        control->setEnabled(true);
    for (QLineEdit* edit : {m_oldEdit, m_newEdit, m_confirmEdit})
        edit->clear();
    initialise();
    return true;
}

void CPageSetPwd::initialise()
{
    const StoredPassword stored = ReadStoredPassword();
    m_oldLabel->hide();
    m_hintLabel->hide();
    m_oldErrorShown = false;
    m_hintShown = false;
    m_attempts = 0;

    // A value that is no text, or a profile that cannot be read, still counts
    // as a set password: taking it for none would let anyone replace it
    // without knowing it.
    m_current = stored.clear;
    m_encrypt->setChecked(stored.ownerKeyed);
    if (ownerKeyed()) {
        // The password is the ledger's key; the profile keeps no form of it.
        m_current = m_context->m_database.LedgerKey();
        setNewPasswordEnabled(false);
    } else if (!stored.unreadableFile.isEmpty()) {
        setNewPasswordEnabled(false);
        showHint(tr("无法读取设置文件 %1，不能核对或更改密码。").arg(stored.unreadableFile));
    } else if (stored.set) {
        setNewPasswordEnabled(false);
    } else {
        m_check->setEnabled(false);
        m_oldEdit->setEnabled(false);
        showText(m_oldLabel, tr("未设置密码！"));
        showHint(tr("请在这里设置您的密码！"));
    }
    m_clear->hide();
}

bool CPageSetPwd::ownerKeyed() const
{
    return m_context && m_context->m_database.LedgerKey() != CMyDatabase::kDatabasePassword;
}

bool CPageSetPwd::rekeyLedger(const QString& key)
{
    const QString newKey = key.isEmpty() ? CMyDatabase::kDatabasePassword : key;
    if (!m_context || m_context->m_database.LedgerKey() == newKey)
        return true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SqlStatus changed = m_context->m_database.ChangeLedgerKeyTo(newKey);
    QApplication::restoreOverrideCursor();
    if (changed.ok())
        return true;
    MessageBox(this, tr("账本的加密没有更改，密码没有更改：%1").arg(changed.message), kCaption,
               MB_OK | MB_ICONERROR);
    return false;
}

void CPageSetPwd::setNewPasswordEnabled(bool enabled)
{
    m_encrypt->setEnabled(enabled && m_context);
    m_apply->setEnabled(enabled);
    m_newEdit->setEnabled(enabled);
    m_confirmEdit->setEnabled(enabled);
}

void CPageSetPwd::showHint(const QString& text)
{
    showText(m_hintLabel, text);
    m_hintShown = true;
}

void CPageSetPwd::OnCheckOldPassword()
{
    ++m_attempts;
    if (m_current && m_oldEdit->text() == *m_current) {
        m_check->setEnabled(false);
        m_oldEdit->setEnabled(false);
        m_clear->show();
        setNewPasswordEnabled(true);
        showHint(tr("请在这里设置您的密码！"));
        m_newEdit->setFocus();
        return;
    }
    if (m_attempts >= kMaxAttempts) {
        MessageBox(this, tr("对不起，您尝试次数过多，对话框将自动关闭！"), kCaption, MB_OK);
        closeSheet();
        return;
    }
    m_oldEdit->clear();
    m_oldEdit->setFocus();
    showText(m_oldLabel, tr("密码输入错误！"));
    m_oldErrorShown = true;
}

void CPageSetPwd::closeSheet()
{
    CTreePropSheet* sheet = GetSheet();
    if (!sheet)
        return;
    // Nothing more is taken from the user until the sheet is gone; it closes as
    // Cancel does, so no page applies anything.
    sheet->setEnabled(false);
    QMetaObject::invokeMethod(sheet, &CTreePropSheet::reject, Qt::QueuedConnection);
}

void CPageSetPwd::OnSetNewPassword()
{
    const QString password = m_newEdit->text();
    const QString confirmation = m_confirmEdit->text();
    QString result;
    if (password != confirmation) {
        m_newEdit->clear();
        m_confirmEdit->clear();
        m_newEdit->setFocus();
        result = tr("密码两次输入不一致，请重新设置！");
    } else if (password.isEmpty()) {
        result = tr("密码不能为空，请重新设置！");
    } else if (!m_window) {
        result = QStringLiteral("Can't get mainframe's point!");
    } else if (!storeNewPassword(password)) {
        return;
    } else {
        m_oldLabel->hide();
        setNewPasswordEnabled(false);
        result = tr("密码已设置，请牢记！");
    }
    showHint(result);
}

bool CPageSetPwd::storeNewPassword(const QString& password)
{
    const auto writeFailed = [this] {
        // The typed password stays, so the user can try again.
        MessageBox(this, tr("密码保存失败，密码没有更改，请重试！"), kCaption,
                   MB_OK | MB_ICONERROR);
        return false;
    };
    // Each step leaves the profile and the ledger so that the start-up gate
    // opens the ledger with the old password or the new one: the mark that
    // the ledger is owner-keyed is written before the ledger gets the owner's
    // key and removed after it has the fixed key again, and a start-up
    // password for the fixed key is stored before the ledger has that key.
    if (m_encrypt->isChecked()) {
        const bool wasOwnerKeyed = ownerKeyed();
        if (!WriteOwnerKeyed(true))
            return writeFailed();
        if (!rekeyLedger(password)) {
            if (!wasOwnerKeyed)
                WriteOwnerKeyed(false);
            return false;
        }
        // No longer needed; one left behind is removed at the next start.
        WriteStartupPassword(QString());
        return true;
    }
    if (!WriteStartupPassword(password))
        return writeFailed();
    if (!rekeyLedger(QString()))
        return false;
    WriteOwnerKeyed(false);
    return true;
}

void CPageSetPwd::OnClearPassword()
{
    if (!rekeyLedger(QString()))
        return;
    WriteOwnerKeyed(false);
    if (!WriteStartupPassword(QString())) {
        MessageBox(this, tr("密码清除失败，密码没有更改，请重试！"), kCaption,
                   MB_OK | MB_ICONERROR);
        return;
    }
    showText(m_oldLabel, tr("未设置密码！"));
    m_encrypt->setChecked(false);
    m_clear->hide();
}

void CPageSetPwd::onOldTextChanged()
{
    if (m_oldErrorShown) {
        m_oldLabel->hide();
        m_oldErrorShown = false;
    }
}

void CPageSetPwd::onNewTextChanged()
{
    if (m_hintShown) {
        m_hintLabel->hide();
        m_hintShown = false;
    }
}

bool CPageSetPwd::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !isEnterKey(static_cast<QKeyEvent*>(event)))
        return CPropertyPage::eventFilter(watched, event);
    if (watched == m_oldEdit)
        OnCheckOldPassword();
    else if (watched == m_newEdit)
        m_confirmEdit->setFocus();
    else if (watched == m_confirmEdit)
        OnSetNewPassword();
    return true;
}

void CPageSetPwd::keyPressEvent(QKeyEvent* event)
{
    // Enter is the page's own key everywhere: it never reaches the sheet.
    if (isEnterKey(event))
        event->accept();
    else
        CPropertyPage::keyPressEvent(event);
}
