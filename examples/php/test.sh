#!/bin/sh
# test.sh: the PHP example reads its arguments and prints its words as uslova-cli does, and its
# Uslova::spell refuses what uslova-cli refuses.
# Usage: test.sh PATH/TO/php PATH/TO/libuslova.so.1 PATH/TO/uslova-cli [CASES.tsv]
# SPDX-License-Identifier: MIT
set -u
php=$1
export USLOVA_LIBRARY=$2
cli=$3
cases=${4:-}
here=$(dirname "$0")
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The same output and exit status as uslova-cli, one argument list a line.
while IFS= read -r arguments; do
  # shellcheck disable=SC2086 # the arguments are split on purpose
  want=$("$cli" $arguments 2>/dev/null </dev/null; echo "status $?")
  # shellcheck disable=SC2086
  got=$("$php" "$here/uslova.php" $arguments 2>/dev/null </dev/null; echo "status $?")
  [ "$got" = "$want" ] || fail "arguments [$arguments]: [$got] instead of [$want]"
done <<'LISTS'
-- 2545743675434 1.234,56 -7 abc 0,05
--currency=RSD --spacing=tidy -- 2545743675434 1.234,56 -7 abc 0,05
--script=cyrillic --case=upper --spacing=tidy 2545743675434 1.234,56 -7 abc 0,05
7 --script=cyrillic 8
7 --sc latin 8
-- --help 7
7 -+5 -,5 -x
--scrpt=latin 7
--minor=digits 7
--currency=EUR --spacing=exact 7
--forms=short 7
--spacing 7
--decimal=comma --currency=RSD 15.000 1.234,5 1,234.5
LISTS
printf '7\n1,5\nabc\n' | "$php" "$here/uslova.php" --spacing=tidy >/dev/null 2>&1
[ $? -eq 1 ] || fail "lines of standard input"
"$php" "$here/uslova.php" --help | grep -q '^Usage:' || fail "--help"

# The library's checks from PHP: each line of code must throw the class named after it.
EXAMPLE="$here/uslova.php" "$php" -r '
  require getenv("EXAMPLE");
  $cases = [
    [fn () => Uslova::spell(1234.56, ["currency" => "RSD"]), TypeError::class],
    [fn () => Uslova::spell(12.5), TypeError::class],
    [fn () => Uslova::spell("7", ["minor" => "digits"]), ValueError::class],
    [fn () => Uslova::spell("7", ["curency" => "RSD"]), ValueError::class],
    [fn () => Uslova::spell("7", ["script" => ["latin"]]), ValueError::class],
    [fn () => Uslova::spell("1,234", ["currency" => "RSD"]), UslovaRejected::class],
  ];
  // null leaves an option unset, as None and undefined do in Python and JavaScript.
  if (Uslova::spell("7", ["spacing" => null, "currency" => null]) !== Uslova::spell("7")) {
    echo "FAIL: null options are not unset\n";
  }
  foreach ($cases as $n => [$call, $class]) {
    try {
      $call();
      echo "FAIL: case $n throws nothing\n";
    } catch (Throwable $e) {
      if (!($e instanceof $class)) echo "FAIL: case $n throws ", get_class($e), "\n";
    }
  }' >"${TMPDIR:-/tmp}/uslova-php-$$" 2>&1
if [ -s "${TMPDIR:-/tmp}/uslova-php-$$" ]; then fail "$(cat "${TMPDIR:-/tmp}/uslova-php-$$")"; fi
rm -f "${TMPDIR:-/tmp}/uslova-php-$$"
# The table of cases that every front runs (tests/cases.py), as strings and as ints.
if [ -n "$cases" ]; then
  got=$(EXAMPLE="$here/uslova.php" CASES="$cases" "$php" -r '
    require getenv("EXAMPLE");
    foreach (file(getenv("CASES"), FILE_IGNORE_NEW_LINES) as $line) {
      [$options, $text, $expected] = explode("\t", $line);
      $settings = [];
      foreach (array_filter(explode(" ", $options)) as $setting) {
        [$name, $value] = explode("=", $setting);
        $settings[$name] = $value;
      }
      $numbers = preg_match("/^-?(0|[1-9][0-9]*)$/", $text) ? [$text, (int)$text] : [$text];
      foreach ($numbers as $number) {
        try {
          $words = Uslova::spell($number, $settings);
        } catch (UslovaRejected $e) {
          $words = "!" . $e->prompt;
        } catch (ValueError $e) {
          $words = "?" . $e->getMessage();
        }
        if ($words !== $expected) echo "[$options] [$text]: [$words], not [$expected]\n";
      }
    }' 2>&1)
  [ -z "$got" ] || fail "the table of cases: $(echo "$got" | head -n 5)"
fi
if [ $failures -eq 0 ]; then echo "php_example: all checks passed"; fi
[ $failures -eq 0 ]
