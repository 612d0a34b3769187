#!/usr/bin/env bash
# Runs a command on a private session bus with the accessibility bus and its
# registry, as a desktop with a screen reader has them, inside an X server of
# its own; the caller's desktop plays no part.
#   tests/with_atspi.sh COMMAND [ARGUMENT...]
set -euo pipefail

if [ "${1:-}" = --inside ]; then
    shift
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
    launcher=$!
    trap 'kill $launcher 2>/dev/null; wait $launcher 2>/dev/null' EXIT
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
    exit
fi
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
# The bus daemon's complaint that it may not raise its file limit, as root, is noise.
env -u DBUS_SESSION_BUS_ADDRESS -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime" \
    xvfb-run -a -s "-screen 0 800x600x24 -noreset" \
    dbus-run-session -- "$0" --inside "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
