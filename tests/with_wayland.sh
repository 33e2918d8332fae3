#!/usr/bin/env bash
# Runs a program as a native Wayland client of a real compositor: sway,
# headless, with wtype to type and swaymsg to read the windows. sway will
# not run as root, so as root both run as the unprivileged user nobody.
# Exits 77, which CTest counts as skipped, where they are missing.
set -euo pipefail
for program in sway swaymsg wtype; do
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
: >"$runtime/config"  # sway's defaults, none of the user's
if ((${#as_user[@]})); then
    chown nobody:nogroup "$runtime"
fi
chmod 700 "$runtime"
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

"${as_user[@]}" env XDG_RUNTIME_DIR="$runtime" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman sway -c "$runtime/config" >"$runtime/sway.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    compgen -G "$runtime/sway-ipc.*.sock" >/dev/null && [ -S "$runtime/wayland-1" ] && break
    sleep 0.05
done
if ! compgen -G "$runtime/sway-ipc.*.sock" >/dev/null; then
    cat "$runtime/sway.log"
    echo "sway did not start: skipped"
    exit 77
fi

# A keyboard that stays: a headless seat has none, and one that came and
# went with each typing would leave the client no time to take it up.
"${as_user[@]}" env XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-1 wtype -s 600000 &
pids+=($!)

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
"${as_user[@]}" env XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-1 \
    SWAYSOCK="$(compgen -G "$runtime/sway-ipc.*.sock")" QT_QPA_PLATFORM=wayland "./$(basename "$program")" "$@"
