#!/usr/bin/env bash
# Installs the Debian packages the game needs, and builds it.
# Sourced by ./play, ./test and scripts/screenshot; installs only what is missing.
set -euo pipefail

# To build and run the game. (Qt Gui's CMake package looks for the OpenGL
# headers, libgl-dev, though the game draws without OpenGL.)
RUMIE_PLAY_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgl-dev fonts-noto-cjk)
# Besides, to build and run the tests and benchmarks, to check the
# installed desktop files, and to build and check the Debian package
# (dpkg-dev's dpkg-shlibdeps writes its Depends).
RUMIE_TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth x11-utils
                     desktop-file-utils appstream dpkg-dev lintian)

rumie_missing_packages() { # $@ = packages; prints those not installed
    local p missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    echo "${missing[@]:-}"
}

rumie_install_packages() { # $@ = packages; installs those not installed, saying which
    local missing
    missing=$(rumie_missing_packages "$@")
    [ -z "$missing" ] && return 0
    echo "Installing missing packages: $missing"
    # shellcheck disable=SC2086
    rumie_apt_install $missing
}

rumie_apt_install() { # $@ = packages; apt-get installs them, through sudo when not root
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"
}

rumie_configure() { # $1 = build dir, $2 = build type, then any further CMake options
    cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE="$2" "${@:3}" >/dev/null
}

rumie_build() { # $1 = build dir, $2 = build type, then any further CMake options
    rumie_configure "$@"
    cmake --build "$1" -j"$(nproc)"
}

# Where a build leaves the program: everything it reads lies beside it.
rumie_exe() { # $1 = build dir
    echo "$1/bin/rumie"
}
