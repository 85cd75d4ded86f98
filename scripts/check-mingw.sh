#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The transmitter link is standard C++ only: it must build for Windows too. Compiles every
# link/*.cpp with Debian's MinGW-w64 cross compiler (g++-mingw-w64-x86-64-posix).
set -euo pipefail
cd "$(dirname "$0")/.."
compiler=x86_64-w64-mingw32-g++-posix
if ! command -v "$compiler" >/dev/null; then
  echo "check-mingw: $compiler is missing (apt-get install -y g++-mingw-w64-x86-64-posix)" >&2
  exit 1
fi
# Only platform/<os>/ calls the operating system beyond Qt. MinGW has a few POSIX headers of
# its own, so every folder of the program (and platform/'s portable files) is searched for
# them too.
os_headers='#include <\(unistd\|fcntl\|termios\|sys/\|pwd\|grp\|poll\|pty\|dirent\|signal\.h\|windows\.h\|winsock\|setupapi\|dbt\.h\)'
if grep -rn "$os_headers" link app editors models sheet connection dialogkit tools resources fuzz ||
    grep -n "$os_headers" platform/*.h platform/*.cpp; then
  echo "check-mingw: an operating system header outside platform/<os>/ (above)" >&2
  exit 1
fi
for source in link/*.cpp; do
  "$compiler" -std=c++20 -Wall -Wextra -Wconversion -Wshadow -Werror -fsyntax-only -I. "$source"
done
echo "check-mingw: link/ builds for Windows; no OS header outside platform/<os>/ in the program"
