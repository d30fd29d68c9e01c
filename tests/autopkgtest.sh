#!/bin/sh
# autopkgtest.sh: runs the package tests of debian/tests against a temporary install of the
# build, with the paths set so that the install stands in for the installed packages.
# Usage: autopkgtest.sh BUILD_DIR SOURCE_DIR
# SPDX-License-Identifier: MIT
set -u
build=$1
source=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
prefix=$root$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
libdir=$prefix/$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
mkdir -p "$root/bin"
ln -s /usr/bin/python3 "$root/bin/python3"  # Debian's Python, as the package's users have it
export PATH="$prefix/bin:$root/bin:$PATH" LD_LIBRARY_PATH="$libdir"
export PYTHONPATH="$prefix/lib/python3/dist-packages" CMAKE_PREFIX_PATH="$prefix"
export PKG_CONFIG_PATH="$libdir/pkgconfig" PKG_CONFIG_SYSROOT_DIR="$root"
export USLOVA_EXTENSIONS="$prefix/lib/libreoffice/share/extensions"  # the Calc add-in
failures=0
for test in $(sed -n 's/^Tests: //p' "$source/debian/tests/control"); do
  # A package this build does not make is skipped, and said so.
  missing=""
  case $test in
    calc) [ -d "$USLOVA_EXTENSIONS" ] || missing="-DUSLOVA_CALC=ON: the Calc add-in" ;;
    python) [ -d "$PYTHONPATH/uslova" ] || missing="-DUSLOVA_PYTHON=ON: the Python package" ;;
  esac
  if [ -n "$missing" ]; then
    echo "autopkgtest: SKIP $test: this build was configured without $missing"
    continue
  fi
  export AUTOPKGTEST_TMP="$root/tmp-$test"
  mkdir -p "$AUTOPKGTEST_TMP"
  (cd "$source" && sh "debian/tests/$test") || { echo "FAIL: $test"; failures=$((failures + 1)); }
done
if [ $failures -eq 0 ]; then echo "autopkgtest: all checks passed"; fi
[ $failures -eq 0 ]
