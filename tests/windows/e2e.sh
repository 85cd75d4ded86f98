#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end tests of Pelorin for Windows under Wine, against the virtual transmitter:
#   e2e.sh --programs DIR --setup SETUP.EXE --txsim PELORIN-TXSIM [--shots DIR] [--keep]
# DIR holds the programs as they are shipped (the unpacked zip). In a fresh Wine prefix, COM5 is
# linked to the virtual transmitter's pseudo-terminal; then
#   - pelorin-cli.exe reads, writes (verified) and monitors the transmitter;
#   - pelorin-dump.exe --sheet writes a file's setup sheet as a PDF that holds its values;
#   - pelorin.exe, under Xvfb, asks for the settings at start, moves its bars with the live
#     frames, writes the exact block an edit in the Reverse editor gives, saves a 67-byte file
#     and sends an opened one; the transmitter's block is read back after each run;
#   - the installer installs silently, the installed program opens its window, the uninstaller
#     removes it.
# With --shots, the main window and the Reverse editor are kept there as PNG pictures.
set -uo pipefail

programs="" setup="" txsim="" shots="" keep=no
while [ $# -gt 0 ]; do
  case $1 in
    --programs) programs=$2; shift ;;
    --setup) setup=$2; shift ;;
    --txsim) txsim=$2; shift ;;
    --shots) shots=$2; shift ;;
    --keep) keep=yes ;;
    *) echo "e2e.sh: unknown argument $1" >&2; exit 2 ;;
  esac
  shift
done
for need in programs setup txsim; do
  [ -n "${!need}" ] || { echo "e2e.sh: --$need is missing" >&2; exit 2; }
done
programs=$(cd "$programs" && pwd)
for f in "$programs/pelorin.exe" "$programs/pelorin-cli.exe" "$setup" "$txsim"; do
  [ -e "$f" ] || { echo "e2e.sh: $f does not exist" >&2; exit 2; }
done

passed=0 failed=0
pass() { passed=$((passed + 1)); echo "ok   - $*"; }
fail() { failed=$((failed + 1)); echo "FAIL - $*"; }
check() { # check DESCRIPTION COMMAND...: passes when the command succeeds
  local what=$1; shift
  if "$@"; then pass "$what"; else fail "$what"; return 1; fi
}

