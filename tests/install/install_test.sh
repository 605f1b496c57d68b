#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR, checks the desktop layout with the platform's validators, runs the
# installed quarn-lvl from another folder (it must find its data in ../share/quarn), and builds the Debian package.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
usr="$work/root/usr"
for f in bin/quarn bin/quarn-lvl share/quarn/default.bmp \
         share/applications/org.quarn.Quarn.desktop share/mime/packages/org.quarn.Quarn.xml \
         share/metainfo/org.quarn.Quarn.metainfo.xml share/icons/hicolor/scalable/apps/org.quarn.Quarn.svg \
         share/icons/hicolor/48x48/apps/org.quarn.Quarn.png share/icons/hicolor/256x256/apps/org.quarn.Quarn.png \
         share/man/man1/quarn.1.gz share/man/man1/quarn-lvl.1.gz; do
    [ -f "$usr/$f" ] || fail "$f is not installed"
done
[ ! -e "$usr/bin/default.bmp" ] || fail "program data lies in bin/"
desktop-file-validate "$usr/share/applications/org.quarn.Quarn.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/org.quarn.Quarn.metainfo.xml" >/dev/null
grep -q 'MimeType=application/x-quarn-level;' "$usr/share/applications/org.quarn.Quarn.desktop" ||
    fail "the desktop entry does not open levels"
grep -q '<glob pattern="\*.lvl"/>' "$usr/share/mime/packages/org.quarn.Quarn.xml" || fail "no *.lvl glob"
[ "$(identify -format '%w' "$usr/share/icons/hicolor/48x48/apps/org.quarn.Quarn.png")" = 48 ] ||
    fail "the 48 px icon is not 48 px wide"
zcat "$usr/share/man/man1/quarn-lvl.1.gz" | grep -q '^\.TH QUARN-LVL 1' || fail "quarn-lvl.1 is not a manual page"

# One cell of tile 1 at (0, 0): column + row * 4096 + tile * 2^24, little-endian.
printf '\x00\x00\x00\x01' >"$work/one.lvl"
# The installed default tileset is swapped for a plain magenta one: if the installed program drew tile 1 in
# magenta, it read its data from ../share/quarn and not from the copy built into it.
convert -size 304x160 xc:'#ff00ff' -type truecolor "BMP3:$usr/share/quarn/default.bmp"
(cd / && env -u QT_QPA_PLATFORM "$usr/bin/quarn-lvl" render "$work/one.lvl" "$work/one.png" --zoom 1 \
    --region 0,0,1,1) || fail "the installed quarn-lvl cannot render"
[ "$(convert "$work/one.png" -format '%[hex:p{8,8}]' info:)" = FF00FF ] ||
    fail "the installed quarn-lvl did not draw with share/quarn/default.bmp"

(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/quarn_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *libqt6gui6* && "$depends" == *libqt6widgets6* ]] || fail "Depends lacks the Qt libraries: $depends"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "no section"
dpkg-deb -c "$deb" | grep -q '\./usr/share/quarn/default.bmp$' || fail "the package lacks the program data"
echo "install layout and package: ok"
