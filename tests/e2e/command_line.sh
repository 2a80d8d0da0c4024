#!/usr/bin/env bash
# The program started from a terminal, with no display anywhere:
#   --version, -v, --help, -h print their text on standard output and exit 0;
#   with no display for any platform, one line on standard error and exit status 1,
#   not an abort; with a platform that fails (an unknown one, an X display nobody
#   serves, named in DISPLAY or with -display), two: what failed, and Qt's reason;
#   a platform named on the command line is still Qt's to take.
# Usage: command_line.sh PATH-TO-GLIMMERIX
set -u
game=${1:?usage: command_line.sh PATH-TO-GLIMMERIX}
out=$PWD/command_line.out
rm -rf "$out" && mkdir -p "$out"
runtime=$(mktemp -d "${TMPDIR:-/tmp}/glimmerix-cli.XXXXXX")
chmod 0700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# run NAME [VARIABLE=VALUE]... [ARG]...: runs the program without any display but
# those variables give; sets RC, OUT and ERR.
run() {
  local name=$1 settings=()
  shift
  while [[ "${1:-}" =~ ^[A-Z_]+= ]]; do
    settings+=("$1")
    shift
  done
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
    XDG_RUNTIME_DIR="$runtime" "${settings[@]}" timeout 20 "$game" "$@" \
    >"$out/$name.out" 2>"$out/$name.err" </dev/null
  RC=$?
  OUT=$(cat "$out/$name.out") ERR=$(cat "$out/$name.err")
}

# expect NAME RC STDOUT-PATTERN STDERR-PATTERN: what the last run gave (patterns are
# bash regular expressions on the whole text).
expect() {
  ((RC == $2)) || fail "$1: exit status $RC, expected $2 (stderr: $ERR)"
  [[ "$OUT" =~ $3 ]] || fail "$1: standard output is '$OUT'"
  [[ "$ERR" =~ $4 ]] || fail "$1: standard error is '$ERR'"
}

for option in --version -v; do
  run version "$option"
  expect "$option" 0 '^Glimmerix 1\.00$' '^$'
done

for option in --help -h; do
  run help "$option"
  expect "$option" 0 $'^Usage: [^\n]*glimmerix \\[options\\]\n.*-platform.*--help.*--version' '^$'
done

# Qt's own options before ours are not taken for ours (-reverse holds a v).
run qt-options -reverse -stylesheet none.qss --version
expect "Qt's options, then --version" 0 '^Glimmerix 1\.00$' '^$'

run no-display
expect "no display at all" 1 '^$' $'^glimmerix: [^\n]*DISPLAY[^\n]*$'

# Qt's reason is the second line: what the platform reported, and the platforms there are.
readonly ANY=$'[^\n]*'
# reason WHAT-FAILED QT-SAYS: the pattern of the two lines.
reason() {
  echo "^glimmerix: cannot open a display ${ANY}$1${ANY}"$'\n'"glimmerix: Qt says: $2${ANY}; Available platform plugins are: ${ANY}xcb${ANY}\$"
}
run unknown-platform -platform foo
expect "-platform foo" 1 '^$' "$(reason 'platform foo' 'Could not find the Qt platform plugin "foo"')"

# dead_display NAME [VARIABLE=VALUE]... [ARG]...: runs the program as `run` does, on an
# X display number that no server holds, written @N in the settings and arguments; sets N.
# A server may hold it unseen from another root that shares this machine's abstract
# sockets, or take it between the check and the run: then the next number is tried.
dead_display() {
  local name=$1
  shift
  for ((N = 190; N > 100; N--)); do
    [[ -e /tmp/.X$N-lock || -e /tmp/.X11-unix/X$N ]] && continue
    xdpyinfo -display ":$N" >/dev/null 2>&1 && continue
    run "$name" "${@//@N/$N}"
    ((RC == 1)) || ! xdpyinfo -display ":$N" >/dev/null 2>&1 && return 0
    echo "display :$N was taken while the program ran; trying the next one" >&2
  done
}
dead_display dead-display DISPLAY=:@N
expect "DISPLAY=:$N with no X server" 1 '^$' "$(reason "DISPLAY :$N" "could not connect to display :$N")"
dead_display dash-display -platform xcb -display :@N
expect "-platform xcb -display :$N" 1 '^$' \
  "$(reason "platform xcb, -display :$N" "could not connect to display :$N")"

# The offscreen platform needs no display: the program starts and waits for events,
# in poll with Qt's offscreen platform loaded. (Where /proc does not tell, 20 s alive do.)
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
  "$game" -platform offscreen >"$out/offscreen.out" 2>"$out/offscreen.err" </dev/null &
pid=$!
for ((i = 0; i < 200; i++)); do
  kill -0 "$pid" 2>/dev/null || break
  grep -q libqoffscreen "/proc/$pid/maps" 2>/dev/null &&
    [[ "$(cat "/proc/$pid/wchan" 2>/dev/null)" == *poll* ]] && break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  wait "$pid" 2>/dev/null
else
  fail "-platform offscreen: the program ended ($(cat "$out/offscreen.err"))"
fi

((failures == 0)) || exit 1
echo "PASS: --version, --help, no display, an unknown platform, dead displays and -platform offscreen"
