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
export DISPLAY=:$((500 + RANDOM % 300))
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
mkdir -p "$work/config" "$work/cache" "$work/state"
XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_STATE_HOME=$work/state \
    "$program" >"$work/log" 2>&1 &
app=$!
pids+=($app)

visible() { xdotool search --onlyvisible --pid "$app" 2>/dev/null || true; }
first=
for _ in $(seq 2000); do
    first=$(visible | head -n1)
    [ -n "$first" ] && break
    sleep 0.005
done
[ -n "$first" ] || fail "no window within 10 s: $(cat "$work/log")"
# Held where it is: nothing of Qt can have replaced the picture while it is read.
kill -STOP "$app"
# Centred as Qt centres its splash: (1023 / 2 - 449 / 2, 767 / 2 - 289 / 2).
where=$(xdotool getwindowgeometry "$first")
grep -q 'Position: 287,239' <<<"$where" && grep -q 'Geometry: 450x290' <<<"$where" ||
    fail "the first window is not the centred picture: $where"
import -window root -crop 450x290+287+239 "$work/early.png"
kill -CONT "$app"

sleep 1.2
mapfile -t shown < <(visible)
[[ " ${shown[*]} " != *" $first "* ]] || fail "the launcher's picture is still shown after a second"
[ ${#shown[@]} -ge 1 ] || fail "no splash a second after the start"
import -window root -crop 450x290+287+239 "$work/qt.png"
differing=$(compare -metric AE "$work/early.png" "$work/qt.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "$differing pixels differ between the two pictures"
echo "The launcher's picture shows first, centred, and Qt's splash replaces it unseen."
