#!/usr/bin/env bash
# The program started from a terminal, with no display anywhere:
#   --version, -v, --help, -h print their text on standard output and exit 0;
#   with no display for any platform, or an X display nobody serves, one line on
#   standard error and exit status 1, not an abort;
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

# An X display number that no server holds (one may hold it unseen from another
# root that shares this machine's abstract sockets: ask the number itself).
for ((n = 190; n > 100; n--)); do
  [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
  xdpyinfo -display ":$n" >/dev/null 2>&1 || break
done
run dead-display DISPLAY=":$n"
expect "DISPLAY=:$n with no X server" 1 '^$' $'^glimmerix: [^\n]*:'"$n"$'[^\n]*$'

# The offscreen platform needs no display: the program starts and keeps running.
run offscreen -platform offscreen &
pid=$!
sleep 2
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  wait "$pid" 2>/dev/null
else
  fail "-platform offscreen: the program ended ($(cat "$out/offscreen.err"))"
fi

((failures == 0)) || exit 1
echo "PASS: --version, --help, no display, a dead display and -platform offscreen"
