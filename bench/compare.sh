#!/usr/bin/env bash
# The game beside an empty Qt window with the same two timers, measured in one run on
# a private X server with a window manager: time from exec to the first window on
# screen, peak resident memory, and CPU used over 10 s of idle play (the game window
# open and its clock running).
# Usage: bench/compare.sh [build dir, default build/release] [runs, default 10]
cd "$(dirname "$0")/.." || exit 1
build=$(realpath "${1:-build/release}")
runs=${2:-10}
source tests/e2e/lib.sh
cd "$(mktemp -d)" || exit 1  # screenshots and logs of the run go here
e2e_begin "$build/ui/glimmerix"

# Milliseconds from exec until a window with the title is mapped; sets PID.
shown_ms() {  # binary title
  local t0
  t0=$(date +%s%N)
  "$1" > /dev/null 2>&1 &
  PID=$!
  until xdotool search --onlyvisible --name "$2" > /dev/null 2>&1; do
    kill -0 "$PID" 2> /dev/null || fail "$1 did not start"
    sleep 0.001
  done
  SHOWN_MS=$((($(date +%s%N) - t0) / 1000000))
}

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

cpu_ns() { awk '{print $1}' "/proc/$1/schedstat"; }

measure() {  # name binary title [how to reach idle play]
  local times=() peak=0 before
  for _ in $(seq "$runs"); do
    shown_ms "$2" "$3"
    times+=("$SHOWN_MS")
    kill "$PID"; wait "$PID" 2> /dev/null
  done
  shown_ms "$2" "$3"
  [ -n "${4:-}" ] && $4
  sleep 2
  before=$(cpu_ns "$PID")
  sleep 10
  local used=$(($(cpu_ns "$PID") - before))
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$PID/status")
  kill "$PID"; wait "$PID" 2> /dev/null
  awk -v name="$1" -v shown="$(printf '%s\n' "${times[@]}" | median)" -v runs="$runs" \
    -v peak="$peak" -v used="$used" 'BEGIN {
      printf "%-6s shown after %4d ms (median of %d)  peak RSS %6.1f MB  CPU over 10 s idle %5.3f %%\n",
        name, shown, runs, peak / 1024, 100 * used / 1e9 / 10 }'
}

press_play() {
  local welcome
  welcome=$(xdotool search --onlyvisible --name '^Welcome to Glimmerix')
  click "$welcome" 228 104
  wait_window '^Glimmerix$' 10
}

measure empty "$build/bench/empty_window" '^Empty$'
measure game "$build/ui/glimmerix" '^Welcome to Glimmerix' press_play
