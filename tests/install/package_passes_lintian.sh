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
# call of the C library left unfortified. It is reproducible: every file in
# it, and its own members, carry one time, the changelog's latest entry's,
# the compressed manual page and changelog none, and its pictures are drawn
# the same each time.
# Without lintian (./test installs it) the test is skipped.
set -euo pipefail
build="$1"; version="$2"; here="$(cd "$(dirname "$0")" && pwd)"
command -v lintian >/dev/null || { echo "lintian is not installed"; exit 77; }
out="$(mktemp -d)"; trap 'rm -rf "$out"' EXIT
env -u SOURCE_DATE_EPOCH cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb="$(echo "$out"/rumie_*.deb)"
[ -f "$deb" ] || { echo "FAIL: no package made"; exit 1; }
fail() { echo "FAIL: $*"; exit 1; }

# Not even a note, nor a pedantic one, but the one overridden with its
# reason; lintian's own hardening check (calls of the C library left
# unfortified) is a note too.
# (--show-overrides would count the overridden note as well.)
lintian --fail-on error,warning,info,pedantic --pedantic --display-info "$deb" || fail "lintian"

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package is not of version $version"
depends="$(dpkg-deb -f "$deb" Depends)"
grep -Eq '(^|, )libc6 \(>= [0-9.]+\)' <<<"$depends" || fail "no libc6 with its version in Depends: $depends"
grep -q 'libqt6widgets6 (>= ' <<<"$depends" || fail "no libqt6widgets6 with its version in Depends: $depends"
grep -q 'fonts-noto-cjk | ' <<<"$depends" || fail "only one Japanese font will do: $depends"

# One time on every file and on the package's own members.
export TZ=UTC
when="$(sed -n 's/^ -- .*>  //p' "$here/../../packaging/changelog" | head -n1)"
for part in --ctrl-tarfile --fsys-tarfile; do
  dpkg-deb "$part" "$deb" | tar -tv --full-time | awk -v t="$(date -d "$when" '+%F %T')" '$4" "$5 != t {print; bad=1} END {exit bad}' ||
    fail "not every file carries the changelog's time, $when"
done
ar tv "$deb" | grep -vF "$(date -d "$when" '+%b %e %H:%M %Y')" && fail "the package's members do not carry the changelog's time"

dpkg-deb -x "$deb" "$out/root"
for f in share/doc/rumie/changelog.gz share/man/man6/rumie.6.gz; do
  [ "$(od -An -tu4 -j4 -N4 "$out/root/usr/$f")" -eq 0 ] || fail "$f carries a time"
done
# Drawn again, the pictures come out byte for byte as the package has them.
mkdir "$out/drawn"
env -u QT_HASH_SEED QT_QPA_PLATFORM=offscreen "$build/tools/make_pictures" "$out/drawn" 2>/dev/null
for f in "$out"/drawn/*.bmp; do
  cmp -s "$f" "$out/root/usr/share/rumie/${f##*/}" || fail "${f##*/} comes out different when drawn again"
done
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
echo "the package passes lintian, carries one time and a stripped, hardened program"
