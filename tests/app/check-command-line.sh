#!/usr/bin/env bash
# Runs the program as a shell user does: --help and --version answer without
# a display, a missing display is said in a sentence, and after "--" a file
# named like an option is a file.
# Usage: check-command-line.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# No display of any kind, and a fresh profile.
bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config"
      XDG_CACHE_HOME="$work/cache" XDG_STATE_HOME="$work/state")

status=0
"${bare[@]}" "$program" --help >"$work/out" 2>"$work/err" || status=$?
[ "$status" = 0 ] || fail "--help ended with status $status"
head -n1 "$work/out" | grep -qx 'Usage: ostra \[FILE\]' || fail "--help printed: $(cat "$work/out")"
grep -q -- '--version' "$work/out" || fail "--help does not name --version"
[ ! -s "$work/err" ] || fail "--help wrote to stderr: $(cat "$work/err")"

status=0
"${bare[@]}" "$program" --version >"$work/out" 2>"$work/err" || status=$?
[ "$status" = 0 ] || fail "--version ended with status $status"
[ "$(cat "$work/out")" = "Feldt Ostra 1.1.0" ] || fail "--version printed: $(cat "$work/out")"

status=0
"${bare[@]}" "$program" page.html >"$work/out" 2>"$work/err" || status=$?
[ "$status" = 1 ] || fail "without a display the status is $status, not 1"
[ "$(cat "$work/err")" = "Ostra needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)" ] ||
    fail "without a display it said: $(cat "$work/err")"

# A file really named --help: the program starts (and runs until stopped)
# instead of printing the usage.
mkdir "$work/pages"
echo '<p>named like an option</p>' >"$work/pages/--help"
status=0
(cd "$work/pages" && "${bare[@]}" QT_QPA_PLATFORM=offscreen timeout 4 "$program" -- --help \
    >"$work/out" 2>"$work/err") || status=$?
[ "$status" = 124 ] || fail "'-- --help' ended with status $status: $(cat "$work/err")"
! grep -q Usage "$work/out" || fail "'-- --help' printed the usage"
echo "--help, --version, -- and the missing display are answered."
