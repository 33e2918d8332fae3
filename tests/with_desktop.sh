#!/usr/bin/env bash
# Runs a command as on a desktop: on a private X server (Xvfb) with a window
# manager (openbox), Qt on X11, and xdotool to type on it. Exits 77, which
# CTest counts as skipped, where any of them is missing.
set -euo pipefail
for program in Xvfb openbox xdotool; do
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

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$server_files/display" 2>"$server_files/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$server_files/display" ] && break
    sleep 0.05
done
if [ ! -s "$server_files/display" ]; then
    cat "$server_files/xvfb.log"
    echo "Xvfb did not start"
    exit 1
fi
export DISPLAY=":$(cat "$server_files/display")"
openbox --sm-disable >"$server_files/openbox.log" 2>&1 &
pids+=($!)

# No session bus: the windows stay the same as on a desktop without a global
# menu, and D-Bus does not fork a helper to start a bus, which can hang under
# AddressSanitizer.
DBUS_SESSION_BUS_ADDRESS="unix:path=$server_files/no-session-bus" QT_QPA_PLATFORM=xcb "$@"
