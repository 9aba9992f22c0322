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

# start_xvfb FIRST: starts a private Xvfb server (1280 x 1024) on the first free
# display number from FIRST on, exports DISPLAY and sets XVFB_PID, which the
# caller ends; fails when no number is free or the server does not answer.
start_xvfb() {
    local n number=""
    for n in $(seq "$1" $(( $1 + 30 ))); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            number="$n"
            break
        fi
    done
    [ -n "$number" ] || { echo "no free X display number" >&2; return 1; }
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$number"
    for _ in $(seq 200); do
        xwininfo -root >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}
