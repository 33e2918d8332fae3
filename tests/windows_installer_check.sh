#!/usr/bin/env bash
# The Windows installer as a player runs it, silently, under Wine in a
# Windows of its own: it puts croquel.exe under Program Files and a
# Start-menu entry in place, the installed game opens its window and ends
# with status 0 when it is closed, and the silent uninstall removes both.
# Run by with_desktop.sh, for a display and xdotool.
set -euo pipefail
installer=$(realpath "$1")
export WINEPREFIX
WINEPREFIX=$(mktemp -d)/wine
trap 'wineserver -k 2>/dev/null || true; rm -rf "${WINEPREFIX%/wine}"' EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= PATH=/usr/lib/wine:$PATH
unset QT_QPA_PLATFORM # Windows has one platform of Qt's
fail() {
    echo "installer check: $1"
    exit 1
}

wine64 "$installer" /S
wineserver -w
folder="$WINEPREFIX/drive_c/Program Files/Croquel"
[ -f "$folder/croquel.exe" ] || fail "no croquel.exe in $folder"
entry=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs*' -name Croquel.lnk)
[ -n "$entry" ] || fail "no Start-menu entry"

wine64 "$folder/croquel.exe" &
game=$!
window=$(timeout 30 xdotool search --sync --name CROQUEL) || fail "the installed game opened no window"
xdotool windowactivate --sync "$window" key alt+F4
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "the installed game ended with status $status"

wine64 "$folder/Uninstall.exe" /S
wineserver -w
[ ! -e "$folder/croquel.exe" ] || fail "the uninstaller left croquel.exe"
[ ! -e "$entry" ] || fail "the uninstaller left the Start-menu entry"
echo "installed, started, closed with status 0 and removed: $(basename "$installer")"
