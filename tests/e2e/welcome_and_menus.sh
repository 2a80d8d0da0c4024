#!/usr/bin/env bash
# The welcome window, the game window's look and its commands, driven by keys and
# clicks on a real X server:
#   1. closing the welcome window ends the program before any game is shown;
#   2. Space on PLAY opens the game: board, bonus bar and a running clock; the pause and
#      help boxes hide the board and stop the clock; New Game deals afresh;
#      minimising stops the clock and restoring starts it; Ctrl+X ends the program;
#   3. Return presses PLAY; the File and Help menus reach the same commands;
#   4. keypad Enter presses PLAY; a double click picks a cell once; the last pixel
#      column picks column H; closing the game window ends the program;
#   5. with no window manager, a click on PLAY opens the game, and the game window
#      takes the keyboard back after a box.
# Usage: welcome_and_menus.sh PATH-TO-GLIMMERIX
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin "$@"

WELCOME_TITLE="Welcome to Glimmerix!$(printf '%48s' '')by the Glimmerix developers"
readonly WELCOME_TITLE
readonly PLAY_X=228 PLAY_Y=104
readonly PLAY_FACE_X=200 PLAY_FACE_Y=95  # on the button, beside its caption

# Starts the program and checks the welcome window; sets WELCOME.
open_welcome() {
  start_game
  wait_window '^Welcome to Glimmerix!' 10
  WELCOME=$WIN
  [[ "$(title_of "$WELCOME")" == "$WELCOME_TITLE" ]] ||
    fail "welcome window title is '$(title_of "$WELCOME")', expected '$WELCOME_TITLE'"
  client_size "$WELCOME"
  [[ "$WIDTH x $HEIGHT" == "467 x 153" ]] ||
    fail "welcome window client area is $WIDTH x $HEIGHT, expected 467 x 153"
  fixed_size "$WELCOME" "the welcome window"
}

# PLAY on the welcome window, by a click or by KEY (PLAY has the focus); sets GAME
# to the game window.
play() {
  if [[ -n "${1:-}" ]]; then
    press "$WELCOME" "$1"
  else
    click "$WELCOME" "$PLAY_X" "$PLAY_Y"
  fi
  wait_window '^Glimmerix$' 5 "" "PLAY${1:+ by $1}"
  GAME=$WIN
}

# menu_box TITLE NAME KEY...: the menu keys open a box titled TITLE over a hidden
# game window; Return closes it and gives the keyboard back to the game window.
menu_box() {
  local title=$1 name=$2 box
  shift 2
  press "$GAME" "$@"
  wait_window "^$title\$" 5 "$GAME" "menu keys $*"
  box=$WIN
  wait_hidden "$GAME" 2 "the game window while the '$title' box is open"
  shot "$box" "$name"
  focus "$box"
  xdotool key --clearmodifiers Return
  wait_hidden "$box" 3 "the '$title' box after Return"
  wait_shown "$GAME" 3 "the game window after the '$title' box"
  wait_focus "$GAME" 3 "the game window after the '$title' box"
}

# No window of the game may be on the screen.
no_game_window() {
  [[ -z "$(visible_windows '^Glimmerix$')" ]] || fail "a game window is shown: $1"
}

# box_round_trip KEY TITLE NAME: KEY opens a box titled TITLE while the game
# window is hidden and the clock stands still; Return closes the box and the game
# window comes back with the keyboard, its clock running again.
box_round_trip() {
  local key=$1 title=$2 name=$3 b1 t1 t_key t_ret box
  bar_length "$GAME" "$name-before"
  b1=$BAR t1=$BAR_MS
  press "$GAME" "$key"
  t_key=$(now_ms)
  wait_window "^$title\$" 5 "$GAME" "$key"
  box=$WIN
  wait_hidden "$GAME" 2 "the game window while the '$title' box is open"
  wait_focus "$box" 3 "the '$title' box"
  shot "$box" "$name-box"
  sleep 3
  is_viewable "$GAME" && fail "the game window came back while the '$title' box is open"
  is_viewable "$box" || fail "the '$title' box closed by itself"
  xdotool key --clearmodifiers Return
  t_ret=$(now_ms)
  wait_hidden "$box" 3 "the '$title' box after Return"
  wait_shown "$GAME" 3 "the game window after the '$title' box"
  wait_focus "$GAME" 3 "the game window after the '$title' box"
  bar_length "$GAME" "$name-after"
  clock_check "$key, '$title' box" "$b1" "$t1" "$BAR" "$BAR_MS" $((t_ret - t_key))
  idle 2
  local b2=$BAR t2=$BAR_MS
  bar_length "$GAME" "$name-later"
  clock_check "$key, after the '$title' box" "$b2" "$t2" "$BAR" "$BAR_MS" 0
}

# --- 1. Closing the welcome window ------------------------------------------
log "run 1: close the welcome window"
open_welcome
wmctrl -i -c "$WELCOME" || fail "wmctrl could not close the welcome window"
for ((i = 0; i < 40; i++)); do
  game_alive || break
  no_game_window "after closing the welcome window"
  sleep 0.05
