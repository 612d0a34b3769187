#!/usr/bin/env bash
# Fails when a text of the game is missing from a translation file (lupdate
# adds it unfinished) or a file keeps a text the game no longer has (lupdate
# marks it vanished), naming each; the files themselves are left as they are.
#   tests/translations_complete.sh LUPDATE CODE_DIR TS_FILE...
set -euo pipefail
lupdate=$1
code=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for file in "$@"; do
    copy="$work/$(basename "$file")"
    cp "$file" "$copy"
    "$lupdate" -silent -locations none "$code" -ts "$copy"
    # Each source text, then its translation's state where it has one.
    stale=$(grep -B1 -E '<translation type="(unfinished|vanished|obsolete)"' "$copy" | grep -o '<source>.*</source>' || true)
    if [ -n "$stale" ]; then
        echo "$(basename "$file") is not up to date with the code:"
        echo "$stale"
        status=1
    fi
done
exit $status
