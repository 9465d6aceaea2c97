# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Reads the program's accessible tree as a screen reader does, waiting for
# what it should hear: the four buttons by name, the three lists and their
# rows, the report's text, the canvas's description; then presses "Контур"
# through the tree and hears the canvas tell the area.
# usage: accessible_tree.py pid seconds
import sys

import pyatspi

from controls import Tree

tree = Tree(int(sys.argv[1]), float(sys.argv[2]))
wait_for, application, objects = tree.wait_for, tree.application, tree.objects


def named(role, name=None):
    return [o for o in objects(wait_for("the program on the accessibility bus", application))
            if o.getRole() == role and (name is None or o.name == name)]


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, -1)


buttons = wait_for("the four buttons", lambda: {b.name for b in named(pyatspi.ROLE_PUSH_BUTTON)}
                   >= {"Контур", "Поред", "Чисти", "Трий 1т"} and named(pyatspi.ROLE_PUSH_BUTTON))
for button in buttons:
    if not button.description:
        sys.exit(f"FAIL: the button {button.name} has no description")
print("ok: the four buttons by name, each with a description")

lists = wait_for("the three lists with the triangle's rows",
                 lambda: {l.name: [row.name for row in l] for l in named(pyatspi.ROLE_LIST)}
                 if {l.name: [row.name for row in l] for l in named(pyatspi.ROLE_LIST)}.get("X") == ["20", "50", "20"]
                 else None)
if lists.get("Y") != ["20", "20", "60"] or lists.get("Номер") != ["1", "2", "3"]:
    sys.exit(f"FAIL: the lists read {lists}")
print("ok: the lists read the rows X 20 50 20, Y 20 20 60, numbers 1 2 3")

canvas = wait_for("the canvas", lambda: next(iter(named(pyatspi.ROLE_FRAME, "Платно")), None)
                  or next((o for o in objects(application()) if o.name == "Платно"), None))
wait_for("the canvas described with its three vertices", lambda: "3 върха" in canvas.description)
print(f"ok: the canvas says \"{canvas.description}\"")

report = wait_for("the report", lambda: next(iter(named(pyatspi.ROLE_TEXT, "Отчет")), None))
wait_for("the task in the report's text", lambda: text_of(report).startswith("При проучвания"))
print("ok: the report's text is the task")

contour = next(b for b in buttons if b.name == "Контур")
contour.queryAction().doAction(0)
wait_for("the report's first line after \"Контур\"",
         lambda: text_of(report).startswith("Върхове: 123 с координати: 20,60; 20,20; 50,20"))
wait_for("the canvas telling the area after \"Контур\"",
         lambda: "Лице на изпъкналия многоъгълник = 600" in canvas.description)
print(f"ok: after \"Контур\" the canvas says \"{canvas.description}\"")
