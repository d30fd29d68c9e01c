#!/bin/sh
# added_nouns.sh: the steps that docs/library.md gives for a new currency and a new unit, taken
# in a copy of the clone: the franc (CHF, "franak", "santim") after the last currency and the
# kilogram after the last unit, each a row of nouns.h and a name in options.h and uslova.h, and
# nothing else. From the copy it builds the command line, the C library and the Python package;
# runs the table of cases, which then holds both, through C and both Python layers; and checks
# the words, and that --help, the man page's option lines, Calc's descriptions, the npm
# package's choices and the page in a browser name them.
# Usage: added_nouns.sh SOURCE_DIR
# SPDX-License-Identifier: MIT
set -u
source=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
copy=$work/clone
mkdir -p "$copy"
(cd "$source" && git ls-files -z --cached --others --exclude-standard | xargs -0 tar -cf -) |
  tar -xf - -C "$copy"

# Each step puts one line after the line that ends as the documented row or name does.
/usr/bin/python3 - "$copy/converter" <<'EOF' || exit 1
import sys
converter = sys.argv[1]
steps = [
    ("include/uslova/nouns.h", '{"cent", "centa", "centi", false}, {"$", "US$"}},',
     '    {"CHF", {"franak", "franka", "franaka", false}, {"santim", "santima", "santima", false},'
     ' {"Fr."}},'),
    ("include/uslova/options.h", 'USD,   ///< dollars and cents: "dva dolara i jedan cent"',
     "    CHF,"),
    ("include/uslova/uslova.h", "USLOVA_CURRENCY_USD,", "  USLOVA_CURRENCY_CHF,"),
    ("include/uslova/nouns.h", '{"odsto", {"odsto", "odsto", "odsto", false}, true, "odsto (5,5 odsto)"},',
     '    {"kilogram", {"kilogram", "kilograma", "kilograma", false}},'),
    ("include/uslova/uslova.h", "USLOVA_UNIT_ODSTO,", "  USLOVA_UNIT_KILOGRAM,"),
]
for path, after, line in steps:
    with open(f"{converter}/{path}") as file:
        lines = file.read().split("\n")
    places = [i for i, text in enumerate(lines) if text.rstrip().endswith(after)]
    if len(places) != 1:
        sys.exit(f"added_nouns.sh: {path} has {len(places)} lines ending {after!r}")
    lines.insert(places[0] + 1, line)
    with open(f"{converter}/{path}", "w") as file:
        file.write("\n".join(lines))
EOF

build=$copy/build
# Built with no optimisation and no debug information, quickest to build; the words are the same.
cmake -S "$copy" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 \
  -DUSLOVA_WERROR=ON -DUSLOVA_WINDOW=OFF -DBUILD_TESTING=ON >"$work/log" 2>&1 &&
  cmake --build "$build" -j "$(nproc)" --target uslova-cli uslova_c c_api_test python_package \
    >>"$work/log" 2>&1 || { tail -n 30 "$work/log"; echo "FAIL: the copy does not build"; exit 1; }
cli=$build/uslova-cli

# The table of cases through C and both Python layers.
ctest --test-dir "$build" -R '^(cases|c_api_test|python_test_compiled|python_test_ctypes)$' \
  --output-on-failure >"$work/ctest" 2>&1 || { cat "$work/ctest"; fail "the table of cases"; }
grep -q "100% tests passed, 0 tests failed out of 4" "$work/ctest" || fail "not all four ran"
grep -q "currency=CHF" "$build/cases.tsv" || fail "the table has no CHF"
grep -q "unit=kilogram" "$build/cases.tsv" || fail "the table has no kilogram"

