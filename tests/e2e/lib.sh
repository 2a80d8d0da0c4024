# Helpers shared by the end-to-end tests: each test gets its own X server with a
# window manager, starts the real program on it and drives it with xdotool.
#
# A script sources this file and calls `e2e_begin "$@"` with the program's path as
# its first argument. Any failed check calls `fail`, which ends the script with
# exit code 1; the exit trap then stops the program, openbox and Xvfb.
# shellcheck shell=bash
# shellcheck disable=SC2034  # results and constants are for the scripts that source this

set -u
set -o pipefail

E2E_START=$(date +%s%N)
GAME_PID=""
GAME_RUNS=0
XVFB_PID=""
WM_PID=""
A11Y_PID=""
COMPOSITOR_PID=""  # a Wayland compositor a test started (weston.sh)
DISPLAY_NUM=""
RUNTIME_DIR=""
WIN=""  # set by wait_window

# Colours the game paints (red,green,blue).
readonly GREY="128,128,128"
readonly WHITE="255,255,255"
readonly BAR_BLUE="0,0,192"

# Every wait for an event allows this many times the seconds it names: on a loaded
# machine everything takes longer, and a passing test waits no longer for it.
readonly PATIENCE=${E2E_PATIENCE:-3}

# Sizes of the game's windows, in pixels of the client area.
readonly BOARD_WIDTH=320
readonly BOARD_HEIGHT=374   # board and status area below the menu bar
readonly BAR_ROW=336        # middle row of the bonus bar, from the board's top
readonly FULL_BAR=300       # blue pixels in that row just after a deal

elapsed() {
  local now
  now=$(date +%s%N)
  printf '%6.2f' "$(((now - E2E_START) / 1000000))e-3"
}

log() { echo "[$(elapsed) s] $*"; }

fail() {
  echo "[$(elapsed) s] FAIL: $*" >&2
  if [[ -n "$GAME_PID" ]] && kill -0 "$GAME_PID" 2>/dev/null; then
    echo "windows open at the failure:" >&2
    DISPLAY=":$DISPLAY_NUM" wmctrl -l >&2 2>/dev/null || true
    DISPLAY=":$DISPLAY_NUM" import -window root "$E2E_OUT/failure.png" 2>/dev/null &&
      echo "screen saved as $E2E_OUT/failure.png" >&2
  fi
  exit 1
}

# Only what this script started is stopped, by process id.
e2e_cleanup() {
  local rc=$?
  trap - EXIT
  stop_game
  stop_accessibility_bus
  [[ -n "$COMPOSITOR_PID" ]] && kill "$COMPOSITOR_PID" 2>/dev/null && wait "$COMPOSITOR_PID" 2>/dev/null
  [[ -n "$WM_PID" ]] && kill "$WM_PID" 2>/dev/null && wait "$WM_PID" 2>/dev/null
  if [[ -n "$XVFB_PID" ]]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    local i
    for ((i = 0; i < 50; i++)); do
      [[ -e "/tmp/.X$DISPLAY_NUM-lock" ]] || break
      sleep 0.1
    done
  fi
  [[ -n "$RUNTIME_DIR" ]] && rm -rf "$RUNTIME_DIR"
  if ((rc == 0)); then
    log "PASS"
  else
    echo "screenshots and program output are in $E2E_OUT" >&2
  fi
  exit "$rc"
}

stop_game() {
  if [[ -n "$GAME_PID" ]]; then
    kill "$GAME_PID" 2>/dev/null
    wait "$GAME_PID" 2>/dev/null
    GAME_PID=""
  fi
}

