#!/usr/bin/env bash
# PNG files against ImageMagick (/usr/bin/convert) and libpng: every file of libpng's
# conformance suite (pngsuite, interlaced/ too) and of its set of colour types, depths
# and gamma chunks (testpngs) loads with the pixels ImageMagick reads from it with no
# gamma applied and 16-bit samples cut to their high byte; files libpng refuses (its
# crashers, and files broken here as the full suite breaks them: signature, header
# fields, checksums, chunks missing, cut short) load as undefined. What KOVA saves as
# PNG, with alpha and without, reads back in ImageMagick with the straight colours
# KOVA gives; a picture with alpha saved as .jpg keeps its colours over black.
#
# KOVA saves each picture it loaded as a TGA, which ImageMagick reads in the same run
# as the originals: a picture a line through the script would cost seconds.
set -euo pipefail
root="$(pwd)"
data="$root/.cache/deps/testdata"
for d in pngsuite testpngs; do
    [ -d "$data/$d" ] || { echo "FAIL no $data/$d: run scripts/setup.sh"; exit 1; }
done
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"

cp "$data"/pngsuite/*.png "$data"/pngsuite/interlaced/*.png "$data"/testpngs/*.png .
valid=(*.png)
cp "$data"/testpngs/crashers/*.png .
# libpng reads this one of its crashers, with warnings only.
valid+=(empty_ancillary_chunks.png)

# Broken files, each from a valid one; CRCs are made right again unless they are the
# fault. libpng refuses every one.
python3 - <<'EOF'
import struct, zlib

def chunks(d):
    at, out = 8, []
    while at + 8 <= len(d):
        n, kind = struct.unpack('>I4s', d[at:at + 8])
        out.append([kind, d[at + 8:at + 8 + n], d[at + 8 + n:at + 12 + n]])
        at += 12 + n
    return out

def png(cs, signature=b'\x89PNG\r\n\x1a\n'):
    return signature + b''.join(struct.pack('>I', len(c[1])) + c[0] + c[1] +
                                (c[2] if c[2] is not None else struct.pack('>I', zlib.crc32(c[0] + c[1])))
                                for c in cs)

def header(field, value):  # IHDR: width 0, height 4, depth 8, colour type 9, ...
    cs = chunks(base)
    cs[0][1] = cs[0][1][:field] + value + cs[0][1][field + len(value):]
    cs[0][2] = None
    return png(cs)

def edit(kind, change):
    cs = chunks(base)
    for c in cs:
        if c[0] == kind:
            change(c)
    return png([c for c in cs if c[0] is not None])

base = open('basn2c08.png', 'rb').read()
broken = {
    'sig-byte.png': base[:1] + b'p' + base[2:],
    'sig-crlf.png': base[:4] + b'\r' + base[4:],   # a transfer that added a CR
    'sig-lf.png': base[:6] + base[7:],             # one that dropped a CR
    'ihdr-width0.png': header(0, b'\0\0\0\0'),
    'ihdr-depth0.png': header(8, b'\0'),
    'ihdr-depth3.png': header(8, b'\3'),
    'ihdr-depth99.png': header(8, b'\x63'),
    'ihdr-colour1.png': header(9, b'\1'),
    'ihdr-colour9.png': header(9, b'\x09'),
    'ihdr-filter1.png': header(11, b'\1'),
    'ihdr-crc.png': edit(b'IHDR', lambda c: c.__setitem__(2, b'\0\0\0\0')),
    'idat-crc.png': edit(b'IDAT', lambda c: c.__setitem__(2, b'\0\0\0\0')),
    'idat-zlib.png': edit(b'IDAT', lambda c: (c.__setitem__(1, c[1][:2] + bytes(v ^ 0x55 for v in c[1][2:10]) + c[1][10:]),
                                              c.__setitem__(2, None))),
    'idat-none.png': edit(b'IDAT', lambda c: c.__setitem__(0, None)),
    'iend-none.png': edit(b'IEND', lambda c: c.__setitem__(0, None)),
}
for n in (0, 8, 16, 33, len(base) // 2, len(base) - 1):
    broken['cut%d.png' % n] = base[:n]
for name, d in broken.items():
    open(name, 'wb').write(d)
open('broken.txt', 'w').write(' '.join(broken) + '\n')
EOF
read -r -a broken <broken.txt

# A 7 × 5 picture with alpha 0 (over colours), 1, 128, 254 and 255.
python3 -c "
import sys
sys.stdout.buffer.write(bytes(v for i in range(35) for v in
    ((37 * i + 11) % 256, (91 * i + 50) % 256, (53 * i + 200) % 256, (0, 1, 128, 254, 255)[i % 5])))
" | /usr/bin/convert -size 7x5 -depth 8 rgba:- alpha7x5.png

# manifest.txt: what each name KOVA loads or saves must give (see check in pixels.py).
items=()
for f in "${valid[@]}"; do
    items+=("$f>$f.tga")
    echo "$f.tga $f" >>manifest.txt
done
cp basn0g08.png png-named.jpg
for f in "${broken[@]}" $(cd "$data/testpngs/crashers" && ls | grep -vx empty_ancillary_chunks.png) png-named.jpg; do
    items+=("$f")
    echo "$f undefined" >>manifest.txt
done
# Saved by KOVA: straight colours exactly as KOVA gives them; as .jpg, colours over black
# within JPEG's loss (a mean difference of 1.1, 7 at most; the straight colours would
# differ by 60 on average).
for f in alpha7x5.png basn6a08.png basn4a16.png ftbbn3p08.png basn2c08.png basn0g01.png; do
    items+=("$f=saved-$f")
    echo "saved-$f saved-$f exact" >>manifest.txt
done
items+=(basn6a08.png=saved-basn6a08.jpg)
echo "saved-basn6a08.jpg saved-basn6a08.jpg flatten mean=2 max=12" >>manifest.txt

status=0
python3 "$root/tests/image/pixels.py" run "$root" "${items[@]}" || status=1
exit "$status"
