#pragma once

#include "platform/MessageCodes.h"

#include <QString>
#include <functional>

class QWidget;

namespace platform {

// The smallest width of a shown box, in pixels.
constexpr int kMinimumBoxWidth = 320;

int MessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned flags);

// A test installs a handler that sees every box instead of the user and returns
// the answer (IDOK, IDYES, ...). An empty function removes it.
using MessageBoxHook =
    std::function<int(const QString& text, const QString& caption, unsigned flags)>;
void SetMessageBoxHook(MessageBoxHook hook);

} // namespace platform
