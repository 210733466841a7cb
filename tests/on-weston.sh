#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a command on a Wayland desktop of its own, as xvfb-run does on a
# virtual X server: a headless weston compositor (Debian's weston; xwayland
# for its X server, qt6-wayland for Qt's Wayland plugin) in a runtime
# directory of its own, ended after the command. The display is ready when
# weston's Wayland socket is there and, for x11, when its X server answers and
# names weston's window manager. Each wait is for a condition, within a limit
# of 60 s (a cold start on a busy machine takes a few), and says what it
# waited for when the limit passes.
#
#   on-weston.sh x11 COMMAND...       WAYLAND_DISPLAY, and DISPLAY naming weston's XWayland
#   on-weston.sh wayland COMMAND...   WAYLAND_DISPLAY alone
#   on-weston.sh x11|wayland --calculator PROGRAM
#
# With --calculator, PROGRAM (the calculator) starts as from a desktop, with no
# platform named, and must show its main window as a client of that kind: on
# weston's X server for x11, as a Wayland toplevel for wayland. It is then
# ended. The exit status is the command's, or 0 when the calculator came up
# as expected.
set -euo pipefail

kind=${1:-}
case $kind in
    x11 | wayland) shift ;;
    *)
        echo "usage: $0 x11|wayland COMMAND... | $0 x11|wayland --calculator PROGRAM" >&2
        exit 2
        ;;
esac
for tool in weston $([ "$kind" = x11 ] && echo Xwayland xwininfo xprop); do
    command -v "$tool" >/dev/null || {
        echo "on-weston: $tool is missing: install weston, xwayland, qt6-wayland and x11-utils" >&2
        exit 1
    }
done

limit=60
deadline=$((SECONDS + limit))
runtime=$(mktemp -d) # mode 0700, as weston wants its runtime directory
weston_pid=
# weston ends on SIGTERM within moments; one that does not within 10 s is killed.
finish() {
    if [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null; then
        for _ in $(seq 200); do
            kill -0 "$weston_pid" 2>/dev/null || break
            sleep 0.05
        done
        kill -KILL "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap finish EXIT

# XWayland's sockets go where X servers keep theirs; a fresh machine may lack the directory.
if [ "$kind" = x11 ] && [ ! -d /tmp/.X11-unix ]; then
    mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
fi
socket=quorvane-weston
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --width=1280 --height=1024 --no-config \
    --idle-time=0 --socket="$socket" $([ "$kind" = x11 ] && echo --xwayland) --log="$runtime/weston.log" \
    >"$runtime/weston.out" 2>&1 & # with XWayland's messages
weston_pid=$!

# weston's log and output, when a wait fails.
give_up() {
    echo "on-weston: $*" >&2
    cat "$runtime/weston.log" "$runtime/weston.out" >&2 || true
    exit 1
}
waited() {
    kill -0 "$weston_pid" 2>/dev/null || give_up "weston ended while waiting for $1"
    [ "$SECONDS" -lt "$deadline" ] || give_up "no $1 within $limit s"
    sleep 0.05
}

# The Wayland socket, and with XWayland the X display whose lock file names
# weston: weston listens there for X clients.
display=
until [ -S "$runtime/$socket" ] && { [ "$kind" = wayland ] || [ -n "$display" ]; }; do
    if [ "$kind" = x11 ]; then
        for lock in /tmp/.X*-lock; do
            if [ -r "$lock" ] && [ "$(tr -d ' \n' <"$lock")" = "$weston_pid" ]; then
                number=${lock#/tmp/.X}
                [ -S "/tmp/.X11-unix/X${number%-lock}" ] && display=:${number%-lock}
            fi
        done
    fi
    if ! [ -S "$runtime/$socket" ] || { [ "$kind" = x11 ] && [ -z "$display" ]; }; then
        waited "Wayland socket and X display"
    fi
done
# weston starts XWayland when the first X client connects, and its window
# manager once XWayland is up: ready when the X server answers and its root
# window names the window manager (a window mapped before would find none).
# Each try is bounded, so that a server that never answers ends in the limit.
if [ "$kind" = x11 ]; then
    until timeout 10 env DISPLAY="$display" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        waited "X server on $display with weston's window manager"
    done
fi

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket
unset XDG_SESSION_TYPE XDG_CURRENT_DESKTOP
if [ "$kind" = x11 ]; then
    export DISPLAY=$display
else
    unset DISPLAY
fi

# The command, which must end within 240 s (inside ctest's 300 s): a test
# program waits on the compositor until its very end, so one that does not
# end is shown with its threads' stacks (gdb, where installed), then ended.
if [ "${1:-}" != --calculator ]; then
    "$@" &
    command_pid=$!
    command_deadline=$((SECONDS + 240))
    while kill -0 "$command_pid" 2>/dev/null && [ "$SECONDS" -lt "$command_deadline" ]; do
        sleep 0.1
    done
    if kill -0 "$command_pid" 2>/dev/null; then
        echo "on-weston: $1 did not end within 240 s" >&2
        if command -v gdb >/dev/null; then
            gdb -batch -ex 'thread apply all bt' -p "$command_pid" >&2 2>&1 || true
        fi
        kill -KILL "$command_pid" 2>/dev/null || true
        wait "$command_pid" 2>/dev/null || true
        cat "$runtime/weston.log" >&2 || true
        exit 1
    fi
    set +e
    wait "$command_pid"
    exit
fi

# The calculator, started as from a desktop; libwayland shows its Wayland
# requests (WAYLAND_DEBUG), and an X11 client's windows are on weston's X server.
program=$2
log=$runtime/calculator.log
deadline=$((SECONDS + limit))
env -u QT_QPA_PLATFORM WAYLAND_DEBUG=client "$program" 2>"$log" &
pid=$!
name() { [ "$1" = x11 ] && echo "an X11" || echo "a Wayland"; }
came_up=
until [ -n "$came_up" ]; do
    if grep -q 'xdg_toplevel@[0-9]*\.set_title("Quorvane Calculator")' "$log"; then
        came_up=wayland
    elif [ "$kind" = x11 ] && xwininfo -root -tree 2>/dev/null | grep -q '"Quorvane Calculator"'; then
        came_up=x11
    elif ! kill -0 "$pid" 2>/dev/null; then
        set +e
        wait "$pid"
        echo "on-weston: the calculator ended with status $? before its window showed" >&2
        grep -v '^\[' "$log" >&2 || true
        exit 1
    elif [ "$SECONDS" -ge "$deadline" ]; then
        echo "on-weston: the calculator's main window did not show within $limit s" >&2
        kill -TERM "$pid" 2>/dev/null || true
        grep -v '^\[' "$log" >&2 || true
        exit 1
    else
        sleep 0.05
    fi
done
# Still running, then ended by SIGTERM (status 143), not by a crash.
kill -TERM "$pid"
set +e
wait "$pid"
status=$?
set -e
if [ "$came_up" != "$kind" ] || [ "$status" -ne 143 ]; then
    echo "on-weston: the calculator came up as $(name "$came_up") client and ended with status $status;" \
        "expected: $(name "$kind") client, running until ended (143)" >&2
    grep -v '^\[' "$log" >&2 || true
    exit 1
fi
echo "on-weston: the calculator came up as $(name "$kind") client"
