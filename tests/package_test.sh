#!/bin/sh
# package_test.sh: builds the Debian packages with dpkg-buildpackage and checks them: the six
# packages, lintian with no error and no warning, a copyright file in each, and a command line
# that does not need Qt.
# Usage: package_test.sh SOURCE_DIR
# SPDX-License-Identifier: MIT
set -u
source=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

sh "$source/scripts/package.sh" "$out" || { echo "FAIL: dpkg-buildpackage"; exit 1; }
for package in uslova uslova-cli libuslova1 libuslova-dev python3-uslova libreoffice-uslova; do
  deb=$(ls "$out/${package}"_*.deb 2>/dev/null | head -n 1)
  [ -n "$deb" ] || { fail "no ${package}_*.deb"; continue; }
  dpkg-deb -c "$deb" | grep -q " ./usr/share/doc/$package/copyright\$" ||
    fail "$package has no /usr/share/doc/$package/copyright"
done
depends=$(dpkg-deb -f "$out"/uslova-cli_*.deb Depends)
case $depends in *qt*) fail "uslova-cli depends on Qt: $depends" ;; esac
dpkg-deb -f "$out"/uslova_*.deb Depends | grep -q libqt6widgets6 || fail "uslova without Qt widgets"
dpkg-deb -c "$out"/libreoffice-uslova_*.deb |
  grep -q ' ./usr/lib/libreoffice/share/extensions/uslova/XUslova.rdb$' ||
  fail "libreoffice-uslova without the extension"

lintian --fail-on error,warning "$out"/*.deb >"$out/lintian" 2>&1 || fail "lintian"
if grep -E '^(E|W): ' "$out/lintian"; then fail "lintian errors or warnings"; fi

if [ $failures -eq 0 ]; then echo "package_test: all checks passed ($(cd "$out" && ls ./*.deb | wc -l) packages)"; fi
[ $failures -eq 0 ]
