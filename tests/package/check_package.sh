#!/usr/bin/env bash
# The Debian package: builds it from the build tree and checks what it holds,
# what it depends on and its menu entry.   check_package.sh BUILD_DIR VERSION
# (VERSION: the build's, from the project line of CMakeLists.txt)
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/pluvik_*_*.deb)
failed=0
fail() { echo "FAIL: $*"; failed=1; }

listing=$(dpkg-deb -c "$deb")
for path in ./usr/lib/pluvik/pluvik ./usr/lib/pluvik/PLUVIK.pdf ./usr/share/applications/pluvik.desktop \
  ./usr/share/icons/hicolor/scalable/apps/pluvik.svg ./usr/share/icons/hicolor/48x48/apps/pluvik.png \
  ./usr/share/icons/hicolor/256x256/apps/pluvik.png; do
  grep -q " $path\$" <<<"$listing" || fail "the package lacks $path"
done
# The command on the path is a link to the program beside its manual.
grep -q ' ./usr/bin/pluvik -> ../lib/pluvik/pluvik$' <<<"$listing" || fail "/usr/bin/pluvik does not link to the program"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n; do
  grep -q "$package" <<<"$depends" || fail "the package does not depend on $package ($depends)"
done
[ "$(dpkg-deb -f "$deb" Package)" = pluvik ] || fail "the package is not named pluvik"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package version is not $version"

dpkg-deb -x "$deb" "$work/root"
entry="$work/root/usr/share/applications/pluvik.desktop"
desktop-file-validate "$entry" | grep -v ': hint: ' && fail "the menu entry is not valid" || true
grep -q '^Exec=pluvik$' "$entry" || fail "the menu entry does not start pluvik"
grep -q '^Name\[sv\]=\|^GenericName\[sv\]=' "$entry" || fail "the menu entry has no Swedish name"
grep -q '^Comment\[da\]=' "$entry" || fail "the menu entry has no Danish comment"
for category in Office Utility Science; do
  grep -q "^Categories=.*$category;" "$entry" || fail "the menu entry is not in $category"
done
# The packed program answers --version without a display.
env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/lib/pluvik/pluvik" --version | grep -qxF "PLUVIK $version" ||
  fail "pluvik --version does not print 'PLUVIK $version'"

[ $failed = 0 ] && echo "package ok: $(basename "$deb")"
exit $failed
