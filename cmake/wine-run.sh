#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program of the cross build under Wine: the emulator of the cross build
# (CMAKE_CROSSCOMPILING_EMULATOR), so ctest and gtest's discovery run the tests with it.
# The program finds Qt's DLLs and the MinGW runtime through WINEPATH, Qt's plugins beside the
# Qt it was built against. The prefix is PELORIN_WINEPREFIX (or WINEPREFIX), made once.
set -euo pipefail
qt=${PELORIN_WINDOWS_QT:-$HOME/.cache/pelorin/qt-6.4.2-mingw64}
export WINEPREFIX=${PELORIN_WINEPREFIX:-${WINEPREFIX:-$HOME/.cache/pelorin/wineprefix-tests}}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe=d;mscoree=d;mshtml=d}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QT_PLUGIN_PATH="Z:${qt//\//\\}\\plugins"
runtime="Z:\\usr\\lib\\gcc\\x86_64-w64-mingw32\\12-posix;Z:\\usr\\x86_64-w64-mingw32\\lib"
export WINEPATH="Z:${qt//\//\\}\\bin;$runtime${WINEPATH:+;$WINEPATH}"
# One prefix for many test runs, made once under a lock so that parallel tests wait for it;
# the mark is written only after wineboot has finished (system.reg appears long before).
ready=$WINEPREFIX/.pelorin-ready
if [[ ! -f $ready ]]; then
  mkdir -p "$WINEPREFIX"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [[ ! -f $ready ]]; then
    wine wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$ready"
  fi
  flock -u 9
fi
exec wine "$@"
