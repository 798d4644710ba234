#!/usr/bin/env bash
# Screenshot of the demo window under a private X display: the XP star button
# hovered (risen hover picture over its shadow) and the focused XP Save button
# held down with Space.
#
#   tools/anybutton-demo/screenshot.sh BUILD_DIR OUT.png [WITH_DISPLAY]
#
# WITH_DISPLAY is the display wrapper (default ../shared/tools/with-display).
set -euo pipefail
build=$(realpath "$1") out=$(realpath -m "$2")
with_display=${3:-$(dirname "$0")/../../../shared/tools/with-display}
shot=$(mktemp --suffix=.png)
drive=$(mktemp)
trap 'rm -f "$shot" "$drive"' EXIT
cat >"$drive" <<SCRIPT
#!/usr/bin/env bash
"$build/tools/anybutton-demo/anybutton-demo" --focus XPSave &
sleep 1.2
wid=\$(xdotool search --sync --name "AnyButton demo" | head -1)
xdotool windowmove --sync "\$wid" 0 0
xdotool windowactivate --sync "\$wid" 2>/dev/null || true
sleep 0.3
eval \$(xdotool getwindowgeometry --shell "\$wid")
# The XP row's star button: (486, 120), 56 x 44.
xdotool mousemove \$((X + 510)) \$((Y + 140)); sleep 0.3
xdotool mousemove \$((X + 514)) \$((Y + 142)); sleep 0.3
xdotool keydown space
sleep 30
SCRIPT
chmod +x "$drive"
"$with_display" --shot "$shot" --after 4 -- "$drive" >/dev/null 2>&1 || true
convert "$shot" -crop 720x470+0+0 +repage "$out"
echo "wrote $out"
