#!/usr/bin/env bash
# Two whole games, left alone until the clock runs out (about 85 s each):
#   - the bonus bar drains with the clock;
#   - the game ends after 901 ticks of 94 ms: the game window goes and the
#     "GAME OVER" window comes, with the keyboard;
#   - YES (by Return) brings the game window back with a new deal and a running clock;
#   - at the second game's end, No ends the program with exit code 0.
# Usage: whole_game.sh PATH-TO-GLIMMERIX
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin "$@"

# From 90.0 down by 0.1 at every tick; the tick that takes it to zero or below
# is the 901st (900 subtractions of 0.1 leave a hair above zero).
readonly GAME_MS=$((901 * 94))
readonly NO_X=224 NO_Y=176

# wait_game_over SINCE-MS WHAT: the game-over window must come when the clock
# has run out, GAME_MS after SINCE-MS, and take the game window's place.
wait_game_over() {
  local since=$1 what=$2 took answered_before=$NO_MOVES_ANSWERED slack
  local late=$((since + GAME_MS - 10000)) ticks expected
  # Unhurried looks until shortly before the end, then quick ones.
  while (($(now_ms) < since + GAME_MS - 3000)); do
    if ((late && $(now_ms) >= late)); then
      # Without a score the bar loses 5 of its 4485 twips at every tick and
      # runs out with the time.
      late=0
      bar_length "$GAME" "$3-bar"
      ticks=$(((BAR_MS - since) / 94))
      expected=$(((4485 - 5 * ticks) / 15 + 1))
      log "$what: bonus bar $BAR px after $ticks ticks (expected ~$expected px)"
      ((BAR >= expected - 4 && BAR <= expected + 4)) ||
        fail "$what: the bonus bar is $BAR px after $ticks ticks, expected ~$expected px"
    fi
    [[ -z "$(visible_windows '^GAME OVER$')" ]] ||
      fail "$what ended after about $(($(now_ms) - since)) ms, before its 90 s of clock ($GAME_MS ms)"
    answer_no_moves
    require_alive "during $what"
    sleep 1
  done
  wait_window '^GAME OVER$' 20
  OVER=$WIN
  took=$(($(now_ms) - since))
  # A "No More Moves" box stops the clock until it is answered.
  slack=$((2000 + 3000 * (NO_MOVES_ANSWERED - answered_before)))
  log "$what: game over after $took ms (expected ~$GAME_MS ms)"
  ((took >= GAME_MS - 1500)) || fail "$what ended after $took ms, before its 90 s of clock ($GAME_MS ms)"
  ((took <= GAME_MS + slack)) || fail "$what ended after $took ms, expected about $GAME_MS ms"
  [[ "$(title_of "$OVER")" == "GAME OVER" ]] || fail "game-over window title is '$(title_of "$OVER")'"
  client_size "$OVER"
  [[ "$WIDTH x $HEIGHT" == "306 x 213" ]] ||
    fail "game-over window client area is $WIDTH x $HEIGHT, expected 306 x 213"
  fixed_size "$OVER" "the game-over window"
  wait_hidden "$GAME" 1 "the game window behind the game-over window"
  wait_focus "$OVER" 3 "the game-over window"
  shot "$OVER" "$3"
}

start_game
wait_window '^Welcome to Glimmerix!' 10
click "$WIN" 228 104
wait_window '^Glimmerix$' 5
GAME=$WIN
started=$(now_ms)
log "first game started"
idle 2
bar_length "$GAME" first-game
menu_height "$GAME"
crop "$SHOT" "320x320+0+$MENU" first-board
first_board=$CROP

wait_game_over "$started" "the first game" first-game-over

# YES, which has the focus, by Return: the game window comes back with a new game. Keys
# in the window's first half second were meant for the board, and are not taken.
sleep 0.6
yes_ms=$(now_ms)
press "$OVER" Return
wait_hidden "$OVER" 3 "the game-over window after YES"
wait_shown "$GAME" 3 "the game window after YES"
restarted=$(now_ms)
wait_focus "$GAME" 3 "the game window after YES"
bar_length "$GAME" second-game-start
b1=$BAR t1=$BAR_MS
dealt "$yes_ms" || fail "after YES the bonus bar is $BAR px, not back at $FULL_BAR"
crop "$SHOT" "320x320+0+$MENU" second-board
changed=$(pixels_differing "$first_board" "$CROP")
((changed > 2000)) || fail "after YES only $changed pixels of the board changed; no new deal"
idle 2
bar_length "$GAME" second-game-running
clock_check "the clock after YES" "$b1" "$t1" "$BAR" "$BAR_MS" 0

wait_game_over "$restarted" "the second game" second-game-over

click "$OVER" "$NO_X" "$NO_Y"
expect_exit 2 "No after the second game"

((NO_MOVES_ANSWERED == 0)) || log "note: $NO_MOVES_ANSWERED 'No More Moves' box(es) were answered"
