#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a player's
# system gets: the program alone in libexec/rumie, everything the game reads
# in share/rumie, the `rumie` command among the games, the manual page, the
# copyright and changelog, the menu entry, the icons and the
# software-centre description (checked by Debian's own validators), all
# naming the one version; then starts the installed game from its command,
# which must find its files and its icon (in the icon theme, the one copy)
# and carry the window class its menu entry names.
set -euo pipefail
build="$1"; version="$2"; here="$(cd "$(dirname "$0")" && pwd)"
prefix="$(mktemp -d)"; trap 'rm -rf "$prefix"' EXIT
export XDG_CONFIG_HOME="$prefix/config"  # the settings the game keeps, not the tester's
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
[ -L "$prefix/games/rumie" ] || fail "no rumie command in games/"
exe="$(readlink -f "$prefix/games/rumie")"
[ -x "$exe" ] || fail "the rumie command leads nowhere"
[ "$exe" = "$prefix/libexec/rumie/rumie" ] || fail "the rumie command leads to $exe"
[ "$(ls -A "$prefix/libexec/rumie")" = rumie ] || fail "libexec/rumie holds more than the program:" $(ls -A "$prefix/libexec/rumie")
data="$prefix/share/rumie"
for p in oku robey mu hotel restaurant office; do
  for f in "$p.bmp" "$p.en.bmp"; do [ -s "$data/$f" ] || fail "$f is not in share/rumie"; done
done
for f in Help.html Help.en.html installed; do
  [ -s "$data/$f" ] || fail "$f is not in share/rumie"
done
[ ! -e "$data/icons" ] || fail "the icons are installed twice, in share/rumie too"
[ -s "$prefix/share/man/man6/rumie.6.gz" ] || fail "no manual page"
for f in copyright changelog.gz; do
  [ -s "$prefix/share/doc/rumie/$f" ] || fail "no $f in share/doc/rumie"
done
id=jp.rumie.Rumie
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
  [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no ${size}px icon in hicolor"
done
grep -qx 'Name=Rumie' "$desktop" || fail "the menu entry is not named Rumie"
grep -qx 'Name\[ja\]=ルーミエ' "$desktop" || fail "the Japanese menu entry is not named ルーミエ"
grep -qx 'Categories=Game;Simulation;' "$desktop" || fail "the menu entry is not a simulation game"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

# One version: the program's, the manual page's, the changelog's latest
# entry and the description's latest release.
[ "$(env -u DISPLAY -u QT_QPA_PLATFORM "$prefix/games/rumie" --version)" = "rumie $version" ] ||
  fail "rumie --version does not say $version"
zcat "$prefix/share/man/man6/rumie.6.gz" | grep -q "^\.TH RUMIE 6 .* \"rumie $version\"" ||
  fail "the manual page is not of $version"
[ "$(zcat "$prefix/share/doc/rumie/changelog.gz" | head -n1 | sed -n 's/^rumie (\([^)]*\)).*/\1/p')" = "$version" ] ||
  fail "the changelog's latest entry is not $version"
[ "$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1)" = "<release version=\"$version\"" ] ||
  fail "the description's latest release is not $version"

wmclass="$(sed -n 's/^StartupWMClass=//p' "$desktop")"
[ -n "$wmclass" ] || fail "the menu entry names no window class"
"$here/../app/starts_under_xvfb.sh" "$prefix/games/rumie" "$wmclass"
echo "installed game is complete and starts"
