#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package (cpack -G DEB, in build-deb configured for /usr), runs lintian over
# it (errors fail, warnings are shown), installs it with apt-get as a user would, checks what it
# holds and that the installed programs run without a display, and removes it again, also when
# a step failed. Needs root (or sudo) for the install. Safe to run again.
#   scripts/check-deb.sh [BUILD_DIR]
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build-deb}
case $build in /*) ;; *) build=$root/$build ;; esac

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
export DEBIAN_FRONTEND=noninteractive

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
step() { echo "== $*"; }

installed=no
scratch=$(mktemp -d)
cleanup() {
  if [ "$installed" = yes ]; then
    step "removing the package"
    $SUDO apt-get remove -y -q pelorin >/dev/null || echo "FAIL: apt-get remove pelorin"
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT

step "building the package in $build"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_INSTALL_PREFIX=/usr -DPELORIN_BUILD_TESTS=OFF -DPELORIN_BUILD_BENCH=OFF \
  "${launcher[@]}" >/dev/null || { echo "FAIL: cmake configure"; exit 1; }
cmake --build "$build" || { echo "FAIL: build"; exit 1; }
rm -f "$build"/pelorin_*.deb
(cd "$build" && cpack -G DEB) >"$scratch/cpack.log" 2>&1 || {
  cat "$scratch/cpack.log"
  echo "FAIL: cpack -G DEB"
  exit 1
}
debs=("$build"/pelorin_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single pelorin_*.deb"; exit 1; }
deb=${debs[0]}
echo "$deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

step "lintian"
if command -v lintian >/dev/null; then
  lintian --fail-on error --display-info "$deb" || fail "lintian reports errors"
else
  fail "lintian is not installed (scripts/install-deps.sh installs it)"
fi

step "contents"
dpkg -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$scratch/contents"
expect() {
  grep -qx -- "$1" "$scratch/contents" || fail "the package lacks $1"
}
app=io.github.pelorin.Pelorin
programs=(pelorin pelorin-dump pelorin-txsim)
[ -d "$root/tools/cli" ] && programs+=(pelorin-cli)
for program in "${programs[@]}"; do
  expect "/usr/bin/$program"
  expect "/usr/share/man/man1/$program.1.gz"
done
for picture in help_en.pic help_de.pic help_zh_CN.pic stick1.bmp stick2.bmp stick3.bmp stick4.bmp; do
  expect "/usr/share/pelorin/$picture"
done
expect "/usr/share/applications/$app.desktop"
expect "/usr/share/metainfo/$app.metainfo.xml"
expect "/usr/share/icons/hicolor/256x256/apps/$app.png"
expect "/usr/share/icons/hicolor/scalable/apps/$app.svg"
expect "/usr/share/doc/pelorin/copyright"
# A catalogue for every translation the source tree has.
for ts in "$root"/translations/*.ts; do
  [ -e "$ts" ] || continue
  name=$(basename "$ts" .ts)
  expect "/usr/share/pelorin/translations/$name.qm"
done
# The simulator is a tool: only the configurator is on the menu.
desktops=$(grep -c '\.desktop$' "$scratch/contents")
[ "$desktops" -eq 1 ] || fail "the package holds $desktops desktop entries, not 1"
grep '^/usr/share/pelorin/translations/' "$scratch/contents" || true

step "installing with apt-get"
# A package left from an interrupted run would make apt-get keep its files.
if dpkg-query -W -f='${Status}' pelorin 2>/dev/null | grep -q 'install ok installed'; then
  $SUDO apt-get remove -y -q pelorin >/dev/null
fi
# apt's download user must be able to read the file.
cp "$deb" "$scratch/" && chmod 755 "$scratch" && chmod 644 "$scratch/$(basename "$deb")"
if (cd "$scratch" && $SUDO apt-get install -y -q "./$(basename "$deb")"); then
  installed=yes
else
  fail "apt-get install of the package"
fi

if [ "$installed" = yes ]; then
  step "running the installed programs without a display"
  headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
  for program in "${programs[@]}"; do
    # pelorin-dump has no --version of its own.
    if [ "$program" = pelorin-dump ] && ! /usr/bin/pelorin-dump --help 2>&1 | grep -q -- --version; then
      continue
    fi
    out=$(cd "$scratch" && "${headless[@]}" "/usr/bin/$program" --version 2>&1)
    echo "$program --version: $out"
    [[ $out == "$program "[0-9]* ]] || fail "/usr/bin/$program --version printed: $out"
  done
  "${headless[@]}" /usr/bin/pelorin --help >/dev/null 2>&1 || fail "/usr/bin/pelorin --help"

  # A settings file: the package's own changelog is no settings file, 67 zero bytes are one.
  head -c 67 /dev/zero >"$scratch/zero.bin"
  (cd "$scratch" && /usr/bin/pelorin-dump zero.bin >dump.txt) || fail "/usr/bin/pelorin-dump zero.bin"
  [ -s "$scratch/dump.txt" ] || fail "pelorin-dump printed nothing"
  /usr/bin/pelorin-dump /usr/share/doc/pelorin/copyright >/dev/null 2>&1
  [ $? -eq 3 ] || fail "pelorin-dump did not refuse a file that is no settings file with status 3"
  if /usr/bin/pelorin-dump --help 2>&1 | grep -q -- --pack; then
    (cd "$scratch" && /usr/bin/pelorin-dump --json zero.bin >zero.json &&
      /usr/bin/pelorin-dump --pack zero.json back.bin && cmp zero.bin back.bin) ||
      fail "pelorin-dump --json then --pack does not give the file back"
  fi
  for page in "${programs[@]}"; do
    man --warnings -l "/usr/share/man/man1/$page.1.gz" >/dev/null 2>"$scratch/man.err"
    [ -s "$scratch/man.err" ] && fail "man $page: $(cat "$scratch/man.err")"
  done
fi

cleanup
installed=no
if dpkg-query -W -f='${Status}' pelorin 2>/dev/null | grep -q 'install ok installed'; then
  fail "the package is still installed after apt-get remove"
fi

if [ $failures -eq 0 ]; then
  echo "OK: $(basename "$deb") builds, passes lintian, installs, runs and is removed"
else
  echo "$failures check(s) failed"
fi
[ $failures -eq 0 ]
