#!/bin/sh
# screenshot.sh: runs the window on a virtual display, types TEXT (when given), clicks
# "U slova" as a user would, and saves a picture of the window; with "menu", also right-clicks
# the words and takes the window with its open context menu.
# Usage: scripts/screenshot.sh OUT.png [TEXT] [menu]
# SPDX-License-Identifier: MIT
set -eu
out=${1:?usage: scripts/screenshot.sh OUT.png [TEXT] [menu]}
text=${2:-}
menu=${3:-}
top=$(cd "$(dirname "$0")/.." && pwd)
sh "$top/scripts/deps.sh" xvfb xauth xdotool imagemagick
app=$top/build/uslova
[ -x "$app" ] || { echo "screenshot.sh: $app is missing: run 'make test' first" >&2; exit 1; }
case $out in /*) ;; *) out=$PWD/$out ;; esac

# The part that runs inside the virtual display.
inside='
  "$0" & app=$!
  trap "kill $app 2>/dev/null" EXIT
  win=$(timeout 20 xdotool search --sync --name "^Form1\$" | head -n 1)
  [ -n "$win" ] || { echo "screenshot.sh: the window did not appear" >&2; exit 1; }
  if [ -n "$2" ]; then
    xdotool mousemove --window "$win" 100 38 click --repeat 3 1 key --clearmodifiers BackSpace
    xdotool type --delay 20 -- "$2"
  fi
  xdotool mousemove --window "$win" 332 36 click 1  # the middle of "U slova"
  sleep 1
  if [ -n "$3" ]; then
    xdotool mousemove --window "$win" 60 80 click 3  # the words
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$win")"
    import -window root -crop "402x182+$X+$Y" "$1"
  else
    import -window "$win" "$1"
  fi
'
xvfb-run -a -s "-screen 0 640x400x24 -nolisten tcp" sh -c "$inside" "$app" "$out" "$text" "$menu"
echo "screenshot.sh: saved $out"
