#!/usr/bin/env bash
# Plays the built game under a virtual X server until a win and saves a
# screenshot of the window then (needs xvfb-run, xdotool, imagemagick).
#   tools/screenshot.sh BUILD_DIR OUTPUT.png [SCALE]
# SCALE (a whole number, 1 by default) is the screen's scale factor.
set -euo pipefail
build=$(cd "$1" && pwd)
output=$(realpath -m "$2")
scale=${3:-1}
# Client-area boxes "X Y WIDTH HEIGHT" from the program's own layout table.
table=$("$build/layout_table")
box() { grep "^$1 " <<<"$table" | cut -d' ' -f2-; }
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY QT_SCALE_FACTOR="$scale" \
    xvfb-run -a -s "-screen 0 $((640 * scale))x$((560 * scale))x24" bash -c '
    s=$QT_SCALE_FACTOR
    read -r _ _ _ client_height <<<"$3"
    client_height=$(( client_height * s ))
    centre() { read -r x y w h <<<"$1"; echo $(( (x + w / 2) * s )) $(( menu + (y + h / 2) * s )); }
    "$1" >/dev/null 2>&1 &
    for _ in $(seq 50); do
        window=$(xdotool search --onlyvisible --name "^Spinzaro$" 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.2
    done
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
    menu=$(( HEIGHT - client_height ))
    xdotool mousemove --window "$window" $(centre "$4") click 1   # a two-dollar stake
    read -r win_x win_y win_width win_height <<<"$6"
    for _ in $(seq 300); do
        xdotool mousemove --window "$window" $(centre "$5") click 1
        sleep 0.35
        # Winnings shows green text once something was won.
        if import -window root -crop $(( (win_width - 6) * s ))x$(( (win_height - 6) * s ))+$(( X + (win_x + 3) * s ))+$(( Y + menu + (win_y + 3) * s )) txt:- |
            grep -q "lime"; then
            import -window root -crop ${WIDTH}x${HEIGHT}+$X+$Y +repage "$2"
            break
        fi
    done
    kill %1
' _ "$build/spinzaro" "$output" "$(box client)" "$(box lbCoinSlot)" "$(box cmdSpin)" "$(box lbWin)"
echo "saved $output"
