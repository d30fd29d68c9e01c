#!/bin/sh
# oxt.sh: the Calc add-in as a self-contained extension, uslova-VERSION.oxt, which a user of any
# Linux LibreOffice of the same architecture installs from Tools > Extension Manager without
# root: the built extension, and in its pythonpath/ the Python package with the library beside
# it, which LibreOffice's Python finds by the extension's own path.
# Usage: oxt.sh BUILD_DIR OUT_DIR   (BUILD_DIR configured with -DUSLOVA_CALC=ON and built)
# SPDX-License-Identifier: MIT
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: oxt.sh BUILD_DIR OUT_DIR}" && pwd)
out=${2:?usage: oxt.sh BUILD_DIR OUT_DIR}
version=$(cat "$top/VERSION")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp -R "$build/calc/uslova/." "$stage/"
mkdir -p "$stage/pythonpath/uslova" "$out"
for file in __init__.py _common.py _ctypes.py; do  # the ctypes layer, over the library beside it
  cp "$top/python/uslova/$file" "$stage/pythonpath/uslova/"
done
cp -L "$build/converter/libuslova.so.1" "$stage/pythonpath/uslova/libuslova.so.1"
oxt=$(cd "$out" && pwd)/uslova-$version.oxt
rm -f "$oxt" "$out"/uslova-*.oxt  # an older version's too: one .oxt in OUT_DIR
(cd "$stage" && python3 - "$oxt" <<'PY'
import os, sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as oxt:
    for folder, _, files in sorted(os.walk(".")):
        for name in sorted(files):
            path = os.path.join(folder, name)
            oxt.write(path, os.path.relpath(path, "."))
PY
)
echo "oxt.sh: $oxt"
