#!/usr/bin/env bash
# Runs the simulated program under scripts/run-headless and uses it as a person would: the
# display is private, both windows get frames, a click raises a window, and the device
# window's close button ends the program and everything the launcher started. INT, TERM and
# HUP end it all too, with status 128+signal. An Xvnc killed outright ends the run, and the
# launcher removes the socket it left, so the next run can take its display.
# Other runs of the launcher on this machine may take a display or port as soon as it is
# free: the checks tell this run's processes and files from theirs.
#   check-run-headless.sh RUN_HEADLESS PROGRAM
# Exit 77 (skipped) where the desktop packages are missing (scripts/install-deps --desktop).
set -uo pipefail
launcher=$1 program=$2
tools=(Xvnc jwm xdotool xprop xwininfo ss setsid pgrep)
(($(type -P "${tools[@]}" | wc -l) == ${#tools[@]})) || { echo "SKIP: needs ${tools[*]}"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
faults=0 killed=''
fail() { echo "FAIL: $*" >&2; faults=$((faults + 1)); }
# eventually COMMAND...: true once COMMAND is, within 30 s (a loaded machine is slow).
eventually() { for _ in $(seq 300); do "$@" && return; sleep 0.1; done; false; }

# The display socket FILE as a file: its inode and change time (one made anew differs).
identity() { stat -c '%i %z' "$1" 2>/dev/null; }
# served N: an X server, of this run or another, listens on display N's socket.
served() { [[ -n $(ss -Hxl "src /tmp/.X11-unix/X$1") ]]; }

# start: the launcher in the background, in a session of its own that holds every process
# it starts, its private folder under $work/tmp; finds its display, port, Xvnc, socket and
# device window. The output is emptied first: the last run's lines must not be read as this
# one's. After a killed Xvnc (display $killed), the run takes the same display, unless a
# server of another run has taken it meanwhile.
start() {
  rm -rf "$work/tmp" && mkdir "$work/tmp"
  : >"$work/out"
  TMPDIR=$work/tmp setsid env -u DISPLAY -u WAYLAND_DISPLAY --default-signal=INT \
    "$launcher" "$program" >"$work/out" 2>&1 &
  launcher_pid=$!
  eventually grep -q ', port ' "$work/out"
  read -r DISPLAY port < <(sed -n 's/.*(display \(:[0-9]*\), port \([0-9]*\)).*/\1 \2/p' "$work/out")
  if [[ -n $killed && $DISPLAY != ":$killed" ]] && ! served "$killed"; then
    fail "the run after a killed Xvnc took $DISPLAY, not the free :$killed"
  fi
  killed=''
  XAUTHORITY=$(echo "$work"/tmp/tmp.*/Xauthority)
  export DISPLAY XAUTHORITY
  xvnc=$(pgrep -s "$launcher_pid" -x Xvnc)
  socket=$(identity "/tmp/.X11-unix/X${DISPLAY#:}")
  device=$(timeout 30 xdotool search --sync --onlyvisible --name '^Pci Zorvane' | head -n1)
}
gone() { ! kill -0 "$launcher_pid" 2>/dev/null; }
left() { ps -o pid=,args= -s "$launcher_pid"; }

# ended STATUS: the launcher ended with STATUS and left no process (so no port either), no
# file, and not the socket its Xvnc made (another run's server may have made one since).
ended() {
  eventually gone || kill -KILL "$launcher_pid"
  wait "$launcher_pid"
  local status=$?
  [[ $status == "$1" ]] || fail "the launcher ended with $status, want $1: $(cat "$work/out")"
  [[ -z $(left) ]] || { fail "left running: $(left)"; pkill -KILL -s "$launcher_pid"; }
  [[ -z $(ls -A "$work/tmp") ]] || fail "left files: $(ls -A "$work/tmp")"
  [[ $(identity "/tmp/.X11-unix/X${DISPLAY#:}") != "$socket" ]] ||
    fail "left the socket of display $DISPLAY"
}

# framed W: the window manager has put a title bar above window W; above A B: A is stacked
# above B (xwininfo lists the root's children top first).
top_of() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = [0-9]*, [0-9]*, \([0-9]*\),.*/\1/p'; }
framed() { (($(top_of "$1") > 10)) 2>/dev/null; }
parent() { xwininfo -id "$1" -tree | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p'; }
depth() { xwininfo -root -children | grep -n " $(parent "$1") " | cut -d: -f1; }
above() { (($(depth "$1") < $(depth "$2"))) 2>/dev/null; }

start
[[ -z $(find "$work/tmp" -mindepth 1 \( -type d ! -perm 700 -o -type f ! -perm 600 \)) ]] ||
  fail "private files are not 0600 in 0700 folders"
listening=$(ss -Hltn | awk '{print $4}' | grep -E ":($port|$((6000 + ${DISPLAY#:})))$")
{ [[ -n $listening ]] && ! grep -qvxE "(127\.0\.0\.1|\[::1\]):$port" <<<"$listening"; } ||
  fail "listening on: $listening; want only the VNC port, on loopback"
eventually framed "$device" || fail "the device window has no title bar"
xdotool mousemove --window "$device" 175 13 click 1      # the Edit button
editor=$(timeout 30 xdotool search --sync --onlyvisible --name '^Edit PCI Config' | head -n1)
eventually framed "$editor" || fail "the editor has no title bar"
xdotool mousemove --window "$device" 20 250 click 1      # beside the editor
eventually above "$device" "$editor" || fail "a click did not raise the device window"
eval "$(xdotool getwindowgeometry --shell "$device")"
title=$(($(top_of "$device") - 5))                        # less the frame's 5-pixel border
# The close button; xdotool may see the server go as it lets go of the display.
xdotool mousemove --window "$device" $((WIDTH - title / 2)) $((-title / 2)) click 1 2>/dev/null
ended 0

# Xvnc killed outright: the program loses its display and ends with 1. The next run takes
# the same display, unless a live server of another run has taken it meanwhile.
start
kill -KILL "$xvnc"
ended 1
killed=${DISPLAY#:}

for signal in INT TERM HUP; do
  start
  kill -s "$signal" "$launcher_pid"
  ended $((128 + $(kill -l "$signal")))
done
((faults == 0)) || { echo "$faults fault(s)" >&2; exit 1; }
echo "OK: private, framed, raised, closed; INT, TERM and HUP passed on; a killed Xvnc cleaned up"
