#!/bin/sh
# web_test.sh: the page in Debian's headless Chromium (when it can be installed), from the page
# that the build writes into BUILD_DIR/web, with the table of cases that ctest wrote there;
# ctest runs the npm package's tests.
# Usage: web_test.sh BUILD_DIR
# SPDX-License-Identifier: MIT
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
web=$(cd "$1/web" && pwd)
[ -f "$web/site/uslova.js" ] && [ -f "$1/cases.tsv" ] ||
  { echo "web_test.sh: no page or no table of cases in $1; run ctest first"; exit 1; }

if ! sh "$top/scripts/deps.sh" chromium chromium-driver python3-selenium; then
  echo "web_test.sh: Chromium cannot be installed here; the page is not tested in a browser"
  exit 0
fi
# axe-core, from npm, checks the page's accessibility; it is a test tool only.
mkdir -p "$web/tools"
[ -f "$web/tools/package.json" ] || echo '{ "private": true }' >"$web/tools/package.json"
[ -f "$web/tools/node_modules/axe-core/axe.min.js" ] ||
  (cd "$web/tools" && npm install --silent --no-audit --no-fund axe-core@4 >/dev/null)
USLOVA_CASES=$1/cases.tsv /usr/bin/python3 "$top/tests/web_test.py" "$web/site" "$web/tools/node_modules/axe-core/axe.min.js" \
  "$web/web.png"
