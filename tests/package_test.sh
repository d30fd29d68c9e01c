#!/bin/sh
# package_test.sh: builds the Debian package with CPack and checks what it holds and needs.
# Usage: package_test.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

(cd "$out" && cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/log" 2>&1) ||
  { cat "$out/log"; fail "cpack"; }
deb=$(ls "$out"/uslova_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { fail "no uslova_VERSION_amd64.deb"; exit 1; }
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/uslova ./usr/bin/uslova-cli \
    ./usr/share/applications/rs.uslova.Uslova.desktop \
    ./usr/share/icons/hicolor/scalable/apps/rs.uslova.Uslova.svg \
    ./usr/share/metainfo/rs.uslova.Uslova.metainfo.xml \
    ./usr/share/man/man1/uslova.1.gz ./usr/share/man/man1/uslova-cli.1.gz \
    ./usr/include/uslova/converter.h ./usr/lib/cmake/uslova/uslovaConfig.cmake \
    ./usr/lib/pkgconfig/uslova.pc; do
  echo "$contents" | grep -q " $file\$" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" | grep -q 'libqt6widgets6' || fail "no dependency on the Qt 6 widgets library: $depends"
dpkg-deb -f "$deb" Maintainer | grep -q . || fail "no maintainer"

if [ $failures -eq 0 ]; then echo "package_test: all checks passed ($(basename "$deb"))"; fi
[ $failures -eq 0 ]
