#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# CPU use of the running program while the virtual transmitter streams live channel frames
# (the display repaints on each frame that changes it, at most every 10 ms): starts a private
# X server (unless DISPLAY is set),
# a private virtual-port folder, the transmitter and the program, and reads the program's CPU
# time from /proc over a measuring period.
#   bench/display/cpu_usage.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
build=${1:-build}
seconds=${2:-30}
bin=$build/bin
[ -x "$bin/pelorin" ] && [ -x "$bin/pelorin-txsim" ] || {
  echo "build pelorin and pelorin-txsim in $build first" >&2
  exit 1
}

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -n "${runtime:-}" ] && rm -rf "$runtime"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 150 250); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=":$n"; break; }
  done
  Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
  pids+=($!)
  export DISPLAY=$display
  sleep 1
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime

"$bin/pelorin-txsim" -q &
pids+=($!)
for _ in $(seq 50); do
  ls "$runtime"/pelorin/ports/* >/dev/null 2>&1 && break
  sleep 0.1
done
"$bin/pelorin" &
program=$!
pids+=("$program")
sleep 3  # start-up and the first settings frame

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks "$program")
sleep "$seconds"
after=$(ticks "$program")
awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" \
  'BEGIN { printf "pelorin used %.2f s of CPU in %d s: %.1f%% of one core\n", t / hz, s, 100 * t / hz / s }'
