#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

MessageBoxHook& hook()
{
    static MessageBoxHook h;
    return h;
}

QMessageBox::Icon iconOf(unsigned flags)
{
    switch (flags & 0xF0) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void SetMessageBoxHook(MessageBoxHook h)
{
    hook() = std::move(h);
}

int MessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned flags)
{
    const QString title = MessageTitle(caption);
    if (hook())
        return hook()(text, title, flags);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return IDOK; // no user interface to ask: the default answer

    QMessageBox box(iconOf(flags), title, text, QMessageBox::NoButton, parent);
    switch (flags & 0x0F) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return (flags & 0x0F) == MB_YESNO ? IDNO : IDCANCEL;
    }
}

} // namespace platform
