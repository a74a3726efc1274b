#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds what the benchmarks need and prints their tables against the budget: start-up and memory
# of both tutors beside a bare window, memory after a long day of use, wake-ups while idle, every
# screen change and every handler.
#   ./tools/bench.sh [STARTUP_ROUNDS [SCREEN_ROUNDS [HANDLER_RUNS [USE_EVENTS [IDLE_SECONDS]]]]]
# Start-up, memory through use and screen changes run in one X server of their own; the exit
# status is 3 when a figure misses the budget. Timings on a shared machine vary: run it on a quiet
# one.
set -euo pipefail
cd "$(dirname "$0")/.."
startup_rounds="${1:-21}"
screen_rounds="${2:-100}"
handler_runs="${3:-1000}"
use_events="${4:-100000}"
idle_seconds="${5:-60}"

./tools/setup-debian.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target numeria fractio bare_window startup memory idle screens \
    handlers >/dev/null

# A runtime directory of its own, as a desktop session has, and the X server's own platform.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
unset QT_QPA_PLATFORM

status=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
    status=0
    echo '### Start-up and memory'
    echo
    ./build/bench/startup $startup_rounds bare=./build/bench/bare_window \
        numeria=./build/numeria/numeria fractio=./build/fractio/fractio || status=\$?
    echo
    echo '### Memory through a day of use'
    echo
    ./build/bench/memory $use_events || status=\$?
    echo
    echo '### Screen changes'
    echo
    ./build/bench/screens $screen_rounds || status=\$?
    exit \$status
" || status=$?
echo
echo '### Idle'
echo
./build/bench/idle "$idle_seconds" || status=$?
echo
echo '### Handlers'
echo
./build/bench/handlers "$handler_runs" || status=$?
exit "$status"
