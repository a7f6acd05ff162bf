#!/usr/bin/env bash
# Starts the real program on a fresh program folder under a virtual display
# and waits for its main window to appear.
set -u
program=$1
home=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$home"' EXIT
export CREELBOOK_HOME=$home
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$0" & pid=$!
    for _ in $(seq 1 100); do
        if xwininfo -root -tree | grep -q "\"Creelbook\""; then
            kill $pid; exit 0
        fi
        sleep 0.2
    done
    kill $pid; exit 1' "$program" &
pid=$!
wait "$pid"
status=$?
if [ "$status" -ne 0 ]; then
    echo "The main window \"Creelbook\" did not appear." >&2
    exit 1
fi
[ -f "$home/rosterbase.mdb" ] || { echo "No club database was installed." >&2; exit 1; }
echo "The main window appeared."
