#!/usr/bin/env bash
# The first window of a start, as a user meets it under a window manager: the
# launcher's picture, 450 x 290 and centred, before Qt is loaded; then Qt's
# splash in its place with the very same pixels, and the launcher's gone.
# Usage: check-early-splash.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null && wait "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# Waits up to 10 s for COMMAND to succeed.
await() {
    for _ in $(seq 1000); do "$@" && return 0; sleep 0.01; done
    return 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
await test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")
openbox >"$work/wm.log" 2>&1 &
pids+=($!)
managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
await managed || fail "the window manager did not start: $(cat "$work/wm.log")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE
mkdir -p "$work/config" "$work/cache" "$work/state"
XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_STATE_HOME=$work/state \
    "$program" >"$work/log" 2>&1 &
app=$!
pids+=($app)

visible() { xdotool search --onlyvisible --pid "$app" 2>/dev/null || true; }
first=
shows() { first=$(visible | head -n1) && [ -n "$first" ]; }
await shows || fail "no window within 10 s: $(cat "$work/log")"
# Held where it is: nothing of Qt can replace the picture while it is read.
kill -STOP "$app"
# The launcher's own window: Qt's windows take part in WM_PROTOCOLS, it does not.
xprop -id "$first" WM_PROTOCOLS | grep -q 'not found' || fail "the first window is Qt's"
# Centred as Qt centres its splash: (1023 / 2 - 449 / 2, 767 / 2 - 289 / 2).
where=$(xdotool getwindowgeometry "$first")
grep -q 'Position: 287,239' <<<"$where" && grep -q 'Geometry: 450x290' <<<"$where" ||
    fail "the first window is not the centred picture: $where"
import -window root -crop 450x290+287+239 "$work/early.png"
kill -CONT "$app"

# Qt's splash over the picture; on a slow machine it may live only until the
# document window shows, 2 s after the start, so it is looked for at once.
splash=
qtSplash() {
    for w in $(visible); do
        [ "$w" != "$first" ] && xdotool getwindowgeometry "$w" | grep -q 'Position: 287,239' &&
            splash=$w && return 0
    done
    return 1
}
await qtSplash || fail "no splash of Qt's where the picture was"
# Mapped, it may not be drawn yet: read again until it is.
differing=
same() {
    import -window "$splash" "$work/qt.png" 2>/dev/null || return 1
    differing=$(compare -metric AE "$work/early.png" "$work/qt.png" null: 2>&1 || true)
    [ "$differing" = 0 ]
}
await same || fail "${differing:-all} pixels differ between the two pictures"
gone() { ! visible | grep -qx "$first"; }
await gone || fail "the launcher's picture is still shown after 10 s"
echo "The launcher's picture shows first, centred, and Qt's splash replaces it unseen."
