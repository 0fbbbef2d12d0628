#!/usr/bin/env bash
# `rumie --help` and `rumie --version` answer in a terminal with no display
# (an SSH session), and so does a line the game cannot take: no window system
# is asked for, the answer is printed and the program ends at once.
set -u
exe="$1"; version="$2"
fail() { echo "FAIL: $*"; exit 1; }
check() { # $1 = exit status, $2 = the answer's first line, then the options
  local want=$1 first=$2 out rc; shift 2
  out="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$exe" "$@" 2>&1)"; rc=$?
  [ "$rc" -eq "$want" ] || fail "rumie $* ended with $rc: $out"
  [ "$(head -n1 <<<"$out")" = "$first" ] || fail "rumie $* printed: $out"
}
check 0 "Usage: $exe [options]" --help
check 0 "rumie $version" --version
check 1 "rumie: Unknown option 'bogus'." --bogus
check 1 "rumie: Unknown option 'bogus'." --bogus=1
# The toolkit's own options are its own, with one dash or two.
check 0 "rumie $version" --platform offscreen --version
check 0 "rumie $version" -platform offscreen -style=fusion --version
check 1 "rumie: Missing value after '--lang'." --lang
check 2 'rumie: --lang takes en or ja, not "fr"' --lang fr
echo "rumie answers --help, --version and a line it cannot take with no display"
