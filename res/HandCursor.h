#pragma once

#include <QCursor>

namespace res {

// Cursor 312: a pointing hand, hot spot at the tip of the index finger.
QCursor DrawHandCursor();

} // namespace res
