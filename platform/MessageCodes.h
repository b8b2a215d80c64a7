#pragma once

#include <QString>

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

// The title a message box shows for a caption: a box without one carries the
// program's name.
inline QString MessageTitle(const QString& caption)
{
    return caption.isEmpty() ? kAppName : caption;
}

} // namespace platform
