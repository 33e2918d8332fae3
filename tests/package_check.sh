#!/usr/bin/env bash
# Checks a Debian package of the game as a distribution would: the files a
# desktop and a package manager look for, its dependencies, lintian with no
# error and no warning, the desktop entry and AppStream validators, the
# manual page, and the packaged program answering --version with the
# package's version, starting and running until stopped; a package for
# another processor is run under qemu-user.
set -euo pipefail
deb=$1
arch=$(dpkg-deb -f "$deb" Architecture)
run=()
alive=2 # seconds
if [ "$arch" != "$(dpkg --print-architecture)" ]; then
    run=("qemu-$(dpkg-architecture -a "$arch" -q DEB_HOST_GNU_CPU 2>/dev/null)")
    alive=20 # an emulated start is slow, and a late crash is what it may hide
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== contents of $deb"
dpkg-deb -c "$deb" | awk '{ sub(/^\./, "", $6); print $6 }' >"$work/files"
# The files beside the program are listed once for this check and the install check.
for path in /usr/games/croquel $(sed 's|^|/usr/|' "$(dirname "$0")/../dist/installed-files"); do
    grep -qx "$path" "$work/files" || { echo "not in the package: $path"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2; do
    grep -q "\b$package\b" <<<"$depends" || { echo "Depends lacks $package: $depends"; exit 1; }
done
grep -q '\bqt6-wayland\b' <<<"$(dpkg-deb -f "$deb" Recommends)" || { echo "Recommends lacks qt6-wayland"; exit 1; }
echo "files, Depends and Recommends: as expected"

echo "== lintian"
if ! lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1; then
    cat "$work/lintian"
    echo "lintian: errors or warnings"
    exit 1
fi
echo "lintian: no error, no warning"

echo "== desktop entry, AppStream data, manual page"
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/org.example.croquel.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.example.croquel.metainfo.xml"
MANWIDTH=80 man -l "$work/root/usr/share/man/man6/croquel.6.gz" >"$work/manual" 2>&1
grep -q 'EXIT STATUS' "$work/manual" || { cat "$work/manual"; exit 1; }
echo "manual page: rendered"

echo "== the packaged game${run:+, under ${run[*]}}"
answer=$("${run[@]}" "$work/root/usr/games/croquel" --version)
[ "$answer" = "croquel $(dpkg-deb -f "$deb" Version)" ] || { echo "--version answered '$answer'"; exit 1; }
QT_QPA_PLATFORM=offscreen "${run[@]}" "$work/root/usr/games/croquel" >"$work/game.log" 2>&1 &
game=$!
sleep "$alive"
if ! kill -0 "$game" 2>/dev/null; then
    cat "$work/game.log"
    echo "the packaged game did not stay up"
    exit 1
fi
kill "$game"
wait "$game" 2>/dev/null || true
echo "the packaged game answered '$answer', started and ran ${alive} s until stopped"
