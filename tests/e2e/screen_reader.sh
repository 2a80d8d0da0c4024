#!/usr/bin/env bash
# The real program as a screen reader meets it, through the accessibility bus:
#   - the board is a table of 64 table cells, each named by its gem, and its row where it begins one;
#   - a cell's press action picks it (selected, "picked") and a second one takes
#     the pick back;
#   - an arrow key moves the focus to the next cell;
#   - a scoring exchange pressed through two cells changes the score label's name;
#   - the clock sends no event while it ticks.
# Runs on a D-Bus session of its own. Usage: screen_reader.sh PATH-TO-GLIMMERIX
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
own_session_bus "$@"
e2e_begin "$@"
start_accessibility_bus

start_and_play
focus "$MAIN"
/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/screen_reader.py" check \
  "xdotool key --clearmodifiers --delay 100 Right Right" || fail "the screen reader's check failed"
require_alive "after the screen reader's check"
press "$MAIN" ctrl+x
expect_exit 5 "Exit"
