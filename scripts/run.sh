#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and the virtual transmitter, starts the transmitter on a
# pseudo-terminal and the program connected to it. Closing the program stops the transmitter.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target pelorin pelorin-txsim
build/bin/pelorin-txsim "$@" &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null' EXIT
# Give the simulator a moment to register its port before the program probes for it.
for _ in $(seq 50); do
  ls "${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -un)}"/pelorin/ports/* >/dev/null 2>&1 && break
  sleep 0.1
done
build/bin/pelorin
