#!/bin/sh
# install_test.sh: installs the build into a temporary root, validates the desktop entry and
# the metainfo, and builds and runs a consumer of the library through find_package(uslova)
# and through pkg-config.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -u
build=$1
source=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
expected='  dva biliona pet stotina cetrdeset pet milijardi sedam stotina cetrdeset tri miliona sest stotina sedamdeset pet hiljada cetiri stotine trideset cetiri'

DESTDIR=$root/dest cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
usr=$root/dest/usr
desktop-file-validate "$usr/share/applications/rs.uslova.Uslova.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$usr/share/metainfo/rs.uslova.Uslova.metainfo.xml" >"$root/as" ||
  { cat "$root/as"; fail "metainfo"; }
for icon in scalable/apps/rs.uslova.Uslova.svg 48x48/apps/rs.uslova.Uslova.png \
    256x256/apps/rs.uslova.Uslova.png; do
  [ -f "$usr/share/icons/hicolor/$icon" ] || fail "icon $icon"
done
file "$usr/share/icons/hicolor/256x256/apps/rs.uslova.Uslova.png" | grep -q '256 x 256' ||
  fail "the 256x256 icon's size"
[ "$("$usr/bin/uslova-cli" 2545743675434)" = "$expected" ] || fail "installed uslova-cli"

cmake -S "$source/tests/consumer" -B "$root/consumer" -DCMAKE_PREFIX_PATH="$usr" >"$root/log" 2>&1 &&
  cmake --build "$root/consumer" >>"$root/log" 2>&1 || { cat "$root/log"; fail "consumer build"; }
[ "$("$root/consumer/consumer")" = "$expected" ] || fail "consumer through find_package"

flags=$(PKG_CONFIG_PATH="$usr/lib/pkgconfig" pkg-config --cflags --libs uslova) || fail "pkg-config"
# shellcheck disable=SC2086 # the flags are split on purpose
c++ -o "$root/pc-consumer" "$source/tests/consumer/main.cpp" $flags || fail "consumer through pkg-config"
[ "$("$root/pc-consumer" 1,5)" = "  jedan zapeta   pet" ] || fail "pkg-config consumer's words"

if [ $failures -eq 0 ]; then echo "install_test: all checks passed"; fi
[ $failures -eq 0 ]
