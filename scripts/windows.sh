#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Pelorin for Windows, made on Debian 12: Qt for Windows built once into a cache, the programs
# cross-built with MinGW-w64, the portable unit tests run under Wine, the NSIS installer and the
# zip packed by CPack, then the end-to-end tests under Wine and Xvfb (tests/windows/e2e.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

stages_all=(deps qt host cross unit package e2e)

usage() {
  cat <<EOF
Usage: scripts/windows.sh [--only STAGE[,STAGE...]] [--skip STAGE[,STAGE...]]

Builds Pelorin for 64-bit Windows on Debian 12 and tests it under Wine. Stages, in order:
  deps     install the Debian packages that are missing (apt-get, as root or through sudo)
  qt       build Qt ${qt_version} for Windows (qtbase, then qtserialport) into the cache,
           unless it is there already
  host     the Linux build in build/ (the virtual transmitter the tests talk to)
  cross    cross-build Pelorin in build-windows/
  unit     the portable unit tests under Wine (ctest in build-windows/)
  package  Pelorin-<version>-win64-setup.exe and Pelorin-<version>-win64.zip in build-windows/
  e2e      the programs, the window and the installer under Wine (tests/windows/e2e.sh)

Environment:
  PELORIN_CACHE      where Qt for Windows, its sources and the Wine prefixes are kept
                     (default \${XDG_CACHE_HOME:-\$HOME/.cache}/pelorin, now ${cache})
  PELORIN_TOOLCHAIN  the CMake toolchain file (default cmake/mingw-w64-x86_64.cmake)
  JOBS               parallel build jobs (default: every core)
EOF
}

qt_version=6.4.2
cache=${PELORIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/pelorin}
toolchain=${PELORIN_TOOLCHAIN:-$root/cmake/mingw-w64-x86_64.cmake}
jobs=${JOBS:-$(nproc)}
# Seconds a unit test may take under Wine before it counts as hung (tests/CMakeLists.txt gives
# each test of the Windows build this too).
unit_timeout=${PELORIN_WINE_TEST_TIMEOUT:-120}
qt_prefix=$cache/qt-${qt_version}-mingw64
cross_dir=$root/build-windows
mingw=x86_64-w64-mingw32

# ---- helpers -------------------------------------------------------------------------------

