#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Windows serial control's test program under Wine against a virtual transmitter:
# pelorin-txsim (a Linux program) serves a pseudo-terminal, which the Wine prefix sees as COM5.
# Usage: serial_with_txsim.sh PELORIN_TXSIM WINE_RUN TEST_PROGRAM [gtest options]
set -euo pipefail
txsim=$1 wine_run=$2 program=$3
shift 3
export WINEPREFIX=${PELORIN_WINEPREFIX:-${WINEPREFIX:-$HOME/.cache/pelorin/wineprefix-tests}}
work=$(mktemp -d)
pid=
cleanup() {
  [[ -n $pid ]] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -f "$WINEPREFIX/dosdevices/com5"
  rm -rf "$work"
}
trap cleanup EXIT
# The prefix is made by the first program run in it.
"$wine_run" cmd /c exit >/dev/null 2>&1 || true
"$txsim" --port-dir "$work" --name tx --rate 100 >"$work/txsim.log" 2>&1 &
pid=$!
for _ in $(seq 100); do
  [[ -L $work/tx ]] && break
  sleep 0.1
done
[[ -L $work/tx ]] || { echo "pelorin-txsim did not start:"; cat "$work/txsim.log"; exit 1; }
ln -sfn "$(readlink "$work/tx")" "$WINEPREFIX/dosdevices/com5"
status=0
PELORIN_TEST_COM=COM5 PELORIN_TEST_MISSING_COM=COM19 "$wine_run" "$program" "$@" || status=$?
echo "--- what pelorin-txsim received:"
cat "$work/txsim.log"
exit "$status"
