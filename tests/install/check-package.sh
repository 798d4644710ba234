#!/usr/bin/env bash
# Makes the Debian package of the build with CPack and checks that it holds
# the installed files and the library dependencies dpkg-shlibdeps found, and
# that lintian finds no error and no warning in it.
# Usage: check-package.sh BUILD_DIR APP_ID MODULE_DIR
set -euo pipefail
build=$1
id=$2
modules=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(ls "$work"/ostra_*.deb)
files=$(dpkg-deb -c "$deb")
for file in usr/bin/ostra usr/$modules/libostra-app.so usr/$modules/libostra-webview.so \
    usr/$modules/libostra-sound.so \
    usr/share/ostra/resources/over.wav \
    usr/share/ostra/resources/click.wav usr/share/applications/$id.desktop \
    usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$id.svg \
    usr/share/icons/hicolor/256x256/apps/$id.png usr/share/man/man1/ostra.1.gz \
    usr/share/doc/ostra/copyright usr/share/doc/ostra/changelog.gz; do
    grep -q " \./$file\$" <<<"$files" || fail "the package lacks /$file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqscintilla2-qt6 libqt6multimedia6 libqt6webenginewidgets6; do
    grep -q "\b$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
# Errors and warnings fail; the informational tags are printed for the log.
status=0
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" >"$work/lintian" ||
    status=$?
cat "$work/lintian"
[ "$status" = 0 ] || fail "lintian finds errors or warnings (status $status)"
echo "$(basename "$deb"): Depends: $depends"
