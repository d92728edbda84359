#!/usr/bin/env bash
# Builds the project and runs the benchmark beside Qt's own calendar:
#   tools/bench.sh [bench options]      (tools/bench.sh --help lists them)
# It prints a Markdown table and writes build/bench.json. The timings want a quiet
# machine: the bench waits until the load average falls below --max-load (default 1.0).
# The instruction counts need valgrind; without it they are left out.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build="${BUILD_DIR:-$top/build}"

# The build talks on stderr: stdout carries the table alone.
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON > /dev/null
cmake --build "$build" --parallel "$(nproc)" --target orv-admin-date-bench >&2

if ! command -v valgrind > /dev/null; then
    echo "valgrind is missing (apt-get install valgrind): the instruction counts are left out" >&2
fi
# One X server for every Xvfb figure; the offscreen figures need none.
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/orv-admin-date-bench" --json "$build/bench.json" "$@"
