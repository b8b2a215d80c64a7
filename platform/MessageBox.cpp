#include "platform/MessageBox.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <algorithm>

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
    // A box with a short text would be narrower than its title bar needs for
    // the title beside the window manager's buttons, which then cuts the title
    // to "…": every box is at least kMinimumBoxWidth wide, more for a long title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width =
            std::max(kMinimumBoxWidth, box.fontMetrics().horizontalAdvance(title) + 200);
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
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