done
expect_exit 3 "closing the welcome window"

# --- 2. PLAY and the game window's commands ----------------------------------
log "run 2: play, the menu commands, minimise"
open_welcome
shot "$WELCOME" welcome
face=$(pixel "$SHOT" "$PLAY_FACE_X" "$PLAY_FACE_Y")
# A click beside the button starts nothing. Space held down on PLAY shows it pressed:
# once it does, the program has handled the click before it. Releasing Space presses PLAY.
click "$WELCOME" 175 "$PLAY_Y"
focus "$WELCOME"
xdotool keydown space
for ((i = 0; i < 20 * PATIENCE; i++)); do
  is_viewable "$WELCOME" || fail "a click left of PLAY closed the welcome window"
  shot "$WELCOME" play-held
  [[ "$(pixel "$SHOT" "$PLAY_FACE_X" "$PLAY_FACE_Y")" != "$face" ]] && break
  sleep 0.1
done
((i < 20 * PATIENCE)) || fail "PLAY does not show pressed while Space is held (see $SHOT)"
no_game_window "after a click left of PLAY"
play_ms=$(now_ms)
xdotool keyup space
wait_window '^Glimmerix$' 5 "" "PLAY by Space"
GAME=$WIN
bar_length "$GAME" game-start
start_bar=$BAR start_ms=$BAR_MS
[[ -z "$(visible_windows '^Welcome to Glimmerix!')" ]] || fail "the welcome window is still shown after PLAY"
wait_focus "$GAME" 3 "the game window after PLAY"

fixed_size "$GAME" "the game window"
((WIDTH == BOARD_WIDTH)) || fail "game window client area is $WIDTH px wide, expected $BOARD_WIDTH"
((MENU >= 15 && MENU <= 40)) ||
  fail "game window client area is $HEIGHT px high: $MENU px above the $BOARD_HEIGHT px board and status area is no menu bar"
log "game window: $WIDTH x $HEIGHT, menu bar $MENU px"

# Grid lines: 5 px of white centred on every 40th column and row, grey beside
# them. Gems as wide as 34 px cover a line's left edge, so not every line's
# every pixel is checked.
for y in 20 100 180 260 300; do
  for x in 38 42 199 202 279 282; do
    [[ "$(pixel "$SHOT" "$x" $((MENU + y)))" == "$WHITE" ]] ||
      fail "pixel ($x,$y) of the board is $(pixel "$SHOT" "$x" $((MENU + y))), expected white grid line"
  done
  for x in 37 43 203 283; do
    [[ "$(pixel "$SHOT" "$x" $((MENU + y)))" == "$GREY" ]] ||
      fail "pixel ($x,$y) of the board is $(pixel "$SHOT" "$x" $((MENU + y))), expected grey beside a grid line"
  done
done
for y in 38 42 158 162 318 322; do
  [[ "$(pixel "$SHOT" 100 $((MENU + y)))" == "$WHITE" ]] ||
    fail "pixel (100,$y) of the board is $(pixel "$SHOT" 100 $((MENU + y))), expected white grid line"
done
for y in 37 43 323; do
  [[ "$(pixel "$SHOT" 100 $((MENU + y)))" == "$GREY" ]] ||
    fail "pixel (100,$y) of the board is $(pixel "$SHOT" 100 $((MENU + y))), expected grey beside a grid line"
done
# The bonus bar starts across the board and shrinks with the clock.
dealt "$play_ms" && ((BAR <= FULL_BAR)) ||
  fail "the bonus bar is $start_bar px long at the start, expected $FULL_BAR less the time since PLAY"
[[ "$(pixel "$SHOT" 305 $((MENU + BAR_ROW)))" == "$GREY" ]] || fail "the bonus bar reaches past x=300"
crop "$SHOT" "50x25+270+$((MENU + 347))" clock-1
clock1=$CROP
idle 2
bar_length "$GAME" game-running
clock_check "the clock after PLAY" "$start_bar" "$start_ms" "$BAR" "$BAR_MS" 0
empty=$(empty_cells "$SHOT")
((empty == 0)) || fail "2 s after PLAY $empty cells of the board are still painted empty (see $SHOT)"
crop "$SHOT" "50x25+270+$((MENU + 347))" clock-2
(($(pixels_differing "$clock1" "$CROP") > 0)) || fail "the clock's digits did not change in 2 s"

box_round_trip ctrl+p Glimmerix pause
box_round_trip Escape Glimmerix escape
box_round_trip ctrl+h "How to Play Glimmerix" how-to-play
box_round_trip ctrl+a "About Glimmerix" about

# New Game: a fresh deal with the full bar, and the clock goes on.
bar_length "$GAME" new-game-before
((BAR < FULL_BAR - 10)) || fail "the bonus bar ($BAR px) has hardly shrunk after 20 s of play"
crop "$SHOT" "320x320+0+$MENU" board-before
board_before=$CROP
new_ms=$(now_ms)
press "$GAME" ctrl+n
for ((i = 0; i < 20 * PATIENCE; i++)); do
  answer_no_moves
  bar_length "$GAME" new-game-after
  dealt "$new_ms" && break
  sleep 0.1
