# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The program's accessible tree as a screen reader reads it (AT-SPI,
# pyatspi), for the tests that find the window's controls there. Run as a
# script, it waits until every name given is in the tree, then prints one
# line per named control (a button, a list, the canvas, the report, an item
# of the menu bar): its name, x, y, width and height on the screen,
# separated by tabs.
# usage: controls.py pid seconds name...
import sys
import time

import pyatspi

CONTROLS = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LIST, pyatspi.ROLE_FRAME, pyatspi.ROLE_TEXT,
            pyatspi.ROLE_MENU_ITEM}


class Tree:
    """The accessible tree of the program of a process id, waited for at most `patience` seconds."""

    def __init__(self, pid, patience):
        self.pid, self.patience = pid, patience
        self.deadline = time.monotonic() + patience

    def wait_for(self, what, find):
        """What find() gives once it gives something, or the test ends."""
        while True:
            try:
                found = find()
                if found:
                    return found
            except Exception:  # an object that went away while it was read
                pass
            if time.monotonic() > self.deadline:
                sys.exit(f"FAIL: {what}, within {self.patience:.0f} s")
            time.sleep(0.2)

    def application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        return next((app for app in desktop if app and app.get_process_id() == self.pid), None)

    def objects(self, root, rows=True):
        """The object and those under it; with rows=False, not the rows of lists."""
        yield root
        if rows or root.getRole() != pyatspi.ROLE_LIST:
            for child in root:
                if child is not None:
                    yield from self.objects(child, rows)

    def controls(self):
        """The named controls' rectangles on the screen, by name."""
        found = {}
        for o in self.objects(self.application(), rows=False):
            if o.getRole() in CONTROLS and o.name and o.name not in found:
                extents = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                found[o.name] = (extents.x, extents.y, extents.width, extents.height)
        return found


if __name__ == "__main__":
    tree = Tree(int(sys.argv[1]), float(sys.argv[2]))
    wanted = set(sys.argv[3:])

    def every_one_wanted():
        found = tree.controls()
        return found if wanted <= found.keys() else None

    controls = tree.wait_for(f"the controls {', '.join(sorted(wanted))} in the accessible tree", every_one_wanted)
    for name, rectangle in controls.items():
        print("\t".join(map(str, (name, *rectangle))))
