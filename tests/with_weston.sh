#!/usr/bin/env bash
# Runs a command as a Wayland client of a headless Weston of its own, which
# ends with it; the caller's display settings play no part.
#   tests/with_weston.sh COMMAND [ARGUMENT...]
set -euo pipefail

runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=""
finish() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap finish EXIT

socket=spinzaro-wayland
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    --no-config >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    echo "with_weston.sh: Weston did not come up; its log:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
fi

env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@"
