#!/bin/sh
# test.sh: the PHP example: its class through the table of cases that every front runs, the
# options as uslova-cli lists them, and its script with and without the library.
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

# The script: the class's words, and its usage and a missing library in one line each.
[ "$("$php" "$here/uslova.php" 1.234,56 currency=RSD)" = "$("$cli" --currency=RSD 1.234,56)" ] ||
  fail "the script's words"
USLOVA_LIBRARY=/nonexistent/libuslova.so.1 "$php" "$here/uslova.php" --help | grep -q '^Usage:' ||
  fail "--help without the library"
said=$(USLOVA_LIBRARY=/nonexistent/libuslova.so.1 "$php" "$here/uslova.php" 7 2>&1)
[ $? -eq 2 ] && [ "$(echo "$said" | wc -l)" -eq 1 ] && echo "$said" | grep -q USLOVA_LIBRARY ||
  fail "a missing library: [$said]"

# The class's checks: each line of code must throw the class named after it.
EXAMPLE="$here/uslova.php" "$php" -r '
  require getenv("EXAMPLE");
  $cases = [
    [fn () => Uslova::spell(0.1 + 0.2), UslovaRejected::class],
    [fn () => Uslova::spell(NAN), UslovaRejected::class],
    [fn () => Uslova::spell(null), TypeError::class],
    [fn () => Uslova::spell("7", ["curency" => "RSD"]), ValueError::class],
    [fn () => Uslova::spell("7", ["script" => ["latin"]]), ValueError::class],
    [fn () => Uslova::spell("7", ["unit" => "dan\0"]), ValueError::class],
    [fn () => Uslova::spell("7", ["unit" => "stan,stana:m"]), ValueError::class],
    [fn () => Uslova::spell("1,5", ["unit" => "dan"]), UslovaRejected::class],
    [fn () => Uslova::spellDate(20261209), TypeError::class],
    [fn () => Uslova::spellDate("9.12.2026\0"), UslovaRejected::class],
    [fn () => Uslova::spellDate("9.12.2026", ["spacing" => "tidy"]), ValueError::class],
  ];
  foreach ($cases as $n => [$call, $class]) {
    try {
      $call();
      echo "FAIL: case $n throws nothing\n";
    } catch (Throwable $e) {
      if (!($e instanceof $class)) echo "FAIL: case $n throws ", get_class($e), "\n";
    }
  }
  // A float as its shortest digits, whatever serialize_precision says.
  ini_set("serialize_precision", "17");
  foreach ([[1234.56, "1.234,56", ["currency" => "RSD"]], [1.5, "1,5", ["decimal" => "comma"]],
            [1e-7, "0,0000001", []], [-0.0, "0", []]] as [$float, $text, $settings]) {
    if (Uslova::spell($float, $settings) !== Uslova::spell($text, $settings)) echo "FAIL: $text\n";
  }
  // null leaves an option unset, as None and undefined do in Python and JavaScript.
  if (Uslova::spell("7", ["spacing" => null, "currency" => null]) !== Uslova::spell("7")) {
    echo "FAIL: null options are not unset\n";
  }' >"${TMPDIR:-/tmp}/uslova-php-$$" 2>&1
if [ -s "${TMPDIR:-/tmp}/uslova-php-$$" ]; then fail "$(cat "${TMPDIR:-/tmp}/uslova-php-$$")"; fi
rm -f "${TMPDIR:-/tmp}/uslova-php-$$"

# The table of cases that every front runs (tests/cases.py), as strings and as ints, and the
# options as uslova-cli --help lists them (choices.tsv, beside the table).
if [ -n "$cases" ]; then
  got=$(EXAMPLE="$here/uslova.php" CASES="$cases" "$php" -r '
    require getenv("EXAMPLE");
    $listed = [];
    foreach (file(dirname(getenv("CASES")) . "/choices.tsv", FILE_IGNORE_NEW_LINES) as $line) {
      [$name, $values] = explode("\t", $line);
      $listed[$name] = explode(", ", $values);
    }
    if (Uslova::choices() !== $listed) echo "choices: ", json_encode(Uslova::choices()), "\n";
    foreach (file(getenv("CASES"), FILE_IGNORE_NEW_LINES) as $line) {
      [$options, $text, $expected] = explode("\t", $line);
      $settings = [];
      foreach (array_filter(explode(" ", $options)) as $setting) {
        [$name, $value] = explode("=", $setting);
        $settings[$name] = $value;
      }
      // As an int too where it is one: 32-bit PHP has none above 2147483647.
      $whole = preg_match("/^-?(0|[1-9][0-9]*)$/", $text) && (string)(int)$text === $text;
      $numbers = $whole ? [$text, (int)$text] : [$text];
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
    }
    // The dates beside the table, as text and, where the text is ISO, as a DateTimeImmutable
    // early on that day in a zone where it is still the day before in UTC.
    foreach (file(dirname(getenv("CASES")) . "/dates.tsv", FILE_IGNORE_NEW_LINES) as $line) {
      [$options, $text, $expected] = explode("\t", $line);
      $settings = [];
      foreach (array_filter(explode(" ", $options)) as $setting) {
        [$name, $value] = explode("=", $setting);
        $settings[$name] = $value;
      }
      $dates = [$text];
      if (preg_match("/^\\d{4}-\\d\\d-\\d\\d$/", $text) && $expected[0] !== "!") {
        $dates[] = new DateTimeImmutable("$text 05:00", new DateTimeZone("Pacific/Kiritimati"));
      }
      foreach ($dates as $date) {
        try {
          $words = Uslova::spellDate($date, $settings);
        } catch (UslovaRejected $e) {
          $words = "!" . $e->prompt;
        }
        if ($words !== $expected) echo "date [$options] [$text]: [$words], not [$expected]\n";
      }
    }' 2>&1)
  [ -z "$got" ] || fail "the table of cases: $(echo "$got" | head -n 5)"
fi
if [ $failures -eq 0 ]; then echo "php_example: all checks passed"; fi
[ $failures -eq 0 ]
