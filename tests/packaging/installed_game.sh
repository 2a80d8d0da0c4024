#!/usr/bin/env bash
# The program as the Debian package installs it: unpacked into a folder of its own,
# it starts on a private X server, away from the build tree, shows the welcome
# window under the window class its desktop entry names (so that a desktop's task
# bar groups it under the entry's name and icon), and ends cleanly when that window
# is closed.
# Usage: installed_game.sh UNPACKED-PACKAGE-ROOT
# shellcheck source-path=SCRIPTDIR source=../e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
root=${1:-}
[[ -d "$root/usr" ]] || { echo "usage: $0 UNPACKED-PACKAGE-ROOT" >&2; exit 2; }
entry="$root/usr/share/applications/org.example.Glimmerix.desktop"
[[ -f "$entry" ]] || { echo "FAIL: $entry is not in the package" >&2; exit 1; }

e2e_begin "$root/usr/bin/glimmerix"
start_game
wait_window '^Welcome to Glimmerix!' 10
log "welcome window shown: '$(title_of "$WIN")'"

wm_class=$(xprop -id "$WIN" WM_CLASS 2>/dev/null) || fail "cannot read the welcome window's class"
startup_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[[ -n "$startup_class" ]] || fail "the desktop entry names no StartupWMClass"
[[ "$wm_class" =~ ^WM_CLASS\(STRING\)\ =\ \"[^\"]*\",\ \"([^\"]*)\"$ ]] ||
  fail "unexpected window class: $wm_class"
[[ "${BASH_REMATCH[1]}" == "$startup_class" ]] ||
  fail "the window's class is '${BASH_REMATCH[1]}' but the desktop entry says StartupWMClass=$startup_class"

wmctrl -i -c "$WIN" || fail "could not ask the window manager to close the welcome window"
expect_exit 10 "closing the welcome window"
