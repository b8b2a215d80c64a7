#pragma once

#include <QImage>

// The images of the pop-up tip window.
namespace res {

// Background, 193 x 107: a dark rose caption band over a dark plum panel,
// framed by a thin light edge.
QImage DrawTipBackground();
// The confirm button "我知道啦!", 77 x 21; its one-pixel corners are
// RGB(255,0,255), the colour left out when it is drawn. The hover look is
// brighter.
QImage DrawTipConfirmButton(bool hover);

} // namespace res
