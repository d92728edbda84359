#!/usr/bin/env bash
# Screenshot of the control module as kcmshell5 shows it from an install into a prefix,
# against the mocked timedated of the tests, in an X server of its own:
#   tools/kcm-shot.sh [BUILD-DIR] [OUTPUT.png]      (defaults: build, doc/kcm.png)
# Needs kcmshell5 (kde-cli-tools), xvfb-run, xdotool, python3-dbusmock and Qt's headers.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
output=$(realpath -m "${2:-$top/doc/kcm.png}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
g++ -fPIC -o "$work/grab-window" "$top/tools/grab-window.cpp" $(pkg-config --cflags --libs Qt5Gui)
arch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
cat >"$work/shot.sh" <<SHOT
#!/bin/sh
export QT_PLUGIN_PATH=$work/prefix/lib/$arch/qt5/plugins QML2_IMPORT_PATH=$work/prefix/lib/$arch/qt5/qml
export XDG_DATA_DIRS=$work/prefix/share:/usr/share LANGUAGE=en LC_ALL=C.UTF-8 TZ=Europe/Berlin
kcmshell5 kcm_orvadmindate >"$work/kcmshell.log" 2>&1 &
kcmshell=\$!
window=\$(xdotool search --sync --onlyvisible --class kcmshell5 | head -n 1)
# kcmshell5 leaves its own title out of the height it opens at; with no window manager
# to resize it, the window is made tall enough for the whole page here.
xdotool windowsize "\$window" 860 780
sleep 3
"$work/grab-window" "$output" "\$window"
status=\$?
kill \$kcmshell
exit \$status
SHOT
chmod +x "$work/shot.sh"
# ORV_DISPLAY=N takes display :N instead of the first free one.
server=(-a)
[ -n "${ORV_DISPLAY:-}" ] && server=(-n "$ORV_DISPLAY")
xvfb-run "${server[@]}" -s "-screen 0 1280x1024x24" "$top/autotests/kcm/with-mocked-timedated.sh" "$work/shot.sh"
echo "wrote $output"
