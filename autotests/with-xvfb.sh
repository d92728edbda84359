#!/bin/sh
# Runs a command in an X server of its own: Xvfb picks a free display number itself and
# reports it, so that any number of these run side by side, where xvfb-run -a guesses a
# number and races when several start together. The server is stopped however the
# command ends.
#
# with-xvfb.sh COMMAND [ARGUMENT...]
set -u
. "$(dirname "$0")/harness.sh"

start_xvfb

# In the background, so that a signal (ctest's timeout) ends the command and the server
# at once rather than after the command.
"$@" &
pids="$pids $!"
wait $!
