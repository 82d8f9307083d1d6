#!/usr/bin/env bash
# Starts the program where it must not run: with no display, a display it cannot open, or a
# Qt plugin that could serve it over the network, it says so in one line naming scripts/run,
# and exits 1. Offscreen it runs. (.ci/run checks that it runs natively on Wayland.)
#   check-start.sh PROGRAM
set -uo pipefail
program=$1 faults=0
free=99
while [[ -e /tmp/.X11-unix/X$free ]]; do free=$((free - 1)); done

# Each case: a word the line must hold, then the environment.
while read -r word environment; do
  # shellcheck disable=SC2086  # the environment is meant to split into its variables
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $environment timeout 10 "$program" 2>&1)
  status=$?
  if [[ $status != 1 || $out == *$'\n'* || $out != *"$word"*scripts/run* ]]; then
    echo "FAIL: '$environment': status $status, said: $out" >&2
    faults=$((faults + 1))
  fi
done <<CASES
neither
DISPLAY=:$free DISPLAY=:$free
"vnc" QT_QPA_PLATFORM=vnc
"vnc" QT_QPA_PLATFORM=xcb;vnc:size=800x600
"tuiotouch" QT_QPA_PLATFORM=offscreen QT_QPA_GENERIC_PLUGINS=tuiotouch
CASES

QT_QPA_PLATFORM=offscreen timeout 3 "$program" >/dev/null 2>&1
(($? == 124)) || { echo "FAIL: it does not keep running offscreen" >&2; faults=$((faults + 1)); }
((faults == 0)) || exit 1
echo "OK: no display and network plugins refused in one line; runs offscreen"
