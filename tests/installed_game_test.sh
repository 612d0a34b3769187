#!/usr/bin/env bash
# The installed game, started through its launcher from an unrelated working
# directory, opens its wave files from beside its own executable. It needs a
# real X server (clicks from outside the process), hence xvfb-run.
#   installed_game_test.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage/prefix" >/dev/null
launcher="$stage/prefix/bin/spinzaro"
game_dir=$(dirname "$(readlink -f "$launcher")")
for wave in Spin.wav CoinSlot.wav slotbell2.wav Police2.wav CoinsWin.wav; do
    [ -f "$game_dir/$wave" ] || { echo "missing beside the installed executable: $wave"; exit 1; }
done

cd /
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    strace -f -qq -e trace=openat -o "$1/trace" "$2" >/dev/null 2>&1 &
    tracer=$!
    # Ends the game itself; strace then ends with it.
    finish() { pkill -TERM -P $tracer 2>/dev/null || true; wait $tracer 2>/dev/null || true; }
    for _ in $(seq 50); do
        window=$(xdotool search --onlyvisible --name "^Spinzaro$" 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "the game window did not appear"; finish; exit 1; }
    sleep 0.5
    # The coin slot lies at (376, 260) of the client area, below a menu bar.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    menu=$(( HEIGHT - 459 ))
    xdotool mousemove --window "$window" 376 $(( menu + 260 )) click 1
    # A loaded machine may take a while to play the cue: wait for its open.
    for _ in $(seq 100); do
        grep -q "CoinSlot\.wav" "$1/trace" 2>/dev/null && break
        sleep 0.1
    done
    finish
' _ "$stage" "$launcher"

expected="$game_dir/CoinSlot.wav"
if grep -F "\"$expected\"" "$stage/trace" | grep -qv "= -1"; then
    echo "opened $expected"
else
    echo "the game did not open $expected; its wave opens were:"
    grep -F ".wav" "$stage/trace" || true
    exit 1
fi
