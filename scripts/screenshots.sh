#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws docs/screenshots anew from the real windows, offscreen, at scale 1; the
# main window and the picker again at scale 2 for the pictures of sharp screens;
# the two pictures of the Working window go to docs/ beside the README's text.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${KOLVENT_PACKAGES[@]}"
configure_and_build
export QT_QPA_PLATFORM=offscreen
SHOTS="$KOLVENT_ROOT/docs/screenshots"
SCALE2="$(mktemp -d)"
trap 'rm -rf "$SCALE2"' EXIT
"$KOLVENT_BUILD/kolvent_screenshots" "$KOLVENT_BUILD" "$SHOTS"
mv "$SHOTS/working_cone_elliptic.png" "$SHOTS/working_refused_triangle.png" "$KOLVENT_ROOT/docs/"
QT_SCALE_FACTOR=2 "$KOLVENT_BUILD/kolvent_screenshots" "$KOLVENT_BUILD" "$SCALE2"
cp "$SHOTS/main_solid_en.png" "$SHOTS/hidpi_main_scale1.png"
cp "$SCALE2/main_solid_en.png" "$SHOTS/hidpi_main_scale2.png"
cp "$SCALE2/picker_en.png" "$SHOTS/hidpi_picker_scale2.png"
