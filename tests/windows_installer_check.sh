#!/usr/bin/env bash
# The game for Windows as a player meets it, under Wine in a Windows of its
# own. croquel.exe of the zip is a windowed program (no console beside it)
# whose details, as Explorer and the task manager show them, give the
# project's name, version, author and copyright; it and the installer show
# the game's icon. The installer, run silently, puts that very program under
# Program Files, a Start-menu entry that leads to it, and an entry in
# "Installed apps" with its name, version, publisher, link, icon and size;
# the installed game opens its window and ends with status 0 when the
# window manager closes it; the uninstall that entry runs removes all three.
# Run by with_desktop.sh, for a display; the arguments are the project's
# version and the zip, beside which scripts/windows writes the installer.
set -euo pipefail
version=$1
zip=$(realpath "$2")
installer=${zip%.zip}.exe
# The first copyright line, and its author after the years, as the build reads them.
copyright=$(sed -n '0,/^Copyright: /s/^Copyright: //p' "$(dirname "$0")/../dist/copyright.in")
author=$(sed 's/^[-0-9, ]*//' <<<"$copyright")
homepage=$(sed -n 's/^project(.* HOMEPAGE_URL "\([^"]*\)".*/\1/p' "$(dirname "$0")/../CMakeLists.txt")
export WINEPREFIX
WINEPREFIX=$(mktemp -d)/wine
trap 'wineserver -k 2>/dev/null || true; rm -rf "${WINEPREFIX%/wine}"' EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= PATH=/usr/lib/wine:$PATH
fail() {
    echo "installer check: $1"
    exit 1
}
within() { # seconds, command...: polls until the command succeeds
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < end)) || return 1
        sleep 0.1
    done
}

# What Windows reads of the program: its subsystem, its version resource,
# and, as of the installer, whether the icons Explorer shows are the game's
# own: every image of theirs one of icon.ico's.
details=$(/usr/bin/python3 - "$zip" "$installer" "$(dirname "$0")/../ui/assets/icon.ico" <<'EOF'
import struct, sys, zipfile, pefile
with open(sys.argv[3], "rb") as ico:
    data = ico.read()
count = struct.unpack_from("<H", data, 4)[0]
game_images = {data[offset:offset + size] for size, offset in
               (struct.unpack_from("<II", data, 6 + 16 * i + 8) for i in range(count))}
def icons(pe):
    images = [pe.get_data(entry.data.struct.OffsetToData, entry.data.struct.Size)
              for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries if kind.id == pefile.RESOURCE_TYPE["RT_ICON"]
              for name in kind.directory.entries for entry in name.directory.entries]
    groups = [kind for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries if kind.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]]
    return "the game's" if groups and images and all(image in game_images for image in images) else "another"
with zipfile.ZipFile(sys.argv[1]) as archive:
    pe = pefile.PE(data=archive.read(next(n for n in archive.namelist() if n.endswith("/croquel.exe"))))
print("Subsystem", pefile.SUBSYSTEM_TYPE[pe.OPTIONAL_HEADER.Subsystem])
print("Icon", icons(pe))
print("Installer icon", icons(pefile.PE(sys.argv[2])))
for fixed in getattr(pe, "VS_FIXEDFILEINFO", []):
    print("FileVersion#", *(fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
                            fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF), sep=" ")
for info in (entry for group in getattr(pe, "FileInfo", []) for entry in group):
    for table in getattr(info, "StringTable", []):
        print("Language", table.LangID.decode())
        for key, value in sorted(table.entries.items()):
            print(key.decode(), value.decode())
EOF
) || fail "croquel.exe or the installer could not be read as a Windows program"
echo "$details"
IFS=. read -r -a numbers <<<"$version.0.0.0"
diff <(echo "$details") - <<EOF || fail "croquel.exe shows Windows other details than the project's (< shown, > expected)"
Subsystem IMAGE_SUBSYSTEM_WINDOWS_GUI
Icon the game's
Installer icon the game's
FileVersion# ${numbers[*]:0:4}
Language 040C04B0
CompanyName $author
FileDescription Croquel
FileVersion $version
InternalName croquel
LegalCopyright Copyright $copyright
OriginalFilename croquel.exe
ProductName Croquel
ProductVersion $version
EOF

