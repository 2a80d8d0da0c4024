#!/usr/bin/env bash
# A Wayland desktop that also offers an X server: a headless weston beside the test's
# Xvfb, with WAYLAND_DISPLAY, DISPLAY and XDG_SESSION_TYPE=wayland all set.
#   1. With no platform chosen the game runs on X: the welcome window shows on the X
#      display, and minimising the game window there stops the clock.
#   2. The player's choice wins: with QT_QPA_PLATFORM=wayland no window shows on X.
#   3. Without an X server the game still runs, on Wayland.
# Usage: wayland_desktop.sh PATH-TO-GLIMMERIX
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/weston.sh"
e2e_begin "$@"
start_weston headless
export XDG_SESSION_TYPE=wayland

# still_running WHAT: the program has a display (without one it ends at once).
still_running() {
  sleep 3
  require_alive "$1"
  log "$1: the program runs"
}

log "run 1: no platform chosen"
start_and_play
minimise_round_trip "$MAIN"
press "$MAIN" ctrl+x
expect_exit 2 "Ctrl+X"

log "run 2: QT_QPA_PLATFORM=wayland"
QT_QPA_PLATFORM=wayland start_game
still_running "with QT_QPA_PLATFORM=wayland"
[[ -z "$(visible_windows '^Welcome to Glimmerix!')" ]] ||
  fail "with QT_QPA_PLATFORM=wayland the welcome window shows on the X display"
stop_game

log "run 3: no X server"
unset DISPLAY
start_game
export DISPLAY=":$DISPLAY_NUM"
still_running "with only Wayland to run on"
stop_game
