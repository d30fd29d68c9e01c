#!/bin/sh
# window_x11.sh: the real window on a virtual X display with no window manager: convert the
# start-up number, right-click the words, pick "Kopiraj" with the keyboard, and read the
# clipboard back; then check the window's icon and class against the desktop entry.
# Usage: window_x11.sh PATH/TO/uslova PATH/TO/rs.uslova.Uslova.desktop
# SPDX-License-Identifier: MIT
set -u
app=$1
desktop=$2
tmp=$(mktemp -d)
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
expected='  dva biliona pet stotina cetrdeset pet milijardi sedam stotina cetrdeset tri miliona sest stotina sedamdeset pet hiljada cetiri stotine trideset cetiri'

display=:$((90 + $$ % 100))
Xvfb "$display" -screen 0 640x400x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $app_pid $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
export DISPLAY=$display
for _ in 1 2 3 4 5 6 7 8 9 10; do xdpyinfo >/dev/null 2>&1 && break; sleep 0.3; done

"$app" & app_pid=$!
win=$(timeout 20 xdotool search --sync --name '^Form1$' | head -n 1)
[ -n "$win" ] || { echo "FAIL: the window did not appear"; exit 1; }
sleep 0.5
xdotool mousemove --window "$win" 332 36 click 1  # "U slova"
sleep 0.5
xdotool mousemove --window "$win" 60 80 click 3  # the words
sleep 0.5
xdotool key Down Return
sleep 0.5
copied=$(timeout 5 xclip -o -selection clipboard)
[ "$copied" = "$expected" ] || fail "clipboard after Kopiraj: [$copied]"
[ "$(printf '%s' "$copied" | wc -c)" -eq 152 ] || fail "152 characters on the clipboard"

xprop -id "$win" _NET_WM_ICON | grep -q 'Icon (' || fail "no _NET_WM_ICON"
class=$(xprop -id "$win" WM_CLASS | sed 's/.*= //')
wanted=$(sed -n 's/^StartupWMClass=//p' "$desktop")
case $class in
  *\""${wanted:-rs.uslova.Uslova}"\"*) ;;
  *) fail "WM_CLASS $class does not match the desktop entry's ${wanted:-id}" ;;
esac

if [ $failures -eq 0 ]; then echo "window_x11: all checks passed"; fi
[ $failures -eq 0 ]
