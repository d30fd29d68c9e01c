#!/bin/sh
# startup.sh: on a virtual display, launches the window ten times and reports the median time
# from launch until the window "Form1" is mapped, and the largest peak resident memory.
# Usage: bench/startup.sh BUILD_DIR   (holding uslova and window_mapped)
# SPDX-License-Identifier: MIT
set -eu
build=$(cd "${1:?usage: bench/startup.sh BUILD_DIR}" && pwd)
inside='
  for run in 1 2 3 4 5 6 7 8 9 10; do "$0/window_mapped" "$0/uslova" 2>/dev/null; done
'
xvfb-run -a -s "-screen 0 640x400x24 -nolisten tcp" sh -c "$inside" "$build" |
  sort -n | awk '
    { ms[NR] = $1; if ($2 > rss) rss = $2 }
    END {
      if (NR == 0) { print "startup: the window never appeared"; exit 1 }
      median = (NR % 2) ? ms[(NR + 1) / 2] : (ms[NR / 2] + ms[NR / 2 + 1]) / 2
      printf "uslova: window mapped %.1f ms after launch (median of %d), peak memory %.1f MB\n",
             median, NR, rss / 1024
    }'
