#!/bin/sh
# cli_hostile.sh: the built uslova-cli under hostile input: a huge line, a long stream, and a
# reader that stops early. Memory is capped with ulimit, so a leak or a slurp fails the run.
# Usage: cli_hostile.sh PATH/TO/uslova-cli
set -u
cli=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

# A line of 50 million digits, in at most four times its size.
(head -c 50000000 /dev/zero | tr '\0' '0'; echo 1) >"$tmp/zeros"
(head -c 50000000 /dev/zero | tr '\0' '9'; echo) >"$tmp/nines"
out=$( (ulimit -v 200000; "$cli" <"$tmp/zeros") 2>&1)
[ "$out" = "  jedan" ] || fail "50 million zeros and a 1: [$(echo "$out" | head -c 200)]"
out=$( (ulimit -v 200000; "$cli" <"$tmp/nines") 2>&1)
[ "$out" = "uslova-cli: line 1: Nemoguce prevesti u slova, jer je broj prevelik!" ] ||
  fail "50 million nines: [$(echo "$out" | head -c 200)]"

# Ten million short lines in 20 MB of address space: it holds a line and a buffer, no more.
lines=$(yes 1234567 | head -n 10000000 | (ulimit -v 20000; "$cli") | wc -l)
[ "$lines" -eq 10000000 ] || fail "ten million lines gave $lines lines"

# A reader that stops after one line ends an endless batch quietly, also when the shell
# ignores SIGPIPE.
for ignore in no yes; do
  first=$(
    [ $ignore = yes ] && trap '' PIPE
    yes 1234567 | "$cli" 2>"$tmp/err" | head -n 1
  )
  [ "$first" = "  jedan milion dve stotine trideset cetiri hiljade pet stotina sezdeset sedam" ] ||
    fail "first line with SIGPIPE ignored=$ignore: [$first]"
  [ ! -s "$tmp/err" ] || fail "messages with SIGPIPE ignored=$ignore: $(head -c 300 "$tmp/err")"
done

if [ $failures -eq 0 ]; then echo "cli_hostile: all checks passed"; fi
[ $failures -eq 0 ]
