"""What a screen reader learns of the program over AT-SPI.

listen: follows the focus as a reader does: remembers the table cell that
        has the focus last and, whenever a cell or the table gets the focus,
        prints "focus row N", the row of that cell (-1 when it has gone).
        Prints "ready" once it listens.
menu:   prints the items of every popup menu found in the program's tree.
"""
import sys

import pyatspi

APP = "Orvyn"


def app():
    for candidate in pyatspi.Registry.getDesktop(0):
        if candidate is not None and candidate.name == APP:
            return candidate
    return None


def menus(node, found, depth=0):
    if depth > 14:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        if child.getRoleName() == "popup menu" and child.parent.getRoleName() != "menu item":
            found.append("|".join(child.getChildAtIndex(j).name for j in range(child.childCount)))
        if child.getRoleName() != "table":
            menus(child, found, depth + 1)


def listen():
    remembered = [None]

    def row_of(cell):
        try:
            return cell.parent.queryTable().getRowAtIndex(cell.getIndexInParent())
        except Exception:
            return -1  # the cell is gone

    def on_event(event):
        try:
            if event.type.startswith("object:state-changed:focused") and event.detail1 != 1:
                return
            role = event.source.getRoleName()
            if role == "table cell":
                remembered[0] = event.source
            if role in ("table cell", "table") and remembered[0] is not None:
                print(f"focus row {row_of(remembered[0])}", flush=True)
        except Exception as error:  # a reader goes on whatever one event does
            print(f"event failed: {error}", flush=True)

    pyatspi.Registry.registerEventListener(on_event, "focus:", "object:state-changed:focused")
    print("ready", flush=True)
    pyatspi.Registry.start()


if __name__ == "__main__":
    if sys.argv[1] == "listen":
        listen()
    else:
        root = app()
        found = []
        if root is not None:
            menus(root, found)
        print("\n".join(found))
