#!/usr/bin/env bash
# Renders the hand-drawn SVG sources in assets/src into the PNGs the game loads from
# assets/pictures, at their exact pixel sizes and colour limits. The PNGs are committed,
# so the build never needs this; run it again after editing a source.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick 6 (convert, identify).
# Same sources give byte-identical output, so running it twice changes nothing.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/.." && pwd)"
src="$repo/assets/src"
out="$repo/assets/pictures"

for tool in rsvg-convert convert identify; do
    command -v "$tool" >/dev/null || { echo "render_pictures: $tool not found" >&2; exit 1; }
done

mkdir -p "$out"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# no timestamps or other metadata, so the files only change when the picture does
clean=(-strip -define png:exclude-chunks=date,time)

# render NAME W H: the SVG as-is, straight from librsvg
render() {
    rsvg-convert --width "$2" --height "$3" "$src/$1.svg" -o "$tmp/$1.png"
}

# opaque NAME W H COLOURS: flattened on black, alpha dropped, palette of at most COLOURS
opaque() {
    render "$1" "$2" "$3"
    convert "$tmp/$1.png" -background black -alpha remove -alpha off \
        -dither None -colors "$4" "${clean[@]}" "PNG8:$out/$1.png"
}

# clear NAME W H COLOURS: keeps its soft edges, palette of at most COLOURS. The quantiser
# averages alpha too, which would leave the clear ground faintly tinted and solid parts
# faintly see-through; so pixels that were fully clear or fully solid get that back
# afterwards, and the palette is shrunk until the result still fits.
clear() {
    render "$1" "$2" "$3"
    convert "$tmp/$1.png" -channel A -fx 'u < 0.03 ? 0 : (u > 0.97 ? 1 : u)' +channel "$tmp/$1.pre.png"
    local n="$4"
    while :; do
        convert "$tmp/$1.pre.png" -dither None -colors "$n" "$tmp/$1.q.png"
        convert "$tmp/$1.q.png" "$tmp/$1.pre.png" -channel A -fx 'v == 0 ? 0 : (v == 1 ? 1 : u)' +channel \
            "${clean[@]}" "$out/$1.png"
        [[ "$(identify -format '%k' "$out/$1.png")" -le "$4" ]] && break
        n=$((n - 1))
    done
}

# full NAME W H: keeps every colour and the alpha channel
full() {
    render "$1" "$2" "$3"
    convert "$tmp/$1.png" "${clean[@]}" "PNG32:$out/$1.png"
}

# reel symbols: only the single bar has a clear ground
clear  symbol_1_singleBar  48  48 256
opaque symbol_2_wild       48  48 256
opaque symbol_3_doubleBar  48  48 256
opaque symbol_4_bell       48  48 256
opaque symbol_5_bonus      48  48 256
opaque symbol_6_cherries   48  48 256
opaque symbol_7_tripleBar  47  48 256
opaque symbol_8_emblem     48  48 256

full   paytable            50 200
clear  spin_face          105  50  64
opaque bill50             132  58 256
render bill100            600 243
convert "$tmp/bill100.png" -background black -alpha remove -alpha off "${clean[@]}" "PNG24:$out/bill100.png"

clear  icon                32  32  16
clear  pointer_hand        32  32  16
clear  pointer_coin        32  32 256
full   about_logo         157 120
clear  about_icon          32  32  16

# the coins ship as a vector picture
cp "$src/coins.svg" "$out/coins.svg"

# check what came out: size, colour count, opaque where it must be
fail=0
check() { # NAME W H MAXCOLOURS OPAQUE(yes/no/any)
    local f="$out/$1.png" got
    got="$(identify -format '%w %h %k %[opaque]' "$f")"
    read -r w h k opq <<<"$got"
    if [[ "$w" != "$2" || "$h" != "$3" ]]; then echo "$1: ${w}x$h, want $2x$3" >&2; fail=1; fi
    if [[ "$4" != - && "$k" -gt "$4" ]]; then echo "$1: $k colours, want at most $4" >&2; fail=1; fi
    if [[ "$5" == yes && "${opq,,}" != true ]]; then echo "$1: has see-through pixels" >&2; fail=1; fi
    if [[ "$5" == no && "${opq,,}" == true ]]; then echo "$1: has no see-through pixels" >&2; fail=1; fi
    return 0
}
check symbol_1_singleBar  48  48 256 no
check symbol_2_wild       48  48 256 yes
check symbol_3_doubleBar  48  48 256 yes
check symbol_4_bell       48  48 256 yes
check symbol_5_bonus      48  48 256 yes
check symbol_6_cherries   48  48 256 yes
check symbol_7_tripleBar  47  48 256 yes
check symbol_8_emblem     48  48 256 yes
check paytable            50 200   - no
check spin_face          105  50  64 any
check bill50             132  58 256 yes
check bill100            600 243   - yes
check icon                32  32  16 no
check pointer_hand        32  32  16 no
check pointer_coin        32  32 256 no
check about_logo         157 120   - any
check about_icon          32  32  16 any
exit "$fail"
