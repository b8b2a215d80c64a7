#pragma once

#include <QImage>

// The icons of the small buttons and dialogs, designed on a 16 x 16 grid and
// drawn at any square size.
namespace res {

// True for the icon numbers this file draws.
bool IsButtonIcon(int id);
// The icon `id` drawn `size` pixels square on a transparent background; a
// null image for other numbers.
QImage DrawButtonIcon(int id, int size);

} // namespace res
