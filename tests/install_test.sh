#!/bin/sh
# install_test.sh: installs the build into a temporary root, validates the desktop entry and
# the metainfo, and builds and runs a consumer of the library through find_package(uslova)
# and through pkg-config.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
# SPDX-License-Identifier: MIT
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

pc() { PKG_CONFIG_PATH="$usr/lib/pkgconfig" pkg-config --define-variable=prefix="$usr" "$@"; }
flags=$(pc --cflags --libs uslova) || fail "pkg-config uslova"
# shellcheck disable=SC2086 # the flags are split on purpose
c++ -std=c++20 -o "$root/pc-consumer" "$source/tests/consumer/main.cpp" $flags ||
  fail "consumer through pkg-config"
[ "$("$root/pc-consumer" 1,5)" = "  jedan zapeta   pet" ] || fail "pkg-config consumer's words"

# The C library: only C functions exported, its SONAME, and a C99 program that uses it.
lib=$usr/lib/libuslova.so.1
# (the names of the symbol versions, USLOVA_1.0 and on, are absolute symbols, not functions)
exported=$(nm -D --defined-only "$lib" | awk '!($2 == "A" && $3 ~ /^USLOVA_/) { print $3 }' |
  grep -v '^uslova_')
[ -z "$exported" ] || fail "libuslova.so.1 exports more than uslova_ functions: $exported"
readelf -d "$lib" | grep -q 'SONAME.*\[libuslova.so.1\]' || fail "SONAME libuslova.so.1"
cat >"$root/words.c" <<'C'
#include <stdio.h>
#include <string.h>
#include <uslova/uslova.h>
int main(void) {
  char words[USLOVA_WORDS_SIZE];
  size_t length;
  if (uslova_spell("2545743675434", 13, NULL, words, sizeof words, &length) != USLOVA_ACCEPTED)
    return 1;
  puts(words);
  return 0;
}
C
# shellcheck disable=SC2046 # the flags are split on purpose
cc -std=c99 -Wall -Wextra -Werror -o "$root/c-consumer" "$root/words.c" $(pc --cflags --libs uslova-c) ||
  fail "a C99 program through pkg-config uslova-c"
[ "$(LD_LIBRARY_PATH="$usr/lib" "$root/c-consumer")" = "$expected" ] || fail "the C program's words"

# The Python package, with Debian's Python, from the installed tree.
words=$(PYTHONPATH="$usr/lib/python3/dist-packages" LD_LIBRARY_PATH="$usr/lib" /usr/bin/python3 -c \
  'import uslova; print(uslova.spell("1.234,56", currency="RSD", spacing="tidy"))') || fail "import uslova"
[ "$words" = "jedna hiljada dve stotine trideset cetiri dinara i pedeset sest para" ] ||
  fail "the installed Python package's words: [$words]"

if [ $failures -eq 0 ]; then echo "install_test: all checks passed"; fi
[ $failures -eq 0 ]
