#!/usr/bin/env bash
# Starts the real program under a virtual X server and waits for its title
# screen ("Form1") to appear with the game's icon (and, when a second
# argument names one, with that window class); fails when it does not
# within the time limit.
# The server picks a free display itself (-displayfd), so runs side by side
# never meet. -noreset: by default the server resets when its last client
# leaves, and a client connecting during that reset is refused ("could not
# connect to display") -- the probe below is such a last client.
set -u
exe="$1"; wmclass="${2:-}"
tmp="$(mktemp -d)"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$tmp"; }
trap cleanup EXIT
for i in $(seq 1 100); do
  [ -s "$tmp/display" ] && break
  sleep 0.05
done
[ -s "$tmp/display" ] || { echo "Xvfb did not start"; cat "$tmp/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$tmp/display")" QT_QPA_PLATFORM=xcb
# The windows' places the game keeps go to a folder of its own, not the tester's.
export XDG_CONFIG_HOME="$tmp/config"
# The number can come before the server answers: wait until it does.
for i in $(seq 1 100); do
  xwininfo -root >/dev/null 2>&1 && break
  sleep 0.05
done
xwininfo -root >/dev/null 2>&1 || { echo "Xvfb does not answer on $DISPLAY"; cat "$tmp/xvfb.log"; exit 1; }
"$exe" & pid=$!
title=""
for i in $(seq 1 100); do
  title=$(xwininfo -root -tree 2>/dev/null | awk '/"Form1"/ {print $1; exit}')
  [ -n "$title" ] && break
  if ! kill -0 "$pid" 2>/dev/null; then echo "rumie exited early"; exit 1; fi
  sleep 0.2
done
[ -n "$title" ] || { kill "$pid"; echo "no window named Form1"; exit 1; }
# A dock ties the window to the menu entry whose StartupWMClass is its class.
if [ -n "$wmclass" ]; then
  class="$(xprop -id "$title" WM_CLASS 2>/dev/null)"
  [[ "$class" == *", \"$wmclass\"" ]] || { kill "$pid"; echo "the window's class is not $wmclass: $class"; exit 1; }
fi
# The icon comes just after the title is up; the title must get it too.
for i in $(seq 1 50); do
  if xprop -id "$title" _NET_WM_ICON 2>/dev/null | grep -q 'Icon ('; then
    kill "$pid"; echo "title screen shown on $DISPLAY, with its icon"; exit 0
  fi
  sleep 0.2
done
kill "$pid"; echo "the title screen has no icon"; exit 1
