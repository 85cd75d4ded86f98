#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# check_install.sh CMAKE BUILD_DIR PREFIX EXPECTED_LIST BINDIR DATADIR APP_ID
# Installs the build into PREFIX (emptied first) and checks what lands there.
set -uo pipefail
cmake=$1 build=$2 prefix=$3 expected=$4 bindir=$5 datadir=$6 appid=$7

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

rm -rf "$prefix"
if ! "$cmake" --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
  cat "$prefix.log"
  echo "FAIL: cmake --install failed (is everything built?)"
  exit 1
fi

# Every expected file, and nothing expected that is empty.
count=0
while IFS= read -r file; do
  [ -z "$file" ] && continue
  count=$((count + 1))
  [ -s "$prefix/$file" ] || fail "missing or empty: $file"
done <"$expected"
[ "$count" -gt 0 ] || fail "the list of expected files is empty"

# Programs are executable and the dump tool runs from where it is installed.
for program in pelorin pelorin-txsim pelorin-dump pelorin-cli; do
  if grep -qx "$bindir/$program" "$expected"; then
    [ -x "$prefix/$bindir/$program" ] || fail "$program is not executable"
  fi
done
if grep -qx "$bindir/pelorin-dump" "$expected"; then
  (cd / && "$prefix/$bindir/pelorin-dump" --help >/dev/null) || fail "installed pelorin-dump --help"
fi
if grep -qx "$bindir/pelorin-cli" "$expected"; then
  (cd / && "$prefix/$bindir/pelorin-cli" --help >/dev/null) || fail "installed pelorin-cli --help"
fi

# The pictures are real BMP files of the sizes the windows are laid out for.
bmp_size() {
  local magic size
  magic=$(head -c 2 "$1")
  [ "$magic" = BM ] || { echo "not-a-bmp"; return; }
  size=$(od -An -t d4 -j 18 -N 8 "$1" | tr -s ' ' | sed 's/^ //')
  echo "${size/ /x}"
}
check_picture() {
  local file=$prefix/$datadir/pelorin/$1
  [ -f "$file" ] || return
  local got
  got=$(bmp_size "$file")
  [ "$got" = "$2" ] || fail "$1 is $got, expected a $2 BMP"
}
if grep -q "/pelorin/stick1.bmp" "$expected"; then
  for mode in 1 2 3 4; do check_picture "stick$mode.bmp" 150x100; done
fi

# The icon's PNG is the 256 px size its folder promises.
png=$prefix/$datadir/icons/hicolor/256x256/apps/$appid.png
if [ -f "$png" ]; then
  png_size=$(od -An -t u1 -j 16 -N 8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$png_size" = 256x256 ] || fail "$appid.png is $png_size, expected 256x256"
fi

# The launcher entry starts an installed program and names an installed icon; the
# AppStream file launches that entry.
desktop=$prefix/$datadir/applications/$appid.desktop
if [ -f "$desktop" ]; then
  exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -x "$prefix/$bindir/$exec_program" ] || fail "Exec=$exec_program is not an installed program"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [ -f "$prefix/$datadir/icons/hicolor/256x256/apps/$icon.png" ] || fail "Icon=$icon has no PNG"
  [ -f "$prefix/$datadir/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon has no SVG"
  metainfo=$prefix/$datadir/metainfo/$appid.metainfo.xml
  grep -q "<id>$appid</id>" "$metainfo" || fail "metainfo id is not $appid"
  grep -q "<launchable type=\"desktop-id\">$appid.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $appid.desktop"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed; installed tree:"
  (cd "$prefix" && find . -type f | sort)
  exit 1
fi
echo "install into $prefix: $count files checked"