# e2e_begin PROGRAM: checks the tools, starts the X server and the window manager.
e2e_begin() {
  GAME_BIN=${1:-}
  [[ -n "$GAME_BIN" && -x "$GAME_BIN" ]] || fail "usage: $0 PATH-TO-GLIMMERIX (got '${GAME_BIN}')"
  local tool
  for tool in Xvfb openbox xdotool wmctrl xwininfo xdpyinfo import convert; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
  done
  E2E_OUT="$PWD/$(basename "$0" .sh).out"
  rm -rf "$E2E_OUT"
  mkdir -p "$E2E_OUT"
  trap e2e_cleanup EXIT
  trap 'echo "[$(elapsed) s] FAIL: the test was interrupted (SIGINT)" >&2; exit 2' INT
  trap 'echo "[$(elapsed) s] FAIL: the test was stopped (SIGTERM)" >&2; exit 2' TERM
  RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/glimmerix-e2e.XXXXXX")
  chmod 0700 "$RUNTIME_DIR"
  export XDG_RUNTIME_DIR="$RUNTIME_DIR"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
  # The checks read the designed English; a test that wants another language says so.
  unset LANGUAGE LC_ALL LC_MESSAGES
  export LANG=C.UTF-8
  export QT_AUTO_SCREEN_SCALE_FACTOR=0
  start_x
  start_wm
}

# listens_on PID N: whether process PID holds a listening socket of display :N (the
# abstract one that clients try first, or the one in /tmp/.X11-unix).
listens_on() {
  local inodes
  inodes=$(find "/proc/$1/fd" -lname 'socket:*' -printf '%l\n' 2>/dev/null | tr -dc '0-9\n')
  [[ -n "$inodes" ]] && awk -v n="$2" '$6 == "01" && $8 ~ "^@?/tmp/.X11-unix/X" n "$" {print $7}' \
    /proc/net/unix | grep -qxF "$inodes"
}

