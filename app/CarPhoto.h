#pragma once

#include <QRect>
#include <QSize>

class CMyDatabase;
class QPainter;

// Where a picture of the given size is drawn in the photo area: unscaled and
// centred when it fits, else scaled down to fit with its proportions kept,
// centred.
QRect CarPhotoTarget(const QSize& picture, const QRect& area);

// Draws the current car's picture into the area; without a picture the car's
// name in red on white; nothing at all when no car is current.
void DrawCarPhoto(QPainter& painter, const QRect& area, CMyDatabase& database);
