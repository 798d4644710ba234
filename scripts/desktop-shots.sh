#!/usr/bin/env bash
# Takes the README's pictures of the whole window on a light and on a dark
# desktop (GTK's Adwaita and Adwaita dark), each with a fresh profile, into
# docs/images/light-desktop.png and docs/images/dark-desktop.png. Needs a
# display with a window manager, imagemagick, xdotool and x11-utils.
#
#   scripts/desktop-shots.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ostra=$(realpath "$1")/app/ostra
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/sample.html" <<'HTML'
<!DOCTYPE html>
<html>
<head>
  <title>Opening hours</title>
  <style>
    td.closed { color: #a00; font-style: italic; }
  </style>
</head>
<body>
  <!-- updated each season -->
  <h1 class="title">Opening hours</h1>
  <p>Open every day &amp; on <b>public holidays</b>.</p>
  <table border="1">
    <tr><td>Monday</td><td class="closed">closed</td></tr>
  </table>
  <script>var season = "summer";</script>
</body>
</html>
HTML

shot() { # NAME GTK_THEME
    local profile=$work/profile-$1 app wid
    mkdir -p "$profile"/{config,cache,state}
    HOME=$profile XDG_CONFIG_HOME=$profile/config XDG_CACHE_HOME=$profile/cache \
        XDG_STATE_HOME=$profile/state QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=$2 \
        "$ostra" "$work/sample.html" &
    app=$!
    sleep 5 # past the splash
    wid=$(xdotool search --sync --onlyvisible --pid "$app" --name '^Feldt Ostra' | tail -1)
    # The window with its frame: the frame's extents around the client.
    read -r X Y WIDTH HEIGHT < <(xwininfo -id "$wid" |
        awk '/Absolute upper-left [XY]|Width|Height/ { printf "%s ", $NF } END { print "" }')
    read -r left right top bottom < <(xprop -id "$wid" _NET_FRAME_EXTENTS |
        sed 's/.*= //; s/,//g')
    import -window root -crop "$((WIDTH + left + right))x$((HEIGHT + top + bottom))+$((X - left))+$((Y - top))" \
        +repage "$root/docs/images/$1-desktop.png"
    kill "$app"
    wait "$app" 2>/dev/null || true
    ! command -v optipng >/dev/null || optipng -quiet -o5 "$root/docs/images/$1-desktop.png"
    echo "wrote docs/images/$1-desktop.png"
}
shot light Adwaita
shot dark Adwaita:dark
