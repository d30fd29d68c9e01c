#!/bin/sh
# test.sh: the PHP example prints the same words as uslova-cli.
# Usage: test.sh PATH/TO/php PATH/TO/libuslova.so.1 PATH/TO/uslova-cli
# SPDX-License-Identifier: MIT
set -u
php=$1
export USLOVA_LIBRARY=$2
cli=$3
here=$(dirname "$0")
failures=0
for options in "" "--currency=RSD --spacing=tidy" "--script=cyrillic --case=upper --spacing=tidy"; do
  # shellcheck disable=SC2086 # the options are split on purpose
  want=$("$cli" $options -- 2545743675434 1.234,56 -7 abc 0,05 2>/dev/null)
  # shellcheck disable=SC2086
  got=$("$php" "$here/uslova.php" $options 2545743675434 1.234,56 -7 abc 0,05 2>/dev/null)
  if [ "$got" != "$want" ]; then
    echo "FAIL: options [$options]: [$got] instead of [$want]"
    failures=$((failures + 1))
  fi
done
if [ $failures -eq 0 ]; then echo "php_example: all checks passed"; fi
[ $failures -eq 0 ]
