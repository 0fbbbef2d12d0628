#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a player's
# system gets: the program folder with everything the game reads beside the
# executable, the `rumie` command among the games, the manual page, the
# copyright and changelog, the menu entry, the icons and the
# software-centre description (checked by Debian's own validators); then
# starts the installed game from its command.
set -euo pipefail
build="$1"; here="$(cd "$(dirname "$0")" && pwd)"
prefix="$(mktemp -d)"; trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
[ -L "$prefix/games/rumie" ] || fail "no rumie command in games/"
exe="$(readlink -f "$prefix/games/rumie")"
[ -x "$exe" ] || fail "the rumie command leads nowhere"
folder="$(dirname "$exe")"
for f in oku.bmp robey.bmp mu.bmp hotel.bmp restaurant.bmp office.bmp Help.html Help.en.html icons/rumie-16.png icons/rumie-256.png installed; do
  [ -s "$folder/$f" ] || fail "$f is not beside the installed program"
done
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
"$here/../app/starts_under_xvfb.sh" "$prefix/games/rumie"
echo "installed game is complete and starts"
