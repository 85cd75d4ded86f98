# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix thread model, so that
# std::thread and std::mutex work). Headers and libraries come only from the MinGW root and the
# Qt for Windows given in CMAKE_PREFIX_PATH: host headers from /usr/include must never leak in.
#
# A configure reads these variables:
#   CMAKE_PREFIX_PATH       Qt for Windows (e.g. ~/.cache/pelorin/qt-6.4.2-mingw64)
#   QT_HOST_PATH            the host Qt whose moc/rcc run during the build (/usr on Debian)
#   PELORIN_HOST_BUILD_DIR  a Linux build folder of the same sources: its catalogues and
#                           pictures are copied beside the programs, and its pelorin-txsim
#                           serves the Windows serial test
#   PELORIN_WINEPREFIX      the Wine prefix the tests run in (default
#                           ~/.cache/pelorin/wineprefix-tests; made by wineboot when missing)
# The tests run under Wine through cmake/wine-run.sh, the emulator set below.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)

# The Qt for Windows counts as part of the target system's root too.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${_mingw} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs (and gtest's discovery) run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
