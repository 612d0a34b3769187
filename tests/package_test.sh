#!/usr/bin/env bash
# Builds the Debian package from the build folder into a temporary folder and
# checks it as Debian would: the launcher among the games, the Wayland plugin
# only recommended, the listing and the menu entry finding each other once
# installed, and lintian with no error and no warning where it is installed.
#   package_test.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
package=$(echo "$out"/spinzaro_*.deb)
fail() {
    echo "$package: $*"
    exit 1
}

dpkg-deb -c "$package" >"$out/contents"
grep -q ' ./usr/games/spinzaro -> ' "$out/contents" || fail "no launcher in /usr/games"
! grep -q ' ./usr/bin/' "$out/contents" || fail "something in /usr/bin"
[ "$(dpkg-deb -f "$package" Recommends)" = "qt6-wayland, fonts-liberation2" ] || fail "qt6-wayland and fonts-liberation2 are not recommended"
[[ "$(dpkg-deb -f "$package" Depends)" != *qt6-wayland* ]] || fail "qt6-wayland is a hard dependency"

# The listing names its menu entry, which must lie where a software centre looks.
dpkg-deb -x "$package" "$out/tree"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$out/tree" || fail "the installed listing does not validate"
fi

if command -v lintian >/dev/null; then
    # Its notes are shown too; only errors and warnings fail.
    lintian --fail-on error,warning --info --tag-display-limit 0 "$package" >"$out/lintian" 2>&1 || {
        cat "$out/lintian"
        fail "lintian found errors or warnings"
    }
    grep -v 'running with root privileges' "$out/lintian" || true
    echo "lintian: no error, no warning"
fi
