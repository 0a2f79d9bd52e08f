#!/usr/bin/env bash
# Image files against ImageMagick (/usr/bin/convert): TGA of 24 and 32 bits, plain and
# run-length, with and without an ID field, in all four orientations, and BMP of 1, 4,
# 8 and 24 bits (also top-down and with a 124-byte header) load with the pixels
# ImageMagick reads from them; what KOVA saves as .tga, .bmp and under another
# extension (a BMP) reads back in ImageMagick with the same pixels; files cut short,
# with a bad signature or in forms KOVA does not read, and names whose extension is
# no reader's, load as undefined.
#
# ImageMagick ignores the TGA origin bits when it reads and writes: the expected
# picture of a TGA is ImageMagick's reading turned over as the file's bits say.
set -euo pipefail
root="$(pwd)"
im=/usr/bin/convert
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"

cat >helper.py <<'EOF'
import struct, sys

def tga_bits(name, bits, image_type, depth):  # after checking what ImageMagick wrote
    d = bytearray(open(name, 'rb').read())
    if (d[1], d[2], d[16]) != (0, int(image_type), int(depth)):
        sys.exit('ImageMagick wrote %s as map %d, type %d, depth %d' % (name, d[1], d[2], d[16]))
    d[17] |= int(bits, 0)
    open(name, 'wb').write(d)

def bmp_info(name):
    d = open(name, 'rb').read()
    offset, = struct.unpack('<I', d[10:14])
    size, w, h, planes, bits, compression = struct.unpack('<IiiHHI', d[14:34])
    return d, offset, size, w, h, bits, compression

def bmp_topdown(name, out):
    d, offset, _, w, h, bits, _ = bmp_info(name)
    stride = (w * bits + 31) // 32 * 4
    rows = [d[offset + i * stride:offset + (i + 1) * stride] for i in range(h)]
    d = bytearray(d)
    d[offset:offset + stride * h] = b''.join(reversed(rows))
    d[22:26] = struct.pack('<i', -h)
    open(out, 'wb').write(d)

def bmp_header(name, bits, compression, info):  # what ImageMagick wrote, with a true size field
    d, _, size, _, _, b, c = bmp_info(name)
    if (b, c, size) != (int(bits), int(compression), int(info)) or struct.unpack('<I', d[2:6])[0] != len(d):
        sys.exit('ImageMagick wrote %s as %d bits, compression %d, info size %d' % (name, b, c, size))

if __name__ == '__main__':
    globals()[sys.argv[1].replace('-', '_')](*sys.argv[2:])
EOF
py() { python3 helper.py "$@"; }

