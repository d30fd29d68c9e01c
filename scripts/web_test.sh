#!/bin/sh
# web_test.sh: builds the WebAssembly, the npm package and the page, then tests the package
# with Node's test runner and the page in Debian's headless Chromium (when it can be installed).
# Usage: web_test.sh BUILD_DIR WEB_BUILD_DIR   (the first holds uslova-cli)
# SPDX-License-Identifier: MIT
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
web=$2
sh "$top/scripts/web.sh" "$web"
web=$(cd "$web" && pwd)
USLOVA_PACKAGE="$web/npm/package/index.js" USLOVA_CLI="$build/uslova-cli" node --test "$top/js/test/"

if ! sh "$top/scripts/deps.sh" chromium chromium-driver python3-selenium; then
  echo "web_test.sh: Chromium cannot be installed here; the page is not tested in a browser"
  exit 0
fi
# axe-core, from npm, checks the page's accessibility; it is a test tool only.
mkdir -p "$web/tools"
[ -f "$web/tools/package.json" ] || echo '{ "private": true }' >"$web/tools/package.json"
[ -f "$web/tools/node_modules/axe-core/axe.min.js" ] ||
  (cd "$web/tools" && npm install --silent --no-audit --no-fund axe-core@4 >/dev/null)
/usr/bin/python3 "$top/tests/web_test.py" "$web/site" "$web/tools/node_modules/axe-core/axe.min.js" \
  "$web/web.png"
