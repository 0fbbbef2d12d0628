#!/usr/bin/env bash
# An installed game under a prefix nobody can write: saving and both ways of
# loading use the player's data folder, and a save beside the program stays as
# it was. The superuser writes anywhere, so for it the installed folder is
# mounted read-only in a mount namespace of this test's own.
set -euo pipefail
build="$1"; tests="$2"
prefix="$(mktemp -d)"; trap 'chmod -R u+w "$prefix" 2>/dev/null; rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
folder="$prefix/libexec/rumie"
printf 'an old save\r\n' > "$folder/Kivora.teskdata"
run='RUMIE_READONLY_PROGRAM_FOLDER="$1" exec "$2" --gtest_filter="SaveLocation.*"'
if [ "$(id -u)" -eq 0 ]; then
  unshare --mount true 2>/dev/null || { echo "no mount namespace here"; exit 77; }
  exec unshare --mount bash -c "mount --bind \"\$1\" \"\$1\" && mount -o remount,bind,ro \"\$1\" && $run" _ "$folder" "$tests"
fi
chmod -R a-w "$prefix"
bash -c "$run" _ "$folder" "$tests"
