#!/usr/bin/env bash
# `rumie --help` and `rumie --version` answer in a terminal with no display
# (an SSH session): no window system is asked for, the answer is printed and
# the program ends at once.
set -u
exe="$1"; version="$2"
fail() { echo "FAIL: $*"; exit 1; }
check() { # $1 = option, $2 = the answer's first line
  local out rc
  out="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$exe" "$1" 2>&1)"; rc=$?
  [ "$rc" -eq 0 ] || fail "rumie $1 ended with $rc: $out"
  [ "$(head -n1 <<<"$out")" = "$2" ] || fail "rumie $1 printed: $out"
}
check --help "Usage: $exe [options]"
check --version "rumie $version"
echo "rumie answers --help and --version with no display"
