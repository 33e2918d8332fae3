#!/usr/bin/env bash
# The game started from a terminal: its options answered without a display,
# an unknown option refused in one line, Qt's own options taken, and one
# plain line, status 1 and no core dump where no window system can be
# reached. Arguments: the version, then the program, after whatever runs
# it (an emulator for a cross-built one).
set -euo pipefail
version=$1
game=("${@:2}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"

# As over ssh: no display of any kind, nor a platform chosen beforehand.
# What goes before the program (variables, a time limit) may be set in with;
# a game that starts where it should refuse is stopped all the same.
run() {
    status=0
    timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" "${with[@]}" "${game[@]}" "$@" \
        >"$work/out" 2>"$work/err" || status=$?
    with=()
}
with=()
fail() {
    echo "croquel $*"
    echo "status $status; standard output:"
    cat "$work/out"
    echo "standard error:"
    cat "$work/err"
    exit 1
}

run --version
[ "$status" -eq 0 ] && [ "$(cat "$work/out")" = "croquel $version" ] && [ ! -s "$work/err" ] || fail --version
run --help
[ "$status" -eq 0 ] && head -n 1 "$work/out" | grep -qx 'Usage: croquel \[options\]' \
    && grep -q -- '--version' "$work/out" && [ ! -s "$work/err" ] || fail --help
run -platform offscreen --bogus
[ "$status" -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q "'bogus'.*croquel --help" "$work/err" \
    && [ ! -s "$work/out" ] || fail -platform offscreen --bogus
run -platform offscreen extra
[ "$status" -eq 2 ] && grep -q "'extra'" "$work/err" || fail -platform offscreen extra
run
[ "$status" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q 'DISPLAY or WAYLAND_DISPLAY' "$work/err" \
    && ! grep -qi 'reinstall' "$work/err" || fail "(no display)"
# A display named but not running: Qt's own words on it, then the game's line.
with=(DISPLAY=:4711)
run
[ "$status" -eq 1 ] && grep -q '^qt\.qpa' "$work/err" && tail -n 1 "$work/err" | grep -q 'DISPLAY=:4711' \
    && ! grep -qi 'reinstall' "$work/err" || fail "(DISPLAY=:4711)"
# Qt's option opens the game where nothing else could, still playing when
# stopped; what Qt says as it starts is told once it has started.
with=(QT_LOGGING_RULES=qt.qpa.plugin.debug=true timeout 3)
run -platform offscreen
[ "$status" -eq 124 ] && grep -q '^qt\.qpa\.plugin' "$work/err" || fail -platform offscreen
echo "--version, --help, an unknown option or argument, no display or an absent one, and -platform: as expected"