# The words, in Latin with diacritics as typed, and in the scripts the compiler writes.
check() {  # EXPECTED ARGUMENTS...: what uslova-cli writes for the arguments
  expected=$1
  shift
  got=$("$cli" "$@" 2>&1)
  [ "$got" = "$expected" ] || fail "uslova-cli $*: $got"
}
check "dva franka i pet santima" --currency=CHF 2,05
check "једна хиљада један франак и двадесет један сантим" --currency=CHF --script=cyrillic 1.001,21
check "jedanaest franaka" --currency=CHF "Fr. 11"
check "dvadeset jednog kilograma" --unit=kilogram --inflection=genitive 21
check "ТРИ КИЛОГРАМА" --unit=kilogram --script=cyrillic --case=upper 3
check "5,01" --read --currency=CHF "pet franaka i jedan santim"
check "22" --read --unit=kilogram "dvadeset dva kilograma"

# Every place that names the currencies and the units.
help=$("$cli" --help)
printf '%s\n' "$help" | grep -q -- "--currency=RSD|EUR|USD|CHF$" || fail "--help: no CHF"
printf '%s\n' "$help" | grep -q -- "--unit=.*|odsto|kilogram$" || fail "--help: no kilogram"
printf '%s\n' "$help" | tr -s ' \n' '  ' | grep -q "; CHF, Fr\.)" ||
  fail "--help: not the franc's sign"
sh "$copy/scripts/man_options.sh" "$cli" "$copy/packaging/uslova-cli.1" "$work/man" &&
  grep -q 'CHF }' "$work/man" && grep -q 'kilogram }' "$work/man" || fail "the man page"
sh "$copy/scripts/calc_names.sh" "$cli" "$copy/calc/CalcAddIns.xcu" "$work/xcu" &&
  grep -q "RSD, EUR, USD or CHF" "$work/xcu" && grep -q "RSD, EUR, USD ili CHF" "$work/xcu" &&
  grep -q "odsto, kilogram" "$work/xcu" || fail "Calc's descriptions"

# The page and the npm package, from the copy's WebAssembly: the page offers each value of
# the converter's, by its label, in a browser where one is installed.
if command -v em++ >/dev/null && command -v node >/dev/null; then
  sh "$copy/scripts/web.sh" "$work/web" >"$work/web.log" 2>&1 ||
    { tail -n 20 "$work/web.log"; fail "web.sh"; }
  node -e '
    const { choices, labels } = require(process.argv[1]);
    if (!choices.currency.includes("CHF") || !choices.unit.includes("kilogram") ||
        labels.currency.values.CHF !== "franak (CHF)") {
      console.log(JSON.stringify([choices.currency, choices.unit, labels.currency]));
      process.exit(1);
    }' "$work/web/npm/package/index.cjs" || fail "the npm package's choices"
  grep -q '"CHF"' "$work/web/npm/package/index.d.ts" &&
    grep -q '"kilogram"' "$work/web/npm/package/index.d.ts" || fail "the npm package's types"
  if [ -x /usr/bin/chromium ] && [ -x /usr/bin/chromedriver ] &&
    /usr/bin/python3 -c "import selenium" 2>/dev/null; then
    /usr/bin/python3 - "$work/web/site/index.html" "$work/chromium" <<'EOF' || fail "the page"
import sys
from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait
options = Options()
options.binary_location = "/usr/bin/chromium"
for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", f"--user-data-dir={sys.argv[2]}"):
    options.add_argument(flag)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    driver.get("file://" + sys.argv[1])
    offered = WebDriverWait(driver, 30).until(lambda d: d.execute_script(
        "return document.getElementById('unit') &&"
        " [...document.querySelectorAll('select option')].map((o) => o.label);"))
finally:
    driver.quit()
missing = {"franak (CHF)", "kilogram"} - set(offered)
if missing:
    sys.exit(f"the page does not offer {missing}: {offered}")
EOF
  else
    echo "added_nouns: no Chromium here: the page is checked through its package alone"
  fi
fi

if [ $failures -eq 0 ]; then echo "added_nouns: all checks passed"; fi
[ $failures -eq 0 ]
