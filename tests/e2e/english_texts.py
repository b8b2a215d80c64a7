"""What a screen reader reads of the program, for the English interface.

check [--wait TEXT] [ALLOWED ...]
    waits (up to 30 s) until some object's name holds TEXT, then prints one
    line for every name, description or text in the program's tree that holds
    Chinese characters, with the role of the object, except the ALLOWED texts
    (stored data, car names); prints "none" when there is none.
cell HEADER
    prints the screen position "X Y" of the middle of the new-record row's
    cell under the column header HEADER of the table that is shown.
"""
import re
import sys
import time

import pyatspi

APP = "Orvyn"
CHINESE = re.compile("[\u3000-\u303f\u3400-\u9fff\uf900-\ufaff\uff01-\uff5e]")


def app():
    for candidate in pyatspi.Registry.getDesktop(0):
        if candidate is not None and candidate.name == APP:
            return candidate
    return None


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def nodes(node, depth=0):
    """The shown objects below node; a table gives its first 200 cells."""
    if depth > 40:
        return
    cells = 0
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None or not showing(child):
            continue
        if child.getRoleName() == "table cell":
            cells += 1
            if cells > 200:
                break
        yield child
        yield from nodes(child, depth + 1)


def texts_of(node):
    texts = [node.name or "", node.description or ""]
    try:
        text = node.queryText()
        texts.append(text.getText(0, min(text.characterCount, 2000)))
    except Exception:
        pass
    return texts


def check(args):
    wait = None
    if args[:1] == ["--wait"]:
        wait, args = args[1], args[2:]
    allowed = set(args)
    for _ in range(150):
        root = app()
        if root is not None and (wait is None or any(wait in (n.name or "") for n in nodes(root))):
            break
        time.sleep(0.2)
    else:
        print(f"never found: {wait}")
        return
    found = set()
    for node in nodes(root):
        for text in texts_of(node):
            if CHINESE.search(text) and text not in allowed:
                found.add(f"{node.getRoleName()}: {text}")
    print("\n".join(sorted(found)) if found else "none")


def cell(header):
    root = app()
    for node in nodes(root) if root is not None else []:
        if node.getRoleName() != "table":
            continue
        table = node.queryTable()
        for column in range(table.nColumns):
            title = table.getColumnHeader(column)
            if title is not None and title.name == header:
                target = table.getAccessibleAt(table.nRows - 1, column)
                x, y, w, h = target.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                print(f"{x + w // 2} {y + h // 2}")
                return
    print("no cell")


if __name__ == "__main__":
    if sys.argv[1] == "check":
        check(sys.argv[2:])
    else:
        cell(sys.argv[2])
