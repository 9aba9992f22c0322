# SPDX-License-Identifier: MIT
# Shared by run.sh and test.sh: install missing Debian packages, configure, build.
set -euo pipefail

KOLVENT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KOLVENT_BUILD="${KOLVENT_BUILD:-$KOLVENT_ROOT/build}"

# Packages the program needs to build and run.
KOLVENT_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libxml2-dev libgif-dev libstb-dev
                  libgtest-dev fonts-dejavu-core fonts-dejavu-extra)
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

# start_private_xvfb [FIRST]: starts Xvfb (1280 x 1024) on the first free display
# number from FIRST (90) on, exports DISPLAY and QT_QPA_PLATFORM=xcb and sets
# XVFB_PID (the caller kills it). Needs xvfb and x11-utils.
start_private_xvfb() {
    local first="${1:-90}" n display_number=""
    for n in $(seq "$first" $(( first + 30 ))); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            display_number="$n"
            break
        fi
    done
    [ -n "$display_number" ] || { echo "no free X display number" >&2; return 1; }
    Xvfb ":$display_number" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$display_number"
    for _ in $(seq 200); do
        xwininfo -root >/dev/null 2>&1 && break
        sleep 0.05
    done
    xwininfo -root >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY" >&2; return 1; }
    export QT_QPA_PLATFORM=xcb
}

# now_us: monotonic enough for intervals of a few hundred milliseconds.
now_us() { echo $(( $(date +%s%N) / 1000 )); }

# median: the median of the numbers on standard input, one a line.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
