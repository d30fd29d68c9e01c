#!/bin/sh
# deps.sh: installs the Debian packages that the build and the tests need, when any is missing.
# Usage: deps.sh [PACKAGE...]   (the packages of the default build when none is named)
# SPDX-License-Identifier: MIT
set -eu

packages=${*:-"cmake make g++ libgtest-dev qt6-base-dev librsvg2-bin desktop-file-utils appstream dpkg-dev file pkg-config libreoffice-dev python3-dev"}

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1; then
  sudo="sudo"
else
  echo "deps.sh: these Debian packages are missing and neither root nor sudo is available:$missing" >&2
  exit 1
fi
echo "deps.sh: installing$missing"
# Another install may be running beside this one (make test runs the page's test beside the
# builds): apt waits for it.
wait="-o DPkg::Lock::Timeout=600"
$sudo apt-get $wait update -q
# shellcheck disable=SC2086 # the package list is split on purpose
DEBIAN_FRONTEND=noninteractive $sudo apt-get $wait install -y -q --no-install-recommends $missing
