#pragma once

#include <QMenu>

// A right-click menu that assistive technology can reach while it is open:
// through AT-SPI it is a popup-menu child of the widget that opened it, with
// its items as menu items that can be pressed (a plain popup belongs to no
// window's tree, so a screen reader would find no node for it).
class CContextMenu : public QMenu
{
    Q_OBJECT
public:
    explicit CContextMenu(QWidget* owner);

    // Makes the menus reachable from their owners. Call it before assistive
    // technology first looks at a widget that will own a context menu.
    static void InstallAccessibility();
};
