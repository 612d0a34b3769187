#!/usr/bin/env bash
# The game ends when another X client destroys its window (xdotool
# windowclose does), as it does when the window is closed, rather than run on
# with nothing to show. Destroying another client's window needs a real X
# server, hence xvfb-run.
#   destroyed_window_test.sh GAME
set -euo pipefail
. "$(dirname "$0")/game_in_xvfb.sh"

runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT

game_in_xvfb "$runtime" "$1" "$runtime/error" '
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
    if [ $status -ne 0 ] || [ -s "$1" ]; then
        echo "the game ended with status $status, saying:"
        cat "$1"
        exit 1
    fi
    echo "the game ended with its window"
' "$runtime/error"
