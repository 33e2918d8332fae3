#!/usr/bin/env bash
# Runs a command as on a desktop: on a private X server (Xvfb) with a window
# manager, Qt on X11, and xdotool to type on it. The first argument names
# the window manager: openbox, or xfwm4 (XFCE's, alone, with the settings
# service it needs on a bus of its own). The command starts only once the
# window manager has taken the screen, so that what it shows is managed.
# Exits 77, which CTest counts as skipped, where any of them is missing.
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
for program in Xvfb xdotool xprop "${needs[@]}"; do
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
# Polls, for up to 20 s, until a command succeeds; otherwise shows the
# logs and stops, naming what did not start.
wait_for() {  # what, command...
    local what=$1
    shift
    for _ in $(seq 400); do
        "$@" && return
        sleep 0.05
    done
    cat "$server_files"/*.log
    echo "$what did not start"
    exit 1
}
written() { [ -s "$1" ]; }
# A window manager has taken the screen once the root names its check
# window, and that window names itself, as a running one keeps it.
manages_screen() {
    local check
    check=$(xprop -root -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null) || return 1
    [[ $check =~ (0x[0-9a-f]+)$ ]] || return 1
    [[ $(xprop -id "${BASH_REMATCH[1]}" -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"${BASH_REMATCH[1]}" ]]
}

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$server_files/display" 2>"$server_files/xvfb.log" &
pids+=($!)
wait_for Xvfb written "$server_files/display"
export DISPLAY=":$(cat "$server_files/display")"
if [ "$wm" = xfwm4 ]; then
    # xfwm4 reads its settings from xfconfd, which a session bus of its own
    # starts; no accessibility bus is asked for.
    dbus-daemon --session --nofork --print-address=4 4>"$server_files/bus" 2>"$server_files/bus.log" &
    pids+=($!)
    wait_for dbus-daemon written "$server_files/bus"
    DBUS_SESSION_BUS_ADDRESS=$(cat "$server_files/bus") NO_AT_BRIDGE=1 \
        xfwm4 --sm-client-disable >"$server_files/$wm.log" 2>&1 &
else
    openbox --sm-disable >"$server_files/$wm.log" 2>&1 &
fi
pids+=($!)
wait_for "$wm" manages_screen

# No session bus: the windows stay the same as on a desktop without a global
# menu, and D-Bus does not fork a helper to start a bus, which can hang under
# AddressSanitizer.
DBUS_SESSION_BUS_ADDRESS="unix:path=$server_files/no-session-bus" QT_QPA_PLATFORM=xcb "$@"
