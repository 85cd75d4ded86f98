#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# check_manpage.sh PAGE [PROGRAM]
# The page formats without a warning (as lintian formats it), has a NAME line whatis can
# read, and, given its program, names every long option that the program's --help lists.
# The program runs without a display, as a user on a text console would run it.
# Exit 77 (skipped) when man is not installed.
set -uo pipefail
page=$1 program=${2:-}

if ! command -v man >/dev/null || ! command -v lexgrog >/dev/null; then
  echo "man-db is not installed; skipping"
  exit 77
fi

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
  man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man reports for $page:"$'\n'"$warnings"
lexgrog "$page" >/dev/null || fail "whatis cannot read the NAME section of $page"

if [ -n "$program" ]; then
  help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help 2>&1)
  status=$?
  [ $status -eq 0 ] || fail "$program --help exited with $status: $help"
  # The page's text with roff's escaped dashes as plain ones.
  text=$(sed 's/\\-/-/g' "$page")
  # Qt's --help-all only repeats --help with the toolkit's own options.
  options=$(grep -oE -- '--[a-z][a-z0-9-]*' <<<"$help" | grep -vx -- '--help-all' | sort -u)
  [ -n "$options" ] || fail "$program --help lists no long option"
  for option in $options; do
    grep -qE -- "${option}([^a-z0-9-]|\$)" <<<"$text" || fail "$page does not mention $option"
  done
fi

[ $failures -eq 0 ] && echo "OK: $page"
[ $failures -eq 0 ]
