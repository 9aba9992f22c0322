#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time and resident memory of Kolvent against a bare Qt 6 Widgets
# window of the same size, both under one private Xvfb server.
#
#   scripts/benchmark_startup.sh [runs]      (at least 7, default 9)
#
# Time: from the exec of the program to its top-level window being mapped
# (polled with xwininfo). Memory: VmRSS from /proc/<pid>/status 1.5 s after
# the window was mapped. The two programs take turns within every run; the
# medians are compared with the targets: Kolvent at most 1.5 times the bare
# window's start-up and at most 12 MiB more resident memory.
# KOLVENT_BUILD picks the build folder (default: build/); it is built when
# the program is missing. KOLVENT_PROGRAM measures another executable, such
# as an installed bin/kolvent.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
PROGRAM="${KOLVENT_PROGRAM:-$KOLVENT_BUILD/kolvent}"

RUNS="${1:-9}"
if ! [[ "$RUNS" =~ ^[0-9]+$ ]] || [ "$RUNS" -lt 7 ]; then
    echo "usage: $0 [runs >= 7]" >&2
    exit 2
fi

install_missing xvfb x11-utils g++ pkg-config qt6-base-dev
[ -x "$PROGRAM" ] || configure_and_build

WORK="$(mktemp -d)"
XVFB_PID=""
cleanup() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

start_private_xvfb || exit 1

# measure TITLE COMMAND... -> "microseconds kibibytes"
measure() {
    local title="$1"
    shift
    local start pid mapped rss
    start="$(now_us)"
    "$@" >/dev/null 2>"$WORK/stderr.txt" &
    pid=$!
    until xwininfo -name "$title" 2>/dev/null | grep -q "IsViewable"; do
        if ! kill -0 "$pid" 2>/dev/null; then
            local status=0
            wait "$pid" || status=$?
            echo "$title ended (status $status) before its window was mapped:" >&2
            cat "$WORK/stderr.txt" >&2
            exit 1
        fi
        if [ $(( $(now_us) - start )) -gt 20000000 ]; then
            kill "$pid"
            echo "$title did not map a window within 20 s" >&2
            exit 1
        fi
    done
    mapped="$(now_us)"
    sleep 1.5
    rss="$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(( mapped - start )) $rss"
}

window_size() {
    xwininfo -name "$1" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w, h }'
}

# One unmeasured start of Kolvent warms the file cache and tells the window size.
"$PROGRAM" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 400); do
    xwininfo -name Kolvent 2>/dev/null | grep -q IsViewable && break
    sleep 0.05
done
read -r WIDTH HEIGHT < <(window_size Kolvent)
kill "$pid"
wait "$pid" 2>/dev/null || true

cat >"$WORK/minimal.cpp" <<'EOF'
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("MinimalQtWindow"));
    window.setFixedSize(QString::fromLatin1(argv[1]).toInt(), QString::fromLatin1(argv[2]).toInt());
    window.show();
    return application.exec();
}
EOF
# shellcheck disable=SC2046
g++ -std=c++17 -O2 -fPIC $(pkg-config --cflags Qt6Widgets) "$WORK/minimal.cpp" -o "$WORK/minimal" \
    $(pkg-config --libs Qt6Widgets)
"$WORK/minimal" "$WIDTH" "$HEIGHT" >/dev/null 2>&1 &
pid=$!
sleep 1
kill "$pid"
wait "$pid" 2>/dev/null || true

echo "Window size ${WIDTH} x ${HEIGHT}, $RUNS runs"
printf '%-5s %14s %12s %14s %12s\n' run "kolvent ms" "kolvent MiB" "minimal ms" "minimal MiB"
: >"$WORK/kolvent.txt"
: >"$WORK/minimal.txt"
for run in $(seq "$RUNS"); do
    read -r kt km < <(measure Kolvent "$PROGRAM")
    read -r mt mm < <(measure MinimalQtWindow "$WORK/minimal" "$WIDTH" "$HEIGHT")
    echo "$kt $km" >>"$WORK/kolvent.txt"
    echo "$mt $mm" >>"$WORK/minimal.txt"
    awk -v r="$run" -v kt="$kt" -v km="$km" -v mt="$mt" -v mm="$mm" \
        'BEGIN { printf "%-5s %14.1f %12.1f %14.1f %12.1f\n", r, kt / 1000, km / 1024, mt / 1000, mm / 1024 }'
done

KT="$(cut -d' ' -f1 "$WORK/kolvent.txt" | median)"
KM="$(cut -d' ' -f2 "$WORK/kolvent.txt" | median)"
MT="$(cut -d' ' -f1 "$WORK/minimal.txt" | median)"
MM="$(cut -d' ' -f2 "$WORK/minimal.txt" | median)"

awk -v kt="$KT" -v km="$KM" -v mt="$MT" -v mm="$MM" 'BEGIN {
    ratio = kt / mt
    extra = (km - mm) / 1024
    printf "median start-up: kolvent %.1f ms, minimal %.1f ms, ratio %.2f (target <= 1.50): %s\n",
        kt / 1000, mt / 1000, ratio, ratio <= 1.5 ? "met" : "MISSED"
    printf "median resident memory: kolvent %.1f MiB, minimal %.1f MiB, difference %.1f MiB (target <= 12): %s\n",
        km / 1024, mm / 1024, extra, extra <= 12 ? "met" : "MISSED"
    exit (ratio <= 1.5 && extra <= 12) ? 0 : 1
}'
