#!/usr/bin/env bash
# The Windows installer as a player runs it, silently, under Wine in a
# Windows of its own: it puts croquel.exe under Program Files and a
# Start-menu entry that leads to it and shows its icon, the installed game
# opens its window and ends with status 0 when it is closed, and the silent
# uninstall removes both.
# Run by with_desktop.sh, for a display and xdotool.
set -euo pipefail
installer=$(realpath "$1")
export WINEPREFIX
WINEPREFIX=$(mktemp -d)/wine
trap 'wineserver -k 2>/dev/null || true; rm -rf "${WINEPREFIX%/wine}"' EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= PATH=/usr/lib/wine:$PATH
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
target=$({ strings "$entry" && strings -el "$entry"; } | grep -i '^[a-z]:\\.*\\croquel\.exe$') \
    || fail "the Start-menu entry leads to no croquel.exe"
target=${target%%$'\n'*}
program=$(wine64 winepath -u "$target")
[ "$program" -ef "$folder/croquel.exe" ] || fail "the Start-menu entry leads to $target, not to the installed game"
# The entry shows the program's own icon: an icon group among its resources.
x86_64-w64-mingw32-objdump -p "$program" | grep -q 'Entry: ID: 0x00000e' || fail "croquel.exe has no icon"

timeout 60 wine64 "$program" &
game=$!
window=$(timeout 30 xdotool search --sync --name CROQUEL) || fail "the installed game opened no window"
xdotool windowactivate --sync "$window" key alt+F4
status=0
wait "$game" || status=$?
[ "$status" -ne 124 ] || fail "the installed game went on after its window closed"
[ "$status" -eq 0 ] || fail "the installed game ended with status $status"

wine64 "$folder/Uninstall.exe" /S
wineserver -w
[ ! -e "$folder/croquel.exe" ] || fail "the uninstaller left croquel.exe"
[ ! -e "$entry" ] || fail "the uninstaller left the Start-menu entry"
echo "installed, started from its Start-menu entry's target, closed with status 0 and removed: $(basename "$installer")"