work=$(mktemp -d "${TMPDIR:-/tmp}/pelorin-e2e.XXXXXX")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko: nothing here needs them, and a fresh prefix would ask for them.
export WINEDLLOVERRIDES="mscoree=;mshtml="
export LANG=C.UTF-8 LC_ALL=C.UTF-8
txsim_pid="" xvfb_pid="" app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$txsim_pid" ] && kill "$txsim_pid" 2>/dev/null
  [ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  if [ $keep = yes ]; then echo "e2e.sh: kept $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

elapsed_since() { echo $(($(date +%s) - $1)); }
t0=$(date +%s)

# ---- the display and the prefix --------------------------------------------------------------

exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
exec 5>&-
[ -s "$work/display" ] || { echo "e2e.sh: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

echo "e2e.sh: making a fresh Wine prefix in $WINEPREFIX"
if ! timeout 300 wine wineboot -i >"$work/wineboot.log" 2>&1 || ! wineserver -w; then
  echo "e2e.sh: wineboot failed"; cat "$work/wineboot.log"; exit 1
fi
# Debian's Wine does not load the fonts of fonts-wine by itself: without them Qt falls back to a
# serif face and the title bars lack their button glyphs.
for font in /usr/share/wine/fonts/*.ttf; do
  ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
done
# Wine draws the windows' frames itself, as Windows does, rather than leaving them to an X
# window manager (there is none on Xvfb).
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
echo "e2e.sh: prefix ready after $(elapsed_since "$t0") s"

# ---- the virtual transmitter on COM5 --------------------------------------------------------

bytes() { # bytes FILE OFFSET HEX...: writes the bytes at OFFSET
  local file=$1 offset=$2 hex; shift 2
  for hex in "$@"; do
    printf "\\x$hex" | dd of="$file" bs=1 seek="$offset" conv=notrunc status=none
    offset=$((offset + 1))
  done
}

# The transmitter starts with a helicopter model whose every field is within its editor's range,
# so that the window's packing gives back the very bytes it received.
start=$work/start.bin
head -c 67 /dev/zero >"$start"
bytes "$start" 0 01                              # HELI-120, MODEL1
bytes "$start" 2 64 46 64 46 64 46               # dual rates 100/70
bytes "$start" 8 32 32 32                        # swash AFR 50 %
bytes "$start" 11 64 64 64 64 64 64 64 64 64 64 64 64   # end points 100 %
bytes "$start" 23 00 00 19 19 32 32 4b 4b 64 64  # throttle curve
bytes "$start" 33 00 00 19 19 32 32 4b 4b 64 64  # pitch curve

mkdir -p "$work/ports"
"$txsim" --port-dir "$work/ports" --name e2e --settings "$start" --rate 50 \
  >"$work/txsim.log" 2>&1 &
txsim_pid=$!
for _ in $(seq 50); do [ -L "$work/ports/e2e" ] && break; sleep 0.1; done
pty=$(readlink "$work/ports/e2e")
if [ -z "$pty" ]; then echo "e2e.sh: the virtual transmitter did not start"; cat "$work/txsim.log"; exit 1; fi
ln -sfn "$pty" "$WINEPREFIX/dosdevices/com5"
echo "e2e.sh: COM5 is the virtual transmitter on $pty"

# What the transmitter logged since line N (its log numbers nothing itself).
log_lines() { wc -l <"$work/txsim.log"; }
log_since() { tail -n +"$(($1 + 1))" "$work/txsim.log"; }
wait_log() { # wait_log SINCE PATTERN SECONDS
  local i
  for i in $(seq $(($3 * 10))); do
    log_since "$1" | grep -q "$2" && return 0
    sleep 0.1
  done
  return 1
}
winpath() { printf 'Z:%s' "$1"; }
cli() { timeout 60 wine "$programs/pelorin-cli.exe" "$@"; }

# The transmitter's block as the command-line program reads it (after a window has closed).
read_back() { # read_back FILE
  rm -f "$1"
  cli read --port COM5 -o "$(winpath "$1")" >"$work/read.log" 2>&1
}
same_block() { # same_block EXPECTED ACTUAL: the 65 block bytes match and the slots are 0
  cmp -n 65 "$1" "$2" >/dev/null && [ "$(stat -c %s "$2")" -eq 67 ] &&
    [ "$(od -An -tx1 -j65 -N2 "$2" | tr -d ' \n')" = 0000 ]
}

# ---- pelorin-cli.exe --------------------------------------------------------------------------

t=$(date +%s)
read_back "$work/read1.bin"
check "pelorin-cli read: 67 bytes, the transmitter's block and two zero slots" \
  same_block "$start" "$work/read1.bin"

written=$work/written.bin
cp "$start" "$written"
bytes "$written" 1 05      # reverse CH1 and CH3
bytes "$written" 45 f9     # sub trim CH3 -7
mark=$(log_lines)
if cli write "$(winpath "$written")" --port COM5 >"$work/write.log" 2>&1; then
  pass "pelorin-cli write: written and verified (status 0): $(tail -n1 "$work/write.log" | tr -d '\r')"
else
  fail "pelorin-cli write: status $? ($(tr -d '\r' <"$work/write.log"))"
fi
check "pelorin-cli write: the transmitter logged the WriteFrame with sub trim CH3 changed" \
  wait_log "$mark" 'sub trim CH3: 0 -> -7' 5
read_back "$work/read2.bin"
check "pelorin-cli read after write: the block written" same_block "$written" "$work/read2.bin"

cli monitor --port COM5 --seconds 2 >"$work/monitor.log" 2>&1
status=$?
frames=$(grep -cE '^ *[0-9]+\.[0-9]+( +-?[0-9]+){7} *.?$' "$work/monitor.log")
check "pelorin-cli monitor: status 0 and at least 20 frame lines in 2 s ($frames)" \
  test "$status" -eq 0 -a "$frames" -ge 20
check "pelorin-cli monitor: closing line counts the frames and no drops" \
  grep -qE 'frames received [1-9][0-9]*, dropped 0' "$work/monitor.log"
echo "e2e.sh: pelorin-cli checks took $(elapsed_since "$t") s"

# ---- pelorin-dump.exe --sheet ------------------------------------------------------------------

sheet=$work/sheet.pdf
timeout 60 wine "$programs/pelorin-dump.exe" --sheet "$(winpath "$sheet")" "$(winpath "$written")" \
  >"$work/sheet.log" 2>&1
check "pelorin-dump --sheet wrote a PDF (status $?)" test "$(head -c 4 "$sheet" 2>/dev/null)" = "%PDF"
if command -v pdftotext >/dev/null; then
  sheet_text=$(pdftotext -layout "$sheet" - 2>/dev/null)
  check "the sheet's PDF holds the file's name, its six channels and sub trim CH3 -7" \
    sh -c 'printf "%s" "$1" | grep -q written && printf "%s" "$1" | grep -q CH6 &&
           printf "%s" "$1" | grep -Eq "CH3 .* -7"' sh "$sheet_text"
fi

# ---- pelorin.exe ------------------------------------------------------------------------------

# Starts the window on COM5 in the folder $work/run and waits for it.
start_window() {
  mkdir -p "$work/run"
  (cd "$work/run" && exec wine "$programs/pelorin.exe" --port COM5) >>"$work/pelorin.log" 2>&1 &
  app_pid=$!
  main_window=""
  for _ in $(seq 300); do
    main_window=$(xdotool search --onlyvisible --name '^Pelorin$' 2>/dev/null | head -n1)
    [ -n "$main_window" ] && break
    sleep 0.1
  done
  [ -n "$main_window" ]
}
wait_window() { # wait_window TITLE: the window's id, once it is shown
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
# Keys go where the keyboard focus is, as a user's do.
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
close_window() {
  keys Escape
  for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app_pid" 2>/dev/null; then
    fail "pelorin.exe did not end on Escape"
    kill "$app_pid"
  fi
  wait "$app_pid" 2>/dev/null
  app_pid=""
  wineserver -w
}
# A picture of window ID once it is painted: a window that is shown but not drawn yet is a few
# flat colours (a frame around black).
shot() { # shot ID FILE
  for _ in $(seq 25); do
    import -window "$1" "$2" 2>/dev/null &&
      [ "$(identify -format %k "$2" 2>/dev/null || echo 0)" -gt 24 ] && return 0
    sleep 0.2
  done
  return 1
}
# What the whole screen showed when a check failed, kept in the work folder (--keep).
shots_taken=0
screen() {
  shots_taken=$((shots_taken + 1))
  import -window root "$work/screen-$shots_taken.png" 2>/dev/null
  echo "     (the screen $1: $work/screen-$shots_taken.png)"
}
# Waits until window ID has the keyboard focus, so that keys typed next reach it.
wait_focus() {
  for _ in $(seq 50); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
wait_gone() { # wait_gone TITLE
  for _ in $(seq 100); do
    [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ] && return 0
    sleep 0.1
  done
  return 1
}
# Types a path into the file chooser that opens and takes it.
choose_file() { # choose_file TITLE PATH
  local id
  id=$(wait_window "$1") || return 1
  wait_focus "$id"
  sleep 0.3
  xdotool type --delay 30 "$(winpath "$2")"
  keys Return
  wait_gone "$1"
}
wait_file() { # wait_file PATH: until it exists (the program writes it after the chooser closed)
  for _ in $(seq 50); do [ -e "$1" ] && return 0; sleep 0.1; done
  return 1
}

t=$(date +%s)
mark=$(log_lines)
if start_window; then
  pass "pelorin.exe opened its window"
else
  fail "pelorin.exe showed no window named Pelorin"; cat "$work/pelorin.log"
fi
check "pelorin.exe sent the ReadRequest (55 FD) at start" wait_log "$mark" ReadRequest 20
sleep 1
shot "$main_window" "$work/main-1.png"
sleep 0.5
shot "$main_window" "$work/main-2.png"
difference=$(compare -metric AE "$work/main-1.png" "$work/main-2.png" null: 2>&1)
check "the bars follow the live frames: two shots half a second apart differ ($difference pixels)" \
  test "${difference%% *}" -gt 0 2>/dev/null

# Focus starts on GetUser; Reverse is the seventh button. Its first box is CH1; OK is the default.
mark=$(log_lines)
keys Tab Tab Tab Tab Tab Tab space
if editor=$(wait_window Reverse); then
  pass "Tab to Reverse and Space opened the Reverse editor"
  wait_focus "$editor"
  keys space
  shot "$editor" "$work/reverse.png"
  keys Return
else
  fail "the Reverse editor did not open"
fi
edited=$work/edited.bin
cp "$written" "$edited"
bytes "$edited" 1 04      # CH1 back to normal, CH3 still reversed
# The transmitter's read-back after the window has closed shows the whole block; here, that OK
# sent one WriteFrame and it changed CH1's reverse.
one_write_changing() { # one_write_changing FIELD_LINE: since $mark
  wait_log "$mark" "$1" 10 && [ "$(log_since "$mark" | grep -c WriteFrame)" -eq 1 ]
}
check "Reverse: OK sent one WriteFrame, which changed CH1's reverse" \
  one_write_changing 'reverse CH1: REV -> NOR'

# Save: back from Reverse over EndPoint and Open.
saved=$work/saved.bin
keys shift+Tab shift+Tab shift+Tab space
if choose_file Save "$saved"; then
  wait_file "$saved" && sleep 0.3
  check "Save wrote a 67-byte file: the block sent and two zero slots" same_block "$edited" "$saved" ||
    screen "after Save"
else
  fail "the Save chooser did not open"
fi
close_window
read_back "$work/read3.bin"
check "after the edit the transmitter holds exactly the edited block" \
  same_block "$edited" "$work/read3.bin"

# Open: a file with sub trim CH2 -5 and slots the frame must not carry.
opened=$work/opened.bin
cp "$edited" "$opened"
bytes "$opened" 44 fb
bytes "$opened" 65 12 34
mark=$(log_lines)
start_window || fail "pelorin.exe did not start a second time"
wait_log "$mark" ReadRequest 20 || fail "no ReadRequest at the second start"
mark=$(log_lines)
keys Tab Tab Tab Tab space
if choose_file Open "$opened"; then
  check "Open sent the file's block (sub trim CH2 0 -> -5)" wait_log "$mark" 'sub trim CH2: 0 -> -5' 10
else
  fail "the Open chooser did not open"
fi

# Serial Setting: Space closes the port and shows the dialog; its OK opens COM5 again and sends a
# UserRequest (55 FA). Neither may keep the window waiting on the port.
ms_since() { echo $((($(date +%s%N) - $1) / 1000000)); }
mark=$(log_lines)
pressed=$(date +%s%N)
keys shift+Tab shift+Tab shift+Tab space
if setting=$(wait_window "Serial Setting"); then
  shown_ms=$(ms_since "$pressed")
  wait_focus "$setting"
  # The list starts with Wine's own COM1; the field takes the name typed.
  keys ctrl+a
  xdotool type --delay 30 COM5
  pressed=$(date +%s%N)
  xdotool key Return
  if wait_log "$mark" UserRequest 20; then
    pass "Serial Setting: shown $shown_ms ms after Space (300 ms of it typing); OK opened COM5 again and sent UserRequest $(ms_since "$pressed") ms after Return"
  else
    fail "Serial Setting's OK sent no UserRequest"; screen "after Serial Setting's OK"
  fi
else
  fail "the Serial Setting dialog did not open"; screen "after Space on Setting"
fi
close_window
read_back "$work/read4.bin"
check "after Open the transmitter holds the file's first 65 bytes" \
  same_block "$opened" "$work/read4.bin"
echo "e2e.sh: pelorin.exe checks took $(elapsed_since "$t") s"

if [ -n "$shots" ]; then
  mkdir -p "$shots"
  cp "$work/main-1.png" "$shots/main-window.png"
  [ -f "$work/reverse.png" ] && cp "$work/reverse.png" "$shots/reverse.png"
  echo "e2e.sh: pictures in $shots"
fi

# ---- the installer ---------------------------------------------------------------------------

t=$(date +%s)
installed="$WINEPREFIX/drive_c/Program Files/Pelorin"
if timeout 120 wine "$setup" /S >"$work/setup.log" 2>&1 && wineserver -w; then
  pass "the installer ran silently (/S)"
else
  fail "the installer failed"; cat "$work/setup.log"
fi
missing=""
for f in pelorin.exe pelorin-cli.exe pelorin-dump.exe Qt6Core.dll platforms/qwindows.dll \
         styles/qwindowsvistastyle.dll libstdc++-6.dll translations/pelorin_de.qm Uninstall.exe; do
  [ -f "$installed/$f" ] || missing+=" $f"
done
check "installed in Program Files\\Pelorin: the programs, Qt, its plugins, the runtime, the catalogues${missing:+ (missing:$missing)}" \
  test -z "$missing"
start_menu_entry() {
  find "$WINEPREFIX/drive_c" -ipath '*start menu*' -iname 'pelorin*.lnk' | grep -q .
}
no_start_menu_entry() { ! start_menu_entry; }
check "the Start menu has an entry for Pelorin" start_menu_entry
mark=$(log_lines)
(cd "$WINEPREFIX/drive_c" && exec wine "$installed/pelorin.exe" --port COM5) \
  >"$work/installed.log" 2>&1 &
app_pid=$!
if wait_window Pelorin >/dev/null || wait_window Pelorin >/dev/null; then
  pass "the installed pelorin.exe opened its window"
  check "the installed pelorin.exe asked the transmitter for its settings" \
    wait_log "$mark" ReadRequest 20
else
  fail "the installed pelorin.exe showed no window"; cat "$work/installed.log"
fi
kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; app_pid=""
wineserver -k 2>/dev/null; wineserver -w

# The uninstaller copies itself away and returns at once: wait for the folder to go.
timeout 60 wine "$installed/Uninstall.exe" /S >"$work/uninstall.log" 2>&1
for _ in $(seq 300); do [ -e "$installed/pelorin.exe" ] || break; sleep 0.1; done
wineserver -w
check "the uninstaller removed the program" test ! -e "$installed/pelorin.exe"
check "the uninstaller removed the Start menu entry" no_start_menu_entry
echo "e2e.sh: installer checks took $(elapsed_since "$t") s"

echo "e2e.sh: $(elapsed_since "$t0") s in all"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
