#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package as a user gets it. Built with CPack from the given build
# folder, it must be named kolvent_<version>_amd64.deb, carry dependencies
# found by dpkg-shlibdeps, install nothing outside /usr and pass lintian with
# no error or warning; its desktop entry and metainfo must pass their
# validators. Unpacked into a scratch root, its program must start under a
# private X server, map its main window with the desktop entry's window class
# and an icon, and read its texts and pictures from the package's share folder.
#
#   tests/package/package_test.sh <build folder>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

BUILD="$(cd "$1" && pwd)"
ID=io.github.kolvent.Kolvent
WORK="$(mktemp -d)"
XVFB_PID=""
PROGRAM_PID=""
cleanup() {
    # The programs end by a signal: their statuses must not become the test's.
    set +e
    if [ -n "$PROGRAM_PID" ]; then
        # The program itself, not strace: strace would leave it running detached.
        for child in $(cat /proc/"$PROGRAM_PID"/task/*/children 2>/dev/null); do
            kill "$child" 2>/dev/null
        done
        wait "$PROGRAM_PID" 2>/dev/null
    fi
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
FAILURES=0
fail() {
    echo "FAILED: $*" >&2
    FAILURES=$((FAILURES + 1))
}
# expect DESCRIPTION COMMAND...: the command must succeed.
expect() {
    local what="$1"
    shift
    "$@" || fail "$what"
}

echo "== package"
cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1 \
    || { cat "$WORK/cpack.log" >&2; fail "cpack"; exit 1; }
DEB="$(ls "$WORK"/out/*.deb)"
echo "$(basename "$DEB")"
[[ "$(basename "$DEB")" =~ ^kolvent_[0-9]+\.[0-9]+(\.[0-9]+)?_amd64\.deb$ ]] || fail "package name $(basename "$DEB")"
DEPENDS="$(dpkg-deb -f "$DEB" Depends)"
echo "Depends: $DEPENDS"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libxml2 libgif7 libc6; do
    [[ "$DEPENDS" == *"$library ("* ]] || fail "dependency on $library not found by dpkg-shlibdeps"
done
OUTSIDE="$(dpkg-deb -c "$DEB" | awk '{ print $6 }' | grep -v -e '^\./$' -e '^\./usr/' || true)"
[ -z "$OUTSIDE" ] || fail "files outside /usr: $OUTSIDE"

echo "== lintian"
lintian --fail-on error,warning --tag-display-limit 0 "$DEB" 2>&1 | grep -v 'running with root privileges' \
    | tee "$WORK/lintian.txt" || true
grep -q '^[EW]: ' "$WORK/lintian.txt" && fail "lintian reports errors or warnings"

echo "== desktop entry and metainfo"
ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT"
DESKTOP="$ROOT/usr/share/applications/$ID.desktop"
METAINFO="$ROOT/usr/share/metainfo/$ID.metainfo.xml"
desktop-file-validate "$DESKTOP" >"$WORK/desktop.txt" 2>&1 || fail "desktop-file-validate failed"
cat "$WORK/desktop.txt"
grep -E ': (error|warning): ' "$WORK/desktop.txt" && fail "desktop-file-validate reports errors or warnings"
appstreamcli validate --pedantic --no-net "$METAINFO" >"$WORK/metainfo.txt" 2>&1 || fail "appstreamcli validate failed"
cat "$WORK/metainfo.txt"
grep -E '^[EW]: ' "$WORK/metainfo.txt" && fail "appstreamcli reports errors or warnings"
entry() { sed -n "s/^$1=//p" "$DESKTOP"; }
[ "$(entry Icon)" = "$ID" ] || fail "Icon is not $ID"
[ "$(entry Exec)" = kolvent ] || fail "Exec is not kolvent"
for size in 16 24 32 48 64 128 256; do
    icon="$ROOT/usr/share/icons/hicolor/${size}x${size}/apps/$ID.png"
    file -b "$icon" | grep -q "PNG image data, $size x $size," || fail "icon of $size px: $(file -b "$icon")"
done
file -b "$ROOT/usr/share/icons/hicolor/scalable/apps/$ID.svg" | grep -q SVG || fail "scalable icon is not SVG"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$METAINFO" || fail "metainfo launches no $ID.desktop"

echo "== the installed program"
start_private_xvfb 130 || { fail "no X server"; exit 1; }
# The scratch root's share folder first, then the system's for the hicolor theme's
# index: the window icon must come from the package's files.
env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR XDG_DATA_DIRS="$ROOT/usr/share:/usr/share" XDG_DATA_HOME="$WORK/home" \
    strace -f -qq -e trace=openat -e status=successful -o "$WORK/opened.txt" \
    "$ROOT/usr/bin/kolvent" >"$WORK/program.txt" 2>&1 &
PROGRAM_PID=$!
for _ in $(seq 300); do
    xwininfo -name Kolvent 2>/dev/null | grep -q IsViewable && break
    sleep 0.1
done
if ! xwininfo -name Kolvent 2>/dev/null | grep -q IsViewable; then
    cat "$WORK/program.txt" >&2
    fail "the installed program mapped no window named Kolvent"
    exit 1
fi
sleep 1
WM_CLASS="$(xprop -name Kolvent WM_CLASS)"
echo "$WM_CLASS"
[ "$WM_CLASS" = "WM_CLASS(STRING) = \"$(entry StartupWMClass)\", \"$(entry StartupWMClass)\"" ] \
    || fail "window class does not match StartupWMClass=$(entry StartupWMClass)"
xprop -name Kolvent _NET_WM_ICON >"$WORK/icon.txt" 2>&1 || true
grep -q 'Icon (' "$WORK/icon.txt" || fail "the window has no icon: $(head -c 200 "$WORK/icon.txt")"
SHARE="$ROOT/usr/share/kolvent"
for file in langs/kolvent.en langs/flat.xml langs/solid.xml langs/categories.xml img/ui/copy_volume.gif \
            img/ui/copy_area.gif; do
    grep -q "\"$SHARE/$file\"" "$WORK/opened.txt" || fail "the program did not read $file from $SHARE"
done
# From the package's theme folder, or the system's where Kolvent is installed as well.
grep -q "/icons/hicolor/[^\"]*/apps/$ID\.png\"" "$WORK/opened.txt" \
    || fail "the window icon was not taken from the icon theme"
[ -s "$WORK/program.txt" ] && { echo "program output:"; cat "$WORK/program.txt"; }

[ "$FAILURES" -eq 0 ] || { echo "$FAILURES failures" >&2; exit 1; }
echo "package test passed"
