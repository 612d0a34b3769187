#!/usr/bin/env bash
# Plays the built game under a virtual X server until a win and saves a
# screenshot of the window then (needs xvfb-run, xdotool, imagemagick).
#   tools/screenshot.sh BUILD_DIR OUTPUT.png [SCALE [PRIZE]]
# SCALE (a whole number, 1 by default) is the screen's scale factor. PRIZE,
# a bill's control (img100Bill, img50bill), plays on until that bill shows.
set -euo pipefail
build=$(cd "$1" && pwd)
output=$(realpath -m "$2")
scale=${3:-1}
prize=${4:-}
# Client-area boxes "X Y WIDTH HEIGHT" from the program's own layout table.
table=$("$build/layout_table")
box() { grep "^$1 " <<<"$table" | cut -d' ' -f2-; }
# A spot of the prize's box that nothing else shown there reaches (the other
# prizes, the pay table, the amounts with room to grow): it stays the window's
# blue until that prize shows.
own_spot() {
    local x y w h px py other ox oy ow oh
    read -r x y w h <<<"$(box "$1")"
    for py in $((y + h / 6)) $((y + h / 2)) $((y + h * 5 / 6)); do
        for px in $((x + w / 6)) $((x + w / 2)) $((x + w * 5 / 6)); do
            while read -r other ox oy ow oh; do
                [ "$other" != "$1" ] && ((px >= ox && px < ox + ow * 3 / 2 && py >= oy && py < oy + oh)) && continue 2
            done < <(grep -E "^(img|lbAmount)" <<<"$table")
            echo "$px $py"
            return
        done
    done
    echo "no spot of $1 is its own" >&2
    exit 2
}
spot=""
[ -z "$prize" ] || spot=$(own_spot "$prize")
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
    read -r spot_x spot_y <<<"${7:-0 0}"
    won() {
        if [ -n "$7" ]; then
            ! import -window root -crop 1x1+$(( X + spot_x * s ))+$(( Y + menu + spot_y * s )) txt:- |
                grep -q "srgb(0,0,192)"
        else
            # Winnings shows green text once something was won.
            import -window root -crop $(( (win_width - 6) * s ))x$(( (win_height - 6) * s ))+$(( X + (win_x + 3) * s ))+$(( Y + menu + (win_y + 3) * s )) txt:- |
                grep -q "lime"
        fi
    }
    for _ in $(seq 2000); do
        xdotool mousemove --window "$window" $(centre "$5") click 1
        sleep 0.35
        if won "$@"; then
            import -window root -crop ${WIDTH}x${HEIGHT}+$X+$Y +repage "$2"
            break
        fi
    done
    kill %1
'  _ "$build/spinzaro" "$output" "$(box client)" "$(box lbCoinSlot)" "$(box cmdSpin)" "$(box lbWin)" \
    "$spot"
echo "saved $output"
