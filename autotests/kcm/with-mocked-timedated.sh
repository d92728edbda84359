#!/bin/sh
# Runs a command against a mocked systemd-timedated: a dbus-daemon of its own as the
# system bus (DBUS_SYSTEM_BUS_ADDRESS, and the session bus too, so that nothing reaches
# the machine's buses) with python3-dbusmock's timedated template on it, or with no
# service at all under --without-service. Everything it starts is stopped again when it
# ends, however it ends.
#
# with-mocked-timedated.sh [--without-service] COMMAND [ARGUMENT...]
set -u

with_service=1
if [ "${1:-}" = "--without-service" ]; then
    with_service=0
    shift
fi
# The system's Python, where Debian's python3-dbusmock lives, whatever python3 PATH finds.
python=/usr/bin/python3
if ! command -v dbus-daemon >/dev/null || ! "$python" -c "import dbusmock" 2>/dev/null; then
    echo "skipped: dbus-daemon or python3-dbusmock is missing (tools/packages.txt)"
    exit 77
fi

. "$(dirname "$0")/../harness.sh"

# A system bus in all but its address: anyone may own and call anything on it.
cat >"$workdir/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$workdir/system_bus_socket</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$workdir/bus.conf" --nofork --nopidfile --print-address=3 3>"$workdir/address" 2>"$workdir/bus.log" &
pids="$pids $!"
await_file "$workdir/address" dbus-daemon "$workdir/bus.log"
DBUS_SYSTEM_BUS_ADDRESS=$(head -n 1 "$workdir/address")
DBUS_SESSION_BUS_ADDRESS=$DBUS_SYSTEM_BUS_ADDRESS
export DBUS_SYSTEM_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS

if [ "$with_service" = 1 ]; then
    # Berlin, whose name the zone database knows (the template's own default is not one).
    "$python" -m dbusmock --system --template timedated --parameters '{"Timezone": "Europe/Berlin", "NTP": false}' \
        >"$workdir/mock.log" 2>&1 &
    pids="$pids $!"
    started=0
    for _ in $(seq 100); do
        if dbus-send --system --print-reply --dest=org.freedesktop.timedate1 /org/freedesktop/timedate1 \
            org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1; then
            started=1
            break
        fi
        sleep 0.1
    done
    if [ "$started" = 0 ]; then
        echo "the mocked timedated did not start" >&2
        cat "$workdir/mock.log" >&2
        exit 1
    fi
fi

"$@"
status=$?
if [ "$status" -ne 0 ] && [ "$with_service" = 1 ]; then
    echo "--- the mock's output" >&2
    cat "$workdir/mock.log" >&2
fi
exit "$status"
