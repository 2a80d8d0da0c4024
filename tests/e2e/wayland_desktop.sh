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

# on_wayland WHAT: the program, started with WAYLAND_DEBUG=client, shows its welcome
# window as a Wayland client: the protocol log among its output names the window.
on_wayland() {
  local i
  for ((i = 0; i < 100 * PATIENCE; i++)); do
    grep -q 'set_title("Welcome to Glimmerix!' "$E2E_OUT/game-$GAME_RUNS.log" && break
    require_alive "$1"
    sleep 0.1
  done
  ((i < 100 * PATIENCE)) || fail "$1: no welcome window on Wayland within $((10 * PATIENCE)) s"
  log "$1: the welcome window is on Wayland"
}

log "run 1: no platform chosen"
start_and_play
minimise_round_trip "$MAIN"
press "$MAIN" ctrl+x
expect_exit 2 "Ctrl+X"

log "run 2: QT_QPA_PLATFORM=wayland"
WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland start_game
on_wayland "with QT_QPA_PLATFORM=wayland"
[[ -z "$(visible_windows '^Welcome to Glimmerix!')" ]] ||
  fail "with QT_QPA_PLATFORM=wayland the welcome window shows on the X display"
stop_game

log "run 3: no X server"
unset DISPLAY
WAYLAND_DEBUG=client start_game
export DISPLAY=":$DISPLAY_NUM"
on_wayland "with only Wayland to run on"
stop_game
