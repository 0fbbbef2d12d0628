#!/usr/bin/env bash
# Builds the Debian package from this build, as `--target package` does, and
# checks it the way Debian checks its own: lintian reports no error, no
# warning and not even a note but the one overridden (the help pages, which
# the program reads, are no documentation); the program lies
# alone in /usr/libexec/rumie and what it reads in /usr/share/rumie; the
# package is of the build's version and its Depends names the libraries as
# dpkg-shlibdeps finds them; and the program in it is stripped and hardened
# like every Debian binary: bound at start-up behind a read-only relocation
# table, a position-independent executable, with the stack protector and no
# call of the C library left unfortified.
# Without lintian (./test installs it) the test is skipped.
set -euo pipefail
build="$1"; version="$2"
command -v lintian >/dev/null || { echo "lintian is not installed"; exit 77; }
out="$(mktemp -d)"; trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb="$(echo "$out"/rumie_*.deb)"
[ -f "$deb" ] || { echo "FAIL: no package made"; exit 1; }
fail() { echo "FAIL: $*"; exit 1; }

# Not even a note but the one overridden with its reason; lintian's own
# hardening check (calls of the C library left unfortified) is a note too.
# (--show-overrides would count the overridden note as well.)
lintian --fail-on error,warning,info --display-info "$deb" || fail "lintian"

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package is not of version $version"
depends="$(dpkg-deb -f "$deb" Depends)"
grep -Eq '(^|, )libc6 \(>= [0-9.]+\)' <<<"$depends" || fail "no libc6 with its version in Depends: $depends"
grep -q 'libqt6widgets6 (>= ' <<<"$depends" || fail "no libqt6widgets6 with its version in Depends: $depends"
grep -q 'fonts-noto-cjk | ' <<<"$depends" || fail "only one Japanese font will do: $depends"

dpkg-deb -x "$deb" "$out/root"
exe="$out/root/usr/libexec/rumie/rumie"
[ "$(readlink -f "$out/root/usr/games/rumie")" = "$exe" ] || fail "/usr/games/rumie does not lead to the program"
[ "$(ls -A "$out/root/usr/libexec/rumie")" = rumie ] || fail "/usr/libexec/rumie holds more than the program"
[ -s "$out/root/usr/share/rumie/Help.html" ] && [ -s "$out/root/usr/share/rumie/installed" ] ||
  fail "the game's files are not in /usr/share/rumie"
readelf -h "$exe" | grep -q 'Type:.*DYN' || fail "not a position-independent executable"
readelf -d "$exe" | grep -q 'BIND_NOW\|FLAGS_1.*NOW' || fail "not bound at start-up (-z now)"
readelf -lW "$exe" | grep -q GNU_RELRO || fail "no read-only relocation table (-z relro)"
syms="$(readelf --dyn-syms -W "$exe")"
grep -q '__stack_chk_fail' <<<"$syms" || fail "no stack protector"
readelf -S "$exe" | grep -q '\.symtab' && fail "not stripped"
echo "the package passes lintian; its program is stripped and hardened"
