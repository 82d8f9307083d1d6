#!/usr/bin/env bash
# Starts the program where it must not run: with no display, a display it cannot open, or a
# Qt plugin that could serve it over the network, however Qt's lists name it, it says so in
# one line naming scripts/run, and exits 1. Offscreen it runs, and loads no plugin from the
# folders of QT_PLUGIN_PATH or QT_QPA_PLATFORM_PLUGIN_PATH. (.ci/run checks that it runs
# natively on Wayland.)
#   check-start.sh PROGRAM FOREIGN_PLUGINS
# FOREIGN_PLUGINS: a plugin folder whose input plugin "evdevmouse" says when it is loaded.
set -uo pipefail
program=$1 foreign=$2 faults=0
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
"vnc" QT_QPA_PLATFORM=:vnc
"vnc" QT_QPA_PLATFORM=::vnc
"vnc" QT_QPA_PLATFORM=:vnc:size=640x480
"vnc" QT_QPA_PLATFORM=xcb;:vnc
"vnc" QT_QPA_PLATFORM=VNC
"vnc" QT_QPA_PLATFORM=;;Vnc:
"tuiotouch" QT_QPA_PLATFORM=offscreen QT_QPA_GENERIC_PLUGINS=evdevmouse,TuioTouch:udp=40001
CASES

# Each case: an environment where the program keeps running (until timeout ends it).
while read -r environment; do
  # shellcheck disable=SC2086  # as above
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY $environment timeout 3 "$program" 2>&1)
  status=$?
  if [[ $status != 124 || $out == *foreign* ]]; then
    echo "FAIL: '$environment': status $status, said: $out" >&2
    faults=$((faults + 1))
  fi
done <<CASES
QT_QPA_PLATFORM=offscreen
QT_QPA_PLATFORM=Offscreen:fontengine=freetype QT_QPA_GENERIC_PLUGINS=evdevmouse QT_PLUGIN_PATH=$foreign
QT_QPA_PLATFORM=xcb;:offscreen QT_QPA_GENERIC_PLUGINS=evdevmouse QT_QPA_PLATFORM_PLUGIN_PATH=$foreign
CASES
((faults == 0)) || exit 1
echo "OK: no display and network plugins refused in one line; runs offscreen, on Qt's plugins"
