#!/usr/bin/env bash
# The installed game keeps its saves in the player's data folder, whoever
# runs it (the superuser too, who could write anywhere): saving and both ways
# of loading, run over the real installed program folder, leave the whole
# prefix exactly as the install left it, a save of an older copy included.
set -euo pipefail
build="$1"; tests="$2"
prefix="$(mktemp -d)"; trap 'rm -rf "$prefix"' EXIT
export XDG_CONFIG_HOME="$prefix/config"  # the settings the game keeps, not the tester's
cmake --install "$build" --prefix "$prefix" >/dev/null
folder="$prefix/share/rumie"
[ -f "$folder/installed" ] || { echo "FAIL: the install does not mark the game's files"; exit 1; }
printf 'an old save\r\n' > "$folder/Kivora.teskdata"
state() { (cd "$prefix" && find . -printf '%p %y %m %s\n' | sort && find . -type f -exec sha256sum {} + | sort); }
before="$(state)"
RUMIE_INSTALLED_PROGRAM_FOLDER="$folder" "$tests" --gtest_filter="SaveLocation.*"
[ "$(state)" = "$before" ] || { echo "FAIL: the game changed its installation:"; diff <(echo "$before") <(state); exit 1; }
echo "the installed game left its installation as it was"
