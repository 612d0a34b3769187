#!/usr/bin/env bash
# Sets up a Debian machine for Spinzaro, builds it, and plays or tests it.
#   ./dev.sh play   install what is missing, build, start the game
#   ./dev.sh test   install what is missing, build, run every test
set -euo pipefail

cd "$(dirname "$0")"

packages=(
    cmake g++ make pkg-config libgtest-dev libgmock-dev
    qt6-base-dev libqt6svg6 qt6-wayland libpulse-dev libsndfile1-dev libxcb1-dev
    fonts-liberation2 fonts-dejavu-core qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)
# Only the tests need these: metadata validators, private sound servers with
# a silent sink (PulseAudio, and PipeWire with its PulseAudio front and
# WirePlumber), an X server with a clicker and a file watcher for the
# installed-game check, a headless Wayland compositor, a private session bus
# for PipeWire, the Debian package's checkers (hardening-check is in
# devscripts), librsvg's converter, which the pictures are checked against,
# and the Orca screen reader with its speech server, accessibility bus and a
# window manager.
test_packages=(
    desktop-file-utils appstream lintian devscripts dpkg-dev pulseaudio pulseaudio-utils pipewire pipewire-pulse wireplumber
    xvfb xauth xdotool inotify-tools
    weston dbus-daemon
    librsvg2-bin
    orca speech-dispatcher at-spi2-core openbox
)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The build variants are CMake presets (CMakePresets.json); these run on every core.
CMAKE_BUILD_PARALLEL_LEVEL=$(nproc)
CTEST_PARALLEL_LEVEL=$(nproc)
export CMAKE_BUILD_PARALLEL_LEVEL CTEST_PARALLEL_LEVEL

case "${1:-}" in
play)
    install_missing
    cmake --preset default >/dev/null
    cmake --build --preset default
    exec build/spinzaro
    ;;
test)
    packages+=("${test_packages[@]}")
    install_missing
    # The normal build, then once more with AddressSanitizer and
    # UndefinedBehaviorSanitizer; the second runs whatever the first gave, so
    # that one run names every failing test of both.
    failures=()
    for preset in default sanitize; do
        if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; }; then
            failures+=("$preset: the build")
            continue
        fi
        log=$(mktemp)
        if ! ctest --preset "$preset" 2>&1 | tee "$log"; then
            mapfile -t failed < <(sed -n '/tests FAILED:/,$s/^[[:space:]]*[0-9]* - /'"$preset"': /p' "$log")
            failures+=("${failed[@]:-"$preset: ctest"}")
        fi
        rm -f "$log"
    done
    if [ ${#failures[@]} -gt 0 ]; then
        printf 'Failed:\n' >&2
        printf '  %s\n' "${failures[@]}" >&2
        exit 1
    fi
    ;;
*)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
