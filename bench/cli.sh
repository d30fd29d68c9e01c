#!/bin/sh
# cli.sh: times uslova-cli over a million generated lines (the benchmark's mix: integers of 1 to
# 15 digits, some negative, some with decimals), output to /dev/null; best of five runs. Then
# the same lines with one in ten replaced by a rejected one, the lines in tidy Latin, and the
# same amounts as the second of five fields of a CSV export, with --column=2, and split between
# the debit and the credit column of a statement, both in one pass. Last, 3 million of
# those lines to a pipe against cat moving the same output through one: the median of 7 runs
# each, taken in turn, plain, as tidy amounts (--currency=RSD) and with --column=2.
# Usage: bench/cli.sh PATH/TO/uslova-cli
# SPDX-License-Identifier: MIT
set -eu
cli=${1:?usage: bench/cli.sh PATH/TO/uslova-cli}
lines=1000000
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
awk -v n=$lines 'BEGIN {
  srand(42)
  for (i = 0; i < n; i++) {
    kind = int(rand() * 100); len = 1 + int(rand() * 15)
    s = (len > 1 ? 1 + int(rand() * 9) : int(rand() * 10))
    for (j = 1; j < len; j++) s = s int(rand() * 10)
    if (kind >= 85 && kind < 90) s = "-" s
    if (kind >= 90) {
      if (rand() < 0.5) s = "-" s
      d = 1 + int(rand() * 3); s = s ","
      for (j = 0; j < d; j++) s = s int(rand() * 10)
    }
    print s
  }
}' >"$tmp/valid"
# Every tenth line rejected, in turn as not a number, too large and not supported.
awk '{ r = NR % 30; print (r == 0 ? "abc" : r == 10 ? "1" $0 "0000000000000000" : r == 20 ? "1.2.3" : $0) }' \
  "$tmp/valid" >"$tmp/mixed"

# Prints the best of five times of `uslova-cli ARGS... <FILE`, in seconds.
best() {
  file=$1
  shift
  result=""
  for run in 1 2 3 4 5; do
    start=$(date +%s.%N)
    "$cli" "$@" <"$file" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    result=$(echo "$start $end ${result:-999}" | awk '{ t = $2 - $1; print (t < $3 ? t : $3) }')
  done
  echo "$result"
}
# A five-field export: a date, the amount (quoted when it holds ","), a text, a count, a code.
awk -F '\n' '{ a = index($0, ",") ? "\"" $0 "\"" : $0
  printf "%d.%d.2026;%s;Racun za robu;%d;SIF-%06d\r\n", NR % 28 + 1, NR % 12 + 1, a, NR % 97, NR
}' "$tmp/valid" >"$tmp/export.csv"
# A statement: the same amounts, each in the debit or the credit column, the other one blank.
awk -F '\n' '{ a = index($0, ",") ? "\"" $0 "\"" : $0
  printf "%d.%d.2026;%s;%s;Racun za robu;SIF-%06d\r\n", NR % 28 + 1, NR % 12 + 1, NR % 2 ? a : "",
    NR % 2 ? "" : a, NR
}' "$tmp/valid" >"$tmp/statement.csv"
valid=$(best "$tmp/valid")
csv=$(best "$tmp/export.csv" --column=2 --delimiter=";")
two=$(best "$tmp/statement.csv" --column=2 --column=3 --delimiter=";")
echo "$csv $two" | awk '{
  printf "uslova-cli --column=2 --column=3, the same amounts split between debit and credit: %.3f s, %.2fx one column\n", $2, $2 / $1
}'
mixed=$(best "$tmp/mixed")
tidy=$(best "$tmp/valid" --spacing=tidy --script=latin)
echo "$lines $valid $mixed $tidy $csv" | awk '{
  printf "uslova-cli: %d lines in %.3f s: %.2f million lines a second\n", $1, $2, $1 / $2 / 1e6
  printf "uslova-cli, one line in ten rejected: %.3f s, %.2fx the time of valid lines\n", $3, $3 / $2
  printf "uslova-cli --spacing=tidy --script=latin: %.3f s, %.2fx the time of the default\n", $4, $4 / $2
  printf "uslova-cli --column=2, the same amounts in a five-field CSV: %.3f s, %.2fx the time of lines\n", $5, $5 / $2
}'

# Prints the median of 7 wall times of the shell command $1, that of $2, run in turn with it,
# and their ratio.
median_against() {
  : >"$tmp/ours" && : >"$tmp/theirs"
  for run in 1 2 3 4 5 6 7; do
    for which in ours theirs; do
      command=$1 && [ $which = ours ] || command=$2
      start=$(date +%s.%N)
      sh -c "$command" 2>/dev/null || true
      end=$(date +%s.%N)
      echo "$start $end" | awk '{ print $2 - $1 }' >>"$tmp/$which"
    done
  done
  echo "$(sort -n "$tmp/ours" | sed -n 4p) $(sort -n "$tmp/theirs" | sed -n 4p)" |
    awk '{ printf "%.3f %.3f %.2f\n", $1, $2, $1 / $2 }'
}
awk '{ for (i = 0; i < 3; i++) print }' "$tmp/valid" >"$tmp/three"
awk '{ for (i = 0; i < 3; i++) print }' "$tmp/export.csv" >"$tmp/three.csv"
for style in plain tidy column; do
  case $style in
    plain) input=$tmp/three; arguments="" ;;
    tidy) input=$tmp/three; arguments="--currency=RSD" ;;
    column) input=$tmp/three.csv; arguments="--column=2" ;;
  esac
  "$cli" $arguments <"$input" >"$tmp/words" 2>/dev/null || true
  set -- $(median_against "'$cli' $arguments <'$input' | cat >/dev/null" "cat '$tmp/words' | cat >/dev/null")
  echo "uslova-cli $arguments to a pipe, 3 million lines: $1 s, cat moving its output: $2 s, $3x" |
    sed 's/  */ /'
done
