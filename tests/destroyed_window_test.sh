#!/usr/bin/env bash
# The game ends when another X client destroys its window (xdotool
# windowclose does), as it does when the window is closed, rather than run on
# with nothing to show. Destroying another client's window needs a real X
# server, hence xvfb-run.
#   destroyed_window_test.sh GAME
set -euo pipefail

game=$1
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT

env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" LSAN_OPTIONS="${LSAN_OPTIONS:-}" \
    xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    QT_QPA_PLATFORM=xcb PULSE_SERVER="unix:$1/no-server" "$2" 2>"$1/error" &
    game=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Spinzaro$" 2>/dev/null | head -1) || true
    if [ -z "$window" ]; then
        echo "the game window did not appear"
        kill $game
        exit 1
    fi
    xdotool windowclose "$window"
    # Generous: the game ends within a moment, a test machine may be slow.
    for _ in $(seq 100); do
        kill -0 $game 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 $game 2>/dev/null; then
        echo "the game still runs 10 s after its window was destroyed"
        kill $game
        exit 1
    fi
    status=0
    wait $game || status=$?
    if [ $status -ne 0 ] || [ -s "$1/error" ]; then
        echo "the game ended with status $status, saying:"
        cat "$1/error"
        exit 1
    fi
    echo "the game ended with its window"
' _ "$runtime" "$game"
