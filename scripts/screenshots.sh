#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots with the program's own screenshot test: a private X server
# (Xvfb) on a free display, the virtual transmitter in a private runtime dir, and the test
# program, which opens the main window connected to the transmitter and the throttle curve
# editor, checks what the X server shows, and saves both windows as PNGs.
#
#   scripts/screenshots.sh            build, then write docs/screenshots/main-window.png,
#                                     docs/screenshots/throttle-curve.png and monitor.png
#   scripts/screenshots.sh --check --test-program FILE --txsim FILE
#                                     CTest's run: no build, the pictures go to a scratch
#                                     folder; exit 77 (skipped) when Xvfb is not installed
# Options: --build-dir DIR (default build), --out DIR (default docs/screenshots),
# --only PATTERN (run only the tests that match, as --gtest_filter; the README's pictures
# are then not required).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

check=false
build_dir=$root/build
out_dir=$root/docs/screenshots
test_program=
txsim=
only=
while [ $# -gt 0 ]; do
  case $1 in
    --check) check=true ;;
    --build-dir) build_dir=$2; shift ;;
    --out) out_dir=$2; shift ;;
    --test-program) test_program=$2; shift ;;
    --txsim) txsim=$2; shift ;;
    --only) only=$2; shift ;;
    -h | --help) sed -n '2,14s/^# \{0,1\}//p' "$0"; exit 0 ;;
    *) echo "screenshots.sh: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done

if $check; then
  if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is not installed; skipping"
    exit 77
  fi
else
  "$root/scripts/install-deps.sh"
  cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build_dir" --target pelorin-txsim pelorin_screenshot_tests
fi
test_program=${test_program:-$build_dir/bin/pelorin_screenshot_tests}
txsim=${txsim:-$build_dir/bin/pelorin-txsim}
for program in "$test_program" "$txsim"; do
  [ -x "$program" ] || { echo "screenshots.sh: $program is not built" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/pelorin-screenshots.XXXXXX")
xvfb_pid=
txsim_pid=
cleanup() {
  [ -n "$txsim_pid" ] && kill "$txsim_pid" 2>/dev/null && wait "$txsim_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# A display of our own: the first of :120..:199 with neither a lock file nor a socket. Another
# server may take the same number at the same moment; the lock file then names that server's
# pid, not ours, and the next number is tried.
start_xvfb() {
  local n lock
  for n in $(seq 120 199); do
    lock=/tmp/.X$n-lock
    [ -e "$lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
      kill -0 "$xvfb_pid" 2>/dev/null || break
      if [ -S "/tmp/.X11-unix/X$n" ] && [ "$(tr -d ' \n' <"$lock" 2>/dev/null)" = "$xvfb_pid" ]; then
        if ! command -v xdpyinfo >/dev/null || xdpyinfo -display ":$n" >/dev/null 2>&1; then
          display=:$n
          return 0
        fi
      fi
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
  done
  return 1
}
if ! start_xvfb; then
  echo "screenshots.sh: no X server could be started on :120..:199" >&2
  cat "$work/xvfb.log" >&2 2>/dev/null || true
  exit 1
fi

# The transmitter registers in its runtime dir, where the test program (given the same dir)
# finds it as COM1; a developer's own running transmitter is never seen.
runtime=$work/runtime
mkdir -m 700 "$runtime"
XDG_RUNTIME_DIR=$runtime "$txsim" --quiet --name screenshot >"$work/txsim.log" 2>&1 &
txsim_pid=$!
for _ in $(seq 100); do
  [ -L "$runtime/pelorin/ports/screenshot" ] && break
  kill -0 "$txsim_pid" 2>/dev/null || break
  sleep 0.1
done
if ! [ -L "$runtime/pelorin/ports/screenshot" ]; then
  echo "screenshots.sh: the virtual transmitter did not start" >&2
  cat "$work/txsim.log" >&2
  exit 1
fi

if $check; then
  out_dir=$work/pictures
fi
mkdir -p "$out_dir"
echo "Xvfb on $display, transmitter at $(readlink "$runtime/pelorin/ports/screenshot")"
status=0
# The private display has no desktop session and so no session bus: without an address,
# libdbus would try to start one for the display (and leave it behind).
env -u WAYLAND_DISPLAY DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$runtime" \
  DBUS_SESSION_BUS_ADDRESS=disabled: PELORIN_SCREENSHOT_DIR="$out_dir" \
  "$test_program" --gtest_brief=0 ${only:+--gtest_filter="$only"} || status=$?
if [ $status -ne 0 ]; then
  echo "screenshots.sh: the screenshot test failed" >&2
  exit $status
fi

# The README's pictures were written, as PNG files.
[ -n "$only" ] && exit 0
for picture in main-window.png throttle-curve.png monitor.png models.png; do
  if [ "$(head -c 8 "$out_dir/$picture" 2>/dev/null | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    echo "screenshots.sh: $out_dir/$picture was not written" >&2
    exit 1
  fi
done
$check || echo "Screenshots written to $out_dir"
