#!/bin/sh
# calc_names.sh: writes the Calc add-in's descriptions PAGE from TEMPLATE, naming the currencies
# and the units as uslova-cli --help lists them from the converter's tables: @CURRENCIES_EN@
# ("RSD, EUR or USD"), @CURRENCIES_SR@ ("RSD, EUR ili USD") and @UNITS@ ("dan, nedelja, ...").
# Usage: calc_names.sh PATH/TO/uslova-cli TEMPLATE PAGE
# SPDX-License-Identifier: MIT
set -eu
values() {  # the values of --$1, apart by ", ", the last after " $2 " when $2 is given
  "$cli" --help | sed -n "s/^  --$1=\(.*\)$/\1/p" | awk -F'|' -v last="$2" '{
    for (i = 1; i <= NF; i++) printf "%s%s", (i == 1 ? "" : i == NF && last != "" ? " " last " " : ", "), $i
  }'
}
cli=$1
en=$(values currency or)
sr=$(values currency ili)
units=$(values unit "")
[ -n "$en" ] && [ -n "$units" ] || { echo "calc_names.sh: --help lists no currencies or units" >&2; exit 1; }
sed -e "s/@CURRENCIES_EN@/$en/g" -e "s/@CURRENCIES_SR@/$sr/g" -e "s/@UNITS@/$units/g" "$2" >"$3.new"
mv "$3.new" "$3"
