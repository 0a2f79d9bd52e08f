#!/usr/bin/env bash
# JPEG files against djpeg (libjpeg-turbo's decoder, default options): libjpeg-turbo's
# test images and cjpeg's variants of one (grey, progressive, 2 × 1 sampling, restart
# markers, arithmetic coding) load with djpeg's pixels exactly; the 12-bit test image,
# which this build of the library (like djpeg) refuses, loads as undefined. Files cut
# short or damaged get djpeg's verdict: what djpeg decodes with a warning loads with its
# pixels, what it refuses loads as undefined. A CMYK file (ImageMagick's) loads close to
# ImageMagick's RGB reading. A picture KOVA saves as JPEG has the quantization tables and
# 1 × 1 sampling of cjpeg -quality 90 -sample 1x1, decodes as cjpeg's file of it does,
# and within that quality's loss of the original (noise of ±3 on gradients: a mean
# difference of 1.7, 8 at most).
#
# KOVA saves each picture it loaded as a BMP, whose bytes are compared, not printed.
set -euo pipefail
root="$(pwd)"
images="$root/.cache/deps/testdata/jpeg"
[ -d "$images" ] || { echo "FAIL no $images: run scripts/setup.sh"; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"

cp "$images"/*.jpg "$images/testorig.ppm" .
variants=(
    "grey -grayscale"
    "progressive -progressive"
    "h2v1 -sample 2x1"
    "restart -restart 1"
    "arithmetic -arithmetic -progressive"
)
for v in "${variants[@]}"; do
    set -- $v
    cjpeg "${@:2}" testorig.ppm >"$1.jpg"
done
/usr/bin/convert testorig.ppm -colorspace CMYK cmyk.jpg
/usr/bin/convert cmyk.jpg -colorspace sRGB cmyk-imagemagick.ppm

# Damaged files: cut in the markers and in the scan, bytes of the scan changed, a
# sampling factor of 0, noise, a PNG named .jpg.
python3 - <<'EOF'
import random
d = open('testorig.jpg', 'rb').read()
sos = d.index(b'\xff\xda')
sof = d.index(b'\xff\xc0')
damaged = {'cut%d.jpg' % n: d[:n] for n in (0, 2, 100, sos + 4, sos + 600, len(d) // 2, len(d) - 2)}
damaged['scan-bytes.jpg'] = d[:sos + 400] + bytes(64 * [0x5A]) + d[sos + 464:]
damaged['sof-sampling0.jpg'] = d[:sof + 11] + b'\x00' + d[sof + 12:]
random.seed(7)
damaged['noise.jpg'] = bytes(random.randrange(256) for _ in range(4000))
damaged['soi-noise.jpg'] = b'\xff\xd8' + damaged['noise.jpg']
for name, data in damaged.items():
    open(name, 'wb').write(data)
EOF
/usr/bin/convert testorig.ppm png-named.jpg.png && mv png-named.jpg.png png-named.jpg

# A smooth picture with a little noise, for saving.
python3 -c "
import random, sys
random.seed(11)
w, h = 320, 240
sys.stdout.buffer.write(b'P6 %d %d 255\n' % (w, h) + bytes(
    min(255, max(0, v + random.randint(-3, 3)))
    for y in range(h) for x in range(w) for v in (x * 255 // w, y * 255 // h, (x + y) * 255 // (w + h))))
" >smooth.ppm
/usr/bin/convert smooth.ppm BMP3:smooth.bmp
cjpeg -quality 90 -sample 1x1 smooth.ppm >smooth-cjpeg.jpg

# manifest.txt: what each name KOVA loads or saves must give (see check in pixels.py).
items=()
for f in *.jpg; do
    [[ $f == smooth-cjpeg.jpg ]] && continue
    status=0
    djpeg -pnm "$f" >/dev/null 2>&1 || status=$?
    if [[ $f == cmyk.jpg ]]; then
        items+=("$f>$f.bmp")
        echo "$f.bmp cmyk-imagemagick.ppm near=2" >>manifest.txt
    elif [ "$status" = 0 ] || [ "$status" = 2 ]; then
        items+=("$f>$f.bmp")
        echo "$f.bmp $f" >>manifest.txt
    else
        items+=("$f")
        echo "$f undefined" >>manifest.txt
    fi
done
items+=("smooth.bmp>saved.jpg")
echo "saved.jpg smooth.ppm mean=2 max=12" >>manifest.txt
echo "saved.jpg smooth-cjpeg.jpg" >>manifest.txt

status=0
python3 "$root/tests/image/pixels.py" run "$root" "${items[@]}" || status=1

# The saved file's frame type, sampling factors and quantization tables against cjpeg's.
python3 - saved.jpg smooth-cjpeg.jpg <<'EOF' || status=1
import sys

def settings(name):
    d, at, out = open(name, 'rb').read(), 2, []
    while d[at + 1] != 0xDA:
        size = int.from_bytes(d[at + 2:at + 4], 'big')
        segment = d[at + 1:at + 2 + size]
        if segment[0] == 0xDB:
            out.append(('tables', segment[3:].hex()))
        elif 0xC0 <= segment[0] <= 0xCF and segment[0] not in (0xC4, 0xC8, 0xCC):
            out.append(('frame %02X' % segment[0], [segment[9 + 3 * i:12 + 3 * i].hex() for i in range(segment[8])]))
        at += 2 + size
    return out

got, want = settings(sys.argv[1]), settings(sys.argv[2])
if got != want:
    sys.exit('FAIL %s: %s\n  cjpeg -quality 90 -sample 1x1: %s' % (sys.argv[1], got, want))
EOF
exit "$status"
