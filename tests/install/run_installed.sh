#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# run_installed.sh PREFIX BINDIR PICTURECHECK CONFIGURED_DATADIR
# Runs the programs of an install (made by check_install.sh) from a directory that has nothing
# of the project in it: the installed pelorin starts with no transmitter and keeps running,
# and a picture check copied beside it finds every picture through the installed data folder.
# Exit 77 (skipped) when the install has no pelorin.
set -uo pipefail
prefix=$1 bindir=$2 picturecheck=$3 configured_datadir=$4

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if [ ! -x "$prefix/$bindir/pelorin" ]; then
  echo "no installed pelorin in $prefix/$bindir; skipping"
  exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/pelorin-installed.XXXXXX")
pelorin_pid=
cleanup() {
  [ -n "$pelorin_pid" ] && kill "$pelorin_pid" 2>/dev/null && wait "$pelorin_pid" 2>/dev/null
  rm -f "$prefix/$bindir/$(basename "$picturecheck")"
  rm -rf "$work"
}
trap cleanup EXIT

elsewhere=$work/elsewhere
runtime=$work/runtime
mkdir -p "$elsewhere" && mkdir -m 700 "$runtime"
cd "$elsewhere" || exit 1
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime

# The program starts without a transmitter (it says so in a message box) and keeps running
# until it is told to stop.
"$prefix/$bindir/pelorin" >"$work/pelorin.log" 2>&1 &
pelorin_pid=$!
for _ in $(seq 30); do
  kill -0 "$pelorin_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pelorin_pid" 2>/dev/null; then
  kill "$pelorin_pid" && wait "$pelorin_pid" 2>/dev/null
  echo "installed pelorin started in $elsewhere and ran until stopped"
else
  wait "$pelorin_pid"
  fail "installed pelorin ended by itself (status $?)"
  cat "$work/pelorin.log"
fi
pelorin_pid=

# The pictures, looked up as the windows look them up, by a program in the installed bin/.
if [ -x "$picturecheck" ]; then
  cp "$picturecheck" "$prefix/$bindir/" || fail "cannot copy the picture check into $prefix/$bindir"
  "$prefix/$bindir/$(basename "$picturecheck")" || fail "the installed pictures were not found"

  # The same program outside any prefix finds nothing, so the pictures above came from the
  # install and not from this directory or another copy. Not decidable when the configured
  # data folder exists on this machine.
  if [ ! -d "$configured_datadir" ]; then
    mkdir -p "$work/bare/bin" && cp "$picturecheck" "$work/bare/bin/"
    "$work/bare/bin/$(basename "$picturecheck")" --missing ||
      fail "pictures were found without an install"
  fi
else
  fail "picture check program $picturecheck is not built"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
