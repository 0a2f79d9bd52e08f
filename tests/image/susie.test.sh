#!/usr/bin/env bash
# Image plug-ins: with the plug-in folder set in the registry, files whose extension is
# no built-in reader's load through kova_test.spi (built into plugins/ next to
# kova.exe) when their bytes are KVP1, whatever the name: 1-, 4- and 8-bit palette
# pictures of odd widths (an index past the palette gives black) and 24-bit ones give
# the pixels written into them, also when the bitmap comes top-down (negative height).
# Pictures the host must refuse (16 and 32 bits, a fault inside IsSupported or
# GetPicture, a failure result, a run-length header), files cut short and other bytes
# load as undefined, and the script goes on.
# Without the registry value the same file loads as undefined, and so it does when the
# folder holds the plug-in built for the other target.
set -euo pipefail
root="$(pwd)"
export KOVA_EXE="${KOVA_EXE:-$root/build/x86_64/kova.exe}"
KOVA_ROOT="$root"
. "$root/scripts/wine-env.sh"
kova_wine_ready
key='HKCU\Software\Kiriyama\Susie\Plug-in'
unset_path() { "$KOVA_WINE" reg delete "$key" /v Path /f </dev/null >/dev/null 2>&1 || true; }
tmp="$(mktemp -d)"
trap 'unset_path; rm -rf "$tmp"' EXIT
unset_path
cd "$tmp"

# Writes the files, names.txt (the order to load them in) and expected.txt (what the
# script below prints for them).
python3 - <<'EOF'
import struct

def colour(i):
    return (37 * i + 11) % 256, (91 * i + 50) % 256, (53 * i + 200) % 256

def picture(bits, width, height, palette, mode):
    """The file's bytes and its pixels as 'aarrggbb' words, top row first. Palette
    pictures use a few indices past a short palette."""
    data = b'KVP1' + struct.pack('<HHBB', width, height, bits, mode)
    row_bytes = (width * bits + 7) // 8
    if bits > 8:  # 24 bits: R, G, B; 16 and 32: any bytes
        rgb = [colour(100 + i) for i in range(width * height)]
        rows = b''.join(map(bytes, rgb)) if bits == 24 else bytes(i % 256 for i in range(row_bytes * height))
        return data + rows, ['ff%02x%02x%02x' % c for c in rgb]
    count = palette or 1 << bits
    span = min(1 << bits, count + 4)
    data += bytes([palette]) + b''.join(bytes(colour(i)) for i in range(count))
    pixels = []
    for y in range(height):
        indices = [(3 * x + 5 * y) % span for x in range(width)]
        pixels += ['ff%02x%02x%02x' % colour(i) if i < count else 'ff000000' for i in indices]
        row = 0
        for i in indices:
            row = row << bits | i
        data += (row << (row_bytes * 8 - width * bits)).to_bytes(row_bytes, 'big')
    return data, pixels

# name, bits, width, height, palette count (0: 2^bits), mode, bytes kept (0: all; -n: all but n)
CASES = [
    ('rgb24.kvp', 24, 5, 3, 0, 0, 0),
    ('pal8.kvp', 8, 7, 3, 20, 0, 0),
    ('pal4', 4, 5, 4, 0, 0, 0),
    ('pal4-short.xyz', 4, 9, 2, 6, 0, 0),
    ('pal1.gif', 1, 11, 3, 0, 0, 0),
    ('rgb16.kvp', 16, 3, 2, 0, 0, 0),
    ('rgb32.kvp', 32, 3, 2, 0, 0, 0),
    ('fault-is-supported.kvp', 24, 3, 2, 0, 1, 0),
    ('fault-get-picture.kvp', 8, 3, 2, 0, 2, 0),
    ('refused.kvp', 24, 3, 2, 0, 3, 0),
    ('rle8.kvp', 8, 3, 2, 0, 4, 0),
    ('top-down.kvp', 24, 3, 2, 0, 5, 0),
    ('cut-rows.kvp', 24, 5, 3, 0, 0, -1),
    ('cut-palette.kvp', 8, 3, 2, 0, 0, 300),
    ('cut-head.kvp', 4, 3, 2, 0, 0, 9),
    ('rgb24-again.kvp', 24, 4, 1, 0, 0, 0),
]
names, expected = [], []
for name, bits, width, height, palette, mode, keep in CASES:
    data, pixels = picture(bits, width, height, palette, mode)
    if keep:
        data = data[:keep]
    open(name, 'wb').write(data)
    loads = mode in (0, 5) and bits in (1, 4, 8, 24) and not keep
    names.append(name)
    expected.append('%s: %s' % (name, ' '.join(['%d %d' % (width, height)] + pixels) if loads else 'undefined'))
open('other.kvp', 'wb').write(b'KVP2' + bytes(100))
names.append('other.kvp')
expected += ['other.kvp: undefined', 'done']
open('names.txt', 'w').write('\n'.join(names) + '\n')
open('expected.txt', 'w').write('\n'.join(expected) + '\n')
EOF

cat >load.js <<'EOF'
function main(args) {
    var dir = args[0] + "\\";
    for (var i = 1; i < args.length; i++) {
        var img = Image.load(dir + args[i]), line = args[i] + ": ";
        if (!img) {
            line += typeof img;
        } else {
            line += img.width + " " + img.height;
            for (var y = 0; y < img.height; y++)
                for (var x = 0; x < img.width; x++) line += " " + sprintf("%08x", img.point(x, y));
        }
        print(line);
    }
    print("done");
    return 0;
}
EOF
status=0
check() {  # the run's name, expected output, then kova's arguments
    local name="$1" expected="$2" code=0
    shift 2
    "$root/kova" "$tmp/load.js" "$tmp" "$@" </dev/null >"$name.out" 2>"$name.err" || code=$?
    tr -d '\r' <"$name.out" | diff -u "$expected" - >"$name.diff" && [ "$code" = 0 ] && return
    echo "FAIL $name (exit code $code):"
    cat "$name.diff" "$name.err"
    status=1
}

printf 'rgb24.kvp: undefined\ndone\n' >unset.txt
check no-plugin-folder unset.txt rgb24.kvp

plugins="$(dirname "$KOVA_EXE")/plugins"
[ -f "$plugins/kova_test.spi" ] || { echo "FAIL no $plugins/kova_test.spi"; exit 1; }
folder="$("$KOVA_WINE" winepath.exe -w "$plugins" </dev/null 2>/dev/null | tr -d '\r')"
"$KOVA_WINE" reg add "$key" /v Path /d "$folder" /f </dev/null >/dev/null
mapfile -t names <names.txt
check plugin expected.txt "${names[@]}"

# The same plug-in built for the other target cannot load into this process: the file
# loads as undefined and the script goes on.
case "${KOVA_ARCH:-x86_64}" in i686) other=x86_64 ;; *) other=i686 ;; esac
plugins="$root/build/$other/plugins"
[ -f "$plugins/kova_test.spi" ] || { echo "FAIL no $plugins/kova_test.spi (scripts/build.sh builds both targets)"; exit 1; }
folder="$("$KOVA_WINE" winepath.exe -w "$plugins" </dev/null 2>/dev/null | tr -d '\r')"
"$KOVA_WINE" reg add "$key" /v Path /d "$folder" /f </dev/null >/dev/null
check "$other-plugin" unset.txt rgb24.kvp
[ "$status" = 0 ] && echo "ok: ${#names[@]} files, and the $other plug-in refused"
exit "$status"
