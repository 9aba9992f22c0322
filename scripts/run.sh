#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Kolvent and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${KOLVENT_PACKAGES[@]}"
configure_and_build
exec "$KOLVENT_BUILD/kolvent" "$@"