done
dealt "$new_ms" || fail "after Ctrl+N the bonus bar is $BAR px, not back at $FULL_BAR"
new_bar=$BAR new_ms=$BAR_MS
crop "$SHOT" "320x320+0+$MENU" board-after
changed=$(pixels_differing "$board_before" "$CROP")
((changed > 2000)) || fail "after Ctrl+N only $changed pixels of the board changed; no new deal"
idle 2
bar_length "$GAME" new-game-running
clock_check "the clock after Ctrl+N" "$new_bar" "$new_ms" "$BAR" "$BAR_MS" 0

minimise_round_trip "$GAME"

# Exit ends the program at once.
press "$GAME" ctrl+x
expect_exit 1 "Ctrl+X"

# --- 3. The same commands from the menus -------------------------------------
log "run 3: the menus"
open_welcome
play Return
idle 3
bar_length "$GAME" menu-before
empty=$(empty_cells "$SHOT")
((empty == 0)) || fail "3 s after PLAY $empty cells of the board are still painted empty (see $SHOT)"
((BAR < FULL_BAR - 5)) || fail "the bonus bar ($BAR px) has hardly shrunk after 3 s of play"
# Qt opens a menu while it handles alt+letter and hands it every later key: the keys of
# a menu go in one press, with no wait for the menu to show.
new_ms=$(now_ms)
press "$GAME" alt+f Return  # File, first item: New Game
for ((i = 0; i < 20 * PATIENCE; i++)); do
  answer_no_moves
  bar_length "$GAME" menu-new-game
  dealt "$new_ms" && break
  sleep 0.1
done
dealt "$new_ms" || fail "after File > New Game the bonus bar is $BAR px, not back at $FULL_BAR"
menu_box Glimmerix menu-pause alt+f Down Return
menu_box "How to Play Glimmerix" menu-how-to-play alt+h Return
menu_box "About Glimmerix" menu-about alt+h Down Return
press "$GAME" alt+f Up Return  # File, last item: Exit
expect_exit 2 "File > Exit"

# --- 4. Closing the game window ----------------------------------------------
log "run 4: picks, and close the game window"
open_welcome
play KP_Enter
# A double click on cell B1 picks it once: the red shows left of its gem. A click on
# the gem takes the pick back; the last pixel column picks column H.
# picked CELL X Y NAME: is the pixel red, once the game has handled every click before?
# It has when Left shows the keyboard's black ring round CELL, the cell clicked last:
# the cursor follows the clicks without showing, and its first key only shows it.
picked() {
  local ring_x=$(($1 / 8 * 40 + 20)) ring_y=$((MENU + $1 % 8 * 40 + ($1 % 8 ? 1 : 0)))
  press "$GAME" Left
  for ((i = 0; i < 20 * PATIENCE; i++)); do
    shot "$GAME" "$4"
    [[ "$(pixel "$SHOT" "$ring_x" "$ring_y")" == "0,0,0" ]] && break
    sleep 0.1
  done
  ((i < 20 * PATIENCE)) || fail "Left showed no black ring round cell $1 (see $SHOT)"
  [[ "$(pixel "$SHOT" "$2" $((MENU + $3)))" == "255,0,0" ]]
}
click "$GAME" 60 $((MENU + 70)) 2
picked 9 43 70 double-click || fail "a double click on cell B1 did not leave it picked"
click "$GAME" 60 $((MENU + 60))
picked 9 43 70 unpicked && fail "a click on the picked gem of B1 did not take the pick back"
click "$GAME" 319 $((MENU + 180))
picked 60 283 170 column-h || fail "a click at x = 319 did not pick cell H4"
wmctrl -i -c "$GAME" || fail "wmctrl could not close the game window"
expect_exit 3 "closing the game window"

# --- 5. No window manager ----------------------------------------------------
# Nobody hands the keyboard to a window shown again: the game must take it back
# itself after a box, or the keys are lost.
log "run 5: without a window manager"
stop_wm
start_game
wait_window '^Welcome to Glimmerix!' 10
WELCOME=$WIN
play
wait_focus "$GAME" 3 "without a window manager, the game window after PLAY"
xdotool key --clearmodifiers ctrl+p
wait_window '^Glimmerix$' 5 "$GAME" "without a window manager, Ctrl+P"
box=$WIN
focus "$box"
xdotool key --clearmodifiers Return
wait_hidden "$box" 3 "without a window manager, the pause box after Return"
wait_shown "$GAME" 3 "without a window manager, the game window after the pause box"
wait_focus "$GAME" 3 "without a window manager, the game window after the pause box"
xdotool key --clearmodifiers ctrl+x
expect_exit 2 "without a window manager, Ctrl+X"

((NO_MOVES_ANSWERED == 0)) || log "note: $NO_MOVES_ANSWERED 'No More Moves' box(es) were answered"
