#!/usr/bin/python3
"""The texts of the running game as the accessibility bus tells them.

  languages.py menus   prints each menu's name, then its items' names, one a line
  languages.py box     prints the open message box's title and texts, one a line

Exits 1 with a message on failure.
"""
import sys

import pyatspi


def game():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Glimmerix":
            return app
    sys.exit("FAIL: no application 'Glimmerix' on the accessibility bus")


def shortcut(item):
    try:
        action = item.queryAction()
        return " ".join(action.getKeyBinding(i) for i in range(action.nActions)).strip()
    except NotImplementedError:
        return ""


def texts(root, roles):
    """Each name, and after a tab the shortcut where there is one."""
    found = []
    for item in pyatspi.findAllDescendants(root, lambda a: a.getRole() in roles):
        found.append((item.name + "\t" + shortcut(item)).rstrip("\t"))
    return found


what = sys.argv[1]
if what == "menus":
    bar = pyatspi.findDescendant(game(), lambda a: a.getRole() == pyatspi.ROLE_MENU_BAR)
    bar is not None or sys.exit("FAIL: the game window has no menu bar")
    for line in texts(bar, (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM)):
        print(line)
elif what == "box":
    boxes = [w for w in game() if w.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)]
    boxes or sys.exit("FAIL: no message box is open")
    print(boxes[0].name)
    for line in texts(boxes[0], (pyatspi.ROLE_LABEL, pyatspi.ROLE_PUSH_BUTTON)):
        print(line)
