#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the Monitor window costs, in instructions rather than CPU time: run.sh's phases under
# callgrind, which counts every instruction the program runs, so the figures come out the same
# on a busy machine and a quiet one. Each phase is dumped apart; the sums per second of hidden
# and shown phases are compared. Slow (about 50 times), so the phases should be long enough for
# the program's start-up to be over: 20 s or more.
#
#   bench/monitor/callgrind.sh [BUILD_DIR] [SECONDS_PER_PHASE] [ROUNDS] [FRAMES_PER_SECOND]
#     defaults: build 20 2 50; the dumps stay in OUT_DIR (default: a new folder under /tmp)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
seconds=${2:-20}
rounds=${3:-2}
rate=${4:-50}
command -v valgrind >/dev/null || { echo "callgrind.sh: valgrind is not installed" >&2; exit 1; }
out=${OUT_DIR:-$(mktemp -d "${TMPDIR:-/tmp}/pelorin-monitor-callgrind.XXXXXX")}
mkdir -p "$out"
rm -f "$out"/callgrind.out.*

MONITOR_BENCH_WRAPPER="valgrind --tool=callgrind --callgrind-out-file=$out/callgrind.out.%p" \
  "$root/bench/monitor/run.sh" "$build" "$seconds" "$rounds" "$rate"

# Every dump names its phase ("shown 20.000 s 1000 frames") and counts its instructions.
for f in "$out"/callgrind.out.*; do
  trigger=$(sed -n 's/^desc: Trigger: Client Request: //p' "$f")
  total=$(sed -n 's/^totals: //p;s/^summary: //p' "$f" | head -n1 | cut -d' ' -f1)
  [ -n "$trigger" ] && [ -n "$total" ] && echo "$trigger $total"
done | awk '
  { kind = $1; secs[kind] += $2; frames[kind] += $4; ir[kind] += $6 }
  END {
    for (k in secs) printf "%-6s %7.1f s %6d frames %9.2f M instructions/s\n", k, secs[k], frames[k], ir[k] / secs[k] / 1e6
    if (secs["hidden"] > 0 && secs["shown"] > 0)
      printf "the Monitor adds %.2f M instructions/s\n", ir["shown"] / secs["shown"] / 1e6 - ir["hidden"] / secs["hidden"] / 1e6
  }'
echo "dumps in $out (callgrind_annotate FILE shows where they go)"
