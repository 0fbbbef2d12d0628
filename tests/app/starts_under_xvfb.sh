#!/usr/bin/env bash
# Starts the real program under a virtual X server and waits for its title
# screen ("Form1") to appear; fails when it does not within the time limit.
set -u
exe="$1"
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$0" & pid=$!
  for i in $(seq 1 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"Form1\""; then
      kill "$pid"; echo "title screen shown"; exit 0
    fi
    if ! kill -0 "$pid" 2>/dev/null; then echo "rumie exited early"; exit 1; fi
    sleep 0.2
  done
  kill "$pid"; echo "no window named Form1"; exit 1
' "$exe"
