#!/usr/bin/env bash
# Builds the benchmarks (the bench preset: Release, in build-bench) and prints the game's costs beside its
# floor, a bare Qt window showing one label, as Markdown tables: offscreen and under Xvfb, then the cue players.
# The environment may change: BENCH_STARTS (15), BENCH_ROUNDS (200), BENCH_REALTIME (1; 0 for normal priority),
# BENCH_CUES (30).
# Needs cmake, xvfb-run, dbus-run-session (dbus-daemon); for the cue players' table pulseaudio, pulseaudio-utils,
# pipewire, pipewire-pulse and wireplumber.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
bin=$root/build-bench/bench
starts=${BENCH_STARTS:-15}
rounds=${BENCH_ROUNDS:-200}
cues=${BENCH_CUES:-30}

# Runs one program and files its key=value lines as "PLATFORM PROGRAM KEY VALUE".
measure() {
    local platform=$1 name=$2 seconds=$3 output
    shift 3
    if ! output=$(timeout "$seconds" "$@" 2>>"$BENCH_WORK/stderr.log"); then
        echo "run.sh: $name failed on $platform; its last words:" >&2
        tail -n 20 "$BENCH_WORK/stderr.log" >&2
        exit 1
    fi
    while IFS='=' read -r key value; do
        [ -n "$key" ] && printf '%s %s %s %s\n' "$platform" "$name" "$key" "${value// /_}"
    done <<<"$output" >>"$BENCH_WORK/results"
}

# Everything that depends on the window platform; run once offscreen and once inside xvfb-run.
measure_platform() {
    local platform=$1
    if [ "$platform" = offscreen ]; then
        export QT_QPA_PLATFORM=offscreen
    else
        unset QT_QPA_PLATFORM  # the game picks xcb from DISPLAY, as it would on a desktop
    fi
    # One warm-up start of each, then the two alternate so drifting load hits both alike. Start-up is
    # timed from the exec of the program's image: the stamp is taken in the child, just before the exec.
    for run in $(seq 0 "$starts"); do
        for name in game_window label_window; do
            if [ "$run" -eq 0 ]; then
                timeout 60 "$bin/$name" >/dev/null 2>>"$BENCH_WORK/stderr.log"
            else
                measure "$platform" "$name" 60 bash -c 'export SPINZARO_BENCH_EXEC_US=$EPOCHREALTIME; exec "$0"' \
                    "$bin/$name"
            fi
        done
    done
    measure "$platform" reel_timing $((rounds + 60)) "$bin/reel_timing" "$rounds"
}

if [ "${1:-}" = --platform ]; then
    measure_platform "$2"
    exit 0
fi

command -v xvfb-run >/dev/null || { echo "run.sh: xvfb-run is missing (apt-get install xvfb xauth)" >&2; exit 1; }

echo "Building the benchmarks in $root/build-bench ..." >&2
log=${TMPDIR:-/tmp}/spinzaro-bench-cmake.log
(cd "$root" && cmake --preset bench && cmake --build --preset bench -j"$(nproc)") >"$log" 2>&1 ||
    { tail -n 40 "$log" >&2; exit 1; }

BENCH_WORK=$(mktemp -d "${TMPDIR:-/tmp}/spinzaro-bench.XXXXXX")
export BENCH_WORK
trap 'rm -rf "$BENCH_WORK"' EXIT
: >"$BENCH_WORK/results"

# No sound server for the windows: the cue players' benchmark starts its own.
mkdir -m 700 "$BENCH_WORK/runtime"
export XDG_RUNTIME_DIR=$BENCH_WORK/runtime
printf 'autospawn = no\n' >"$BENCH_WORK/client.conf"
export PULSE_CLIENTCONFIG=$BENCH_WORK/client.conf
export PULSE_SERVER=unix:$BENCH_WORK/no-server/native

