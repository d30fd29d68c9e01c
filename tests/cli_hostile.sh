#!/bin/sh
# cli_hostile.sh: the built uslova-cli under hostile input: a huge line, a long stream, and a
# reader that stops early. Memory is capped with ulimit, so a leak or a slurp fails the run.
# Usage: cli_hostile.sh PATH/TO/uslova-cli
# SPDX-License-Identifier: MIT
set -u
cli=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

# A line of a billion zeros and a 7 between two short lines, read through a pipe in 200 MB:
# lines are read in pieces, never held.
out=$( (echo 7; head -c 1000000000 /dev/zero | tr '\0' '0'; echo 7; echo 5) |
  (ulimit -v 200000; "$cli"; echo "rc=$?") 2>&1)
[ "$out" = "$(printf '  sedam\n  sedam\n  pet\nrc=0')" ] ||
  fail "a billion zeros and a 7: [$(echo "$out" | head -c 200)]"
(head -c 50000000 /dev/zero | tr '\0' '9'; echo) >"$tmp/nines"
out=$( (ulimit -v 200000; "$cli" <"$tmp/nines") 2>&1)
[ "$out" = "$(printf '\nuslova-cli: line 1: Nemoguce prevesti u slova, jer je broj prevelik!')" ] ||
  fail "50 million nines: [$(echo "$out" | head -c 200)]"

# CSV: a quoted field of a billion bytes, and then an amount, in 200 MB, in the first row too; a
# quoted field that never closes keeps every byte of the input, and says so.
# The message goes to its own file: how it falls between the rows in one pipe is the system's.
out=$( (printf '1;"'; head -c 1000000000 /dev/zero | tr '\0' 'x'; printf '"\n2;5\n') |
  (ulimit -v 200000; "$cli" --column=2 2>"$tmp/err"; echo "rc=$?") | tail -c 200)
expected=$(printf 'xxx";\n2;5;  pet\nrc=1')
case $out in *"$expected") ;; *)
  fail "a billion-byte CSV field: [$(echo "$out" | tail -c 200)]" ;;
esac
[ "$(cat "$tmp/err")" = "uslova-cli: row 1: Nemoguce prevesti u slova, jer ulazni parametar nije broj!" ] ||
  fail "a billion-byte CSV field's message: $(head -c 200 "$tmp/err")"
for size in 10 100000 3000000; do
  (printf '7;8\n"'; head -c $size /dev/zero | tr '\0' 'x') >"$tmp/unclosed"
  (ulimit -v 200000; "$cli" --column=1 <"$tmp/unclosed" >"$tmp/out" 2>"$tmp/err")
  (printf '7;  sedam;8\n"'; head -c $size /dev/zero | tr '\0' 'x') >"$tmp/want"
  cmp -s "$tmp/out" "$tmp/want" && grep -q '^uslova-cli: row 2: a quoted field does not close' "$tmp/err" ||
    fail "an unterminated CSV field after $size bytes: [$(head -c 200 "$tmp/err")]"
done

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

# Endless input that is no number runs in a few megabytes.
peak=$( (ulimit -v 16000; timeout 3 "$cli" </dev/zero >/dev/null 2>&1; echo $?) )
[ "$peak" = 124 ] || fail "/dev/zero in 16 MB ended with status $peak"

# Read errors are not the end of the input.
out=$("$cli" </ 2>&1; echo "rc=$?")
[ "$out" = "$(printf 'uslova-cli: line 1: cannot read the input: Is a directory\nrc=1')" ] ||
  fail "a directory as input: [$out]"
out=$("$cli" <&- 2>&1; echo "rc=$?")
case $out in *"cannot read the input"*rc=1) ;; *) fail "closed input: [$out]" ;; esac

# A program driving uslova-cli through pipes gets each answer while the input stays open.
mkfifo "$tmp/to-cli" "$tmp/from-cli"
"$cli" <"$tmp/to-cli" >"$tmp/from-cli" &
exec 3>"$tmp/to-cli" 4<"$tmp/from-cli"
echo 7 >&3
answer=$(timeout 10 sh -c 'IFS= read -r line; echo "$line"' <&4)
exec 3>&- 4<&-
wait
[ "$answer" = "  sedam" ] || fail "coprocess answer: [$answer]"

# Input that would block is waited for, not taken for the end: a non-blocking pipe that is
# empty at first.
if [ -x /usr/bin/python3 ]; then
  out=$(/usr/bin/python3 -c '
import fcntl, os, subprocess, sys, time
r, w = os.pipe()
fcntl.fcntl(r, fcntl.F_SETFL, fcntl.fcntl(r, fcntl.F_GETFL) | os.O_NONBLOCK)
cli = subprocess.Popen([sys.argv[1]], stdin=r, stdout=subprocess.PIPE)
os.close(r)
time.sleep(0.3)
os.write(w, b"7\n")
os.close(w)
print(cli.communicate(timeout=10)[0].decode(), end="")' "$cli")
  [ "$out" = "  sedam" ] || fail "non-blocking input: [$out]"
fi

if [ $failures -eq 0 ]; then echo "cli_hostile: all checks passed"; fi
[ $failures -eq 0 ]
