#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, test and run.
# Sourced by ./play and ./test; installs only what is missing.
set -euo pipefail

RUMIE_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev libgtest-dev libgmock-dev
                libbenchmark-dev xvfb xauth x11-utils fonts-noto-cjk
                desktop-file-utils appstream)

rumie_missing_packages() {
    local p missing=()
    for p in "${RUMIE_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    echo "${missing[@]:-}"
}

rumie_install_packages() {
    local missing
    missing=$(rumie_missing_packages)
    [ -z "$missing" ] && return 0
    echo "Installing missing packages: $missing"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    # shellcheck disable=SC2086
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}

rumie_build() { # $1 = build dir, $2 = build type, then any further CMake options
    cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE="$2" "${@:3}" >/dev/null
    cmake --build "$1" -j"$(nproc)"
}

# Where a build leaves the program: everything it reads lies beside it.
rumie_exe() { # $1 = build dir
    echo "$1/bin/rumie"
}
