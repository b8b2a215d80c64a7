#pragma once

#include <QImage>

namespace res {

// The program icon: a small car over a coin, 48 x 48 with transparency.
QImage DrawProgramIcon();

} // namespace res
