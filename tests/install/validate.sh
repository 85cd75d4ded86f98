#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# validate.sh appstream|desktop FILE: runs the file's validator. Exit 77 (skipped) when the
# validator is not installed.
set -uo pipefail
kind=$1 file=$2
case $kind in
  appstream) tool=appstreamcli; command=(appstreamcli validate --no-net "$file") ;;
  desktop) tool=desktop-file-validate; command=(desktop-file-validate "$file") ;;
  *) echo "unknown kind $kind"; exit 2 ;;
esac
if ! command -v "$tool" >/dev/null; then
  echo "$tool is not installed; skipping"
  exit 77
fi
output=$("${command[@]}" 2>&1)
status=$?
echo "$output"
# desktop-file-validate reports problems on its output but may still exit 0.
if [ $status -ne 0 ] || { [ "$kind" = desktop ] && [ -n "$output" ]; }; then
  echo "FAIL: $file does not pass $tool"
  exit 1
fi
