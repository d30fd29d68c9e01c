#!/bin/sh
# package.sh: builds the Debian packages from a copy of the source tree with dpkg-buildpackage,
# installing the build dependencies it lacks, and leaves the .deb files in OUT_DIR.
# Usage: package.sh [OUT_DIR]   (build/packages by default)
# SPDX-License-Identifier: MIT
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/build/packages}
sh "$top/scripts/deps.sh" debhelper dpkg-dev cmake make g++ librsvg2-bin qt6-base-dev python3 \
  python3-dev dh-python libreoffice-dev

mkdir -p "$top/build" "$out"
work=$(mktemp -d "$top/build/package.XXXXXX")
trap 'rm -rf "$work"' EXIT
version=$(dpkg-parsechangelog -l "$top/debian/changelog" -S Version)
source=$work/uslova-$version
mkdir -p "$source"
# The files a clean clone has, and new ones not yet committed; never the build trees.
if git -C "$top" rev-parse --git-dir >/dev/null 2>&1; then
  (cd "$top" && git ls-files -z --cached --others --exclude-standard | xargs -0 tar -cf -) |
    tar -xf - -C "$source"
else
  (cd "$top" && tar --exclude='./build*' -cf - .) | tar -xf - -C "$source"
fi

(cd "$source" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" \
  dpkg-buildpackage -us -uc -b >"$work/log" 2>&1) || { tail -n 40 "$work/log"; exit 1; }
mv "$work"/*.deb "$out"/
echo "package.sh: $(cd "$out" && ls ./*.deb | tr '\n' ' ')in $out"
