#!/usr/bin/env bash
# Starts and stops the X server and window manager that the desktop tests run under:
#   x-session.sh start STATE   a virtual screen on a free display number, openbox on it
#   x-session.sh stop STATE    ends both
# STATE is a folder; it holds the display number ("display") that the tests read.
set -euo pipefail
action="$1"
state="$2"
here="$(cd "$(dirname "$0")" && pwd)"

stop() {
    for name in openbox xvfb; do
        if [ -f "$state/$name.pid" ]; then
            kill "$(cat "$state/$name.pid")" 2>/dev/null || true
            rm -f "$state/$name.pid"
        fi
    done
    rm -f "$state/display"
}

case "$action" in
start)
    stop
    mkdir -p "$state"
    # The server picks a free display number and writes it to descriptor 3.
    setsid Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp \
        3>"$state/display.tmp" >"$state/xvfb.log" 2>&1 </dev/null &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 200); do
        [ -s "$state/display.tmp" ] && break
        sleep 0.05
    done
    [ -s "$state/display.tmp" ] || { echo "Xvfb did not start"; cat "$state/xvfb.log"; exit 1; }
    display=":$(tr -d '\n' <"$state/display.tmp")"
    rm -f "$state/display.tmp"

    # A panel's worth of margin at the top, so the available area is not the screen.
    DISPLAY="$display" setsid openbox --config-file "$here/openbox-rc.xml" \
        >"$state/openbox.log" 2>&1 </dev/null &
    echo $! >"$state/openbox.pid"
    for _ in $(seq 200); do
        if DISPLAY="$display" xprop -root _NET_WORKAREA 2>/dev/null | grep -q "= 0, 30,"; then
            echo "$display" >"$state/display"
            echo "X server on $display with openbox"
            exit 0
        fi
        sleep 0.05
    done
    echo "openbox did not start"
    cat "$state/openbox.log"
    stop
    exit 1
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop STATE" >&2
    exit 2
    ;;
esac
