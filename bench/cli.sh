#!/bin/sh
# cli.sh: times uslova-cli over a million generated lines (the benchmark's mix: integers of 1 to
# 15 digits, some negative, some with decimals), output to /dev/null; best of three runs.
# Usage: bench/cli.sh PATH/TO/uslova-cli
set -eu
cli=${1:?usage: bench/cli.sh PATH/TO/uslova-cli}
lines=1000000
input=$(mktemp)
trap 'rm -f "$input"' EXIT
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
}' >"$input"

best=""
for run in 1 2 3; do
  start=$(date +%s.%N)
  "$cli" <"$input" >/dev/null
  end=$(date +%s.%N)
  best=$(echo "$start $end ${best:-999}" | awk '{ t = $2 - $1; print (t < $3 ? t : $3) }')
done
echo "$lines $best" | awk '{ printf "uslova-cli: %d lines in %.3f s: %.2f million lines a second\n", $1, $2, $1 / $2 / 1e6 }'
