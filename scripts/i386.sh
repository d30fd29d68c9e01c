#!/bin/sh
# i386.sh: builds the converter and command-line tests for 32-bit x86 (g++ -m32) and runs them,
# natively where the kernel runs 32-bit programs and under qemu-user where it does not.
# Usage: i386.sh BUILD_DIR [CASES.tsv]   (the table of cases, which the C test then runs too)
# SPDX-License-Identifier: MIT
set -eu
build=${1:?usage: scripts/i386.sh BUILD_DIR [CASES.tsv]}
cases=${2:-}
here=$(dirname "$0")
sh "$here/deps.sh" cmake make g++-multilib libgtest-dev

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf 'int main(void) { return 0; }\n' | gcc -m32 -x c - -o "$probe/probe"
emulator=""
if ! "$probe/probe" 2>/dev/null; then
  sh "$here/deps.sh" qemu-user
  emulator=$(command -v qemu-i386)
  echo "i386.sh: this kernel does not run 32-bit programs; running the tests under $emulator"
fi

cmake -S "$here/.." -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-m32 \
  -DCMAKE_C_FLAGS=-m32 -DUSLOVA_WERROR=ON \
  -DUSLOVA_WINDOW=OFF -DUSLOVA_PYTHON=OFF -DUSLOVA_GTEST_SOURCE=/usr/src/googletest \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" >/dev/null
cmake --build "$build" -j "$(nproc)" --target converter_test cli_test c_api_test
# The GoogleTest suites and the C test; the script tests would run the binaries natively.
for test in converter_test cli_test; do
  $emulator "$build/tests/$test" || { echo "i386.sh: $test failed"; exit 1; }
done
# Without the table (make test runs it natively, and php_i386.sh through the i386 library),
# the C test says so and exits 77.
status=0
$emulator "$build/tests/c_api_test" ${cases:+"$cases"} || status=$?
[ "$status" -eq 0 ] || { [ "$status" -eq 77 ] && [ -z "$cases" ]; } ||
  { echo "i386.sh: c_api_test failed"; exit 1; }
