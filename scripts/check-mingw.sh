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
# Only the per-system folders (platform/linux/, tests/platform/windows/, tests/support/posix/ and
# the like) call the operating system beyond Qt. MinGW has a few POSIX headers of its own, so
# every other C++ file of the tree (the program, its tests, benches and fuzz targets) is
# searched for them too.
os_headers='#include <\(unistd\|fcntl\|termios\|sys/\|pwd\|grp\|poll\|pty\|dirent\|signal\.h\|windows\.h\|winsock\|setupapi\|dbt\.h\)'
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  sources=$(git ls-files '*.cpp' '*.h')
else
  sources=$(find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||')
fi
if printf '%s\n' "$sources" | grep -vE '(^|/)(linux|posix|windows)/' | xargs grep -n "$os_headers"; then
  echo "check-mingw: an operating system header outside a per-system folder (above)" >&2
  exit 1
fi
for source in link/*.cpp; do
  "$compiler" -std=c++20 -Wall -Wextra -Wconversion -Wshadow -Werror -fsyntax-only -I. "$source"
done
echo "check-mingw: link/ builds for Windows; no OS header outside the per-system folders"
