# Sourced by the scripts that run a test inside processes of its own (an X server, a
# bus, a mocked service): a work folder, and every process named in $pids, ended
# however the script ends.
# shellcheck shell=sh

workdir=$(mktemp -d)
pids=""
cleanup() {
    for pid in $pids; do
        kill "$pid" 2>/dev/null
    done
    # Each child is waited for, so that an X server removes its lock; one that does not
    # end within two seconds is killed.
    (sleep 2; for pid in $pids; do kill -9 "$pid" 2>/dev/null; done) >/dev/null 2>&1 &
    watchdog=$!
    for pid in $pids; do
        wait "$pid" 2>/dev/null
    done
    kill "$watchdog" 2>/dev/null
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP PIPE

# await_file FILE WHAT LOG: up to 5 s for a starting process to write FILE; else the
# script ends, showing LOG.
await_file() {
    for _ in $(seq 50); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    echo "$2 did not start" >&2
    cat "$3" >&2
    exit 1
}

# start_xvfb [OPTION...]: an X server on a display number that it picks itself and
# reports (-displayfd), so that any number of them start side by side; DISPLAY names it.
start_xvfb() {
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 "$@" 3>"$workdir/display" 2>"$workdir/xvfb.log" &
    pids="$pids $!"
    await_file "$workdir/display" Xvfb "$workdir/xvfb.log"
    DISPLAY=:$(cat "$workdir/display")
    export DISPLAY
    unset WAYLAND_DISPLAY
}
