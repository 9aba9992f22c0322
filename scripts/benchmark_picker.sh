#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# How long the shape picker takes to appear: from choosing a View menu item to
# the picker's window being mapped, under one private Xvfb server.
#
#   scripts/benchmark_picker.sh [runs]      (at least 3, default 5)
#
# Every run starts Kolvent afresh, waits 1 s, then opens the picker eight
# times through the menu, as a user would with the keyboard: Alt+V, then the
# accelerator of "Solid shapes..." or "Flat shapes..." (solid, flat, solid,
# ...; every choice refills the picker); Esc closes it. A small X client sends
# the accelerator key itself and waits for the picker's MapNotify, so that the
# clock runs from the key to the mapping and nothing else (no process start,
# no polling).
# The first opening of each run and the later ones are reported apart, with
# their medians and maxima, against the target of 50 ms.
# KOLVENT_BUILD picks the build folder (default: build/); it is built when
# the program is missing.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUNS="${1:-5}"
if ! [[ "$RUNS" =~ ^[0-9]+$ ]] || [ "$RUNS" -lt 3 ]; then
    echo "usage: $0 [runs >= 3]" >&2
    exit 2
fi
OPENINGS=8
TARGET_MS=50
PICKER="Select a figure"

install_missing xvfb x11-utils xdotool gcc libx11-dev
[ -x "$KOLVENT_BUILD/kolvent" ] || configure_and_build

WORK="$(mktemp -d)"
XVFB_PID=""
KOLVENT_PID=""
cleanup() {
    [ -n "$KOLVENT_PID" ] && kill "$KOLVENT_PID" 2>/dev/null && wait "$KOLVENT_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

cat >"$WORK/picker_clock.c" <<'EOF_C'
// Sends one key to the window with the input focus and prints the microseconds
// until a top-level window of the given name is mapped.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static long long now_us(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000 + t.tv_nsec / 1000;
}

static void send_key(Display* display, Window focus, KeyCode code, int type)
{
    XKeyEvent event;
    memset(&event, 0, sizeof event);
    event.type = type;
    event.display = display;
    event.window = focus;
    event.root = DefaultRootWindow(display);
    event.subwindow = None;
    event.time = CurrentTime;
    event.same_screen = True;
    event.keycode = code;
    XSendEvent(display, focus, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, (XEvent*)&event);
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s KEY WINDOW-NAME\n", argv[0]);
        return 2;
    }
    alarm(10);
    Display* display = XOpenDisplay(NULL);
    if (!display)
        return 1;
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    Window focus;
    int revert;
    XGetInputFocus(display, &focus, &revert);
    KeyCode code = XKeysymToKeycode(display, XStringToKeysym(argv[1]));
    XSync(display, False);
    long long start = now_us();
    send_key(display, focus, code, KeyPress);
    send_key(display, focus, code, KeyRelease);
    XFlush(display);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify)
            continue;
        char* name = NULL;
        if (XFetchName(display, event.xmap.window, &name) && name) {
            int match = strcmp(name, argv[2]) == 0;
            XFree(name);
            if (match) {
                printf("%lld\n", now_us() - start);
                return 0;
            }
        }
    }
}
EOF_C
gcc -O2 "$WORK/picker_clock.c" -o "$WORK/picker_clock" -lX11

start_private_xvfb

viewable() { xwininfo -name "$1" 2>/dev/null | grep -q "IsViewable"; }

# wait_until CONDITION... : polls for up to 5 s.
wait_until() {
    local deadline=$(( $(now_us) + 5000000 ))
    until "$@"; do
        [ "$(now_us)" -lt "$deadline" ] || return 1
    done
}

not_viewable() { ! viewable "$1"; }

: >"$WORK/first.txt"
: >"$WORK/later.txt"
printf '%-5s %s\n' run "openings in ms (solid, flat, ...)"
for run in $(seq "$RUNS"); do
    "$KOLVENT_BUILD/kolvent" >/dev/null 2>"$WORK/stderr.txt" &
    KOLVENT_PID=$!
    wait_until viewable Kolvent || { echo "Kolvent did not show its window" >&2; cat "$WORK/stderr.txt" >&2; exit 1; }
    WINDOW="$(xdotool search --name '^Kolvent$' | head -n 1)"
    sleep 1
    line=""
    for opening in $(seq "$OPENINGS"); do
        key=s
        [ $(( opening % 2 )) -eq 0 ] && key=f
        xdotool windowfocus --sync "$WINDOW"
        xdotool key alt+v
        sleep 0.3
        elapsed="$("$WORK/picker_clock" "$key" "$PICKER")" || { echo "the picker did not open" >&2; exit 1; }
        if [ "$opening" -eq 1 ]; then
            echo "$elapsed" >>"$WORK/first.txt"
        else
            echo "$elapsed" >>"$WORK/later.txt"
        fi
        line+="$(awk -v t="$elapsed" 'BEGIN { printf "%6.1f", t / 1000 }')"
        xdotool key Escape
        wait_until not_viewable "$PICKER" || { echo "the picker did not close" >&2; exit 1; }
        sleep 0.2
    done
    printf '%-5s %s\n' "$run" "$line"
    kill "$KOLVENT_PID"
    wait "$KOLVENT_PID" 2>/dev/null || true
    KOLVENT_PID=""
done

report() {
    local name="$1" file="$2" med max
    med="$(median <"$file")"
    max="$(sort -n "$file" | tail -n 1)"
    awk -v n="$name" -v med="$med" -v max="$max" -v target="$TARGET_MS" 'BEGIN {
        printf "%s opening: median %.1f ms, maximum %.1f ms (target <= %d): %s\n",
            n, med / 1000, max / 1000, target, max / 1000 <= target ? "met" : "MISSED"
        exit max / 1000 <= target ? 0 : 1
    }'
}
status=0
report first "$WORK/first.txt" || status=1
report later "$WORK/later.txt" || status=1
exit "$status"
