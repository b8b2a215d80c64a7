"""What a screen reader learns of the program over AT-SPI.

listen: follows the focus as a reader does: remembers the table cell that
        has the focus and, when the table itself gets the focus, reads the
        row of the remembered cell; prints "read row N" (N is -1 when that
        cell has gone). Prints "ready" once it listens.
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

    def read_row(cell):
        try:
            table = cell.parent.queryTable()
            row = table.getRowAtIndex(cell.getIndexInParent())
        except Exception:
            row = -1  # the cell is gone
        print(f"read row {row}", flush=True)

    def on_event(event):
        try:
            if event.type.startswith("object:state-changed:focused") and event.detail1 != 1:
                return
            role = event.source.getRoleName()
            if role == "table cell":
                remembered[0] = event.source
            elif role == "table" and remembered[0] is not None:
                read_row(remembered[0])
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
