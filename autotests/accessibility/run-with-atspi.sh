#!/bin/sh
# Runs a command against the preview page as a screen reader meets it: an X server
# of its own, a private session bus, the accessibility bus announced on the root
# window, and the preview with Qt's accessibility bridge forced on. Everything it
# starts is stopped again when it ends, however it ends.
#
# run-with-atspi.sh PREVIEW COMMAND [ARGUMENT...]
# COMMAND finds the preview's process id in ORV_PREVIEW_PID.
set -u

preview=$1
shift

if [ -n "${ORV_SKIP_ACCESSIBILITY:-}" ]; then
    echo "skipped: $ORV_SKIP_ACCESSIBILITY"
    exit 77
fi
for tool in Xvfb dbus-launch dbus-send xprop xdotool /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is missing (tools/packages.txt)"
        exit 77
    fi
done

. "$(dirname "$0")/../harness.sh"
# The bus launcher keeps its socket in the runtime directory, named after the display.
XDG_RUNTIME_DIR=$workdir
export XDG_RUNTIME_DIR

# -noreset: the server outlives its last client, so a restarted client finds the same
# root-window property.
start_xvfb -noreset

eval "$(dbus-launch --sh-syntax)"
pids="$pids $DBUS_SESSION_BUS_PID"
export DBUS_SESSION_BUS_ADDRESS

/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$workdir/launcher.log" &
pids="$pids $!"
address=""
for _ in $(seq 50); do
    address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ')
    [ -n "$address" ] && break
    sleep 0.1
done
if [ -z "$address" ]; then
    echo "the accessibility bus did not start" >&2
    cat "$workdir/launcher.log" >&2
    exit 1
fi
# Qt's bridge looks for the bus on the root window before it asks the session bus.
xprop -root -f AT_SPI_BUS 8s -set AT_SPI_BUS "$address"
unset AT_SPI_BUS_ADDRESS

QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$preview" >"$workdir/preview.out" 2>"$workdir/preview.err" &
ORV_PREVIEW_PID=$!
pids="$pids $ORV_PREVIEW_PID"
export ORV_PREVIEW_PID

"$@"
status=$?
if [ "$status" -ne 0 ]; then
    echo "--- the preview's output" >&2
    cat "$workdir/preview.out" "$workdir/preview.err" >&2
fi
exit "$status"
