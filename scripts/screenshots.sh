#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots with the program's own screenshot test, and checks every window
# on X11 at the screen scales 1, 1.25, 1.5 and 2 (QT_SCALE_FACTOR) and on Wayland: a private X
# server (Xvfb) or a headless Weston, the virtual transmitter in a private runtime dir, and the
# test program, which opens the windows connected to the transmitter, checks what the screen
# shows, and saves each window as a PNG.
#
#   scripts/screenshots.sh            build, then write the README's pictures (X11, scale 1) to
#                                     docs/screenshots, the other scales and Wayland's to
#                                     build/screenshots/<scale-N|wayland>; the model window,
#                                     the Models window and the setup sheet (sheet.png, the
#                                     PDF page as pdftoppm renders it) also in de/ and zh_CN/
#   scripts/screenshots.sh --check --platform xcb|wayland --test-program FILE --txsim FILE
#                                     CTest's run: no build, the pictures go to a scratch
#                                     folder; exit 77 (skipped) when Xvfb, or Weston and
#                                     Qt's Wayland plugin, are not installed
# Options: --build-dir DIR (default build), --out DIR (default docs/screenshots).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

check=false
build_dir=$root/build
out_dir=$root/docs/screenshots
test_program=
txsim=
platforms="xcb wayland"
while [ $# -gt 0 ]; do
  case $1 in
    --check) check=true ;;
    --platform) platforms=$2; shift ;;
    --build-dir) build_dir=$2; shift ;;
    --out) out_dir=$2; shift ;;
    --test-program) test_program=$2; shift ;;
    --txsim) txsim=$2; shift ;;
    -h | --help) sed -n '2,17s/^# \{0,1\}//p' "$0"; exit 0 ;;
    *) echo "screenshots.sh: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done

wayland_plugin=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null)/platforms/libqwayland-generic.so
if $check; then
  case $platforms in
    xcb) command -v Xvfb >/dev/null || { echo "Xvfb is not installed; skipping"; exit 77; } ;;
    wayland)
      command -v weston >/dev/null || { echo "weston is not installed; Wayland is not checked (scripts/install-deps.sh installs it)"; exit 77; }
      [ -e "$wayland_plugin" ] || { echo "qt6-wayland is not installed; Wayland is not checked (scripts/install-deps.sh installs it)"; exit 77; } ;;
  esac
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
weston_pid=
txsim_pid=
cleanup() {
  [ -n "$txsim_pid" ] && kill "$txsim_pid" 2>/dev/null && wait "$txsim_pid" 2>/dev/null
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
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

$check && out_dir=$work/pictures
extra_dir=$build_dir/screenshots
$check && extra_dir=$work/pictures
echo "transmitter at $(readlink "$runtime/pelorin/ports/screenshot")"

# run_tests DIR FILTER [VAR=VALUE...]: the test program with the pictures saved in DIR, then a
# check that each window's picture was written as a PNG file.
run_tests() {
  local dir=$1 filter=$2 status=0
  shift 2
  mkdir -p "$dir"
  # Without a desktop session there is no session bus: without an address, libdbus would
  # try to start one for the display (and leave it behind).
  env "$@" XDG_RUNTIME_DIR="$runtime" DBUS_SESSION_BUS_ADDRESS=disabled: \
    PELORIN_SCREENSHOT_DIR="$dir" "$test_program" --gtest_brief=0 --gtest_filter="$filter" ||
    status=$?
  if [ $status -ne 0 ]; then
    echo "screenshots.sh: the screenshot test failed ($*)" >&2
    exit $status
  fi
  # The model window's sheet, written as a PDF page: a picture of it at 60 dpi per unit of
  # the screen's scale.
  if command -v pdftoppm >/dev/null; then
    for pdf in "$dir"/sheet.pdf "$dir"/*/sheet.pdf; do
      [ -e "$pdf" ] || continue
      pdftoppm -png -singlefile -r "$(awk "BEGIN { print 60 * ${sheet_scale:-1} }")" "$pdf" \
        "${pdf%.pdf}" && rm -f "$pdf"
    done
  fi
  for picture in main-window.png throttle-curve.png monitor.png models.png; do
    if [ "$(head -c 8 "$dir/$picture" 2>/dev/null | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
      echo "screenshots.sh: $dir/$picture was not written" >&2
      exit 1
    fi
  done
}

for platform in $platforms; do
  case $platform in
    xcb)
      if ! start_xvfb; then
        echo "screenshots.sh: no X server could be started on :120..:199" >&2
        cat "$work/xvfb.log" >&2 2>/dev/null || true
        exit 1
      fi
      echo "X11: Xvfb on $display"
      x11=(-u WAYLAND_DISPLAY DISPLAY="$display" QT_QPA_PLATFORM=xcb)
      sheet_scale=1 run_tests "$out_dir" '*' "${x11[@]}"
      for scale in 1.25 1.5 2; do
        echo "X11 at scale $scale"
        sheet_scale=$scale run_tests "$extra_dir/scale-$scale" 'ScreenshotTest.*:*HelpShots*' \
          "${x11[@]}" QT_SCALE_FACTOR=$scale
      done
      for language in de zh_CN; do
        for scale in 1 2; do
          echo "X11 at scale $scale in $language: the model window, Models and the sheet"
          dir=$out_dir
          [ "$scale" = 1 ] || dir=$extra_dir/scale-$scale
          sheet_scale=$scale run_tests "$dir" 'ScreenshotTest.Models*:ScreenshotTest.ModelWindow*' \
            "${x11[@]}" QT_SCALE_FACTOR=$scale PELORIN_SCREENSHOT_LANGUAGE=$language
        done
      done
      ;;
    wayland)
      socket=pelorin-screenshots-$$
      XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --debug \
        --socket="$socket" --width=1280 --height=1024 --idle-time=0 >"$work/weston.log" 2>&1 &
      weston_pid=$!
      for _ in $(seq 100); do
        [ -S "$runtime/$socket" ] && break
        kill -0 "$weston_pid" 2>/dev/null || break
        sleep 0.1
      done
      if ! [ -S "$runtime/$socket" ]; then
        echo "screenshots.sh: weston did not start" >&2
        cat "$work/weston.log" >&2
        exit 1
      fi
      echo "Wayland: headless weston"
      shooter=0
      command -v weston-screenshooter >/dev/null && shooter=1
      # Tests named OnX11 drive keys and tooltips as X11 delivers them; they run on X11 only.
      # Under AddressSanitizer, libwayland-client and Qt's unloaded Wayland plugin leave
      # allocations behind at exit that are not the program's; the program's own leaks are
      # checked by every other run.
      run_tests "$extra_dir/wayland" 'ScreenshotTest.*:-*OnX11*' -u DISPLAY WAYLAND_DISPLAY="$socket" \
        QT_QPA_PLATFORM=wayland PELORIN_WESTON_SCREENSHOOTER=$shooter \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
      ;;
    *) echo "screenshots.sh: unknown platform $platform" >&2; exit 2 ;;
  esac
done
$check || echo "Screenshots written to $out_dir and $extra_dir"
