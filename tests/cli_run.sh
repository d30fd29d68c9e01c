#!/bin/sh
# cli_run.sh: runs the built uslova-cli as a user would and checks its bytes and exit status.
# Usage: cli_run.sh PATH/TO/uslova-cli
# SPDX-License-Identifier: MIT
set -u
cli=$1
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

expected='  dva biliona pet stotina cetrdeset pet milijardi sedam stotina cetrdeset tri miliona sest stotina sedamdeset pet hiljada cetiri stotine trideset cetiri'
[ "$("$cli" 2545743675434)" = "$expected" ] || fail "start-up number"
[ "$("$cli" 2545743675434 | wc -c)" -eq 153 ] || fail "152 characters and a newline"

out=$(printf '7\n-1234,5\nabc\n' | "$cli" 2>/tmp/uslova-cli-err.$$; echo "rc=$?")
want=$(printf '  sedam\nminus jedna hiljada dve stotine trideset cetiri zapeta   pet\n\nrc=1')
[ "$out" = "$want" ] || fail "batch from standard input: [$out]"
[ "$(cat /tmp/uslova-cli-err.$$)" = "uslova-cli: line 3: Nemoguce prevesti u slova, jer ulazni parametar nije broj!" ] ||
  fail "message on standard error"
rm -f /tmp/uslova-cli-err.$$

"$cli" --bogus >/dev/null 2>&1
[ $? -eq 2 ] || fail "usage error exit status"

for option in --help --version; do
  err=$("$cli" $option 2>&1 >/dev/full)
  [ $? -eq 1 ] && [ "$err" = "uslova-cli: the output could not be written" ] ||
    fail "$option to a full disk: [$err]"
done

if [ $failures -eq 0 ]; then echo "cli_run: all checks passed"; fi
[ $failures -eq 0 ]
