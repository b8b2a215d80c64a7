#include "settings/DlgLogin.h"

#include "controls/HoverButton.h"
#include "controls/ReadableColours.h"
#include "platform/MessageBox.h"
#include "res/Resources.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

using namespace platform;

CDlgLogin::CDlgLogin(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("%1 - 登陆").arg(kCaption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowIcon(res::Icon(res::IDI_LOGIN_WINDOW));

    auto* label = new QLabel(tr("密码："), this);
    m_edit = new QLineEdit(this);
    m_edit->setEchoMode(QLineEdit::Password);
    m_edit->setAccessibleName(tr("密码"));
    label->setBuddy(m_edit);
    // Not a push button, so Enter stays the dialog's own key (see keyPressEvent).
    m_login = new CHoverButton(this);
    m_login->setText(tr("登陆"));
    m_login->SetIcons(res::IDI_LOGIN, res::IDI_LOGIN_HOVER, 16, 16);
    m_login->SetHoverCursor(res::Cursor(res::IDC_HAND));
    m_login->SetTextColours(QColor(255, 0, 0), QColor(0, 0, 255));
    m_error = new QLabel(tr("密码输入错误！"), this);
    m_error->setStyleSheet(WarningStyleSheet());
    m_error->setAccessibleName(m_error->text());
    m_error->hide();
    m_notice = new QLabel(this);
    m_notice->setWordWrap(true);
    m_notice->hide();

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_notice, 0, 0, 1, 3);
    layout->addWidget(label, 1, 0);
    layout->addWidget(m_edit, 1, 1);
    layout->addWidget(m_login, 1, 2);
    layout->addWidget(m_error, 2, 1, 1, 2);
    setMinimumWidth(320);

    connect(m_login, &CHoverButton::clicked, this, &CDlgLogin::OnLogin);
    connect(m_edit, &QLineEdit::textChanged, this, &CDlgLogin::onTextChanged);
    m_edit->setFocus();
}

void CDlgLogin::setNotice(const QString& text)
{
    m_notice->setText(text);
    m_notice->setAccessibleName(text);
    m_notice->setVisible(!text.isEmpty());
}

void CDlgLogin::setExpectedPassword(std::optional<QString> password)
{
    m_check = [password = std::move(password)](const QString& typed) {
        return password && typed == *password;
    };
}

void CDlgLogin::OnLogin()
{
    ++m_attempts;
    if (m_check && m_check(m_edit->text())) {
        accept();
        return;
    }
    m_edit->clear();
    m_edit->setFocus();
    if (m_attempts >= 10) {
        MessageBox(this, tr("对不起，您尝试次数过多，对话框将自动关闭！"), kCaption,
                   MB_OK | MB_ICONERROR);
        reject();
        return;
    }
    m_error->show();
    m_errorShown = true;
}

void CDlgLogin::onTextChanged()
{
    if (m_errorShown) {
        m_error->hide();
        m_errorShown = false;
    }
}

void CDlgLogin::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter checks the password only from the edit; elsewhere it does nothing.
        if (m_edit->hasFocus())
            OnLogin();
        event->accept();
        return;
    case Qt::Key_Escape:
        // Escape never cancels the login.
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
