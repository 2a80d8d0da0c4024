#!/usr/bin/env bash
# The program as the Debian package installs it: unpacked into a folder of its own,
# it starts on a private X server, away from the build tree, ends the launcher's
# startup notification when its first window shows (the desktop entry promises it,
# and without it the busy cursor spins on), shows the welcome window under the window
# class its desktop entry names (so that a desktop's task bar groups it under the
# entry's name and icon), and ends cleanly when that window is closed.
# Usage: installed_game.sh UNPACKED-PACKAGE-ROOT STARTUP-WATCH-PROGRAM
# shellcheck source-path=SCRIPTDIR source=../e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
root=${1:-} startup_watch=${2:-}
[[ -d "$root/usr" && -x "$startup_watch" ]] ||
  { echo "usage: $0 UNPACKED-PACKAGE-ROOT STARTUP-WATCH-PROGRAM" >&2; exit 2; }
entry="$root/usr/share/applications/org.example.Glimmerix.desktop"
[[ -f "$entry" ]] || { echo "FAIL: $entry is not in the package" >&2; exit 1; }
grep -qx 'StartupNotify=true' "$entry" || fail "the desktop entry does not ask for startup notification"

e2e_begin "$root/usr/games/glimmerix"
# A launcher hands the program the launch's id; the program must send "remove"
# with that id once its window is up.
"$startup_watch" 20 >"$E2E_OUT/startup.txt" 2>&1 &
watch_pid=$!
for ((i = 0; i < 50 * PATIENCE; i++)); do
  grep -qx watching "$E2E_OUT/startup.txt" && break
  sleep 0.1
done
((i < 50 * PATIENCE)) || fail "the startup-notification watch did not start"
export DESKTOP_STARTUP_ID="glimmerix-test-$$_TIME0"
start_game
unset DESKTOP_STARTUP_ID
wait_window '^Welcome to Glimmerix!' 10
log "welcome window shown: '$(title_of "$WIN")'"
wait "$watch_pid" || true
grep -qxF "remove: ID=glimmerix-test-$$_TIME0" "$E2E_OUT/startup.txt" ||
  fail "the program did not end its startup notification; seen: $(tr '\n' ' ' <"$E2E_OUT/startup.txt")"
log "startup notification ended: $(tail -n 1 "$E2E_OUT/startup.txt")"

wm_class=$(xprop -id "$WIN" WM_CLASS 2>/dev/null) || fail "cannot read the welcome window's class"
startup_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[[ -n "$startup_class" ]] || fail "the desktop entry names no StartupWMClass"
[[ "$wm_class" =~ ^WM_CLASS\(STRING\)\ =\ \"[^\"]*\",\ \"([^\"]*)\"$ ]] ||
  fail "unexpected window class: $wm_class"
[[ "${BASH_REMATCH[1]}" == "$startup_class" ]] ||
  fail "the window's class is '${BASH_REMATCH[1]}' but the desktop entry says StartupWMClass=$startup_class"

wmctrl -i -c "$WIN" || fail "could not ask the window manager to close the welcome window"
expect_exit 10 "closing the welcome window"
