#!/bin/sh
# php_i386.sh: the PHP example's tests on 32-bit x86, where size_t has 4 bytes: Debian's i386
# PHP, unpacked beside the i386 build (it cannot be installed beside the machine's own PHP),
# loads that build's libuslova.so.1: each of the class's calls once with every allocation
# guarded by Electric Fence, so that a byte written past a struct the example allocates stops
# the run, and then the example's own tests. 32-bit programs run natively
# where the kernel allows it and under qemu-user where it does not. AddressSanitizer and
# valgrind need a kernel that runs 32-bit programs; this runs on any.
# Usage: php_i386.sh I386_BUILD_DIR BUILD_DIR   (BUILD_DIR: the build with uslova-cli and the
# table of cases)
# SPDX-License-Identifier: MIT
set -eu
build=$(realpath "${1:?usage: scripts/php_i386.sh I386_BUILD_DIR BUILD_DIR}")
host=$(realpath "${2:?usage: scripts/php_i386.sh I386_BUILD_DIR BUILD_DIR}")
here=$(dirname "$0")
sh "$here/deps.sh" php-cli
version=$(php -r 'echo PHP_MAJOR_VERSION, ".", PHP_MINOR_VERSION;')
root=$build/php-i386

if [ ! -f "$root/unpacked" ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    [ "$(id -u)" -eq 0 ] || { echo "php_i386.sh: needs root to add the i386 architecture" >&2; exit 1; }
    dpkg --add-architecture i386
    apt-get update -q >/dev/null
  fi
  # What apt would install for them, downloaded and unpacked, not installed.
  packages=$(apt-get install -s "php$version-cli:i386" electric-fence:i386 |
    awk '$1 == "Inst" && $2 ~ /:i386$/ { print $2 }')
  rm -rf "$root" && mkdir -p "$root/debs"
  (cd "$root/debs" && apt-get download $packages 2>/dev/null) # shellcheck disable=SC2086
  for deb in "$root"/debs/*.deb; do dpkg-deb -x "$deb" "$root"; done
  touch "$root/unpacked"
fi

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf 'int main(void) { return 0; }\n' | gcc -m32 -x c - -o "$probe/probe"
emulator=""
"$probe/probe" 2>/dev/null || { sh "$here/deps.sh" qemu-user; emulator=qemu-i386; }

cmake --build "$build" -j "$(nproc)" --target uslova_c
# php and php-guarded: the i386 PHP with its own libraries and the library of the i386 build;
# php-guarded with the system's allocator instead of PHP's, so that Electric Fence guards each
# allocation, which makes PHP start in seconds instead of a fraction of one.
libraries=$root/lib/i386-linux-gnu:$root/usr/lib/i386-linux-gnu
extensions=$(ls -d "$root"/usr/lib/php/2*)
wrapper() { # NAME SETTINGS...
  name=$1
  shift
  {
    echo '#!/bin/sh'
    if [ -n "$emulator" ]; then
      printf 'exec %s -L %s -E LD_LIBRARY_PATH=%s' "$emulator" "$root" "$libraries"
      for setting in "$@"; do printf ' -E %s' "$setting"; done
      printf ' -E "USLOVA_LIBRARY=$USLOVA_LIBRARY"'
    else
      loader=$root/lib/ld-linux.so.2 # the system's where libc6:i386 is installed already
      [ -e "$loader" ] || loader=/lib/ld-linux.so.2
      printf 'LD_LIBRARY_PATH=%s %s exec %s' "$libraries" "$*" "$loader"
    fi
    printf ' %s -n -d extension_dir=%s -d extension=ffi "$@"\n' "$root/usr/bin/php$version" \
      "$extensions"
  } >"$root/$name"
  chmod +x "$root/$name"
}
wrapper php
wrapper php-guarded "LD_PRELOAD=$root/usr/lib/libefence.so.0" USE_ZEND_ALLOC=0 \
  EF_ALLOW_MALLOC_0=1 EF_DISABLE_BANNER=1 EF_ALIGNMENT=4

# Each of the class's calls that allocates, guarded: a struct too small is written past.
export USLOVA_LIBRARY="$build/converter/libuslova.so.1"
EXAMPLE="$here/../examples/php/uslova.php" "$root/php-guarded" -r '
  require getenv("EXAMPLE");
  echo "php_i386.sh: size_t has ", FFI::sizeof(FFI::type("size_t")), " bytes\n";
  $words = [Uslova::spell("1.234,56", ["currency" => "RSD", "script" => "cyrillic"]),
            Uslova::spell(1234.56, ["currency" => "EUR", "unit" => null]), Uslova::spell(7),
            Uslova::spellDate("9.12.2026", ["script" => "latin"]), count(Uslova::choices())];
  echo "php_i386.sh: guarded calls: ", implode(" | ", $words), "\n";'
# Every option set of the table of cases, and a twelfth of its numbers.
mkdir -p "$root/cases"
cp "$host/choices.tsv" "$host/dates.tsv" "$root/cases/"
awk -F '\t' '$1 != seen || NR % 12 == 0 { print; seen = $1 }' "$host/cases.tsv" \
  >"$root/cases/cases.tsv"
sh "$here/../examples/php/test.sh" "$root/php" "$USLOVA_LIBRARY" "$host/uslova-cli" \
  "$root/cases/cases.tsv"
