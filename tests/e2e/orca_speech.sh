#!/usr/bin/env bash
# What a blind player hears: Orca itself, with its speech logged, beside the real game,
# played with the keys alone. Checks the spoken lines for:
#   - the table's size and "New game" once PLAY has opened the game;
#   - all eight rows read with Up and Down in at most 150 words;
#   - results without a title in front: an exchange that makes no run and drops the
#     pick, a pick, and a scoring exchange with where its runs were, the new score and
#     the gem under the ring;
#   - Up or Down speaking one cell once Orca+F11 has chosen cells over rows;
#   - the status bar read on request: score and time;
#   - the time left and the cursor's cell after the pause box;
#   - the ten-seconds warning, the game-over dialog with its score, "New game" after YES;
#   - in German, the status bar's time with a decimal comma.
# Orca runs once per machine (ctest holds a lock) and takes two minutes of game time.
# Runs on a D-Bus session of its own. Usage: orca_speech.sh PATH-TO-GLIMMERIX
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
own_session_bus "$@"
e2e_begin "$@"
readonly READER="$(dirname "${BASH_SOURCE[0]}")/screen_reader.py"
ORCA_PID=""
HEARD=0  # lines of speech already matched

# Orca's own home, speech synthesized into libao's null driver, its log line-buffered.
start_orca() {
  local r=$E2E_OUT/orca i
  command -v orca >/dev/null || fail "orca is not installed"
  mkdir -p "$r/home/.config/speech-dispatcher" "$r/home/.local/share/orca" "$r/logs"
  cp /etc/speech-dispatcher/speechd.conf "$r/home/.config/speech-dispatcher/"
  printf 'AudioOutputMethod "libao"\nDefaultModule espeak-ng\nLogDir "%s/logs"\n' "$r" \
    >>"$r/home/.config/speech-dispatcher/speechd.conf"
  echo default_driver=null >"$r/home/.libao"
  printf 'import orca.debug\nif orca.debug.debugFile:\n    orca.debug.debugFile.reconfigure(line_buffering=True)\n' \
    >"$r/home/.local/share/orca/orca-customizations.py"
  export HOME=$r/home GSETTINGS_BACKEND=memory
  SPEECH_LOG=$r/logs/orca-debug.txt
  start_accessibility_bus
  orca --debug-file="$SPEECH_LOG" >"$r/logs/orca.out" 2>&1 &
  ORCA_PID=$!
  for ((i = 0; i < 300; i++)); do
    grep -aq "SPEECH OUTPUT: 'Screen reader on.'" "$SPEECH_LOG" 2>/dev/null && return 0
    kill -0 "$ORCA_PID" 2>/dev/null || fail "orca ended: $(tail -3 "$r/logs/orca.out")"
    sleep 0.1
  done
  fail "orca did not say 'Screen reader on.' within 30 s"
}

# Orca, speech-dispatcher and its modules run in Orca's own home: each goes by id.
stop_orca() {
  local pid
  if [[ -n "$ORCA_PID" ]]; then  # on its way out Orca waits long for the bus that is gone
    kill "$ORCA_PID" 2>/dev/null
    timeout 3 tail --pid="$ORCA_PID" -f /dev/null || kill -KILL "$ORCA_PID" 2>/dev/null
    wait "$ORCA_PID" 2>/dev/null
  fi
  for pid in $(grep -lz "^HOME=$HOME$" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3); do
    [[ "$pid" != "$$" && "$pid" != "$GAME_PID" ]] && kill "$pid" 2>/dev/null
  done
}

# words_since LINE: how many words Orca has said after that many lines of speech.
words_since() {
  spoken | tail -n +"$(($1 + 1))" | wc -w
}

spoken() {
  grep -a "SPEECH OUTPUT: '" "$SPEECH_LOG" | sed -E "s/.*SPEECH OUTPUT: '(.*)' ?\{'established.*/\1/"
}

# heard WHAT REGEX [SECONDS]: a line spoken since the last match must match REGEX.
heard() {
  local what=$1 regex=$2 seconds=${3:-10} i line
  for ((i = 0; i < seconds * 10; i++)); do
    line=$(spoken | tail -n +"$((HEARD + 1))" | grep -nE -m1 "$regex")
    if [[ -n "$line" ]]; then
      HEARD=$((HEARD + ${line%%:*}))
      log "heard ($what): '${line#*:}'"
      return 0
    fi
    require_alive "while listening for $what"
    sleep 0.1
  done
  fail "$what: Orca did not say /$regex/ within $seconds s; it said: $(spoken | tail -n +"$((HEARD + 1))" | tr '\n' '|')"
}

