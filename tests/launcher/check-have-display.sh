#!/usr/bin/env bash
# Runs scripts/have-display where xdpyinfo is missing, with DISPLAY values that hold shell
# code: the display is data, so none of the code runs and no display is found.
#   check-have-display.sh HAVE_DISPLAY
set -uo pipefail
have_display=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A PATH with what the script needs and no xdpyinfo.
mkdir "$work/bin"
ln -s "$(type -P bash)" "$(type -P timeout)" "$work/bin"
faults=0

# Each case: a DISPLAY whose code, if run, leaves the file "ran" in the current folder: in
# the host name, then in the display number.
while IFS= read -r display; do
  (cd "$work" && DISPLAY=$display PATH=$work/bin bash "$have_display") 2>/dev/null
  status=$?
  if [[ -e $work/ran || $status != 1 ]]; then
    echo "FAIL: DISPLAY='$display': status $status; code ran: $([[ -e $work/ran ]] && echo yes || echo no)" >&2
    faults=$((faults + 1))
  fi
  rm -f "$work/ran"
done <<'CASES'
x$(>ran)@:0
x`>ran`:0
localhost:PATH[$(>ran)]
CASES
((faults == 0)) || exit 1
echo "OK: DISPLAY is taken as data"
