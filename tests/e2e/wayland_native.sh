#!/usr/bin/env bash
# The game as a native Wayland client (QT_QPA_PLATFORM=wayland) in a weston that
# shows its screen in a window of the test's X server, which hands it xdotool's keys
# and clicks. Windows are found on weston's screen by their colours.
#   1. The welcome window shows, in weston and not on X; Space on PLAY opens the game.
#   2. Ctrl+P hides the game window for the pause box, Return brings it back, and the
#      clock stood still meanwhile.
#   3. The minimise button of the window's title bar takes it out of sight and stops
#      the clock until weston's window switcher (Super+Tab) brings it back.
# Usage: wayland_native.sh PATH-TO-GLIMMERIX
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/weston.sh"
e2e_begin "$@"
stop_wm  # under openbox, weston's pointer does not follow xdotool's
start_weston x11
export QT_QPA_PLATFORM=wayland

readonly LIGHT_BLUE="128,128,255"
readonly WELCOME_SIZE=467x153
# Qt draws the title bar itself on Wayland; its minimise button, from the bar's top left.
readonly MINIMISE_DX=259 MINIMISE_DY=-367

# out_of_sight_round_trip NAME WHAT HIDE-COMMAND SHOW-COMMAND: HIDE-COMMAND takes the
# game window away, for 3 s; SHOW-COMMAND brings it back. The clock must have stood
# still meanwhile and must run again afterwards.
out_of_sight_round_trip() {
  local name=$1 what=$2 b1 t1 t_hide t_show
  bar_box "$name-before"
  b1=$BAR t1=$BAR_MS
  $3
  t_hide=$(now_ms)
  wait_bar GONE 3 "$what"
  sleep 3
  require_alive "$what"
  $4
  t_show=$(now_ms)
  wait_bar SHOWN 5 "after $what"
  clock_check "$what" "$b1" "$t1" "$BAR" "$BAR_MS" $((t_show - t_hide))
  b1=$BAR t1=$BAR_MS
  idle 2
  bar_box "$name-later"
  clock_check "after $what" "$b1" "$t1" "$BAR" "$BAR_MS" 0
}

pause() { press "$OUTPUT" ctrl+p; }
resume() { press "$OUTPUT" Return; }
# weston follows the pointer only once it has come in from outside weston's window.
minimise() {
  move_pointer 1020 760
  click "$OUTPUT" $((BAR_X + MINIMISE_DX)) $((BAR_Y + MINIMISE_DY))
}
switch_back() { press "$OUTPUT" super+Tab; }

log "run 1: welcome window and PLAY"
start_game
for ((i = 0; i < 50 * PATIENCE; i++)); do
  output_shot welcome
  welcome=$(colour_box "$SHOT" "$LIGHT_BLUE")
  [[ "$welcome" == "$WELCOME_SIZE"+* ]] && break
  require_alive "while waiting for the welcome window"
  sleep 0.2
done
((i < 50 * PATIENCE)) || fail "no welcome window ($WELCOME_SIZE of light blue) showed in weston (see $SHOT)"
[[ -z "$(visible_windows '^Welcome to Glimmerix!')" ]] || fail "the welcome window shows on X, not in weston"
# PLAY has the keyboard once weston has given it to the welcome window, which may be
# a moment after the window shows, and on a loaded machine may not be at all: then a
# click on the window's heading activates it, and Space is pressed again.
IFS=+ read -r _ welcome_x welcome_y <<<"$welcome"
for ((try = 1; try <= 3; try++)); do
  press "$OUTPUT" space
  for ((i = 0; i < 10 * PATIENCE; i++)); do
    bar_box play
    ((BAR > 0)) && break 2
    require_alive "after Space on PLAY"
    sleep 0.2
  done
  log "no game window after Space on PLAY (try $try); a click on the welcome window"
  move_pointer 1020 760
  click "$OUTPUT" $((welcome_x + 100)) $((welcome_y + 60))
done
((BAR > 0)) || fail "Space on PLAY opened no game window (see $SHOT)"

log "run 2: pause"
out_of_sight_round_trip pause "the pause box" pause resume

log "run 3: minimise"
out_of_sight_round_trip minimise "minimised" minimise switch_back

press "$OUTPUT" ctrl+x
expect_exit 3 "Ctrl+X"
