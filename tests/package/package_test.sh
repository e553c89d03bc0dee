#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root and runs the installed renderer.
#   package_test.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
package=$(ls "$work"/*.deb)
echo "built $(basename "$package")"
dpkg-deb --field "$package" Depends | grep -q 'libqt6' || { echo "FAIL: no Qt dependency recorded"; exit 1; }
dpkg -x "$package" "$work/root"
for file in usr/bin/plant usr/bin/plant-render usr/share/applications/plant.desktop \
            usr/share/icons/hicolor/scalable/apps/plant.svg; do
  [ -e "$work/root/$file" ] || { echo "FAIL: the package lacks /$file"; exit 1; }
done
desktop-file-validate "$work/root/usr/share/applications/plant.desktop"
version=$("$work/root/usr/bin/plant-render" --version)
echo "installed: $version"
[[ "$version" == "plant-render "* ]] || { echo "FAIL: unexpected version output"; exit 1; }
