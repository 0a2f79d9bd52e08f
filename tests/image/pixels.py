# Pictures as the reference tools read them, and the check of what tests/image/pixels.js
# printed and saved against them. Used by the image shell tests, from the folder that
# holds the pictures and manifest.txt:
#   python3 pixels.py run ROOT ITEM...   runs pixels.js through ROOT/kova over the items
#                                        and checks its output against manifest.txt
# A picture is (width, height, bytes): RGBA, 8 bits each, top row first.
import os
import re
import subprocess
import sys

CONVERT = '/usr/bin/convert'  # not /usr/local/bin's, a different program on some machines


def netpbm(data, at, name):
    """The PGM, PPM or PAM (djpeg's and ImageMagick's output) at data[at:] as a picture,
    and where it ends; samples of 16 bits keep their high byte, as 16-bit PNG loads."""
    m = re.compile(rb'P([56])\s+(\d+)\s+(\d+)\s+(\d+)\s').match(data, at)
    if m:
        w, h, maxval, depth = int(m.group(2)), int(m.group(3)), int(m.group(4)), 3 if m.group(1) == b'6' else 1
    else:
        m = re.compile(rb'P7\n(.*?)ENDHDR\n', re.S).match(data, at)
        if not m:
            sys.exit('%s: no PGM, PPM or PAM' % name)
        fields = dict(line.split(b' ', 1) for line in m.group(1).splitlines())
        w, h, maxval, depth = (int(fields[k]) for k in (b'WIDTH', b'HEIGHT', b'MAXVAL', b'DEPTH'))
    n, size = w * h, 2 if maxval > 255 else 1
    end = m.end() + n * depth * size
    if end > len(data):
        sys.exit('%s: %d x %d x %d samples cut short' % (name, w, h, depth))
    body = data[m.end():end:size]
    out = bytearray(4 * n)
    for c in range(3):
        out[c::4] = body[c if depth >= 3 else 0::depth]
    out[3::4] = body[depth - 1::depth] if depth in (2, 4) else b'\xff' * n
    return (w, h, bytes(out)), end


def djpeg(name):
    """libjpeg-turbo's decoding of a JPEG with default options; one with warnings (cut
    short, say) too, as djpeg writes its picture all the same."""
    run = subprocess.run(['djpeg', '-pnm', name], capture_output=True)
    if run.returncode not in (0, 2) or not run.stdout:
        sys.exit('djpeg %s: %s' % (name, run.stderr.decode(errors='replace').strip()))
    return netpbm(run.stdout, 0, name)[0]


def read(names):
    """The pictures of files, {name: picture}: PGM and PPM as they are, JPEG as djpeg
    decodes it; others as ImageMagick reads them (all in one run): a TGA turned over as
    its origin bits say (ImageMagick ignores them), a PNG with no gamma applied; names of
    other extensions are BMPs."""
    out, command, order = {}, [CONVERT], []
    for name in sorted(set(names)):
        lower = name.lower()
        if lower.endswith(('.pnm', '.ppm', '.pgm')):
            out[name] = netpbm(open(name, 'rb').read(), 0, name)[0]
            continue
        if lower.endswith(('.jpg', '.jpeg')):
            out[name] = djpeg(name)
            continue
        source, options = name, []
        if lower.endswith('.tga'):
            descriptor = open(name, 'rb').read()[17]
            options += [] if descriptor & 0x20 else ['-flip']
            options += ['-flop'] if descriptor & 0x10 else []
        elif lower.endswith('.png'):
            options += ['-set', 'colorspace', 'sRGB']
        else:
            source = 'BMP:' + name
        command += ['(', source] + options + [')']
        order.append(name)
    if order:
        data, at = subprocess.run(command + ['-depth', '16', 'pam:-'], check=True, capture_output=True).stdout, 0
        for name in order:
            out[name], at = netpbm(data, at, name)
    return out


