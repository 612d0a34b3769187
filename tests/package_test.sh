#!/usr/bin/env bash
# Builds the Debian package from the build folder into a temporary folder and
# checks it as Debian would: the launcher among the games, the Wayland plugin
# only recommended and the pictures' fonts brought along, the launcher
# hardened, the listing and the menu entry finding each other once installed,
# and lintian with nothing to report, down to its pedantic notes.
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
recommends=$(dpkg-deb -f "$package" Recommends)
[[ "$recommends" == qt6-wayland,* ]] || fail "qt6-wayland is not recommended"
[[ "$(dpkg-deb -f "$package" Depends)" != *qt6-wayland* ]] || fail "qt6-wayland is a hard dependency"
[[ ", $recommends, " == *", qt6-translations-l10n, "* ]] || fail "Qt's own translations, which name the keys, are not recommended"

# Every family a picture's text names comes with the package: the Debian
# package that holds that family's font here is recommended.
source=$(cd "$(dirname "$0")/.." && pwd)
while IFS= read -r family; do
    [ -n "$(fc-list ":family=$family")" ] || fail "no font of the family '$family' is installed here"
    font_package=$(dpkg -S "$(fc-match -f '%{file}' "$family")" | cut -d: -f1)
    [[ ", $recommends, " == *", $font_package, "* ]] || fail "$font_package ($family) is not recommended"
done < <(grep -oh 'font-family="[^"]*"' "$source"/assets/src/*.svg | cut -d'"' -f2 | sort -u)

for tool in appstreamcli hardening-check lintian; do
    command -v "$tool" >/dev/null || fail "cannot be checked: $tool is not installed"
done

# The listing names its menu entry, which must lie where a software centre looks.
dpkg-deb -x "$package" "$out/tree"
appstreamcli validate-tree --no-net "$out/tree" || fail "the installed listing does not validate"

# The linker marks a program for the processor's control-flow checks only if
# every object in it is marked, and Debian 12's C start files are not (nor is
# any program of its own, ls included): only where they are is it asked for.
cet=()
readelf -n "$(g++ -print-file-name=Scrt1.o)" | grep -q 'x86 feature: IBT, SHSTK' || cet=(--nocfprotection)
hardening-check "${cet[@]}" "$out/tree/usr/games/spinzaro" || fail "the launcher is not hardened"

# Every tag counts, its informational and pedantic notes too.
lintian --pedantic --display-info --fail-on error,warning,info,pedantic --tag-display-limit 0 "$package" \
    >"$out/lintian" 2>&1 || {
    cat "$out/lintian"
    fail "lintian has something to report"
}
echo "lintian --pedantic --display-info: nothing to report"
