#!/bin/sh
# Compiles kova.rc with both MinGW windres targets under several build
# locales and checks that the output does not depend on either, and that the
# Japanese texts and the version land in the resources as the right UTF-16 code units.
#
# Usage: tests/res/check-rc.sh GENERATED   (GENERATED: a build folder's generated/, which
#        holds kova_version.h; exit status 0 when every check passes)
set -u

here=$(cd "$(dirname "$0")/../../res" && pwd)
generated=${1:?usage: check-rc.sh GENERATED-FOLDER}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
pass=0
fail=0

ok()  { pass=$((pass + 1)); echo "ok   $1"; }
bad() { fail=$((fail + 1)); echo "FAIL $1"; }

# hexbytes FILE: " b0 b1 b2 ... " (one space around every byte, so a pattern
# of whole bytes can only match on a byte boundary)
hexbytes() { printf ' %s \n' "$(od -An -tx1 -v "$1" | tr -s ' \n' '  ' | sed 's/^ //; s/ $//')"; }

# count FILE "xx xx ..": how many times the byte sequence occurs
count() { hexbytes "$1" | grep -o " $2 " | wc -l; }

# UTF-16LE of the texts
cancel='ad 30 e3 30 f3 30 bb 30 eb 30 00 00'                      # キャンセル
face='2d ff 33 ff 20 00 30 ff b4 30 b7 30 c3 30 af 30 00 00'       # ＭＳ Ｐゴシック
utf16() { printf '%s' "$1" | od -An -tx1 -v | tr -s ' \n' '  ' | sed 's/^ //; s/ $//; s/\([0-9a-f][0-9a-f]\)/\1 00/g'; }

first=""
for arch in x86_64 i686; do
    windres=$arch-w64-mingw32-windres
    for loc in C C.UTF-8 ja_JP.UTF-8 ja_JP.SJIS; do
        out=$tmp/$arch-$loc.res
        if ! LANG=$loc LC_ALL=$loc "$windres" -I "$generated" -O res "$here/kova.rc" "$out" 2>"$tmp/err"; then
            bad "$windres ($loc) failed: $(cat "$tmp/err")"
            continue
        fi
        # windres itself is silent; the preprocessor may not be
        [ -s "$tmp/err" ] && bad "$windres ($loc) printed: $(cat "$tmp/err")"
        if [ -z "$first" ]; then
            first=$out
        elif ! cmp -s "$first" "$out"; then
            bad "$windres ($loc) output differs from $(basename "$first" .res)"
        fi
    done
done
[ -n "$first" ] || { echo "0 passed, 1 failed"; exit 1; }
[ "$fail" = 0 ] && ok "same .res from both targets and every build locale"

# Each dialog has one Cancel button and one font face.
n=$(count "$first" "$cancel"); [ "$n" = 2 ] && ok "Cancel text twice as UTF-16" || bad "Cancel text found $n times, want 2"
n=$(count "$first" "$face");   [ "$n" = 2 ] && ok "font face twice as UTF-16"   || bad "font face found $n times, want 2"

# FileVersion and ProductVersion hold the version text.
version=$(sed -n 's/^#define KOVA_VERSION "\(.*\)"$/\1/p' "$generated/kova_version.h")
n=$(count "$first" "$(utf16 "$version") 00 00")
[ -n "$version" ] && [ "$n" = 2 ] && ok "version $version twice as UTF-16" || bad "version '$version' found $n times, want 2"

# The program looks the resources up by these names.
for name in IDR_MAINFRAME IDD_INPUTBOX IDD_PROGRESSBOX; do
    n=$(count "$first" "$(utf16 "$name") 00 00")
    [ "$n" = 1 ] && ok "resource named $name" || bad "resource name $name found $n times, want 1"
done

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
