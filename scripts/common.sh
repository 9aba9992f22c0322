# SPDX-License-Identifier: MIT
# Shared by run.sh and test.sh: install missing Debian packages, configure, build.
set -euo pipefail

KOLVENT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KOLVENT_BUILD="${KOLVENT_BUILD:-$KOLVENT_ROOT/build}"

# Packages the program needs to build and run.
KOLVENT_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libxml2-dev libgif-dev libstb-dev
                  libgtest-dev fonts-dejavu-core)
# What the package test needs: building the .deb, checking it, starting it under X.
KOLVENT_PACKAGE_TEST_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream hicolor-icon-theme xvfb
                               x11-utils)

install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build [extra cmake arguments...]
configure_and_build() {
    if [ ! -f "$KOLVENT_BUILD/build.ninja" ]; then
        cmake -S "$KOLVENT_ROOT" -B "$KOLVENT_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    elif [ $# -gt 0 ]; then
        cmake "$KOLVENT_BUILD" "$@" >/dev/null
    fi
    cmake --build "$KOLVENT_BUILD" --parallel
}
