#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (fuzz/) with clang and runs each from its seed corpus in
# fuzz/corpus/<name>/ for FUZZ_SECONDS seconds (default 60), all at once. New inputs go to
# build-fuzz/corpus/<name>/, crashing inputs to build-fuzz/artifacts/<name>/.
#   FUZZ_SECONDS=600 scripts/fuzz.sh          longer runs
#   FUZZ_RUNS=10000000 scripts/fuzz.sh        a fixed number of executions per target
#   scripts/fuzz.sh receive                   only the named targets
set -euo pipefail
cd "$(dirname "$0")/.."

# clang and libFuzzer's runtime are not part of the usual build packages; the model reader
# needs QtCore.
packages=(cmake ninja-build clang libclang-rt-14-dev qt6-base-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPELORIN_FUZZ=ON -DPELORIN_BUILD_GUI=OFF -DPELORIN_BUILD_TESTS=OFF -DPELORIN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target pelorin_fuzzers

targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(receive settingsfile modeljson)
limit=(-max_total_time="${FUZZ_SECONDS:-60}")
[ -n "${FUZZ_RUNS:-}" ] && limit=(-runs="$FUZZ_RUNS")

pids=()
for name in "${targets[@]}"; do
  mkdir -p "$build/corpus/$name" "$build/artifacts/$name"
  nice -n 10 "$build/bin/pelorin-fuzz-$name" "${limit[@]}" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$name/" "$build/corpus/$name" "fuzz/corpus/$name" \
    >"$build/fuzz-$name.log" 2>&1 &
  pids+=($!)
done

passed=0
failed=0
for i in "${!targets[@]}"; do
  name=${targets[$i]}
  if wait "${pids[$i]}"; then
    passed=$((passed + 1))
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/fuzz-$name.log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$build/fuzz-$name.log")
    echo "fuzz $name: ok, $runs executions, $speed per second"
  else
    failed=$((failed + 1))
    echo "fuzz $name: FAILED; the end of $build/fuzz-$name.log:"
    grep -v '^#' "$build/fuzz-$name.log" | tail -40
    ls "$build/artifacts/$name/"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
