#!/usr/bin/env bash
# Plays the game by keyboard alone under the Orca screen reader, in English
# and in German, and checks what Orca hands to its speech server: the window
# and the focused button at start, the stake after a coin, each round's
# result, and the About window's texts; and nothing misleading.
#   tests/orca_test.sh GAME
# Everything runs on a private X server, session bus and accessibility bus,
# with a private speech server that speaks to ALSA's null device: Orca waits
# for good on a speech server without an audio device.
set -euo pipefail
game=$1

if [ -z "${ORCA_TEST_INSIDE:-}" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # Orca refuses to start beside another Orca.
    if pgrep -x orca >/dev/null; then
        echo "another orca is running" >&2
        exit 1
    fi
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
    export XDG_RUNTIME_DIR=$work/run ORCA_TEST_INSIDE=$work
    mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$work/python"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
LogDir "stdout"
CONF
    # Orca writes its log through a buffer; each line is wanted as it comes.
    cat >"$work/python/sitecustomize.py" <<'PY'
import builtins, os
_open = builtins.open
def _line_buffered(file, mode='r', *args, **kwargs):
    if file == os.environ.get('ORCA_TEST_LOG') and 'w' in mode:
        return _open(file, mode, 1)
    return _open(file, mode, *args, **kwargs)
builtins.open = _line_buffered
PY
    # A locale every Debian has, which speech-dispatcher accepts.
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
    unset LANGUAGE DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
    xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$game"
    exit
fi
work=$ORCA_TEST_INSIDE

openbox >/dev/null 2>&1 &
failures=0

# Waits until Orca has spoken the text (a number of times), or fails after a while.
heard() {
    local log=$1 text=$2 times=${3:-1}
    for _ in $(seq 100); do
        [ "$(grep -sF "SPEECH OUTPUT: '" "$log" | grep -cF "$text")" -ge "$times" ] && return 0
        sleep 0.1
    done
    echo "FAIL: Orca did not say: $text" >&2
    failures=$((failures + 1))
    return 0
}

# Ends a process, by force if it has not gone within five seconds: Orca may
# be busy in its own shutdown on a loaded machine.
stop() {
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 50); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# One game in a language: the texts Orca is to speak, in their order.
play() {
    local language=$1 quit=$2 spin=$3 stake=$4 loss=$5 win=$6 loss2=$7 about_key=$8 about=$9 version=${10} address=${11}
    local log=$work/orca-$language.log
    ORCA_TEST_LOG=$log PYTHONPATH=$work/python orca --debug-file="$log" >"$work/orca-$language.out" 2>&1 &
    local orca=$!
    heard "$log" "Screen reader on"
    LANGUAGE=$language QT_QPA_PLATFORM=xcb PULSE_SERVER=unix:/nonexistent "$game" &
    local game_pid=$!
    heard "$log" "Spinzaro frame"
    heard "$log" "$quit push button"
    xdotool key plus
    heard "$log" "$stake"
    xdotool key Tab
    heard "$log" "$spin push button"
    xdotool key space
    heard "$log" "$loss"
    xdotool key space
    heard "$log" "$win"
    heard "$log" "$spin push button" 2  # the focus back after the pause
    xdotool key space
    heard "$log" "$loss2"
    xdotool key "$about_key"
    heard "$log" "$about dialog"
    heard "$log" "$version"
    heard "$log" "$address"
    heard "$log" "Copyright (C) 2026 Spinzaro Games"
    xdotool key Return
    heard "$log" "Spinzaro frame" 2
    stop "$game_pid"
    stop "$orca"
    # Nothing misleading: no control said to be greyed, Quit never again.
    if grep -F "SPEECH OUTPUT" "$log" | grep -qiE "grayed|greyed"; then
        echo "FAIL: Orca said a control was greyed" >&2
        failures=$((failures + 1))
    fi
    if [ "$(grep -cF "SPEECH OUTPUT: '$quit push button" "$log")" -ne 1 ]; then
        echo "FAIL: Orca said $quit more than once" >&2
        failures=$((failures + 1))
    fi
    echo "What Orca said ($language):"
    grep -oE "SPEECH OUTPUT: '[^']*'" "$log" | sed 's/^SPEECH OUTPUT: /    /'
}

play en Quit Spin "Stake now \$2.00" "You lose. Balance -\$2.00" "You win \$60.00 on bell bell bell. Balance \$56.00" \
    "You lose. Balance \$54.00" alt+a "About Spinzaro" "Spinzaro Version 9.0" "Web address: www.spinzaro.example"
play de Beenden Drehen "Einsatz jetzt \$2.00" "Verloren. Saldo -\$2.00" "Gewinn: \$60.00 mit Glocke Glocke Glocke. Saldo \$56.00" \
    "Verloren. Saldo \$54.00" alt+Udiaeresis "Über Spinzaro" "Spinzaro Version 9.0" "Adresse im Web: www.spinzaro.example"

# Orca starts its speech server itself, on the private runtime folder.
pkill -f -- "--socket-path $XDG_RUNTIME_DIR/" || true
[ "$failures" -eq 0 ] && echo "1 passed, 0 failed" || { echo "0 passed, 1 failed"; exit 1; }
