#!/usr/bin/env bash
# Plays the built game under a virtual X server until a win and saves a
# screenshot of the window then (needs xvfb-run, xdotool, imagemagick).
#   tools/screenshot.sh BUILD_DIR OUTPUT.png
set -euo pipefail
game=$(cd "$1" && pwd)/spinzaro
output=$(realpath -m "$2")
xvfb-run -a -s "-screen 0 640x560x24" bash -c '
    "$1" >/dev/null 2>&1 &
    for _ in $(seq 50); do
        window=$(xdotool search --onlyvisible --name "^Spinzaro$" 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.2
    done
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
    menu=$(( HEIGHT - 459 ))
    xdotool mousemove --window "$window" 376 $(( menu + 260 )) click 1   # a two-dollar stake
    for _ in $(seq 300); do
        xdotool mousemove --window "$window" 378 $(( menu + 323 )) click 1
        sleep 0.35
        # Winnings shows green text once something was won.
        if import -window root -crop 100x20+$(( X + 43 ))+$(( Y + menu + 23 )) txt:- | grep -q "lime"; then
            import -window root -crop ${WIDTH}x${HEIGHT}+$X+$Y +repage "$2"
            break
        fi
    done
    kill %1
' _ "$game" "$output"
echo "saved $output"
