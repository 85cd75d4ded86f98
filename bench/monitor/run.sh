#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the Monitor window costs: the program's CPU (and the X server's) with the Monitor hidden
# and shown in turns, on xcb under a private Xvfb, while a private virtual transmitter streams
# 50 live frames per second. Each phase starts a second after the switch (showing the window
# costs something once, reported apart); the figure to read is the median over the rounds of
# shown minus hidden. Builds what it needs in BUILD_DIR first.
#
#   bench/monitor/run.sh [BUILD_DIR] [SECONDS_PER_PHASE] [ROUNDS] [FRAMES_PER_SECOND]
#     defaults: build 10 3 50
# MONITOR_BENCH_WRAPPER, when set, is put in front of the bench program (callgrind.sh uses it).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
seconds=${2:-10}
rounds=${3:-3}
rate=${4:-50}

cmake --build "$build" --target pelorin-txsim pelorin_monitor_bench >/dev/null
bin=$build/bin

work=$(mktemp -d "${TMPDIR:-/tmp}/pelorin-monitor-bench.XXXXXX")
xvfb_pid=
txsim_pid=
cleanup() {
  [ -n "$txsim_pid" ] && kill "$txsim_pid" 2>/dev/null && wait "$txsim_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# A display of our own: the first free one of :160..:239.
display=
for n in $(seq 160 239); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    kill -0 "$xvfb_pid" 2>/dev/null || break
    if [ -S "/tmp/.X11-unix/X$n" ] && [ "$(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null)" = "$xvfb_pid" ]; then
      display=:$n
      break 2
    fi
    sleep 0.1
  done
  kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=
done
[ -n "$display" ] || { echo "run.sh: no X server could be started" >&2; exit 1; }

# The transmitter in a private runtime dir, where the program finds it as COM1.
runtime=$work/runtime
mkdir -m 700 "$runtime"
XDG_RUNTIME_DIR=$runtime "$bin/pelorin-txsim" --quiet --name bench --rate "$rate" \
  >"$work/txsim.log" 2>&1 &
txsim_pid=$!
for _ in $(seq 100); do
  [ -L "$runtime/pelorin/ports/bench" ] && break
  sleep 0.1
done
[ -L "$runtime/pelorin/ports/bench" ] || { echo "run.sh: the transmitter did not start" >&2; cat "$work/txsim.log" >&2; exit 1; }

echo "Xvfb on $display, $rate frames/s, $rounds x (hidden, shown) of $seconds s; load: $(cut -d' ' -f1-3 /proc/loadavg)"
env -u WAYLAND_DISPLAY DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$runtime" \
  DBUS_SESSION_BUS_ADDRESS=disabled: \
  ${MONITOR_BENCH_WRAPPER:-} "$bin/pelorin_monitor_bench" --seconds "$seconds" --rounds "$rounds" --xserver-pid "$xvfb_pid"
