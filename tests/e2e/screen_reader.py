#!/usr/bin/python3
"""What a screen reader finds of the running game, through the real accessibility bus.

  screen_reader.py move    prints a scoring exchange of the board as "FROM TO"
  screen_reader.py pairs   prints an exchange that makes no run and one that scores,
                           "FROM TO FROM TO"
  screen_reader.py score   prints the status bar's score, "Score N"
  screen_reader.py check KEY-COMMAND
                           presses cells through their press action, plays a scoring
                           exchange and follows the events; KEY-COMMAND moves the
                           keyboard cursor from column A to B

Cells are numbered as in the game: 8 x column + row. Exits 1 with a message on failure.
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

KINDS = ["yellow", "white", "red", "purple", "light blue", "green", "orange"]
# A cell says its gem; the first of a row its row, the cursor's after a move along its row
# its column.
CELL_NAME = re.compile(r"^(?:row [1-8], )?(?:[A-H] )?(.+?)(, picked)?$")
heard = []  # (event type, source name, detail1)


def fail(message):
    sys.exit("FAIL: " + message)


def until(found, seconds=30):
    """Asks again until `found` gives something: the game may take a while to come up."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = found()
        if result is not None:
            return result
        time.sleep(0.1)
    return None


def find_in_game(role, what):
    def found():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Glimmerix":
                return pyatspi.findDescendant(app, lambda a: a.getRole() == role)
    return until(found) or fail("no application 'Glimmerix' with %s on the accessibility bus" % what)


def find_board():
    return find_in_game(pyatspi.ROLE_TABLE, "a table")


def find_status():
    return find_in_game(pyatspi.ROLE_STATUS_BAR, "a status bar")


def named(parent, prefix):
    return next((c for c in parent if c.name.startswith(prefix)), None) or fail("no " + prefix)


def read_cells(board):
    """The 64 table cells by number, and the kind of gem each shows, once the board has
    settled: a board read out earlier may show gaps, and runs about to go."""
    def settled():
        read = read_board(board)
        return read if read and not holds_run(read[1]) else None
    return until(settled) or fail("the board did not settle: %s" % [c.name for c in board])


def read_board(board):
    """The cells by number and the kinds of their gems; None while a cell shows none."""
    cells, kinds = {}, {}
    table = [child for child in board if child.getRole() == pyatspi.ROLE_TABLE_CELL]
    if len(table) != 64:
        fail("the table holds %d cells, not 64" % len(table))
    for index, child in enumerate(table):  # row by row
        match = CELL_NAME.match(child.name)
        if not match or match.group(1) not in KINDS:
            return None
        number = 8 * (index % 8) + index // 8
        cells[number], kinds[number] = child, KINDS.index(match.group(1))
    return cells, [kinds[n] for n in range(64)]


def holds_run(kinds):
    return any(row <= 5 and kinds[c] == kinds[c + 1] == kinds[c + 2] or
               column <= 5 and kinds[c] == kinds[c + 8] == kinds[c + 16]
               for c in range(64) for column, row in [divmod(c, 8)])


def exchange(kinds, scores):
    """The first exchange of neighbours that makes a run, or that makes none."""
    for first in range(64):
        for second in (first + 1, first + 8):
            if second < 64 and not (second == first + 1 and second % 8 == 0):
                trial = list(kinds)
                trial[first], trial[second] = trial[second], trial[first]
                if holds_run(trial) == scores:
                    return first, second
    fail("the board has no exchange that %s" % ("scores" if scores else "makes no run"))


def scoring_move(kinds):
    return exchange(kinds, True)


def hear(event):
    """Records an event by its kind, its source's name, or for a table cell its index in
    the table, and its detail."""
    try:
        source = event.source
        name = source.getIndexInParent() if source.getRole() == pyatspi.ROLE_TABLE_CELL else source.name
        heard.append((event.type, name, event.detail1))
    except Exception:  # a source gone by now
        pass


def listen(seconds):
    deadline = time.monotonic() + seconds
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        if time.monotonic() >= deadline:
            return
        time.sleep(0.02)


def wait_for(what, wanted, seconds=5):
    """Waits for an event; without one, fails saying what was awaited (or, with no
    `what`, returns False)."""
    deadline = time.monotonic() + seconds
    while not any(wanted(*event) for event in heard):
        if time.monotonic() > deadline:
            return what and fail("no event within %d s: %s; last heard %s" % (seconds, what, heard[-6:]))
        listen(0.02)
    return True


def press_until_heard(cell, seconds=30):
    """Presses the cell until its pick is heard. The game sends events only once the
    registry has told it that someone listens, a moment after the listener registers;
    each press picks the cell or lets it go, so it ends picked."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        cell.queryAction().doAction(0)
        if wait_for(None, selected(cell, 1), 1):
            return
    fail("no event within %d s: cell picked by its press action; last heard %s" % (seconds, heard[-6:]))


def selected(cell, value):
    index = cell.getIndexInParent()
    return lambda kind, source, detail: (
        kind == "object:state-changed:selected" and source == index and detail == value)


def check(key_command):
    board = find_board()
    cells, kinds = read_cells(board)
    first, second = scoring_move(kinds)
    lone = next(c for c in range(64) if all(abs(c - m) not in (0, 1, 8) for m in (first, second)))
    score, clock = named(find_status(), "Score "), named(find_status(), "Time ")
    print("a cell reads '%s'; the exchange %d-%d scores" % (cells[lone].name, first, second))
    for kind in ("object:state-changed:selected", "object:state-changed:focused",
                 "object:property-change:accessible-name", "focus:"):
        pyatspi.Registry.registerEventListener(hear, kind)

    press_until_heard(cells[lone])
    if not cells[lone].getState().contains(pyatspi.STATE_SELECTED) or "picked" not in cells[lone].name:
        fail("after its press cell %d reads '%s', not selected" % (lone, cells[lone].name))
    cells[lone].queryAction().doAction(0)
    wait_for("cell %d unselected by a second press" % lone, selected(cells[lone], 0))

    subprocess.run(key_command, shell=True, check=True)
    wait_for("the focus on B1 after an arrow key", lambda kind, source, detail:
             kind == "object:state-changed:focused" and detail == 1 and source == 1)

    cells[first].queryAction().doAction(0)
    wait_for("the first cell of the exchange picked", selected(cells[first], 1))
    cells[second].queryAction().doAction(0)
    wait_for("the score's name change", lambda kind, source, detail:
             kind == "object:property-change:accessible-name" and re.match(r"^Score [1-9]", str(source)), 10)
    del heard[:]
    listen(1.5)  # some 15 ticks of the clock
    if any(str(source).startswith("Time ") for _, source, _ in heard):
        fail("the clock sent events")
    print("score now '%s', clock '%s'" % (score.name, clock.name))


if __name__ == "__main__":
    if sys.argv[1:] == ["move"]:
        print(*scoring_move(read_cells(find_board())[1]))
    elif sys.argv[1:] == ["pairs"]:
        kinds = read_cells(find_board())[1]
        print(*exchange(kinds, False), *exchange(kinds, True))
    elif sys.argv[1:] == ["score"]:
        print(named(find_status(), "Score ").name)
    elif len(sys.argv) == 3 and sys.argv[1] == "check":
        check(sys.argv[2])
    else:
        fail("usage: screen_reader.py move | pairs | score | check KEY-COMMAND")
