#!/usr/bin/env bash
# Starts or stops a PulseAudio server with a silent sink, so the sound tests run on machines without sound.
#   eval "$(tests/null_audio_sink.sh start)"   start it (or reuse it) and export PULSE_SERVER
#   tests/null_audio_sink.sh stop              stop it
# The server listens on a socket of its own, so its clients need not share
# the runtime folder or cookie that pulseaudio would otherwise choose.
set -euo pipefail

folder="${TMPDIR:-/tmp}/spinzaro-pulse"
server="unix:$folder/native"

answers() {
    PULSE_SERVER="$server" timeout 5 pactl info >/dev/null 2>&1
}

case "${1:-}" in
start)
    if ! answers; then
        mkdir -p "$folder"
        rm -f "$folder/native"
        # As root pulseaudio warns that it is not meant to run so, and runs all
        # the same; its words go to a log, shown only if it does not come up.
        if ! pulseaudio -n --daemonize=yes --exit-idle-time=-1 --load=module-null-sink \
            --load="module-native-protocol-unix socket=$folder/native auth-anonymous=1" \
            >"$folder/log" 2>&1; then
            cat "$folder/log" >&2
            exit 1
        fi
        for _ in $(seq 50); do
            answers && break
            sleep 0.1
        done
        if ! answers; then
            echo "the PulseAudio server did not answer on $server" >&2
            cat "$folder/log" >&2
            exit 1
        fi
    fi
    echo "export PULSE_SERVER=$server"
    ;;
stop)
    # Asks this server alone to exit, not any other the user may run.
    PULSE_SERVER="$server" timeout 5 pactl exit 2>/dev/null || true
    for _ in $(seq 50); do
        answers || break
        sleep 0.1
    done
    rm -rf "$folder"
    ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
