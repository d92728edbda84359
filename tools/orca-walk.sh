#!/bin/sh
# Walks the preview page by keyboard with the Orca screen reader listening and prints
# what Orca said at each step, for a person to read. Not a test: Orca's wording changes
# between its versions.
#
# tools/orca-walk.sh [BUILD_DIR] [KEYS...]
# Without KEYS it walks the grid, types a date and a time, chooses in the boxes and
# applies. Each KEY is an xdotool key name; "type:TEXT" types TEXT.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
[ $# -gt 0 ] && shift

if ! command -v orca >/dev/null; then
    echo "installing orca" >&2
    apt-get install -y --no-install-recommends orca >/dev/null
fi

if [ $# -eq 0 ]; then
    set -- \
        Right Right Down Left Up \
        Tab Tab type:28 type:02 type:2027 \
        shift+Tab shift+Tab shift+Tab shift+Tab Right Up Left Down \
        shift+Tab Return Down Return \
        Up Right Return Up Return \
        Right Return Down Return \
        Right space \
        Tab Tab Tab Tab Tab Tab Tab Tab type:14 type:30 type:05 \
        Tab Tab Return Tab Return
fi

# Inside the page's environment (see run-with-atspi.sh) this script does the walk.
if [ -z "${ORV_PREVIEW_PID:-}" ]; then
    exec "$here/../autotests/accessibility/run-with-atspi.sh" "$build/bin/orv-admin-date-preview" "$0" "$build" "$@"
fi

log=$(mktemp -d)
orca -u "$log" --debug-file "$log/orca.debug" >/dev/null 2>&1 &
orca_pid=$!
trap 'kill "$orca_pid" 2>/dev/null; rm -rf "$log"' EXIT
sleep 8
xdotool search --sync --name "Date and Time" windowfocus --sync >/dev/null
sleep 2
for key in "$@"; do
    # Orca writes its log from its own offset: the keys go to a file of their own,
    # stamped like Orca's lines, and both are merged by time.
    echo "$(date +%H:%M:%S.%6N) - KEY $key" >>"$log/keys"
    case $key in
        type:*) xdotool type --delay 150 "${key#type:}" ;;
        *) xdotool key "$key" ;;
    esac
    sleep 1.5
done
# Orca may still be speaking the last step.
sleep 3
grep -a 'SPEECH OUTPUT' "$log/orca.debug" | cat - "$log/keys" | sort \
    | sed -e 's/^[0-9:.]* - KEY /== /' -e "s/^[0-9:.]* - SPEECH OUTPUT: '\(.*\)' *{'established.*$/    \1/"
