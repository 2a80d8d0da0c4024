#!/usr/bin/python3
"""What a screen reader sees of the running game, through the real accessibility bus.

  screen_reader.py move    prints a scoring exchange of the board as "FROM TO" (cells 0-63)
  screen_reader.py score   prints the score label's name, "Score N"
  screen_reader.py check   finds the board and its cells, presses cells through their
                           press action, plays a scoring exchange and follows the events;
                           KEY-COMMAND (e.g. "xdotool key Right") moves the keyboard cursor

Cells are numbered as in the game: 8 x column + row. Exits 1 with a message on failure.
"""
import re
import subprocess
import sys

import pyatspi
from gi.repository import GLib

KINDS = ["yellow", "white", "red", "purple", "light blue", "green", "orange"]
CELL_NAME = re.compile(r"^Column ([A-H]), row ([1-8]): (.+?) gem(, picked)?$")


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def find_board():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "Glimmerix":
            table = pyatspi.findDescendant(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE)
            if table is not None:
                return table
    fail("no application 'Glimmerix' with a table on the accessibility bus")


def cells_of(board):
    cells = [child for child in board if child.getRole() == pyatspi.ROLE_TABLE_CELL]
    if len(cells) != 64:
        fail("the board has %d table cells, expected 64" % len(cells))
    return cells


def item_named(board, prefix):
    for child in board:
        if child.name.startswith(prefix):
            return child
    fail("the board has no item named '%s...'" % prefix)


def cell_number(name):
    match = CELL_NAME.match(name)
    if not match or match.group(3) not in KINDS:
        fail("a cell is named '%s'" % name)
    return 8 * (ord(match.group(1)) - ord("A")) + int(match.group(2)) - 1, KINDS.index(match.group(3))


def read_board(cells):
    kinds = [None] * 64
    for cell in cells:
        number, kind = cell_number(cell.name)
        kinds[number] = kind
    if None in kinds:
        fail("the cells do not name every place of the board once")
    return kinds


def holds_run(kinds):
    for first in range(64):
        column, row = divmod(first, 8)
        if row <= 5 and kinds[first] == kinds[first + 1] == kinds[first + 2]:
            return True
        if column <= 5 and kinds[first] == kinds[first + 8] == kinds[first + 16]:
            return True
    return False


def scoring_move(kinds):
    for first in range(64):
        for second in (first + 1, first + 8):
            if second >= 64 or (second == first + 1 and second % 8 == 0):
                continue
            trial = list(kinds)
            trial[first], trial[second] = trial[second], trial[first]
            if holds_run(trial):
                return first, second
    fail("the board has no scoring exchange")


class Listener:
    """Runs steps one after another, each once the events it waits for have come."""

    def __init__(self, steps):
        self.steps = list(steps)
        self.heard = []
        self.error = None
        self.loop = GLib.MainLoop()

    def hear(self, event):
        try:
            self.heard.append((event.type, event.source.name, event.detail1))
        except Exception:  # an object gone in a cascade
            pass

    def wait_for(self, wanted, seconds, what):
        def check(deadline=[None]):
            if deadline[0] is None:
                deadline[0] = GLib.get_monotonic_time() + seconds * 1000000
            if any(wanted(*event) for event in self.heard):
                GLib.idle_add(self.next)
                return False
            if GLib.get_monotonic_time() > deadline[0]:
                self.error = "no event within %d s: %s; heard %s" % (seconds, what, self.heard[-8:])
                self.loop.quit()
                return False
            return True
        GLib.timeout_add(50, check)

    def next(self):
        if not self.steps:
            self.loop.quit()
            return False
        try:
            self.steps.pop(0)(self)
        except SystemExit as end:
            self.error = "step ended the check (%s)" % end
            self.loop.quit()
        return False

    def run(self, event_types):
        for event_type in event_types:
            pyatspi.Registry.registerEventListener(self.hear, event_type)
        GLib.timeout_add(1000, self.next)  # the game learns of the listeners
        self.loop.run()
        if self.error:
            fail(self.error)


def check(key_command):
    board = find_board()
    cells = cells_of(board)
    kinds = read_board(cells)
    by_number = {cell_number(cell.name)[0]: cell for cell in cells}
    first, second = scoring_move(kinds)
    lone = next(c for c in range(64) if c not in (first, second) and
                abs(c - first) not in (1, 8) and abs(c - second) not in (1, 8))
    score = item_named(board, "Score ")
    clock = item_named(board, "Time ")
    print("a cell reads '%s'; the exchange %d-%d scores" % (by_number[lone].name, first, second))

    def press(cell):
        actions = by_number[cell].queryAction()
        if actions.nActions < 1:
            fail("cell %d offers no action" % cell)
        actions.doAction(0)

    def selected(cell, value):
        name = by_number[cell].name.split(":")[0]
        return lambda kind, source, detail: (
            kind == "object:state-changed:selected" and source.startswith(name) and detail == value)

    def step_pick(listener):
        press(lone)
        listener.wait_for(selected(lone, 1), 5, "cell %d selected" % lone)

    def step_check_state(listener):
        if not by_number[lone].getState().contains(pyatspi.STATE_SELECTED):
            fail("cell %d is not selected after its press action" % lone)
        if ", picked" not in by_number[lone].name:
            fail("the picked cell is named '%s'" % by_number[lone].name)
        press(lone)
        listener.wait_for(selected(lone, 0), 5, "cell %d unselected by a second press" % lone)

    def step_cursor(listener):
        subprocess.run(key_command, shell=True, check=True)
        listener.wait_for(lambda kind, source, detail: kind.startswith("object:state-changed:focused")
                          and detail == 1 and source.startswith("Column B, row 1:"),
                          5, "the focus on B1 after an arrow key")

    def step_exchange(listener):
        del listener.heard[:]
        press(first)
        listener.wait_for(selected(first, 1), 5, "the first cell of the exchange picked")

    def step_second(listener):
        press(second)
        listener.wait_for(lambda kind, source, detail: kind == "object:property-change:accessible-name"
                          and re.match(r"^Score [1-9][0-9]*$", source), 10, "the score's name change")

    def step_quiet_clock(listener):
        GLib.timeout_add(1500, listener.next)

    def step_done(listener):
        ticks = [e for e in listener.heard if e[1].startswith("Time ")]
        if ticks:
            fail("the clock sent events: %s" % ticks[:3])
        print("score now '%s', clock '%s'" % (score.name, clock.name))
        listener.loop.quit()

    Listener([step_pick, step_check_state, step_cursor, step_exchange, step_second,
              step_quiet_clock, step_done]).run(
        ["object:state-changed:selected", "object:state-changed:focused",
         "object:property-change:accessible-name", "focus:"])


def main():
    if len(sys.argv) >= 2 and sys.argv[1] == "move":
        first, second = scoring_move(read_board(cells_of(find_board())))
        print(first, second)
    elif len(sys.argv) >= 2 and sys.argv[1] == "score":
        print(item_named(find_board(), "Score ").name)
    elif len(sys.argv) == 3 and sys.argv[1] == "check":
        check(sys.argv[2])
    else:
        fail("usage: screen_reader.py move | score | check KEY-COMMAND")


if __name__ == "__main__":
    main()
