#!/usr/bin/env bash
# Runs a program as a native Wayland client of a real compositor, headless,
# named by the first argument: sway, which draws the windows' title bars
# itself, with wtype to type and swaymsg to read the windows; or weston,
# which leaves the title bar to the client, with weston-screenshooter to
# read the screen. Neither will run as root, so as root both run as the
# unprivileged user nobody. Exits 77, which CTest counts as skipped, where
# they are missing.
set -euo pipefail
compositor=$1
shift
case $compositor in
sway) needs=(sway swaymsg wtype) ;;
weston) needs=(weston weston-screenshooter) ;;
*)
    echo "unknown compositor: $compositor"
    exit 2
    ;;
esac
for program in "${needs[@]}"; do
    if ! command -v "$program" >/dev/null; then
        echo "$program is not installed: skipped"
        exit 77
    fi
done

as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
runtime=$(mktemp -d)
if ((${#as_user[@]})); then
    chown nobody:nogroup "$runtime"
fi
chmod 700 "$runtime"
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

as_nobody=("${as_user[@]}" env XDG_RUNTIME_DIR="$runtime")
started() {  # the compositor's log, when it did not come up
    for _ in $(seq 100); do
        [ -S "$runtime/wayland-1" ] && compgen -G "$runtime/$1" >/dev/null && return
        sleep 0.05
    done
    cat "$runtime/$compositor.log"
    echo "$compositor did not start: skipped"
    exit 77
}
if [ "$compositor" = sway ]; then
    : >"$runtime/config" # sway's defaults, none of the user's
    "${as_nobody[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -c "$runtime/config" >"$runtime/sway.log" 2>&1 &
    pids+=($!)
    started "sway-ipc.*.sock"
    # A keyboard that stays: a headless seat has none, and one that came and
    # went with each typing would leave the client no time to take it up.
    "${as_nobody[@]}" WAYLAND_DISPLAY=wayland-1 wtype -s 600000 &
    pids+=($!)
    program_environment=(SWAYSOCK="$(compgen -G "$runtime/sway-ipc.*.sock")")
else
    # Screenshots are a debugging protocol of weston's.
    "${as_nobody[@]}" weston --backend=headless-backend.so --use-pixman --no-config --debug --socket=wayland-1 \
        --width=1280 --height=1024 >"$runtime/weston.log" 2>&1 &
    pids+=($!)
    started "wayland-1.lock"
    program_environment=()
fi

# The program runs from the private folder, which the user can reach
# wherever the build lies; so does the sanitizers' suppression file it reads.
program=$1
shift
cp "$program" "$runtime/"
if [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]+) ]]; then
    cp "${BASH_REMATCH[1]}" "$runtime/lsan.supp"
    LSAN_OPTIONS=${LSAN_OPTIONS/"${BASH_REMATCH[1]}"/"$runtime/lsan.supp"}
    export LSAN_OPTIONS
fi
if ((${#as_user[@]})); then
    chown nobody:nogroup "$runtime"/*
fi
cd "$runtime"
"${as_nobody[@]}" WAYLAND_DISPLAY=wayland-1 "${program_environment[@]}" QT_QPA_PLATFORM=wayland "./$(basename "$program")" "$@"
