#!/usr/bin/env bash
# Saves the month grid as drawn for 45 dates in both looks, one PNG each:
#   tools/grid-shots.sh DIRECTORY [offscreen|xvfb]
# Run it before and after a change to the grid, then compare the two directories within
# the renderer's tolerance (see doc/performance.md):
#   tools/grid-shots.sh compare BEFORE AFTER [offscreen|xvfb]
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build="${BUILD_DIR:-$top/build}"
if [ "$1" = compare ]; then
    cmake --build "$build" --parallel 2 --target orv-admin-date-bench >&2
    exec "$build/bin/orv-admin-date-bench" --compare-shots "$2" "$3" "${4:-offscreen}"
fi
directory=$(realpath -m "$1")
platform="${2:-offscreen}"
mkdir -p "$directory"

cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON > /dev/null
cmake --build "$build" --parallel 2 --target orv-admin-date-bench >&2

bench="$build/bin/orv-admin-date-bench"
if [ "$platform" = offscreen ]; then
    QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software "$bench" --child show shots "$directory"
else
    QSG_RENDER_LOOP=basic xvfb-run -a -s "-screen 0 1280x1024x24" "$bench" --child show shots "$directory"
fi
echo "$(ls "$directory" | wc -l) images in $directory" >&2
