#!/usr/bin/env bash
# Installs the build into a fresh prefix, checks the files a desktop needs
# with the desktop's own validators, the manual page and the tree's shape (the
# program alone in bin/, its module in its private library folder), and
# starts the installed program from a folder without resources/.
# Usage: check-install.sh BUILD_DIR SOURCE_DIR APP_ID MODULE_DIR
set -euo pipefail
build=$1
source=$2
id=$3
modules=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
expected=(
    bin/ostra
    "$modules/libostra-app.so"
    "$modules/libostra-webview.so"
    "$modules/libostra-sound.so"
    share/man/man1/ostra.1.gz
    share/doc/ostra/copyright
    share/doc/ostra/changelog.gz
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/icons/hicolor/scalable/apps/$id.svg
)
for px in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${px}x${px}/apps/$id.png")
done
# The sounds where the program looks after the current folder: share/ostra/ beside bin/.
for sound in over click; do
    expected+=("share/ostra/resources/$sound.wav")
    cmp -s "$prefix/share/ostra/resources/$sound.wav" "$source/resources/$sound.wav" ||
        fail "share/ostra/resources/$sound.wav is not the shipped sound"
done
for file in "${expected[@]}"; do
    [ -s "$prefix/$file" ] || fail "$file is missing or empty"
done
# Users' commands only: developer tools and modules stay out of bin/.
[ "$(ls "$prefix/bin")" = ostra ] || fail "bin/ holds more than ostra: $(ls "$prefix/bin" | xargs)"
zcat "$prefix/share/man/man1/ostra.1.gz" >"$work/ostra.1"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$work/ostra.1" 2>&1 >"$work/ostra.txt")
[ -z "$warnings" ] || fail "man warns about ostra.1: $warnings"
grep -q -- '--version' "$work/ostra.txt" || fail "the manual page does not show --version"
for px in 16 24 32 48 64 128 256; do
    size=$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${px}x${px}/apps/$id.png")
    [ "$size" = "${px}x${px}" ] || fail "the ${px}px icon is $size"
done

desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
grep -qx 'Exec=ostra %f' "$desktop" || fail "Exec does not take one file"
mime=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n')
for type in text/html application/xhtml+xml text/xml application/xml text/css application/x-asp; do
    grep -qxF "$type" <<<"$mime" || fail "MimeType lacks $type"
done
grep -qx "Icon=$id" "$desktop" || fail "the icon is not named $id"
# Docks group the window with its launcher by its X11 class (the program sets it).
grep -qx "StartupWMClass=ostra" "$desktop" || fail "StartupWMClass is not the window class ostra"
# The metadata on its own, to the letter, then against the installed tree
# (desktop entry, icons).
issues=$(appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml") ||
    fail "appstreamcli rejects $id.metainfo.xml: $issues"
! grep -q '^[EWIP]:' <<<"$issues" || fail "appstreamcli finds in $id.metainfo.xml: $issues"
appstreamcli validate-tree --no-net "$prefix" >/dev/null ||
    fail "appstreamcli rejects the installed tree"

# Started from the menu the current folder holds no resources/; the program
# must still come up and keep running until it is stopped.
mkdir "$work/elsewhere"
cd "$work/elsewhere"
status=0
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config timeout 5 "$prefix/bin/ostra" || status=$?
[ "$status" = 124 ] || fail "the installed program ended with status $status instead of running"
echo "Installed files, desktop entry, metadata and start-up are fine."