# A display nobody holds, from :91 upward. Another program may hold a number unseen
# (an X server of another root that shares this machine's abstract sockets) or win
# the race for it: then our Xvfb dies, and until it has, the display answers with
# the other server. The display is ours once our Xvfb listens on its socket.
start_x() {
  local n i
  for ((n = 91; n < 191; n++)); do
    [[ -e "/tmp/.X$n-lock" || -e "/tmp/.X11-unix/X$n" ]] && continue
    # -noreset: without it the server resets when its last client leaves, and a
    # client connecting just then (openbox after xdpyinfo) is refused.
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$E2E_OUT/xvfb.log" 2>&1 &
    XVFB_PID=$!
    DISPLAY_NUM=$n
    for ((i = 0; i < 100 * PATIENCE; i++)); do
      if ! kill -0 "$XVFB_PID" 2>/dev/null; then
        XVFB_PID=""
        break
      fi
      if listens_on "$XVFB_PID" "$n" && DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        export DISPLAY=":$n"
        log "Xvfb on $DISPLAY"
        return 0
      fi
      sleep 0.1
    done
    [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
  done
  fail "could not start Xvfb on any display from :91 to :190"
}

start_wm() {
  local attempt i
  for ((attempt = 1; attempt <= 3; attempt++)); do
    openbox --sm-disable >"$E2E_OUT/openbox.log" 2>&1 &
    WM_PID=$!
    for ((i = 0; i < 100 * PATIENCE; i++)); do
      wmctrl -m >/dev/null 2>&1 && return 0
      kill -0 "$WM_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$WM_PID" 2>/dev/null
    wait "$WM_PID" 2>/dev/null
    WM_PID=""
    log "openbox did not start: $(tr '\n' ' ' <"$E2E_OUT/openbox.log")"
  done
  fail "openbox did not come up on $DISPLAY"
}

stop_wm() {
  [[ -n "$WM_PID" ]] || return 0
  kill "$WM_PID" 2>/dev/null
  wait "$WM_PID" 2>/dev/null
  WM_PID=""
}

start_game() {
  [[ -z "$GAME_PID" ]] || fail "start_game: the program is already running"
  GAME_RUNS=$((GAME_RUNS + 1))
  "$GAME_BIN" >"$E2E_OUT/game-$GAME_RUNS.log" 2>&1 &
  GAME_PID=$!
  log "program started (pid $GAME_PID)"
}

game_alive() { [[ -n "$GAME_PID" ]] && kill -0 "$GAME_PID" 2>/dev/null; }

require_alive() {
  game_alive || fail "the program ended unexpectedly ($*; output in $E2E_OUT/game-$GAME_RUNS.log)"
}

# Ids of the mapped windows whose title matches REGEX.
visible_windows() { timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null; }

is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

title_of() { xdotool getwindowname "$1" 2>/dev/null; }

# A board without moves makes the game show a box; it is answered so that it does
# not stand in the way of a test. Each answer is counted and reported.
NO_MOVES_ANSWERED=0
answer_no_moves() {
  local id
  for id in $(visible_windows '^No More Moves$'); do
    NO_MOVES_ANSWERED=$((NO_MOVES_ANSWERED + 1))
    log "a 'No More Moves' box appeared; answering it with Return"
    press "$id" Return
    wait_hidden "$id" 3 "the 'No More Moves' box after Return"
  done
}

# wait_window REGEX SECONDS [EXCEPT-ID [WHAT]]: waits for a mapped window whose
# title matches REGEX (other than EXCEPT-ID) and sets WIN to its id.
wait_window() {
  local regex=$1 seconds=$(($2 * PATIENCE)) except=${3:-} what=${4:-} deadline id
  deadline=$(($(date +%s%N) + seconds * 1000000000))
  while (($(date +%s%N) < deadline)); do
    for id in $(visible_windows "$regex"); do
      if [[ "$id" != "$except" ]]; then
        WIN=$id
        return 0
      fi
    done
    [[ "$regex" == *"No More Moves"* ]] || answer_no_moves
    require_alive "while waiting for a window titled /$regex/"
    sleep 0.1
  done
  fail "${what:+$what: }no window titled /$regex/ appeared within $seconds s"
}

# wait_hidden ID SECONDS WHAT: waits until the window is unmapped or destroyed.
wait_hidden() {
  local id=$1 seconds=$(($2 * PATIENCE)) what=$3 i
  for ((i = 0; i < seconds * 10; i++)); do
    is_viewable "$id" || return 0
    sleep 0.1
  done
  fail "$what is still shown after $seconds s"
}

# wait_shown ID SECONDS WHAT
wait_shown() {
  local id=$1 seconds=$(($2 * PATIENCE)) what=$3 i
  for ((i = 0; i < seconds * 10; i++)); do
    is_viewable "$id" && return 0
    answer_no_moves
    require_alive "while waiting for $what to show"
    sleep 0.1
  done
  fail "$what did not show again within $seconds s"
}

# wait_focus ID SECONDS WHAT: the program (not the test) must give ID the keyboard.
wait_focus() {
  local id=$1 seconds=$(($2 * PATIENCE)) what=$3 i
  for ((i = 0; i < seconds * 10; i++)); do
    [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$id" ]] && return 0
    sleep 0.1
  done
  fail "$what does not have the keyboard focus (focus is on $(xdotool getwindowfocus 2>/dev/null) '$(title_of "$(xdotool getwindowfocus 2>/dev/null)")')"
}

# focus ID: activates the window and waits until it really has the focus.
# Without a window manager there is nobody to ask, and the focus is set directly.
focus() {
  local id=$1 i
  for ((i = 0; i < 30 * PATIENCE; i++)); do
    [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$id" ]] && return 0
    if ((i % 10 == 0)); then
      if [[ -n "$WM_PID" ]]; then
        xdotool windowactivate "$id" 2>/dev/null
      else
        xdotool windowfocus "$id" 2>/dev/null
      fi
    fi
    sleep 0.1
  done
  fail "could not give the keyboard focus to window $id '$(title_of "$id")'"
}

# press ID KEY...: real key presses (shortcuts ignore synthetic ones) to ID.
press() {
  local id=$1
  shift
  focus "$id"
  xdotool key --clearmodifiers "$@" || fail "xdotool could not press $*"
}

# click ID X Y [TIMES]: a left click (or TIMES quick ones: 2 is a double click) at
# client coordinates of window ID. (`mousemove
# --sync` waits forever when the pointer is already there, so the pointer's
# arrival is checked here instead.)
click() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || fail "window $1 to click in is gone"
  move_pointer $(($(awk '/Absolute upper-left X:/ {print $4}' <<<"$info") + $2)) \
    $(($(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info") + $3))
  xdotool click --repeat "${4:-1}" --delay 80 1 || fail "xdotool could not click at ($2,$3) in window $1"
}

# move_pointer X Y: moves the pointer to a point of the screen and waits until the X
# server has it there; every window then has its leave and enter events in order.
move_pointer() {
  local i
  xdotool mousemove "$1" "$2" || fail "xdotool could not move the pointer"
  for ((i = 0; i < 50 * PATIENCE; i++)); do
    [[ "$(xdotool getmouselocation 2>/dev/null)" == "x:$1 y:$2 "* ]] && return 0
    sleep 0.02
  done
  fail "the pointer did not reach ($1,$2)"
}

# client_size ID: sets WIDTH and HEIGHT of the window's client area.
client_size() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || fail "window $1 is gone"
  WIDTH=$(awk '/^  Width:/ {print $2}' <<<"$info")
  HEIGHT=$(awk '/^  Height:/ {print $2}' <<<"$info")
}

# shot ID NAME: saves the client area of ID as NAME.png in the output folder.
# A window mapped a moment ago cannot always be read yet; a few tries are allowed.
shot() {
  local i
  SHOT="$E2E_OUT/$2.png"
  for ((i = 0; i < 10 * PATIENCE; i++)); do
    SHOT_MS=$(now_ms)
    import -window "$1" "$SHOT" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "could not take a screenshot of window $1 ($2)"
}

# pixel FILE X Y: prints "r,g,b" of one pixel.
pixel() {
  convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r+0.5)],%[fx:int(255*p{'"$2,$3"'}.g+0.5)],%[fx:int(255*p{'"$2,$3"'}.b+0.5)]' info:
}

# row_pixels FILE Y: prints every pixel of row Y as "x r,g,b", one a line.
row_pixels() {
  convert "$1" -crop "x1+0+$2" +repage -depth 8 txt:- |
    sed -nE 's/^([0-9]+),[0-9]+: \(([0-9]+),([0-9]+),([0-9]+)[,)].*/\1 \2,\3,\4/p'
}

# count_colour FILE Y RGB: how many pixels of row Y have colour RGB.
count_colour() { row_pixels "$1" "$2" | awk -v c="$3" '$2 == c {n++} END {print n + 0}'; }

# empty_cells FILE: how many of the 64 cells show only grey across their middle
# (FILE a shot of the game window, MENU its menu bar's height). A settled board
# has none; a board painted before its last refill shows the gaps.
empty_cells() {
  convert "$1" -crop "320x320+0+$MENU" +repage -depth 8 txt:- | awk -F'[,: ()]+' '
    NR > 1 && $2 % 40 == 20 && ($1 % 40 == 15 || $1 % 40 == 20 || $1 % 40 == 25) {
      cell = int($1 / 40) * 8 + int($2 / 40)
      seen[cell]++
      if ($3 == 128 && $4 == 128 && $5 == 128) grey[cell]++
    }
    END { for (cell in seen) n += grey[cell] == seen[cell]; print n + 0 }'
}

# The menu bar's height: what the client area has above the board.
menu_height() {
  client_size "$1"
  MENU=$((HEIGHT - BOARD_HEIGHT))
}

# bar_length ID NAME: BAR = blue pixels in the bonus bar's middle row, BAR_MS =
# when it was read. With no score the bar loses 5 twips (a third of a pixel) at
# every 94 ms tick of the clock, so its length is a reading of the clock.
readonly MS_PER_BAR_PIXEL=282
# A window mapped a moment ago may not be painted yet: the bar's row is read
# once the grey right of the bar's longest reach is there.
bar_length() {
  local i
  menu_height "$1"
  for ((i = 0; i < 20 * PATIENCE; i++)); do
    shot "$1" "$2"
    [[ "$(pixel "$SHOT" $((BOARD_WIDTH - 5)) $((MENU + BAR_ROW)))" == "$GREY" ]] && break
    sleep 0.1
  done
  ((i < 20 * PATIENCE)) || fail "window $1 was not painted within $((2 * PATIENCE)) s (see $SHOT)"
  BAR_MS=$SHOT_MS
  BAR=$(count_colour "$SHOT" $((MENU + BAR_ROW)) "$BAR_BLUE")
}

# dealt SINCE-MS: whether the bar last read (BAR, at BAR_MS) is that of a game dealt at
# SINCE-MS or later: full, less what the clock has taken from it since.
dealt() { ((BAR >= FULL_BAR - 2 - (BAR_MS - $1) / MS_PER_BAR_PIXEL)); }

# clock_check WHAT BAR1 MS1 BAR2 MS2 STOPPED_MS: between two readings the clock
# must have run for the wall time less STOPPED_MS (within a second); a bar that
# is one pixel off at each end is 564 ms of clock.
clock_check() {
  local what=$1 ran wall expected
  ran=$((($2 - $4) * MS_PER_BAR_PIXEL))
  wall=$(($5 - $3))
  expected=$((wall - $6))
  log "$what: bar $2 -> $4 px, the clock ran ~$ran ms of $wall ms (expected ~$expected ms)"
  ((ran >= expected - 1000)) ||
    fail "$what: the clock ran only ~$ran ms in $wall ms (bar $2 -> $4 px), expected ~$expected ms"
  ((ran <= expected + 1000)) ||
    fail "$what: the clock ran ~$ran ms in $wall ms (bar $2 -> $4 px) though it should have stood still for $6 ms"
}

# minimise_round_trip ID: minimising the game window stops the clock for as long as
# it stays minimised; restoring it gives it the keyboard and starts the clock again.
minimise_round_trip() {
  local game=$1 b1 t1 t_min t_restore
  bar_length "$game" minimise-before
  b1=$BAR t1=$BAR_MS
  xdotool windowminimize --sync "$game" || fail "xdotool could not minimise the game window"
  t_min=$(now_ms)
  wait_hidden "$game" 2 "the minimised game window"
  sleep 4
  require_alive "while minimised"
  wmctrl -i -a "$game" || fail "wmctrl could not restore the game window"
  t_restore=$(now_ms)
  wait_shown "$game" 3 "the restored game window"
  wait_focus "$game" 3 "the restored game window"
  bar_length "$game" minimise-after
  clock_check "minimised for 4 s" "$b1" "$t1" "$BAR" "$BAR_MS" $((t_restore - t_min))
  b1=$BAR t1=$BAR_MS
  idle 2
  bar_length "$game" minimise-later
  clock_check "the clock after restoring" "$b1" "$t1" "$BAR" "$BAR_MS" 0
}

# wait_exit SECONDS [WHAT]: waits for the program to end and sets GAME_RC.
wait_exit() {
  local seconds=$(($1 * PATIENCE)) what=${2:-} i
  EXIT_WAIT_MS=$(now_ms)
  for ((i = 0; i < seconds * 20; i++)); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      EXIT_WAIT_MS=$(($(now_ms) - EXIT_WAIT_MS))
      wait "$GAME_PID"
      GAME_RC=$?
      GAME_PID=""
      return 0
    fi
    sleep 0.05
  done
  fail "${what:+$what: }the program is still running $seconds s later"
}

# expect_exit SECONDS WHAT: the program must end by itself with exit code 0.
expect_exit() {
  wait_exit "$1" "$2"
  ((GAME_RC == 0)) || fail "$2: the program ended with exit code $GAME_RC instead of 0"
  log "$2: program ended with exit code 0 (within $EXIT_WAIT_MS ms)"
}

# idle SECONDS: lets time pass while answering any "No More Moves" box.
idle() {
  local deadline
  deadline=$(($(date +%s%N) + ${1%.*} * 1000000000))
  while (($(date +%s%N) < deadline)); do
    answer_no_moves
    sleep 0.25
  done
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# crop FILE WxH+X+Y NAME: saves that part of FILE as NAME.png; sets CROP.
crop() {
  CROP="$E2E_OUT/$3.png"
  convert "$1" -crop "$2" +repage "$CROP" || fail "could not crop $1"
}

# pixels_differing A B: how many pixels of two same-sized pictures differ.
pixels_differing() {
  local n
  n=$(compare -metric AE "$1" "$2" null: 2>&1)
  [[ "$n" =~ ^[0-9]+$ ]] || fail "could not compare $1 with $2: $n"
  echo "$n"
}

# fixed_size ID WHAT: the window must tell the window manager that its size is
# fixed at its client area (minimum and maximum sizes both equal it).
fixed_size() {
  local hints
  client_size "$1"
  hints=$(xprop -id "$1" WM_NORMAL_HINTS 2>/dev/null)
  if ! grep -q "minimum size: $WIDTH by $HEIGHT" <<<"$hints" ||
    ! grep -q "maximum size: $WIDTH by $HEIGHT" <<<"$hints"; then
    fail "$2 can be resized: its size hints are $(tr -s '\n\t' '  ' <<<"$hints")"
  fi
}

# start_and_play: starts the program, presses PLAY on the welcome window and waits
# for the game window; sets MAIN to it and MENU to its menu bar's height.
start_and_play() {
  start_game
  wait_window '^Welcome to Glimmerix!' 20
  click "$WIN" 228 104
  wait_window '^Glimmerix$' 20
  MAIN=$WIN
  menu_height "$MAIN"
}

# own_session_bus "$@" (first thing in a script): runs the script again on a D-Bus
# session bus of its own, which ends with it.
own_session_bus() {
  [[ -n "${GLIMMERIX_OWN_BUS:-}" ]] && return 0
  command -v dbus-run-session >/dev/null || fail "dbus-run-session is not installed"
  GLIMMERIX_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
}

# start_accessibility_bus: the bus that assistive technology and the game meet on
# (at-spi2-core), on the script's own session bus; a program started after this
# talks to it.
start_accessibility_bus() {
  local launcher=/usr/libexec/at-spi-bus-launcher i
  [[ -x "$launcher" ]] || fail "at-spi2-core is not installed"
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is not installed"
  "$launcher" --launch-immediately >"$E2E_OUT/at-spi.log" 2>&1 &
  A11Y_PID=$!
  for ((i = 0; i < 100 * PATIENCE; i++)); do
    /usr/bin/python3 -c '
from gi.repository import Gio, GLib
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
owned = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                      "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), None, 0, -1, None)
raise SystemExit(0 if owned.unpack()[0] else 1)' 2>/dev/null && break
    sleep 0.1
  done
  ((i < 100 * PATIENCE)) || fail "the accessibility bus did not come up: $(tr '\n' ' ' <"$E2E_OUT/at-spi.log")"
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# The launcher's own bus and the registry it started go with it, each by process id.
stop_accessibility_bus() {
  [[ -n "$A11Y_PID" ]] || return 0
  local pid children=() more
  more=$(ps -o pid= --ppid "$A11Y_PID" 2>/dev/null)
  while [[ -n "$more" ]]; do
    children+=($more)
    more=$(for pid in $more; do ps -o pid= --ppid "$pid" 2>/dev/null; done)
  done
  kill "$A11Y_PID" "${children[@]}" 2>/dev/null
  wait "$A11Y_PID" 2>/dev/null
  A11Y_PID=""
}
