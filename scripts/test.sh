#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Kolvent with its tests and runs every test
# headless, once more under a Russian locale to prove that numbers never follow it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${KOLVENT_PACKAGES[@]}" locales strace "${KOLVENT_PACKAGE_TEST_PACKAGES[@]}"
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
    echo "Generating the locale ru_RU.UTF-8"
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    "${sudo[@]}" locale-gen >/dev/null
fi
configure_and_build "$@"
export QT_QPA_PLATFORM=offscreen
cd "$KOLVENT_BUILD"
ctest --output-on-failure --parallel 2
LC_ALL=ru_RU.UTF-8 ctest --output-on-failure --parallel 2
