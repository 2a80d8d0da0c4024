#!/usr/bin/env bash
# The game beside an empty Qt window with the same two timers, in one run on a private
# X server with a window manager: time from exec to the first window on screen, peak
# resident memory, and CPU over 10 s of idle play (game window open, clock running).
# Usage: bench/compare.sh [build dir, default build/release] [runs, default 10]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-10}
source tests/e2e/lib.sh
start_x

# Milliseconds from exec until a window with the title is mapped.
shown_ms() {  # binary title
  local t0 pid
  t0=$(date +%s%N)
  "$1" > /dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "$2" > /dev/null 2>&1; do sleep 0.002; done
  echo $(( ($(date +%s%N) - t0) / 1000000 )) "$pid"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {  # name binary title [command to reach idle play]
  local times=() peak=0 ms pid
  for _ in $(seq "$runs"); do
    read -r ms pid < <(shown_ms "$2" "$3")
    times+=("$ms")
    sleep 0.5
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"; wait "$pid" 2> /dev/null || true
  done
  read -r ms pid < <(shown_ms "$2" "$3")
  [ -n "${4:-}" ] && eval "$4"
  sleep 2
  local before after hz
  hz=$(getconf CLK_TCK)
  before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep 10
  after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  kill "$pid"; wait "$pid" 2> /dev/null || true
  printf '%-8s shown %4s ms (median of %s)   peak RSS %6.1f MB   idle CPU %5.2f %%\n' \
    "$1" "$(printf '%s\n' "${times[@]}" | median)" "$runs" "$(echo "$peak / 1024" | bc -l)" \
    "$(echo "100 * ($after - $before) / $hz / 10" | bc -l)"
}

play='w=$(xdotool search --onlyvisible --name "^Welcome"); xdotool mousemove --sync --window "$w" 228 104 click 1; xdotool search --sync --onlyvisible --name "^Glimmerix\$" > /dev/null'
measure empty "$build/bench/empty_window" '^Empty$'
measure game "$build/ui/glimmerix" '^Welcome to Glimmerix' "$play"
