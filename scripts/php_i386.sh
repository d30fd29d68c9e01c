#!/bin/sh
# php_i386.sh: the PHP example's tests on 32-bit x86, where size_t has 4 bytes: Debian's i386
# PHP, unpacked beside the i386 build (it cannot be installed beside the machine's own PHP),
# loads a build of libuslova.so.1 with AddressSanitizer, so that a byte the library writes past
# a struct or a buffer that the example allocates stops the run. 32-bit programs run natively
# where the kernel allows it and under qemu-user where it does not.
# Usage: php_i386.sh I386_BUILD_DIR BUILD_DIR   (BUILD_DIR: the build with uslova-cli and the
# table of cases)
#        php_i386.sh --fetch I386_BUILD_DIR   (only downloads and unpacks the i386 PHP, which
# make test does beside its other tests, as it waits on the network more than it computes)
# SPDX-License-Identifier: MIT
set -eu
fetch=false
if [ "${1:-}" = --fetch ]; then
  fetch=true
  shift
fi
usage="usage: scripts/php_i386.sh [--fetch] I386_BUILD_DIR BUILD_DIR"
mkdir -p "${1:?$usage}"
build=$(realpath "$1")
here=$(dirname "$0")
sh "$here/deps.sh" php-cli
version=$(php -r 'echo PHP_MAJOR_VERSION, ".", PHP_MINOR_VERSION;')
root=$build/php-i386

if [ ! -f "$root/unpacked" ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    [ "$(id -u)" -eq 0 ] || { echo "php_i386.sh: needs root to add the i386 architecture" >&2; exit 1; }
    dpkg --add-architecture i386
    apt-get -o DPkg::Lock::Timeout=600 update -q >/dev/null
  fi
  # What apt would install for them, downloaded and unpacked, not installed.
  packages=$(apt-get install -s "php$version-cli:i386" |
    awk '$1 == "Inst" && $2 ~ /:i386$/ { print $2 }')
  rm -rf "$root" && mkdir -p "$root/debs"
  (cd "$root/debs" && apt-get download $packages 2>/dev/null) # shellcheck disable=SC2086
  for deb in "$root"/debs/*.deb; do dpkg-deb -x "$deb" "$root"; done
  touch "$root/unpacked"
fi
$fetch && exit 0
host=$(realpath "${2:?$usage}")

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf 'int main(void) { return 0; }\n' | gcc -m32 -x c - -o "$probe/probe"
emulator=""
"$probe/probe" 2>/dev/null || { sh "$here/deps.sh" qemu-user; emulator=qemu-i386; }

# The library with AddressSanitizer, in a build of its own beside the i386 build.
asan=$build/asan
cmake -S "$here/.." -B "$asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-m32 -fsanitize=address -fno-omit-frame-pointer" \
  -DCMAKE_C_FLAGS="-m32 -fsanitize=address" -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=address \
  -DUSLOVA_WINDOW=OFF -DUSLOVA_PYTHON=OFF -DUSLOVA_GTEST_SOURCE=/usr/src/googletest >/dev/null
cmake --build "$asan" -j "$(nproc)" --target uslova_c
# PHP opens its extensions with RTLD_DEEPBIND, which AddressSanitizer refuses; this preload
# opens them without it, before the sanitizer's runtime, which is told not to insist on coming
# first. PHP allocates with the system's allocator (USE_ZEND_ALLOC=0), so that what FFI::new
# allocates has the sanitizer's guard zones around it; PHP's own leaks are not this test's.
printf '%s\n' '#define _GNU_SOURCE' '#include <dlfcn.h>' \
  'void *dlopen(const char *file, int mode) {' \
  '  static void *(*next)(const char *, int);' \
  '  if (!next) next = (void *(*)(const char *, int))dlsym(RTLD_NEXT, "dlopen");' \
  '  return next(file, mode & ~RTLD_DEEPBIND);' '}' >"$probe/shallow.c"
gcc -m32 -shared -fPIC -O2 "$probe/shallow.c" -o "$root/shallow.so" -ldl
runtime=$(gcc -m32 -print-file-name=libasan.so)
# php: the i386 PHP with its own libraries.
libraries=$root/lib/i386-linux-gnu:$root/usr/lib/i386-linux-gnu
extensions=$(ls -d "$root"/usr/lib/php/2*)
{
  echo '#!/bin/sh'
  echo 'export ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0:abort_on_error=1'
  settings="LD_LIBRARY_PATH=$libraries LD_PRELOAD=$root/shallow.so:$runtime USE_ZEND_ALLOC=0"
  if [ -n "$emulator" ]; then
    printf 'exec %s -L %s' "$emulator" "$root"
    for setting in $settings; do printf ' -E %s' "$setting"; done
    printf ' -E "USLOVA_LIBRARY=$USLOVA_LIBRARY"'
  else
    loader=$root/lib/ld-linux.so.2 # the system's where libc6:i386 is installed already
    [ -e "$loader" ] || loader=/lib/ld-linux.so.2
    printf '%s exec %s' "$settings" "$loader"
  fi
  printf ' %s -n -d extension_dir=%s -d extension=ffi "$@"\n' "$root/usr/bin/php$version" \
    "$extensions"
} >"$root/php"
chmod +x "$root/php"

export USLOVA_LIBRARY="$asan/converter/libuslova.so.1"
EXAMPLE="$here/../examples/php/uslova.php" "$root/php" -r '
  require getenv("EXAMPLE");
  echo "php_i386.sh: size_t has ", FFI::sizeof(FFI::type("size_t")), " bytes\n";'
# Every option set of the table of cases, and a twelfth of its numbers.
mkdir -p "$root/cases"
cp "$host/choices.tsv" "$host/dates.tsv" "$root/cases/"
awk -F '\t' '$1 != seen || NR % 12 == 0 { print; seen = $1 }' "$host/cases.tsv" \
  >"$root/cases/cases.tsv"
sh "$here/../examples/php/test.sh" "$root/php" "$USLOVA_LIBRARY" "$host/uslova-cli" \
  "$root/cases/cases.tsv"
