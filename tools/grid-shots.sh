#!/usr/bin/env bash
# Saves the month grid as drawn for 45 dates in both looks, one PNG each:
#   tools/grid-shots.sh DIRECTORY [offscreen|xvfb]
# Run it before and after a change to the grid and compare the directories
# (cmp or diff -r): the software renderer (offscreen) must give the same bytes.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build="${BUILD_DIR:-$top/build}"
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
