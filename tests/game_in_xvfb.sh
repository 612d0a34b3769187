# shellcheck shell=bash
# Sourced by the tests that need a real X server: plays the game in an Xvfb
# display of its own, with nothing from the caller's environment but PATH.
#   game_in_xvfb RUNTIME GAME ERROR_FILE SCRIPT [ARG...]
# The game runs with no sound server and its standard error in ERROR_FILE.
# Once its window is up, SCRIPT runs in bash with $game (the game's process)
# and $window (its X window) set and the ARGs as $1 and on; where no window
# appears, it fails instead.
game_in_xvfb() {
    local runtime=$1 game=$2 error=$3 script=$4
    shift 4
    env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" LSAN_OPTIONS="${LSAN_OPTIONS:-}" \
        xvfb-run -a -s "-screen 0 800x600x24" bash -c '
        QT_QPA_PLATFORM=xcb PULSE_SERVER="unix:$1/no-server" "$2" >/dev/null 2>"$3" &
        game=$!
        window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Spinzaro$" 2>/dev/null | head -1) || true
        if [ -z "$window" ]; then
            echo "the game window did not appear"
            kill $game
            exit 1
        fi
        shift 3
        '"$script" _ "$runtime" "$game" "$error" "$@"
}
