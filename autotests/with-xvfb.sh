#!/bin/sh
# Runs a command in an X server of its own: Xvfb picks a free display number itself and
# reports it (-displayfd), so that any number of these run side by side, where xvfb-run -a
# guesses a number and races when several start together. The server is stopped however
# the command ends.
#
# with-xvfb.sh COMMAND [ARGUMENT...]
set -u

workdir=$(mktemp -d)
server=""
command=""
cleanup() {
    [ -n "$command" ] && kill "$command" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP PIPE

Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$workdir/display" 2>"$workdir/xvfb.log" &
server=$!
for _ in $(seq 100); do
    [ -s "$workdir/display" ] && break
    sleep 0.05
done
if [ ! -s "$workdir/display" ]; then
    echo "Xvfb did not start" >&2
    cat "$workdir/xvfb.log" >&2
    exit 1
fi
DISPLAY=:$(cat "$workdir/display")
export DISPLAY
unset WAYLAND_DISPLAY

# In the background, so that a signal (ctest's timeout) ends the command and the server
# at once rather than after the command.
"$@" &
command=$!
wait "$command"
status=$?
command=""
exit "$status"