say() { printf 'windows.sh: %s\n' "$*"; }
fail() { printf 'windows.sh: %s\n' "$*" >&2; exit 1; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the named Debian packages that are not installed yet.
install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing: ${missing[*]}"
  as_root apt-get update -q
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# ---- deps ----------------------------------------------------------------------------------

stage_deps() {
  # The Linux build first (compilers, host Qt, whose tools Qt for Windows is built with).
  scripts/install-deps.sh
  install_missing \
    g++-mingw-w64-x86-64-posix mingw-w64-tools \
    qt6-base-dev qt6-base-dev-tools perl patch xz-utils curl ca-certificates \
    wine wine64 fonts-wine nsis googletest \
    xvfb xauth xdotool imagemagick x11-utils fonts-dejavu-core
}

# ---- qt ------------------------------------------------------------------------------------

# Debian's own fixes for faults in the parts of qtbase built here; its other patches adapt Qt to
# Debian's packaging (shared zstd, which MinGW has not, Debian's cross setup and build paths,
# documentation links, other CPUs) and are left out.
qt_patches=(cve-2023-24607.patch cve-2023-32762.diff cve-2023-32763.diff cve-2023-33285.diff)

qt_configure_options=(
  -xplatform win32-g++ -qt-host-path /usr -no-pkg-config
  -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre
  -no-opengl -no-vulkan -no-dbus -nomake examples -nomake tests -release
  -- -G Ninja -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  # Debian's sources lack the WinTab headers. The program uses Core, Gui, Widgets, PrintSupport
  # and Test; the modules and formats it never loads are left out, which shortens the build.
  -DFEATURE_tabletevent=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_gif=OFF)

# What the installed Qt was made from: a Qt in the cache with another stamp is built again.
qt_stamp_text() {
  printf 'qtbase %s\n' "$qt_version"
  printf 'patches: %s\n' "${qt_patches[*]}"
  printf 'compiler: %s\n' "$("$mingw-g++-posix" --version | head -n1)"
  printf 'configure: %s\n' "${qt_configure_options[*]}"
}

# Makes sure apt can fetch Debian's sources: a deb-src twin of the main Debian archive entry.
ensure_deb_src() {
  local list=/etc/apt/sources.list.d/pelorin-src.sources
  if grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return 0
  fi
  say "adding $list (Debian's source packages) and updating apt"
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    # The first stanza is the main archive; comments dropped, Types changed.
    awk 'BEGIN { RS = ""; FS = "\n" } NR == 1 {
           for (i = 1; i <= NF; i++) {
             if ($i ~ /^#/) continue
             if ($i ~ /^Types:/) $i = "Types: deb-src"
             print $i
           }
         }' /etc/apt/sources.list.d/debian.sources | as_root tee "$list" >/dev/null
  elif grep -qsE '^deb ' /etc/apt/sources.list; then
    list=/etc/apt/sources.list.d/pelorin-src.list
    grep -E '^deb ' /etc/apt/sources.list | grep -v security | sed 's/^deb /deb-src /' \
      | as_root tee "$list" >/dev/null
  else
    fail "no Debian archive entry in /etc/apt to copy as deb-src; add one for qt6-base's sources"
  fi
  as_root apt-get update -q
}

# Fetches qtbase's sources from Debian and unpacks them into $qt_tree with the patches above.
qt_tree=$cache/src/qtbase-everywhere-src-$qt_version
qt_sources() {
  local src=$cache/src tree=$qt_tree
  mkdir -p "$src"
  if [ ! -f "$tree/.pelorin-patched" ]; then
    ensure_deb_src
    # A deb-src entry whose lists were never fetched gives "no source package": fetch them.
    (cd "$src" && apt-get source --download-only qt6-base) \
      || { as_root apt-get update -q && (cd "$src" && apt-get source --download-only qt6-base); }
    local orig debian_tar
    orig=$(ls "$src"/qt6-base_"$qt_version"*.orig.tar.* 2>/dev/null | head -n1)
    debian_tar=$(ls "$src"/qt6-base_"$qt_version"*.debian.tar.* 2>/dev/null | head -n1)
    [ -n "$orig" ] && [ -n "$debian_tar" ] \
      || fail "Debian's qt6-base sources in $src are not Qt $qt_version"
    rm -rf "$tree" "$src/debian"
    say "unpacking $(basename "$orig")"
    tar -C "$src" -xf "$orig"
    tar -C "$src" -xf "$debian_tar"
    local p
    for p in "${qt_patches[@]}"; do
      patch -d "$tree" -p1 --forward --quiet <"$src/debian/patches/$p"
    done
    rm -rf "$src/debian"
    touch "$tree/.pelorin-patched"
  fi
}

stage_qt() {
  local stamp=$qt_prefix/pelorin-qt.stamp
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$(qt_stamp_text)" ]; then
    say "Qt for Windows is in $qt_prefix"
    build_qt_serialport
    return 0
  fi
  [ -f "$toolchain" ] || fail "toolchain file $toolchain is missing"
  local tree=$qt_tree build=$cache/build-qt
  qt_sources
  rm -rf "$build" "$qt_prefix"
  mkdir -p "$build"
  say "configuring Qt in $build"
  (cd "$build" && "$tree/configure" -prefix "$qt_prefix" "${qt_configure_options[@]}" \
     "-DCMAKE_TOOLCHAIN_FILE=$toolchain") >"$build/configure.log" 2>&1 \
    || { tail -n 40 "$build/configure.log"; fail "Qt's configure failed ($build/configure.log)"; }
  say "building Qt ($jobs jobs; about 20 minutes on two cores)"
  cmake --build "$build" --parallel "$jobs" >"$build/build.log" 2>&1 \
    || { tail -n 40 "$build/build.log"; fail "building Qt failed ($build/build.log)"; }
  cmake --install "$build" >"$build/install.log" 2>&1 \
    || { tail -n 40 "$build/install.log"; fail "installing Qt failed ($build/install.log)"; }
  local f
  for f in bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6Test.dll \
           plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll; do
    [ -f "$qt_prefix/$f" ] || fail "Qt was built but $qt_prefix/$f is missing"
  done
  qt_stamp_text >"$stamp"
  # The build folder is 1 GB of objects nothing needs again.
  rm -rf "$build"
  say "Qt for Windows installed in $qt_prefix"
  build_qt_serialport
}

# Qt SerialPort, built into the same prefix from Debian's qt6-serialport. Its own stamp: a Qt
# already in the cache gets the module added without qtbase being built again.
serialport_orig=qt6-serialport_${qt_version}.orig.tar.xz
# The checksum in Debian's qt6-serialport_6.4.2-2.dsc. The tarball is upstream's, the same in
# Debian's and Ubuntu's archives and on download.qt.io; Debian's archive is tried first.
serialport_sha256=336d95919037800184b3c3de8ccb6f62954b20f3756c05adce8d5010504340fa
serialport_urls=(
  "http://deb.debian.org/debian/pool/main/q/qt6-serialport/$serialport_orig"
  "http://archive.ubuntu.com/ubuntu/pool/universe/q/qt6-serialport/$serialport_orig"
  "https://download.qt.io/archive/qt/6.4/${qt_version}/submodules/qtserialport-everywhere-src-${qt_version}.tar.xz")

serialport_tarball_ok() {
  echo "$serialport_sha256  $1" | sha256sum --check --status 2>/dev/null
}

serialport_sources() {
  local src=$cache/src file url
  file=$src/$serialport_orig
  mkdir -p "$src"
  for url in "${serialport_urls[@]}"; do
    serialport_tarball_ok "$file" && break
    say "fetching $url"
    curl -fsSL --retry 2 --max-time 300 -o "$file.part" "$url" && mv "$file.part" "$file" || rm -f "$file.part"
  done
  serialport_tarball_ok "$file" \
    || fail "no $serialport_orig with the checksum of Debian's qt6-serialport in $src (put it there by hand)"
  rm -rf "$src/qtserialport-everywhere-src-$qt_version"
  tar -C "$src" -xf "$file"
}

build_qt_serialport() {
  local stamp=$qt_prefix/pelorin-qtserialport.stamp want
  want="qtserialport $qt_version $serialport_sha256"
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then
    return 0
  fi
  local build=$cache/build-qtserialport
  serialport_sources
  rm -rf "$build"
  say "building Qt SerialPort"
  cmake -S "$cache/src/qtserialport-everywhere-src-$qt_version" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release "-DCMAKE_TOOLCHAIN_FILE=$toolchain" "-DCMAKE_PREFIX_PATH=$qt_prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "-DCMAKE_INSTALL_PREFIX=$qt_prefix" >"$cache/qtserialport-build.log" 2>&1 \
    && cmake --build "$build" --parallel "$jobs" >>"$cache/qtserialport-build.log" 2>&1 \
    && cmake --install "$build" >>"$cache/qtserialport-build.log" 2>&1 \
    || { tail -n 40 "$cache/qtserialport-build.log"; fail "building Qt SerialPort failed ($cache/qtserialport-build.log)"; }
  [ -f "$qt_prefix/bin/Qt6SerialPort.dll" ] || fail "Qt SerialPort was built but $qt_prefix/bin/Qt6SerialPort.dll is missing"
  echo "$want" >"$stamp"
  rm -rf "$build" "$cache/src/qtserialport-everywhere-src-$qt_version"
  say "Qt SerialPort for Windows installed in $qt_prefix"
}

# ---- host ----------------------------------------------------------------------------------

# The Linux build the Windows build leans on: the virtual transmitter the tests talk to, and the
# catalogues and pictures, which programs of the build machine make: only those targets, in
# build/ as scripts/run.sh configures it (reused when it is there).
stage_host() {
  if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build build --parallel "$jobs" --target pelorin-txsim pelorin_translations pelorin_pictures
}

# ---- cross ---------------------------------------------------------------------------------

stage_cross() {
  [ -f "$qt_prefix/bin/Qt6Core.dll" ] || fail "no Qt for Windows in $qt_prefix (stage qt)"
  [ -f "$toolchain" ] || fail "toolchain file $toolchain is missing"
  if [ ! -f "$cross_dir/CMakeCache.txt" ]; then
    cmake -S . -B "$cross_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      "-DCMAKE_TOOLCHAIN_FILE=$toolchain" "-DCMAKE_PREFIX_PATH=$qt_prefix" -DQT_HOST_PATH=/usr \
      "-DPELORIN_HOST_BUILD_DIR=$root/build"
  fi
  cmake --build "$cross_dir" --parallel "$jobs"
}

# ---- unit ----------------------------------------------------------------------------------

stage_unit() (
  export PELORIN_WINDOWS_QT=$qt_prefix PELORIN_WINEPREFIX=$cache/wineprefix-tests WINEDEBUG=-all
  # The prefix made before the tests start, and one Wine server for the whole run instead of
  # one started and stopped per test program (a server still running is kept).
  cmake/wine-run.sh cmd /c ver >/dev/null
  WINEPREFIX=$PELORIN_WINEPREFIX wineserver -p 2>/dev/null || true
  # A unit test needs seconds, even under Wine; one that hangs is Wine's hang more often than
  # the test's. What fails or hangs runs once more, alone, in a fresh Wine server, and the run
  # says how many needed that.
  status=0
  ctest --test-dir "$cross_dir" --output-on-failure --timeout "$unit_timeout" -j "$jobs" || status=$?
  WINEPREFIX=$PELORIN_WINEPREFIX wineserver -k || true
  if [ $status -ne 0 ] && [ -s "$cross_dir/Testing/Temporary/LastTestsFailed.log" ]; then
    failed=$(wc -l <"$cross_dir/Testing/Temporary/LastTestsFailed.log")
    say "$failed test(s) failed or hung under Wine; running them once more in a fresh Wine server"
    echo "Windows unit tests run again in a fresh Wine server: $failed" >>"${PELORIN_CI_NOTES:-/dev/null}"
    cmake/wine-run.sh cmd /c ver >/dev/null
    WINEPREFIX=$PELORIN_WINEPREFIX wineserver -p 2>/dev/null || true
    status=0
    ctest --test-dir "$cross_dir" --output-on-failure --timeout "$unit_timeout" --rerun-failed || status=$?
    WINEPREFIX=$PELORIN_WINEPREFIX wineserver -k || true
  fi
  exit $status
)

# ---- package -------------------------------------------------------------------------------

package_base() {
  local version
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$cross_dir/CMakeCache.txt")
  echo "$cross_dir/Pelorin-$version-win64"
}

stage_package() {
  local base
  base=$(package_base)
  rm -f "$base-setup.exe" "$base.zip"
  (cd "$cross_dir" && cpack --config CPackConfig.cmake) >"$cross_dir/cpack.log" 2>&1 \
    || { cat "$cross_dir/cpack.log"; fail "cpack failed"; }
  [ -f "$base-setup.exe" ] && [ -f "$base.zip" ] || { cat "$cross_dir/cpack.log"; fail "cpack made no $base-setup.exe and .zip"; }
  say "made $(basename "$base")-setup.exe ($(du -h "$base-setup.exe" | cut -f1)) and $(basename "$base").zip ($(du -h "$base.zip" | cut -f1))"
}

# ---- e2e -----------------------------------------------------------------------------------

# The shipped files, unpacked from the zip, against the virtual transmitter; the pictures for
# the README land in build-windows/screenshots.
stage_e2e() {
  local base unpacked
  base=$(package_base)
  unpacked=$(mktemp -d "${TMPDIR:-/tmp}/pelorin-zip.XXXXXX")
  (cd "$unpacked" && cmake -E tar xf "$base.zip")
  local status=0
  tests/windows/e2e.sh --programs "$unpacked/$(basename "$base")" --setup "$base-setup.exe" \
    --txsim build/bin/pelorin-txsim --shots "$cross_dir/screenshots" || status=$?
  rm -rf "$unpacked"
  [ $status -eq 0 ] || fail "the end-to-end tests under Wine failed"
}

# ---- running the stages --------------------------------------------------------------------

run_stage() {
  local name=$1 start
  start=$(date +%s)
  say "---- $name"
  "stage_$name"
  say "---- $name took $(($(date +%s) - start)) s"
}

main() {
  local only="" skip=""
  while [ $# -gt 0 ]; do
    case $1 in
      --help | -h) usage; exit 0 ;;
      --only) only=${2:?--only needs a stage list}; shift ;;
      --only=*) only=${1#*=} ;;
      --skip) skip=${2:?--skip needs a stage list}; shift ;;
      --skip=*) skip=${1#*=} ;;
      *) usage >&2; exit 2 ;;
    esac
    shift
  done
  local s k known
  for s in ${only//,/ } ${skip//,/ }; do
    known=no
    for k in "${stages_all[@]}"; do [ "$s" = "$k" ] && known=yes; done
    [ $known = yes ] || fail "no stage named '$s' (see --help)"
  done
  local total_start
  total_start=$(date +%s)
  for s in "${stages_all[@]}"; do
    if [ -n "$only" ] && [[ ",$only," != *",$s,"* ]]; then continue; fi
    if [[ ",$skip," == *",$s,"* ]]; then continue; fi
    run_stage "$s"
  done
  say "done in $(($(date +%s) - total_start)) s"
}

main "$@"
