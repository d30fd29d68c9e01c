#!/bin/sh
# pip_test.sh: `pip install --no-build-isolation ./python` offline into a fresh virtual
# environment, for the python3 first on PATH and for Debian's, and the package's test suite
# against what was installed: the compiled layer, with no library path and no PYTHONPATH.
# Without a package index the environment gets setuptools' `wheel` from Debian's
# python3-wheel-whl; a user with an index needs nothing but `pip install ./python`.
# Usage: pip_test.sh SOURCE_DIR PATH/TO/uslova-cli
# SPDX-License-Identifier: MIT
set -u
source=$(cd "$1" && pwd)
cli=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
wheel=$(ls /usr/share/python-wheels/wheel-*.whl 2>/dev/null | head -n 1)
# A copy of the clone, as a user has it: nothing built in it.
(cd "$source" && git ls-files -z --cached --others --exclude-standard 2>/dev/null |
  xargs -0 tar -cf - 2>/dev/null) | (mkdir -p "$work/clone" && tar -xf - -C "$work/clone")
[ -f "$work/clone/python/setup.py" ] || cp -R "$source/." "$work/clone"

n=0
for python in "$(command -v python3)" /usr/bin/python3; do
  n=$((n + 1))
  env="$work/venv$n"
  # Debian's Python sees Debian's numpy and pandas, as a user's data frames do.
  site=$([ "$python" = /usr/bin/python3 ] && echo --system-site-packages)
  "$python" -m venv $site "$env" || { fail "$python -m venv"; continue; }
  "$env/bin/pip" install --quiet --no-index "$wheel" || { fail "$python: wheel"; continue; }
  (cd "$work/clone" && "$env/bin/pip" install --quiet --no-index --no-build-isolation ./python) \
    >"$work/pip$n.log" 2>&1 || { fail "$python: pip install ./python"; tail -n 20 "$work/pip$n.log"; continue; }
  (cd "$work" && env -u PYTHONPATH -u USLOVA_LIBRARY -u USLOVA_PURE USLOVA_CLI="$cli" \
    "$env/bin/python" -m unittest discover -s "$source/python/tests" >"$work/test$n.log" 2>&1) ||
    { fail "$python: the tests of the installed package"; tail -n 20 "$work/test$n.log"; }
  # The type stub, written from the converter's tables, and no C source among the installed files.
  "$env/bin/python" -c 'import os, uslova; d = os.path.dirname(uslova.__file__)
stub = open(os.path.join(d, "__init__.pyi")).read()
assert all(f"{n.capitalize()} = Literal[" in stub or f"{n.capitalize()} = Union[Literal[" in stub
           for n in uslova.CHOICES), stub
assert not os.path.exists(os.path.join(d, "_uslova.c"))' || fail "$python: the installed files"
  echo "pip_test: $("$env/bin/python" --version) installed and tested"
done
if [ $failures -eq 0 ]; then echo "pip_test: all checks passed"; fi
[ $failures -eq 0 ]