def read_kova(output):
    """What pixels.js printed: {name: picture, 'loaded' (no pixels printed), 'undefined',
    'saved true' or 'saved false'}, and the lines that belong to nothing it prints
    (messages of a library, say)."""
    kova, stray, name, rows, height = {}, [], None, [], 0
    for line in open(output, encoding='latin-1'):
        line = line.rstrip('\r\n')
        if len(rows) < height and re.match(r'[0-9a-f]{8}( [0-9a-f]{8})*$', line):
            rows.append(b''.join(bytes.fromhex(w[2:] + w[:2]) for w in line.split()))
            if len(rows) == height:
                kova[name] = (len(rows[0]) // 4, height, b''.join(rows))
            continue
        m = re.match(r'(.+): (loaded|saved) (\d+) (\d+)$', line)
        if m:
            name, rows, height = m.group(1), [], int(m.group(4))
            kova[name] = 'loaded'
            continue
        m = re.match(r'(.+): (undefined|saved (?:true|false))$', line)
        if m:
            kova[m.group(1)] = m.group(2)
        else:
            stray.append(line)
    return kova, stray


def stored_range(p, a):
    """The straight values a colour stored premultiplied as p at alpha a may come back as:
    p * 255 / a rounded either way."""
    return p * 255 // a, min(255, -(-p * 255 // a))


def compare(got, want, options):
    """How picture got (straight colours that went through premultiplied storage) differs
    from want, as text. At alpha 0 got must be (0, 0, 0, 0), want's colour is free. At
    partial alpha a, got's colours must come back from what want's premultiply to, c * a
    / 255 (see stored_range). Options: exact (got equals want, as when both come from the
    same storage), flatten (want holds the stored colours over black: the premultiplied
    ones, alpha 255), near=N (colours may differ by N more), mean=M and max=N (instead of
    all that: the mean difference of the colour channels, got flattened when so told, is
    below M, and none is above N)."""
    (gw, gh, g), (ww, wh, w) = got, want
    if (gw, gh) != (ww, wh):
        return ['%d x %d, expected %d x %d' % (gw, gh, ww, wh)]
    near, flatten = int(options.get('near', 0)), 'flatten' in options
    if 'mean' in options:
        diffs = [abs((k * g[i | 3] // 255 if flatten else k) - e)
                 for i, (k, e) in enumerate(zip(g, w)) if i % 4 != 3]
        mean, worst = sum(diffs) / len(diffs), max(diffs)
        ok = mean < float(options['mean']) and worst <= int(options['max'])
        return [] if ok else ['mean difference %.3f, largest %d' % (mean, worst)]
    bad, row = [], 4 * gw
    for y in range(gh):
        if g[y * row:(y + 1) * row] == w[y * row:(y + 1) * row]:
            continue
        for i in range(y * row, (y + 1) * row, 4):
            k, e, a = g[i:i + 4], w[i:i + 4], g[i + 3]
            if a == 0:
                ok = k == b'\0\0\0\0' and (e[:3] == b'\0\0\0' if flatten else e[3] == 0)
            elif a == 255 or 'exact' in options:
                ok = k[3] == e[3] and all(abs(c - d) <= near for c, d in zip(k[:3], e[:3]))
            else:
                ranges = [stored_range(d if flatten else d * a // 255, a) for d in e[:3]]
                ok = (flatten or a == e[3]) and all(lo - near <= c <= hi + near for c, (lo, hi) in zip(k[:3], ranges))
            if not ok:
                bad.append('%d,%d: %s, expected %s' % (i % row // 4, y, k.hex(), e.hex()))
    return bad


def check(kova_output, manifest):
    """Each manifest line: NAME EXPECTED [OPTION...]. NAME's picture is the one pixels.js
    printed for it, or, when it printed none, the file NAME (see read); it must
    equal (see compare) the picture of the file EXPECTED. NAME undefined: pixels.js loaded
    or saved nothing under NAME."""
    kova, stray = read_kova(kova_output)
    failures = 0
    lines = [line.split() for line in open(manifest) if line.strip()]
    files = read([w[1] for w in lines if w[1] != 'undefined'] + [w[0] for w in lines if kova.get(w[0]) == 'saved true'])
    for words in lines:
        got = kova.get(words[0], 'missing')
        if got == 'saved true':
            got = files[words[0]]
        if words[1] == 'undefined' or not isinstance(got, tuple):
            if got not in ('undefined', 'saved false') or words[1] != 'undefined':
                print('FAIL %s: %s, expected %s' % (words[0], 'loaded' if isinstance(got, tuple) else got,
                                                    words[1] if words[1] == 'undefined' else 'a picture'))
                failures += 1
            continue
        bad = compare(got, files[words[1]], dict(w.partition('=')[::2] for w in words[2:]))
        if bad:
            print('FAIL %s against %s: %s%s' % (words[0], words[1], '; '.join(bad[:4]),
                                                ' (%d pixels)' % len(bad) if len(bad) > 4 else ''))
            failures += 1
    if stray:
        print('FAIL printed besides the pictures: %s' % ' | '.join(stray[:5]))
        failures += 1
    print('failures: %d' % failures if failures else 'ok: %d files' % len(lines))
    return failures


def run(root, *items):
    """Runs pixels.js over the items in this folder, then the check; the number of failures."""
    with open('kova.out', 'wb') as out:
        code = subprocess.run([root + '/kova', root + '/tests/image/pixels.js', os.getcwd()] + list(items),
                              stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT).returncode
    if code != 0:
        print(open('kova.out', 'rb').read().decode('latin-1').replace('\r', '')[-2000:])
        print('FAIL kova exited with %d' % code)
        return 1
    return check('kova.out', 'manifest.txt')


if __name__ == '__main__':
    sys.exit(1 if run(*sys.argv[2:]) else 0) if sys.argv[1:2] == ['run'] else sys.exit('usage: pixels.py run ROOT ITEM...')
