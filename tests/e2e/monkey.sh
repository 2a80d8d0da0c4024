#!/usr/bin/env bash
# A monkey plays the real game: random clicks on the board and the buttons, random
# shortcuts and Esc (never Exit), answering every box that comes up. The program
# must stay alive, and its memory after the run must be within 2 MB of what it was
# after the first 5 seconds. Usage: monkey.sh PROGRAM [SECONDS, default 15] [check-memory|
# no-memory-check]: a sanitizer's allocator keeps freed memory on purpose, so its builds
# check only that the program lives.
source "$(dirname "$0")/lib.sh"
seconds=${2:-15}
memory=${3:-check-memory}
e2e_begin "$1"
RANDOM=${MONKEY_SEED:-$$}
log "monkey seed $RANDOM, $seconds s"

rss_kb() { awk '/VmRSS/ {print $2}' "/proc/$GAME_PID/status"; }

# Keys for a window that a box may have hidden a moment ago: no insisting.
try_press() {
  xdotool windowactivate "$1" 2>/dev/null && xdotool key --clearmodifiers "$2" 2>/dev/null
}

start_and_play
main=$MAIN
start=$(now_ms)
early_rss=""
events=0
while (($(now_ms) - start < seconds * 1000)); do
  require_alive "after $events events"
  ((events++))
  if [[ -z "$early_rss" ]] && (($(now_ms) - start > 5000)); then early_rss=$(rss_kb); fi
  # A box of the game (pause, help, about, no moves) or the game-over window.
  box=""
  for id in $(visible_windows '^(Glimmerix|How to Play Glimmerix|About Glimmerix|No More Moves|GAME OVER)$'); do
    [[ "$id" != "$main" ]] && box=$id
  done
  if [[ -n "$box" ]]; then
    if [[ "$(title_of "$box")" == "GAME OVER" ]]; then click "$box" 80 176; else try_press "$box" Return; fi
    continue
  fi
  is_viewable "$main" || { sleep 0.05; continue; }
  case $((RANDOM % 20)) in
    0) try_press "$main" Escape ;;
    1) try_press "$main" ctrl+n ;;
    2) try_press "$main" ctrl+p ;;
    3) try_press "$main" ctrl+h ;;
    4) try_press "$main" ctrl+a ;;
    *) click "$main" $((RANDOM % BOARD_WIDTH)) $((MENU + RANDOM % BOARD_HEIGHT)) ;;
  esac
done
require_alive "at the end of the run"
[[ -n "$early_rss" ]] || fail "the run ended before its first 5 seconds were over"
((events > 20)) || fail "only $events events in $seconds s"
late_rss=$(rss_kb)
log "$events events; resident memory $early_rss kB after 5 s, $late_rss kB at the end"
if [[ "$memory" == check-memory ]]; then
  ((late_rss - early_rss <= 2048)) || fail "memory grew by $((late_rss - early_rss)) kB"
fi
