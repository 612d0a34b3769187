#!/usr/bin/env bash
# The installed game, started through its launcher from an unrelated working
# directory, opens its wave files from beside its own executable. A click from
# outside the process needs a real X server, hence xvfb-run; inotifywait sees
# the open. Where to click comes from the program's own layout table, and
# which waves to look for from its cue table.
#   installed_game_test.sh BUILD_DIR LAYOUT_TABLE CUE_TABLE
set -euo pipefail
. "$(dirname "$0")/game_in_xvfb.sh"

build=$(cd "$1" && pwd)
layout_table=$2
cue_table=$3
stage=$(mktemp -d)
watcher=
cleanup() {
    [ -z "$watcher" ] || kill "$watcher" 2>/dev/null || true
    rm -rf "$stage"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$stage/prefix" >/dev/null
launcher="$stage/prefix/bin/spinzaro"
game_dir=$(dirname "$(readlink -f "$launcher")")
# Exactly the cue table's waves, no fewer and no more.
installed=$(cd "$game_dir" && ls -- *.wav | sort)
expected=$("$cue_table" | sort)
if [ "$installed" != "$expected" ]; then
    echo "beside the installed executable: $installed"
    echo "the cue table names: $expected"
    exit 1
fi

# The client area lies below the menu bar, so the slot is found from the bottom.
read -r _ _ _ _ client_height < <("$layout_table" | grep '^client ')
read -r _ slot_x slot_y slot_width slot_height < <("$layout_table" | grep '^lbCoinSlot ')
click_x=$(( slot_x + slot_width / 2 ))
click_from_bottom=$(( client_height - slot_y - slot_height / 2 ))

inotifywait -m -e open --format '%f' "$game_dir" >"$stage/opened" 2>"$stage/watch.log" &
watcher=$!
for _ in $(seq 100); do
    grep -q "Watches established" "$stage/watch.log" && break
    sleep 0.1
done

# The game sees only what it is given here: an X display of its own, and a
# sound server that is not there (it still opens the wave before it looks for one).
mkdir -m 700 "$stage/runtime"
cd /
game_in_xvfb "$stage/runtime" "$launcher" /dev/null '
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # A click may come before the window takes input; each one plays the cue.
    for _ in $(seq 40); do
        xdotool mousemove --window "$window" "$2" $(( HEIGHT - $3 )) click 1
        sleep 0.25
        grep -qx CoinSlot.wav "$1" && break
    done
    kill $game
    wait $game 2>/dev/null || true
' "$stage/opened" "$click_x" "$click_from_bottom"

if grep -qx CoinSlot.wav "$stage/opened"; then
    echo "opened $game_dir/CoinSlot.wav"
else
    echo "the game did not open $game_dir/CoinSlot.wav; it opened:"
    sort -u "$stage/opened"
    exit 1
fi