wine64 "$installer" /S || fail "the installer ended with status $?"
wineserver -w
folder="$WINEPREFIX/drive_c/Program Files/Croquel"
[ -f "$folder/croquel.exe" ] || fail "no croquel.exe in $folder"
unzip -p "$zip" '*/croquel.exe' | cmp -s - "$folder/croquel.exe" || fail "the installed croquel.exe is not the zip's"
entry=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs*' -name Croquel.lnk)
[ -n "$entry" ] || fail "no Start-menu entry"
target=$({ strings "$entry" && strings -el "$entry"; } | grep -i '^[a-z]:\\.*\\croquel\.exe$') \
    || fail "the Start-menu entry leads to no croquel.exe"
target=${target%%$'\n'*}
program=$(wine64 winepath -u "$target") || fail "Wine could not name $target on this machine"
[ "$program" -ef "$folder/croquel.exe" ] || fail "the Start-menu entry leads to $target, not to the installed game"

# The entry of "Installed apps", under a key that stays the same from one
# version to the next.
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Croquel'
listed=$(wine64 reg query "$key" | tr -d '\r') || fail "no entry in Installed apps: $key"
echo "$listed"
value() { sed -n "s/^ *$1 \+REG_[A-Z]\+ \+//p" <<<"$listed"; }
[ "$(value DisplayName)" = Croquel ] || fail "Installed apps lists the game as '$(value DisplayName)'"
[ "$(value DisplayVersion)" = "$version" ] || fail "Installed apps gives version '$(value DisplayVersion)', not $version"
[ "$(value Publisher)" = "$author" ] || fail "Installed apps gives publisher '$(value Publisher)'"
[ "$(value URLInfoAbout)" = "$homepage" ] || fail "Installed apps links to '$(value URLInfoAbout)', not $homepage"
icon=$(value DisplayIcon)
[ -n "$icon" ] && [ "$(wine64 winepath -u "$icon")" -ef "$folder/croquel.exe" ] \
    || fail "Installed apps shows the icon of '$icon', not of the installed game"
size=$(value EstimatedSize) # KiB
[[ $size =~ ^0x[0-9a-f]+$ ]] || fail "Installed apps gives no size"
size=$((size))
files=$(du -sk --apparent-size "$folder" | cut -f1)
((size > files * 9 / 10 && size < files * 11 / 10)) || fail "Installed apps gives a size of $size KiB for $files KiB of files"

# The installed game, closed by the window manager once it holds the
# window: the close is seen delivered when the window goes, apart from the
# game ending.
wine64 "$program" &
game=$!
shown() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
gone() { ! shown "$1"; }
ended() { ! kill -0 "$game" 2>/dev/null; }
managed_window() { # the game's, among those the window manager holds
    local window
    for window in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]\+'); do
        if xprop -id "$window" WM_NAME | grep -q CROQUEL && shown "$window"; then
            echo "$window"
            return
        fi
    done
    return 1
}
window=$(within 60 managed_window) || fail "the installed game opened no window"
wmctrl -i -c "$window" || fail "the window manager was not asked to close the game's window"
within 20 gone "$window" || fail "the close was not delivered: the game's window is still shown"
within 30 ended || fail "the installed game went on after its window closed"
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "the installed game ended with status $status"

# Removed as "Installed apps" removes it, by the entry's own command.
uninstaller=$(value UninstallString)
uninstaller=${uninstaller//\"/}
[ "$(wine64 winepath -u "$uninstaller")" -ef "$folder/Uninstall.exe" ] || fail "Installed apps would remove the game with '$uninstaller'"
wine64 "$uninstaller" /S || fail "the uninstaller ended with status $?"
wineserver -w
[ ! -e "$folder/croquel.exe" ] || fail "the uninstaller left croquel.exe"
[ ! -e "$entry" ] || fail "the uninstaller left the Start-menu entry"
! wine64 reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left the entry in Installed apps"
echo "installed, listed, started from its Start-menu entry's target, closed with status 0 and removed: $(basename "$installer")"