# At real-time priority where that is allowed, the X server and the session bus included: on a shared
# machine the figures are then the programs' own, not the other processes' load.
priority=()
[ "${BENCH_REALTIME:-1}" = 1 ] && chrt -f 10 true 2>/dev/null && priority=(chrt -f 10)

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
begun=$SECONDS
echo "Offscreen ..." >&2
"${priority[@]}" "$0" --platform offscreen
echo "Under Xvfb, with a session bus of its own ..." >&2
# As on a desktop: Qt asks the session bus whether an accessibility bus runs.
"${priority[@]}" dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" --platform xcb \
    2>>"$BENCH_WORK/stderr.log"
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# ---- the tables ----
values() { awk -v p="$1" -v g="$2" -v k="$3" '$1 == p && $2 == g && $3 == k { print $4 }' "$BENCH_WORK/results"; }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
one() { values "$@" | head -n 1; }
# calc EXPRESSION a b: one decimal or two, "n/a" where a figure is missing.
calc() { awk -v a="$2" -v b="$3" "BEGIN { if (a == \"\" || a == \"nan\" || b == \"\" || b == \"nan\" || b == 0) print \"n/a\"; else printf $1 }"; }

for platform in offscreen xcb; do
    seen=$(one "$platform" game_window platform)
    [ "$seen" = "$platform" ] || { echo "run.sh: the $platform runs came up on platform '$seen'" >&2; exit 1; }
done

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
echo
echo "Spinzaro benchmarks, $(date -u +%F), nproc $(nproc), CPU $cpu, load average $load_before before and" \
    "$load_after after, measured in $((SECONDS - begun)) s$([ ${#priority[@]} -gt 0 ] && echo " at real-time priority (SCHED_FIFO)")"
echo
echo "| metric | platform | game | floor: bare window + label | game - floor | game / floor |"
echo "| --- | --- | ---: | ---: | ---: | ---: |"
for platform in offscreen xcb; do
    for metric in "main_ms to main()" "built_ms to the window built, before show()" \
        "first_paint_ms to the first paint event" "first_frame_ms to the first frame painted"; do
        game=$(values "$platform" game_window "${metric%% *}" | median)
        floor=$(values "$platform" label_window "${metric%% *}" | median)
        printf '| start-up %s, median of %s (ms) | %s | %s | %s | %s | %s |\n' "${metric#* }" "$starts" "$platform" \
            "$(calc '"%.1f", a' "$game" 1)" "$(calc '"%.1f", a' "$floor" 1)" "$(calc '"%+.1f", a - b' "$game" "$floor")" \
            "$(calc '"%.2f", a / b' "$game" "$floor")"
    done
    game=$(values "$platform" game_window vmhwm_kb | median)
    floor=$(values "$platform" label_window vmhwm_kb | median)
    printf '| peak resident memory (VmHWM) at the first frame, median (MiB) | %s | %s | %s | %s | %s |\n' "$platform" \
        "$(calc '"%.1f", a / 1024' "$game" 1)" "$(calc '"%.1f", a / 1024' "$floor" 1)" \
        "$(calc '"%+.1f", (a - b) / 1024' "$game" "$floor")" "$(calc '"%.2f", a / b' "$game" "$floor")"
done
echo
echo "Goals: the first frame at most 16.7 ms (one 60 Hz frame) after the floor's, peak memory at most 1.2 times the floor's."
echo
echo "| reel round, Spin press to evaluation (ms; ideal 150) | platform | median | 99th percentile | maximum | 99th percentile within 5 ms of 150 |"
echo "| --- | --- | ---: | ---: | ---: | --- |"
for platform in offscreen xcb; do
    printf '| %s rounds | %s | %s | %s | %s | %s |\n' "$(one "$platform" reel_timing rounds | cut -d. -f1)" "$platform" \
        "$(calc '"%.1f", a' "$(one "$platform" reel_timing round_median_ms)" 1)" \
        "$(calc '"%.1f", a' "$(one "$platform" reel_timing round_p99_ms)" 1)" \
        "$(calc '"%.1f", a' "$(one "$platform" reel_timing round_max_ms)" 1)" \
        "$(one "$platform" reel_timing round_p99_within_5ms)"
done

if [ -x "$bin/cue_bench" ]; then
    echo "Cue players, side by side on a private PulseAudio and a private PipeWire ..." >&2
    cue_table=$(timeout 900 "$bin/cue_bench" "$cues" 2>>"$BENCH_WORK/stderr.log")
    echo
    echo "Cue players, $cues cues of Spin.wav each, taking turns a second apart; latency runs from the call to the"
    echo "first sample above silence heard at the null sink's monitor by a 2 ms recorder; lost: the most samples"
    echo "any one cue lost:"
    echo
    echo "$cue_table"
fi
