#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Solves a column addition, a hundred table and an abacus addition of the
# built program as a black box: an X display of its own (Xvfb), a private
# session bus with the accessibility bus, the program with its accessibility
# always on, and tests/blackbox/keyboard_blackbox.py reading only the
# accessibility tree and pressing only real keys (xdotool key).
#   scripts/keyboard-blackbox.sh [BUILD_DIR] [SCENARIO...]
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "${1:-build}")"
shift || true
scenarios=("$@")
[ ${#scenarios[@]} -gt 0 ] || scenarios=(columns hundred abacus)
scripts/deps.sh >/dev/null

if [ -z "${CONTALANDIA_IN_SESSION:-}" ]; then
    # The accessibility bus puts its socket in the runtime folder, or else
    # in ~/.cache: folders of this run's own, so that two runs side by side
    # never take (or remove) each other's bus.
    session="$(mktemp -d)"
    mkdir -m 700 "$session/run"
    status=0
    CONTALANDIA_IN_SESSION=1 HOME="$session" XDG_RUNTIME_DIR="$session/run" \
        dbus-run-session -- "$0" "$build" "${scenarios[@]}" || status=$?
    rm -rf "$session"
    exit $status
fi

home="$(mktemp -d)"
display=":$(( 90 + RANDOM % 400 ))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT
export DISPLAY="$display" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
# The accessibility bus first, so the program finds it as it starts.
gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus --method org.a11y.Bus.GetAddress >/dev/null

failed=0
for scenario in "${scenarios[@]}"; do
    rm -rf "${home:?}"/*
    mkdir -p "$home/run" && chmod 700 "$home/run"
    HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run" \
        "$build/contalandia" >"$home/program.log" 2>&1 &
    app=$!
    if ! CONTALANDIA_PID=$app timeout 180 /usr/bin/python3 tests/blackbox/keyboard_blackbox.py "$scenario"; then
        echo "$scenario: FAILED"
        failed=1
    fi
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    app=""
done
exit $failed
