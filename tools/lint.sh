#!/usr/bin/env bash
# Checks the project's own code: layout with clang-format, faults with
# clang-tidy (the checks in .clang-tidy). Needs a configured build folder.
#   tools/lint.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/compile_commands.json" ] || cmake -S . -B "$build" >/dev/null
# The generated identity header must exist before clang-tidy reads the code.
cmake --build "$build" --target spinzaro >/dev/null

mapfile -t sources < <(git ls-files 'engine/*.cpp' 'engine/*.h' 'sound/*.cpp' 'sound/*.h' 'ui/*.cpp' 'ui/*.h' 'app/*.cpp' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'tools/*.cpp' 'tools/*.h')
clang-format --dry-run -Werror "${sources[@]}"
mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep -E '^(engine|sound|ui|app)/.*\.cpp$')
# clang-tidy counts the warnings it hid in system headers on stderr; keep only findings.
findings=$(printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 1 clang-tidy -p "$build" --quiet 2>&1 |
    grep -v "warnings generated" || true)
if [ -n "$findings" ]; then
    echo "$findings"
    exit 1
fi
echo "lint: clean"
