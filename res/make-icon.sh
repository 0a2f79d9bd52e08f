#!/bin/sh
# Redraws res/kova.ico: a rounded slate tile with a white "K" and an amber
# prompt cursor, at 16, 32, 48 and 256 pixels, 32-bit with alpha.
#
# Usage: res/make-icon.sh [output.ico]     (needs ImageMagick 6 "convert")
#
# The glyph is drawn from polygons rather than a font so the result does not
# depend on the fonts installed. Each size is drawn at 8x and reduced with a
# box filter; straight edges sit on whole pixels, strokes get heavier as the
# size drops, and the 16-pixel K is placed pixel by pixel.
# The output is byte-for-byte reproducible.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/kova.ico}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# pixels X Y CHAR < PATTERN: MVG rectangles (8x canvas) for every CHAR in the
# text pattern, whose top left cell lands on pixel X,Y of the final image.
pixels() {
    awk -v x0="$1" -v y0="$2" -v c="$3" '{
        for (i = 1; i <= length($0); i++)
            if (substr($0, i, 1) == c)
                printf "rectangle %d,%d %d,%d ", (x0+i-1)*8, (y0+NR-1)*8, (x0+i)*8-1, (y0+NR)*8-1
    }'
}

# draw SIZE: writes $tmp/SIZE.png
draw() {
    size=$1
    s=$((size * 8))       # supersampled canvas
    # Stroke weight of the K, as a fraction of the tile (heavier when small).
    case $size in
        16) w=0.19 ;;
        32) w=0.16 ;;
        48) w=0.15 ;;
        *)  w=0.14 ;;
    esac
    # Every coordinate below is in tile units (0..1) scaled to the canvas.
    eval "$(awk -v n="$size" -v w="$w" '
    # snap(v): v on the nearest pixel edge of the final image; px(v): v as is.
    # Both return canvas units.
    function snap(v) { return int(v * n + 0.5) * 8 }
    function px(v) { return int(v * n * 8 + 0.5) }
    BEGIN {
        m = int(0.03 * n + 0.5) / n; r = 0.19   # tile margin (whole pixels), corner radius
        printf "tile=\"roundrectangle %d,%d %d,%d %d,%d\"\n", px(m), px(m), px(1-m)-1, px(1-m)-1, px(r), px(r)
        printf "edge=%d\n", (n < 128 ? 1 : n / 16)
        # K: stem from x0 to x1, top to bot; arm and leg are parallelograms of
        # horizontal width d whose outer ends are flush with top and bot.
        x0 = 0.22; top = 0.19; bot = 0.71
        x1 = x0 + w; d = w * 1.3
        printf "stem=\"rectangle %d,%d %d,%d\"\n", snap(x0), snap(top), snap(x1)-1, snap(bot)-1
        # arm: from the stem (between ya and yb) up to the top, ending at ax
        ax = 0.76; ya = top + (bot - top) * 0.30
        yb = top + (ya - top) * (ax - x1) / (ax - d - x1)
        printf "arm=\"polygon %d,%d %d,%d %d,%d %d,%d\"\n", snap(x1)-4, px(ya), px(ax-d), snap(top), px(ax), snap(top), snap(x1)-4, px(yb)
        # leg: its left edge leaves the stem where the lower edge of the arm meets
        # it, so the crotch is a clean angle; its right edge runs up into the
        # arm and ends on its centre line (point P).
        lx = 0.78
        vx = lx - d - x1; vy = bot - yb         # direction of both leg edges
        c0x = x1; c0y = (ya + yb) / 2; ex = ax - d/2 - x1; ey = top - c0y
        # solve c0 + t*e = (lx, bot) + u*v for t
        t = ((lx - c0x) * vy - (bot - c0y) * vx) / (ex * vy - ey * vx)
        pxx = c0x + t * ex; pyy = c0y + t * ey
        printf "leg=\"polygon %d,%d %d,%d %d,%d %d,%d %d,%d\"\n", snap(x1)-4, px(yb), px(lx-d), snap(bot)-1, px(lx), snap(bot)-1, px(pxx), px(pyy), snap(x1)-4, px(ya)
        # prompt cursor: an underscore below the leg
        ch = (n <= 16 ? 2 / n : (n <= 48 ? 3 / n : 0.07))
        cy0 = (n <= 16 ? 12 / n : 0.79)
        printf "cursor=\"rectangle %d,%d %d,%d\"\n", snap(0.56), snap(cy0), snap(0.81)-1, snap(cy0+ch)-1
    }')"
    glyph="$stem $arm $leg"
    soft=""
    if [ "$size" = 16 ]; then
        # At 16 pixels a hand-placed K is far crisper than a reduced one.
        # '#' is solid, '+' half-covered (softens the steps of the diagonals).
        k16='##....##
##...##+
##..##+
##.##+
####+
##.##+
##..##+
##...##+
##....##'
        glyph=$(echo "$k16" | pixels 3 2 '#')
        soft=$(echo "$k16" | pixels 3 2 '+')
    fi

    # Tile: vertical slate gradient clipped to the rounded rectangle, with a
    # faint light rim so it reads on dark backgrounds too.
    convert -size "${s}x${s}" gradient:'#3b4d63-#18212c' \
        \( -size "${s}x${s}" xc:black -fill white -draw "$tile" \) \
        -alpha off -compose CopyOpacity -composite \
        -fill none -stroke '#ffffff38' -strokewidth "$edge" -draw "$tile" \
        -stroke none -fill '#f4f6f8' -draw "$glyph" \
        ${soft:+-fill '#f4f6f888' -draw "$soft"} -fill '#f5a623' -draw "$cursor" \
        -filter Box -resize "${size}x${size}" \
        -depth 8 -define png:color-type=6 "$tmp/$size.png"
}

for n in 16 32 48 256; do
    draw "$n"
done

# ImageMagick stores the 256 image PNG-compressed and the others as 32-bit
# BMPs with alpha, which is what Windows Vista and later expect.
convert "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" "$tmp/256.png" -depth 8 "$out"
echo "wrote $out"
