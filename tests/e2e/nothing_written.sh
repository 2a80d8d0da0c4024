#!/usr/bin/env bash
# The game writes nothing and talks to nobody but the X server: a short game under
# strace opens no file for writing outside the toolkit's own caches and runtime
# folder, and connects no socket beyond the display.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
command -v strace >/dev/null || fail "strace is not installed"

TRACE="$E2E_OUT/trace.log"
REAL_BIN=$GAME_BIN
GAME_BIN=$E2E_OUT/traced.sh
printf '#!/bin/sh\nexec strace -f -qq -o %q -e trace=open,openat,creat,socket,connect %q\n' \
  "$TRACE" "$REAL_BIN" > "$GAME_BIN"
chmod +x "$GAME_BIN"

start_and_play
main=$MAIN
for cell in 0 1 9 10 18 27 36 45 54 63; do
  click "$main" $((cell / 8 * 40 + 20)) $((MENU + cell % 8 * 40 + 20))
done
press "$main" ctrl+p
wait_window '^Glimmerix$' 10 "$main"
press "$WIN" Return
wait_shown "$main" 10 "the game window after the pause"
press "$main" ctrl+x
expect_exit 5 "Exit"

grep -q "X11-unix/X$DISPLAY_NUM\"" "$TRACE" || fail "the trace does not show the display connection"
written=$(grep -E '(open|openat|creat)\(' "$TRACE" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(' |
  grep -v -E '= -1 ' |
  grep -v -E '"(/dev/null|/dev/shm/[^"]*|/tmp/runtime-[^"]*|'"$XDG_RUNTIME_DIR"'[^"]*|'"$HOME"'/\.cache/[^"]*)"')
[[ -z "$written" ]] || fail "the game opened files for writing: $written"
sockets=$(grep -E ' socket\((AF_INET|AF_INET6|AF_PACKET)' "$TRACE")
[[ -z "$sockets" ]] || fail "the game opened network sockets: $sockets"
peers=$(grep -E ' connect\(' "$TRACE" | grep -E '\) = 0$' | grep -v -E "X11-unix/X$DISPLAY_NUM\"")
[[ -z "$peers" ]] || fail "the game connected to something besides the display: $peers"
log "no file written, no socket but the display's ($(grep -c '' "$TRACE") calls traced)"
