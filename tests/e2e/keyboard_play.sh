#!/usr/bin/env bash
# A game played with the keyboard alone, no pointer at all:
#   - Space presses PLAY;
#   - the arrow keys walk the black cursor to the first cell of a scoring exchange
#     (found in the board a screen reader reads out), Space picks it and keypad Enter
#     on the neighbour makes the exchange: the score shown changes;
#   - Esc still pauses and Return answers the box; Ctrl+X still quits.
# Runs on a D-Bus session of its own. Usage: keyboard_play.sh PATH-TO-GLIMMERIX
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
own_session_bus "$@"
e2e_begin "$@"
start_accessibility_bus
readonly READER="$(dirname "${BASH_SOURCE[0]}")/screen_reader.py"
readonly SCORE_AREA="80x30+95+347"  # the score's digits, from the board's top

start_game
wait_window '^Welcome to Glimmerix!' 20
press "$WIN" space
wait_window '^Glimmerix$' 20
MAIN=$WIN
menu_height "$MAIN"
read -r from to < <(/usr/bin/python3 "$READER" move) || fail "no scoring exchange was read out"
log "the exchange of cells $from and $to scores"
shot "$MAIN" before
crop "$SHOT" "$BOARD_WIDTH""x$BOARD_HEIGHT+0+$MENU" before-board
convert "$CROP" -crop "$SCORE_AREA" +repage "$E2E_OUT/score-before.png"

# The cursor starts on column A, row 0: the first arrow shows it, each next one moves
# it one cell.
keys=(Left)
for ((i = 0; i < from / 8; i++)); do keys+=(Right); done
for ((i = 0; i < from % 8; i++)); do keys+=(Down); done
press "$MAIN" "${keys[@]}"
# The ring's top edge lies on the grid line above the cell (on the top row, the edge).
ring_x=$((from / 8 * 40 + 20)) ring_y=$((MENU + from % 8 * 40 + (from % 8 == 0 ? 0 : 1)))
for ((i = 0; i < 20; i++)); do
  shot "$MAIN" cursor
  [[ "$(pixel "$SHOT" "$ring_x" "$ring_y")" == "0,0,0" ]] && break
  sleep 0.1
done
((i < 20)) || fail "no black cursor at ($ring_x,$ring_y) over cell $from (see $SHOT)"
press "$MAIN" space
if ((to == from + 1)); then press "$MAIN" Down KP_Enter; else press "$MAIN" Right KP_Enter; fi

for ((i = 0; i < 50; i++)); do
  score=$(/usr/bin/python3 "$READER" score)
  [[ "$score" =~ ^Score\ [1-9] ]] && break
  answer_no_moves
  sleep 0.1
done
[[ "$score" =~ ^Score\ [1-9] ]] || fail "the keyboard's exchange did not score: '$score'"
shot "$MAIN" after
crop "$SHOT" "$BOARD_WIDTH""x$BOARD_HEIGHT+0+$MENU" after-board
convert "$CROP" -crop "$SCORE_AREA" +repage "$E2E_OUT/score-after.png"
changed=$(pixels_differing "$E2E_OUT/score-before.png" "$E2E_OUT/score-after.png")
((changed > 20)) || fail "the score on screen did not change ($changed pixels)"
log "scored from the keyboard: '$score', $changed pixels of the score changed"

press "$MAIN" Escape
wait_window '^Glimmerix$' 10 "$MAIN" "Esc"
press "$WIN" Return
wait_shown "$MAIN" 10 "the game window after the pause"
wait_focus "$MAIN" 5 "the game window after the pause"
press "$MAIN" ctrl+x
expect_exit 5 "Ctrl+X"
