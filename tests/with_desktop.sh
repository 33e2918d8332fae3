#!/usr/bin/env bash
# Runs a command as on a desktop: on a private X server (Xvfb) with a window
# manager, Qt on X11, and xdotool to type on it. The first argument names
# the window manager: openbox, or xfwm4 (XFCE's, alone, with the settings
# service it needs on a bus of its own). Exits 77, which CTest counts as
# skipped, where any of them is missing.
set -euo pipefail
wm=$1
shift
case $wm in
openbox) needs=(openbox) ;;
xfwm4) needs=(xfwm4 dbus-daemon) ;;
*)
    echo "unknown window manager: $wm"
    exit 2
    ;;
esac
for program in Xvfb xdotool "${needs[@]}"; do
    if ! command -v "$program" >/dev/null; then
        echo "$program is not installed: skipped"
        exit 77
    fi
done

server_files=$(mktemp -d)
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$server_files"
}
trap cleanup EXIT
wait_for() {  # a file the program named writes once it is ready
    for _ in $(seq 100); do
        [ -s "$1" ] && return
        sleep 0.05
    done
    cat "$server_files"/*.log
    echo "$2 did not start"
    exit 1
}

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$server_files/display" 2>"$server_files/xvfb.log" &
pids+=($!)
wait_for "$server_files/display" Xvfb
export DISPLAY=":$(cat "$server_files/display")"
if [ "$wm" = xfwm4 ]; then
    # xfwm4 reads its settings from xfconfd, which a session bus of its own
    # starts; no accessibility bus is asked for.
    dbus-daemon --session --nofork --print-address=4 4>"$server_files/bus" 2>"$server_files/bus.log" &
    pids+=($!)
    wait_for "$server_files/bus" dbus-daemon
    DBUS_SESSION_BUS_ADDRESS=$(cat "$server_files/bus") NO_AT_BRIDGE=1 \
        xfwm4 --sm-client-disable >"$server_files/$wm.log" 2>&1 &
else
    openbox --sm-disable >"$server_files/$wm.log" 2>&1 &
fi
pids+=($!)

# No session bus: the windows stay the same as on a desktop without a global
# menu, and D-Bus does not fork a helper to start a bus, which can hang under
# AddressSanitizer.
DBUS_SESSION_BUS_ADDRESS="unix:path=$server_files/no-session-bus" QT_QPA_PLATFORM=xcb "$@"
