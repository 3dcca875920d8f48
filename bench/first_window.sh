#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's first window against an empty Qt Widgets window
# (contalandia_empty_window, built with the benchmarks) and against the same
# window showing one line of text (contalandia_empty_window --text: the
# least any window with text pays), started in turns in one run under a
# 1280x800 virtual X display:
#
#   bench/first_window.sh [BUILD_DIR] [RUNS]      (default: build 9)
#
# BUILD_DIR is taken from the project folder. For each start: the time from
# launch until a window named "Contalandia" is viewable, the resident memory
# at that moment, and the resident memory a second later (once whatever the
# program does after its first frame is done). Prints every start, then
# each program's medians and the program's median time and memory over the
# empty window's. Installs Xvfb and xwininfo when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-9}
program=$build/contalandia
empty=$build/contalandia_empty_window

scripts/deps.sh xvfb x11-utils
if [ ! -x "$program" ] || [ ! -x "$empty" ]; then
  cmake --build "$build" -j"$(nproc)" --target contalandia contalandia_empty_window
fi

# Private runtime and settings folders: another copy running elsewhere must
# not turn this one away, and nothing of the user's is read or written.
work=$(mktemp -d)
xvfb=""
xev=""
cleanup() {
  [ -z "$xev" ] || kill "$xev" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/run" "$work/config"
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"

# A virtual display of its own: the server picks a free display number and
# writes it when it is ready.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 1 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "first_window.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
unset XAUTHORITY WAYLAND_DISPLAY QT_QPA_PLATFORM

# The display's own news of every window mapped on it, read as it comes:
# polling the window tree instead would connect a client every few
# milliseconds, which slows the start it measures and now and then makes
# the program's own connection fail.
mkfifo "$work/events"
xev -root -event substructure >"$work/events" &
xev=$!
exec 4<"$work/events"

now_us() { local t=${EPOCHREALTIME/[.,]/}; echo "$t"; }
rss() {
  local key value rest
  while read -r key value rest; do
    [ "$key" = "VmRSS:" ] && { echo "$value"; return; }
  done <"/proc/$1/status"
  echo 0
}

# The processor time of all the process's threads so far, in microseconds
# (what the scheduler counts: unlike the time on the clock, it hardly
# depends on what else the machine is doing).
cpu_us() {
  local total=0 ns rest f
  for f in /proc/"$1"/task/*/schedstat; do
    read -r ns rest <"$f" 2>/dev/null || continue
    total=$((total + ns / 1000))
  done
  echo "$total"
}

# launch PROGRAM [ARGUMENTS]: prints "milliseconds cpu_ms rss_kB rss_a_second_later_kB".
# The first window is viewable when it is mapped (no window manager runs).
launch() {
  local start end pid line cpu at later
  start=$(now_us)
  "$@" >"$work/output" 2>&1 &
  pid=$!
  while :; do
    if ! read -r -t 30 -u 4 line; then
      kill "$pid" 2>/dev/null || true
      echo "first_window.sh: $1 showed no window within 30 s:" >&2
      cat "$work/output" >&2
      exit 1
    fi
    case "$line" in MapNotify*) break ;; esac
  done
  end=$(now_us)
  cpu=$(cpu_us "$pid")
  at=$(rss "$pid")
  sleep 1
  later=$(rss "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000 )) $(( cpu / 1000 )) $at $later"
}

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

start() {
  case "$1" in
    program) launch "$program" ;;
    empty) launch "$empty" ;;
    text) launch "$empty" --text ;;
  esac
}
kinds="program empty text"

# One start of each first, unmeasured: all find their files in the cache.
for which in $kinds; do start "$which" >/dev/null; done

printf '%-8s %6s %8s %10s %14s\n' "start" "ms" "CPU ms" "RSS kB" "RSS 1 s later"
for which in $kinds; do : >"$work/$which"; done
for ((i = 1; i <= runs; i++)); do
  for which in $kinds; do
    line=$(start "$which")
    echo "$line" >>"$work/$which"
    read -r ms cpu at later <<<"$line"
    printf '%-8s %6s %8s %10s %14s\n' "$which" "$ms" "$cpu" "$at" "$later"
  done
done

for which in $kinds; do
  for column in 1 2 3 4; do
    declare "${which}_$column=$(cut -d' ' -f$column "$work/$which" | median)"
  done
done
echo
echo "medians over $runs starts each:"
for which in $kinds; do
  eval "t=\$${which}_1 c=\$${which}_2 m=\$${which}_3 l=\$${which}_4"
  printf '  %-8s %5s ms (CPU %4s ms), %7s kB at the first window, %7s kB a second later\n' \
    "$which:" "$t" "$c" "$m" "$l"
done
for yardstick in empty text; do
  eval "b=\$${yardstick}_1 d=\$${yardstick}_2 f=\$${yardstick}_3 h=\$${yardstick}_4"
  awk -v a="$program_1" -v b="$b" -v c="$program_2" -v d="$d" \
      -v e="$program_3" -v f="$f" -v g="$program_4" -v h="$h" -v y="$yardstick" \
    'BEGIN { printf "  program / %s: time x%.2f (CPU x%.2f), memory x%.2f (x%.2f a second later)\n", y, a / b, c / d, e / f, g / h }'
done
