#pragma once

#include <QRect>

class CMyDatabase;
class QPainter;

// Draws the current car's picture into the area; without a picture the car's
// name in red on white; nothing at all when no car is current.
void DrawCarPhoto(QPainter& painter, const QRect& area, CMyDatabase& database);
