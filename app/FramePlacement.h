#pragma once

#include <QRect>
#include <QSize>

// Where the main window opens on a screen of the given size, and the smallest
// size it can be given.
struct FramePlacement
{
    QRect geometry;
    QSize minimumSize;
};

// Width 800 below a 1024-pixel-wide screen, else 900; height 600 below a
// 768-pixel-high screen, else 700; centred. Minimum 800 or 900 wide by the same
// rule, and 600 high below a 1000-pixel-high screen, else 800.
FramePlacement PlaceMainFrame(const QSize& screen);

// The same, fitted into the screen's available area (both in device-independent
// pixels): when the window or its minimum would not fit there, both shrink to
// the area less room for the window frame, and the window is centred in the area.
FramePlacement PlaceMainFrame(const QSize& screen, const QRect& available);
