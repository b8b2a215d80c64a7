#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

// Button and icon flags and answers, with the values of the classic message box.
enum : unsigned
{
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_YESNOCANCEL = 0x03,
    MB_YESNO = 0x04,
    MB_ICONERROR = 0x10,
    MB_ICONSTOP = MB_ICONERROR,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = MB_ICONEXCLAMATION,
    MB_ICONINFORMATION = 0x40,
};
enum : int
{
    IDOK = 1,
    IDCANCEL = 2,
    IDYES = 6,
    IDNO = 7
};

// Caption of the program's own message boxes, and of plain boxes without one.
inline const QString kCaption = QStringLiteral("Qinmo");
inline const QString kAppName = QStringLiteral("Orvyn");

int MessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned flags);

// A test installs a handler that sees every box instead of the user and returns
// the answer (IDOK, IDYES, ...). An empty function removes it.
using MessageBoxHook =
    std::function<int(const QString& text, const QString& caption, unsigned flags)>;
void SetMessageBoxHook(MessageBoxHook hook);

} // namespace platform
