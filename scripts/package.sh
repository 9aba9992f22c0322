#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package kolvent_<version>_<arch>.deb with CPack: a release
# build with Debian's hardening flags (dpkg-buildflags), no tests, and the
# dependencies that dpkg-shlibdeps finds in the binary.
#
#   scripts/package.sh [output folder]     (default: build-package/)
#
# Install it with: sudo apt install ./build-package/kolvent_<version>_amd64.deb
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${KOLVENT_PACKAGES[@]}" dpkg-dev file
OUTPUT="${1:-$KOLVENT_ROOT/build-package}"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
KOLVENT_BUILD="${KOLVENT_PACKAGE_BUILD:-$KOLVENT_ROOT/build-package/build}"
configure_and_build -DCMAKE_BUILD_TYPE=Release -DKOLVENT_TESTS=OFF \
    "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)"
mkdir -p "$OUTPUT"
cpack --config "$KOLVENT_BUILD/CPackConfig.cmake" -B "$OUTPUT"
rm -rf "$OUTPUT/_CPack_Packages"
ls "$OUTPUT"/kolvent_*.deb