# walk FROM TO: the arrow keys that take the cursor from one cell to another.
walk() {
  local from=$1 to=$2 keys=() i
  for ((i = from / 8; i < to / 8; i++)); do keys+=(Right); done
  for ((i = from / 8; i > to / 8; i--)); do keys+=(Left); done
  for ((i = from % 8; i < to % 8; i++)); do keys+=(Down); done
  for ((i = from % 8; i > to % 8; i--)); do keys+=(Up); done
  ((${#keys[@]} == 0)) || press "$MAIN" "${keys[@]}"
}

# exchange FROM TO: picks FROM with Space, listens, and presses its neighbour TO.
exchange() {
  walk "$CURSOR" "$1"
  press "$MAIN" space
  heard "the pick" "^Picked [A-H][1-8] [a-z ]+\.?$"
  walk "$1" "$2"
  press "$MAIN" space
  CURSOR=$2
}

# play_from_welcome WELCOME-TITLE NEW-GAME-REGEX: PLAY on the welcome window, then the game
# window: the table, and the new game with the gem under the ring, in whichever order
# Orca says them.
play_from_welcome() {
  local from after_table
  wait_window "$1" 20
  press "$WIN" space
  wait_window '^Glimmerix$' 20
  MAIN=$WIN
  from=$HEARD
  heard "the table after PLAY" "table with 8 rows 8 columns"
  after_table=$HEARD
  HEARD=$from
  heard "the new game after PLAY" "$2"
  ((HEARD > after_table)) || HEARD=$after_table
}

trap 'rc=$?; stop_orca; (exit $rc); e2e_cleanup' EXIT
start_orca
start_game
play_from_welcome '^Welcome to Glimmerix!' "^New game: 90 seconds\. A1 [a-z ]+\.?$"

# Each row is read on Up or Down, its row named once: the whole board in a few words.
press "$MAIN" Left Down  # the first key only shows the ring
heard "row 2" "^row 2, "
mark=$HEARD
press "$MAIN" Up
heard "row 1" "^row 1, "
for row in 2 3 4 5 6 7 8; do
  press "$MAIN" Down
  heard "row $row" "^row $row, "
done
sleep 2  # the last row's other cells
words=$(words_since "$mark")
log "the eight rows took $words words"
((words <= 150)) || fail "the eight rows took $words words: $(spoken | tail -n +"$((mark + 1))" | tr '\n' '|')"
CURSOR=7

read -r refused_from refused_to from to < <(/usr/bin/python3 "$READER" pairs) ||
  fail "the board could not be read"
exchange "$refused_from" "$refused_to"
heard "the refused exchange" "^No run: the gems stay, pick dropped"
exchange "$from" "$to"
heard "the exchange, its runs, its score and the gem under the ring" \
  "^Exchanged: [0-9]+ gems cleared in (rows?|columns?) [^,]+.*, [0-9]+ points.*Score [1-9][0-9]*\. [A-H][1-8] [a-z ]+\.?$"

press "$MAIN" Insert+F11
heard "cells rather than rows" "^Speak cell"
if ((CURSOR % 8 == 0)); then key=Down; else key=Up; fi
press "$MAIN" "$key"
heard "one cell on $key" "^row [1-8]"
sleep 1
others=$(spoken | tail -n +"$((HEARD + 1))" | wc -l)
((others == 0)) || fail "$key spoke $others more lines: $(spoken | tail -n +"$((HEARD + 1))" | tr '\n' '|')"

xdotool key --clearmodifiers --delay 80 Insert+KP_Enter Insert+KP_Enter
heard "the status bar" "^status ?bar"
heard "the score in the status bar" "^Score [1-9][0-9]*\.?$"
heard "the time in the status bar" "^Time [1-9]?[0-9]\.[0-9]\.?$"
press "$MAIN" Left  # after an Orca command a game key, or the next box may go unannounced

press "$MAIN" Escape
heard "the pause box" "Glimmerix is paused"
wait_window '^Glimmerix$' 10 "$MAIN" "Esc"
press "$WIN" Return
heard "the time left and the cell after the box" "^[0-9]+ seconds left\. [A-H][1-8] [a-z ]+\.?$"

heard "the warning" "^10 seconds left" 100
heard "the game-over dialog with its score" "^GAME OVER dialog Score: [0-9]+\.$" 15
heard "the question and YES" "^ ?Would you like to play again\? YES push button"
wait_window '^GAME OVER$' 10
sleep 1  # the game-over window takes no key in its first half second
press "$WIN" Return
heard "a new game after YES" "^New game: 90 seconds\. "

# In German the time has a decimal comma.
wait_window '^Glimmerix$' 10
press "$WIN" ctrl+x
wait_exit 10 "Ctrl+X"
LC_ALL=de_DE.UTF-8 start_game
play_from_welcome '^Willkommen bei Glimmerix!' "^Neues Spiel: 90 Sekunden\. A1 "
press "$MAIN" Left
xdotool key --clearmodifiers --delay 80 Insert+KP_Enter Insert+KP_Enter
heard "the German time in the status bar" "^Zeit [1-9]?[0-9],[0-9]\.?$"
