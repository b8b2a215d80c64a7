#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// How the car's picture is drawn, in the navigation column and on the car
// management page alike.

// Where a picture of the given size goes in an area: unscaled and centred when
// it fits, else scaled down to fit with its proportions kept, centred.
QRect FitPictureRect(const QSize& picture, const QRect& area);

// The font of the car's name drawn in place of a missing picture (red on
// white): "宋体", 20 pixels, bold.
QFont CarNameFont();
