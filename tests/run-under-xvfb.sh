#!/bin/bash
# Runs a command on a private X server with a window manager:
#   run-under-xvfb.sh COMMAND [ARGS...]
# Starts Xvfb on a free display and openbox on it, waits until openbox manages
# windows, runs the command with DISPLAY set and returns its exit status.
# XVFB_SCREEN (default 1280x1024x24) sets the screen; NO_WM=1 skips openbox.
set -u

if [ $# -eq 0 ]; then
    echo "usage: $0 COMMAND [ARGS...]" >&2
    exit 2
fi

xvfb_pid=""
wm_pid=""
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT
trap 'exit 130' INT TERM

screen="${XVFB_SCREEN:-1280x1024x24}"
# Xvfb picks a free display itself and writes its number to the given descriptor.
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
xvfb_pid=$!
display=""
for _ in $(seq 1 100); do
    if [ -s "$number_file" ] && grep -q '^[0-9]\+$' "$number_file"; then
        display=":$(cat "$number_file")"
        break
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
done
rm -f "$number_file"
if [ -z "$display" ]; then
    echo "run-under-xvfb: could not start Xvfb" >&2
    exit 1
fi
export DISPLAY="$display"

if [ "${NO_WM:-0}" != 1 ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    up=""
    for _ in $(seq 1 100); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
            up=1
            break
        fi
        kill -0 "$wm_pid" 2>/dev/null || break
        sleep 0.05
    done
    # Openbox names itself before it has finished starting, and a window mapped in
    # between is never managed; it switches desktops only once it is ready.
    for desktop in 1 0; do
        [ -n "$up" ] || break
        up=""
        for _ in $(seq 1 100); do
            xdotool set_desktop "$desktop" 2>/dev/null
            if [ "$(xdotool get_desktop 2>/dev/null)" = "$desktop" ]; then
                up=1
                break
            fi
            sleep 0.05
        done
    done
    if [ -z "$up" ]; then
        echo "run-under-xvfb: openbox did not start" >&2
        exit 1
    fi
fi

export QT_QPA_PLATFORM=xcb
export DBUS_SESSION_BUS_ADDRESS=disabled:
"$@"
