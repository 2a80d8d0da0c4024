# A Wayland compositor of the test's own, for the tests of the game on Wayland
# desktops. Source after lib.sh and call after e2e_begin; the exit trap stops it.
# shellcheck shell=bash

# start_weston headless|x11: starts weston with that backend and exports
# WAYLAND_DISPLAY. The x11 backend shows weston's screen as a window on the test's
# X server (sets OUTPUT to its id), where xdotool's keys and clicks reach it.
start_weston() {
  local backend=$1 socket="glimmerix-e2e-$DISPLAY_NUM" i
  command -v weston >/dev/null || fail "weston is not installed"
  compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
    fail "Qt's Wayland platform is not installed (qt6-wayland)"
  weston --backend="$backend-backend.so" --socket="$socket" --idle-time=0 \
    --width=1000 --height=700 >"$E2E_OUT/weston.log" 2>&1 &
  COMPOSITOR_PID=$!
  for ((i = 0; i < 100 * PATIENCE; i++)); do
    [[ -S "$XDG_RUNTIME_DIR/$socket" ]] && break
    kill -0 "$COMPOSITOR_PID" 2>/dev/null || fail "weston ended at start: $(tail -3 "$E2E_OUT/weston.log")"
    sleep 0.1
  done
  ((i < 100 * PATIENCE)) || fail "weston opened no socket within $((10 * PATIENCE)) s"
  export WAYLAND_DISPLAY=$socket
  log "weston ($backend) on $WAYLAND_DISPLAY"
  if [[ "$backend" == x11 ]]; then
    for ((i = 0; i < 100 * PATIENCE; i++)); do
      OUTPUT=$(timeout 5 xdotool search --onlyvisible --class '^Weston Compositor$' 2>/dev/null | head -1)
      [[ -n "$OUTPUT" ]] && break
      sleep 0.1
    done
    [[ -n "$OUTPUT" ]] || fail "weston's screen did not show on $DISPLAY"
    # Its shell draws the desktop: until then the screen is all black.
    for ((i = 0; i < 50 * PATIENCE; i++)); do
      output_shot desktop
      (($(convert "$SHOT" -format '%k' info:) > 1)) && return 0
      sleep 0.1
    done
    fail "weston's shell drew no desktop (see $SHOT)"
  fi
}

# output_shot NAME: a screenshot of weston's screen; sets SHOT and SHOT_MS.
output_shot() { shot "$OUTPUT" "$1"; }

# colour_box FILE RGB: prints the box "WxH+X+Y" around every pixel of that colour,
# or nothing when there is none.
colour_box() {
  local box
  box=$(convert "$1" -fill black +opaque "rgb($2)" -format '%@' info: 2>/dev/null)
  [[ "$box" == 0x0+* ]] || echo "$box"
}

# bar_box NAME: the bonus bar on weston's screen. Sets BAR (its length in pixels,
# 0 when no game window is shown), BAR_X and BAR_Y (its top left) and BAR_MS.
bar_box() {
  local box
  output_shot "$1"
  BAR_MS=$SHOT_MS
  box=$(colour_box "$SHOT" "$BAR_BLUE")
  BAR=0
  [[ -n "$box" ]] || return 0
  [[ "$box" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "cannot read the bar's box '$box'"
  BAR=${BASH_REMATCH[1]} BAR_X=${BASH_REMATCH[3]} BAR_Y=${BASH_REMATCH[4]}
  ((BASH_REMATCH[2] < 12)) || fail "more than the bar is painted in its blue ($box, see $SHOT)"
}

# wait_bar SHOWN|GONE SECONDS WHAT: waits until a game window shows its bar, or none does.
wait_bar() {
  local want=$1 seconds=$(($2 * PATIENCE)) what=$3 i
  for ((i = 0; i < seconds * 5; i++)); do
    bar_box "wait-bar"
    [[ "$want" == SHOWN ]] && ((BAR > 0)) && return 0
    [[ "$want" == GONE ]] && ((BAR == 0)) && return 0
    require_alive "while waiting for $what"
    sleep 0.1
  done
  [[ "$want" == SHOWN ]] && fail "$what: no game window with its bar showed within $seconds s (see $SHOT)"
  fail "$what: the game window still shows its bar after $seconds s (see $SHOT)"
}
