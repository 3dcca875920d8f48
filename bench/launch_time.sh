#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time from launch to the first visible full-screen window, under a virtual
# X display: run inside xvfb-run, e.g.
#   xvfb-run -a -s "-screen 0 1280x800x24" bench/launch_time.sh build/contalandia [runs]
# Polls the window tree every few milliseconds until a viewable window named
# "Contalandia" exists, then ends the program. Prints one time per run and
# the median, in milliseconds.
set -euo pipefail
program=$1
runs=${2:-10}
# A private runtime folder: another copy running elsewhere must not turn
# this one away.
export XDG_RUNTIME_DIR=$(mktemp -d)
times=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  until xwininfo -root -tree 2>/dev/null | grep -q '"Contalandia": ("'; do
    sleep 0.005
  done
  # The first window is mapped; wait until it is viewable.
  id=$(xwininfo -root -tree | grep '"Contalandia": ("' | head -1 | awk '{print $1}')
  until xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; do sleep 0.002; done
  end=$(date +%s%N)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  times+=($(( (end - start) / 1000000 )))
done
printf '%s\n' "${times[@]}"
echo "median: $(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}') ms"
rm -rf "$XDG_RUNTIME_DIR"