# 7×5 pictures (odd width, so rows are padded): 35 colours with alpha 255 but for two
# transparent pixels and one of 128, and a run of one colour across rows 3 and 4 for the
# run-length packets; 15 colours; two colours.
python3 - <<'EOF'
full, few, two = bytearray(), bytearray(), bytearray()
for i in range(35):
    a = 0 if i in (3, 17) else 128 if i == 9 else 255
    full += bytes([200, 100, 50, 255] if 25 <= i <= 31 else [(37 * i + 11) % 256, (91 * i + 50) % 256, (53 * i + 200) % 256, a])
    k = i % 15
    few += bytes([k * 17, 255 - k * 17, k * 40 % 256, 255])
    two += bytes([200, 30, 40, 255] if (i % 7 * 3 + i // 7) % 4 < 2 else [20, 90, 250, 255])
for name, data in (('full', full), ('few', few), ('two', two)):
    open(name + '.rgba', 'wb').write(data)
EOF
for p in full few two; do "$im" -size 7x5 -depth 8 "rgba:$p.rgba" "$p.png"; done

# manifest.txt: what each name KOVA loads or saves must give (see check in pixels.py).
manifest() { echo "$*" >>manifest.txt; }
loads=()
expect() { manifest "$@"; loads+=("$1"); }
# TGA: the picture turned so that the file's origin bits give it back upright.
for depth in 24 32; do
    type=TrueColor
    [ "$depth" = 32 ] && type=TrueColorAlpha
    for compress in None RLE; do
        tgatype=2
        [ "$compress" = RLE ] && tgatype=10
        for origin in "0x00 -flip" "0x20" "0x10 -flip -flop" "0x30 -flop"; do
            set -- $origin
            name="t$depth-$compress-$1.tga"
            id=()
            (( $1 & 0x10 )) && id=(-set comment "an ID field")
            "$im" full.png "${@:2}" -type "$type" -compress "$compress" "${id[@]}" "$name"
            py tga-bits "$name" "$1" "$tgatype" "$depth"
            expect "$name" "$name"
        done
    done
done
# BMP of each depth; the header fields are checked so that a change in ImageMagick's
# choices cannot turn the cases into others.
bmp() {  # name, bits, compression, info header size, pixels or undefined, convert arguments
    "$im" "${@:6}"
    py bmp-header "${@:1:4}"
    expect "$1" "${5/pixels/$1}"
}
bmp b24.bmp 24 0 40 pixels full.png -alpha off -type TrueColor BMP3:b24.bmp
bmp b24v5.bmp 24 0 124 pixels full.png -alpha off -type TrueColor BMP:b24v5.bmp
bmp b8.bmp 8 0 40 pixels full.png -alpha off -type Palette -compress None BMP3:b8.bmp
bmp b4.bmp 4 0 40 pixels few.png -type Palette BMP3:b4.bmp
bmp b4v5.bmp 4 0 124 pixels few.png -type Palette BMP:b4v5.bmp
bmp b1.bmp 1 0 40 pixels two.png -colors 2 BMP3:b1.bmp
# Forms KOVA does not read: 32 bits with bit fields, run-length BMP.
bmp b32.bmp 32 3 124 undefined full.png BMP:b32.bmp
bmp b8rle.bmp 8 1 40 undefined full.png -alpha off -type Palette -compress RLE BMP3:b8rle.bmp
for f in b8 b1; do
    py bmp-topdown "$f.bmp" "$f-topdown.bmp"
    expect "$f-topdown.bmp" "$f-topdown.bmp"
done

# Cut short, a bad signature, a grey TGA.
for f in t24-None-0x00.tga t32-RLE-0x20.tga b8.bmp; do
    size=$(stat -c %s "$f")
    for n in 0 10 17 18 40 $((size / 2)) $((size - 1)); do
        head -c "$n" "$f" >"cut$n-$f"
        expect "cut$n-$f" undefined
    done
done
{ printf 'BN'; tail -c +3 b24.bmp; } >signature.bmp
"$im" full.png -type Grayscale -compress None grey.tga
expect signature.bmp undefined
expect grey.tga undefined

# The extension picks the reader, whatever its case, in the file-name part only.
mkdir dir.tga
for f in PHOTO.TGA x.Tga dir.tga/picture; do cp t24-None-0x20.tga "$f"; done
expect PHOTO.TGA t24-None-0x20.tga
expect x.Tga t24-None-0x20.tga
expect 'dir.tga\picture' undefined

# Saved by KOVA: read back by ImageMagick with the colours KOVA gives (a BMP keeps no
# alpha: the stored colour is the premultiplied one).
saves=()
for src in t32-RLE-0x00.tga b4.bmp; do
    for ext in tga bmp gif; do
        saves+=("$src=saved-$src.$ext")
        how=exact
        [ "$ext" != tga ] && [ "${src%.bmp}" = "$src" ] && how=flatten
        manifest "saved-$src.$ext" "saved-$src.$ext" $how
    done
done

status=0
python3 "$root/tests/image/pixels.py" run "$root" "${loads[@]}" "${saves[@]}" || status=1
for f in saved-*.gif; do
    [ "$(head -c 2 "$f")" = BM ] || { echo "FAIL $f is not a BMP"; status=1; }
done
exit "$status"
