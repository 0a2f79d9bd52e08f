#!/usr/bin/env bash
# The release packages as a user gets them. Each zip that scripts/release.sh made is
# unpacked into a fresh Wine prefix, under a folder whose path has a space and Japanese
# characters, and run from there: every example that needs no user, the window ones in
# their demo modes, and the clock's window photographed (its pixels checked; the
# screenshot kept under KOVA_ARTIFACTS, by default build/release-artifacts). Also
# checked: kova.exe imports only DLLs of Windows; it is at most half the size it had
# with its debug sections; its debug link names the debug file beside the zip; its
# version resource, read through version.dll, is the version of CMakeLists.txt; the zip
# holds every licence file its README names (and no other), the examples, and the
# runtime reference when the repository has one.
#
# Usage: tests/release/check-release.sh [win64|win32 ...]   (default: both)
# Prints "release: N passed, N failed" last; exits 1 when a check failed.
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
export KOVA_ARTIFACTS="${KOVA_ARTIFACTS:-$PWD/build/release-artifacts}"
. tests/screen_lib.sh
# Every check runs, whatever the one before found.
set +e
export LANG=C.UTF-8 LC_ALL=C.UTF-8

version="$(sed -n 's/^set(KOVA_VERSION \(.*\))$/\1/p' CMakeLists.txt)"
examples="$root/tests/scripts/examples"
# screen_lib's checks, counted.
passed=0 failed=0
fail() { echo "FAIL $*"; status=1; failed=$((failed + 1)); }
same() {
    if [ "$2" = "$3" ]; then echo "ok   $1"; passed=$((passed + 1)); else fail "$1: expected [$2], got [$3]"; fi
}
check() { same "$4 at $1,$2" "$3" "$(pixel "$shot" "$1" "$2")"; }
# holds WHAT COMMAND...: the command succeeds.
holds() {
    local what=$1; shift
    if "$@" >/dev/null 2>&1; then echo "ok   $what"; passed=$((passed + 1)); else fail "$what"; fi
}

# Half the size of kova.exe with its debug sections (2.7 MB for win32, 2.8 MB for win64).
declare -A limit=([win32]=1350000 [win64]=1400000)
declare -A arch=([win32]=i686 [win64]=x86_64)
# DLLs of Windows itself; a MinGW run-time or library DLL would have to ship beside it.
system_dlls='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|msvcrt|winmm|msimg32|version|shlwapi|uxtheme|imm32|rpcrt4|ws2_32|atl|mscoree)\.dll$'

on_exit() {
    # Only this test's own Wine servers, each for a prefix it made.
    local prefix
    for prefix in "$tmp"/wine-*; do
        [ -d "$prefix" ] && WINEPREFIX="$prefix" "$KOVA_WINESERVER" -k 2>/dev/null || true
    done
}

# run NAME WORDS...: kova.exe of the unpacked folder runs in it (code page 1252) with
# the words; its standard output without CRs in $tmp/NAME.out, the exit code in $code.
run() {
    local name=$1; shift
    (cd "$dir" && "$root/kova" "$@" </dev/null 2>"$tmp/$name.err" | tr -d '\r' >"$tmp/$name.out"
        exit "${PIPESTATUS[0]}")
    code=$?
    [ ! -s "$tmp/$name.err" ] || { echo "$name wrote to standard error:"; cat "$tmp/$name.err"; }
}

# expect NAME: the output of run NAME, masked by the script test's NAME.mask, is that
# test's NAME.out, and the exit code 0.
expect() {
    local mask=/dev/null
    [ -f "$examples/$1.mask" ] && mask="$examples/$1.mask"
    same "$1.js exit code" 0 "$code"
    same "$1.js output" "$(cat "$examples/$1.out")" "$(sed -f "$mask" "$tmp/$1.out")"
}

check_zip() {
    local win=$1 zip="$root/dist/kova-$version-$1.zip" debug="$root/dist/kova-$version-$1-debug/kova.exe.debug"
    echo "--- $zip"
    [ -f "$zip" ] || { fail "no $zip: run scripts/release.sh"; return; }
    dir="$tmp/リリース test/kova-$version-$win"
    export KOVA_ARCH=${arch[$win]} KOVA_WINEPREFIX="$tmp/wine-$win" KOVA_EXE="$dir/kova.exe"
    export WINEPREFIX="$KOVA_WINEPREFIX"
    mkdir -p "$dir"
    unzip -q "$zip" -d "$dir" || { fail "$zip does not unpack"; return; }
    local exe="$dir/kova.exe" objdump="${arch[$win]}-w64-mingw32-objdump"

    # What the zip holds.
    local entries; entries="$(unzip -Z1 "$zip" | grep -v '/$' | sort)"
    local want=(kova.exe README.txt) f
    for f in examples/*.js; do want+=("$f"); done
    [ ! -f docs/reference.md ] || want+=(docs/reference.md)
    local named; named="$(grep -o 'licenses/[A-Za-z0-9._-]*[A-Za-z0-9]' "$dir/README.txt" | sort -u)"
    same "the zip's files" "$(printf '%s\n' "${want[@]}" $named | sort)" "$entries"
    for f in $named; do holds "$f is a licence text" grep -qiE 'copyright|licen[cs]e' "$dir/$f"; done
    holds "examples as in the repository" diff -r examples "$dir/examples"
    [ ! -f docs/reference.md ] || holds "docs/reference.md as in the repository" cmp docs/reference.md "$dir/docs/reference.md"
    holds "README.txt names the version" grep -q "KOVA $version" "$dir/README.txt"

    # The program: size, imports, debug information.
    local size; size=$(stat -c %s "$exe")
    echo "kova.exe: $size bytes"
    holds "kova.exe at most ${limit[$win]} bytes" test "$size" -le "${limit[$win]}"
    # The import table, and every DLL named in the program: the delay-loaded ones and
    # those loaded by name.
    local dlls; dlls="$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p'
        strings -a "$exe" | grep -iE '^[a-z0-9_.-]+\.dll$')"
    # The 32-bit start-up code looks for libgcc's DLL and, without it, uses the
    # unwind registration linked in: a name, not an import.
    dlls="$(tr 'A-Z' 'a-z' <<<"$dlls" | grep -vx 'libgcc_s_dw2-1\.dll' | sort -u)"
    echo "DLLs: $(echo $dlls)"
    same "DLLs that are not Windows'" "" "$(grep -Ev "$system_dlls" <<<"$dlls")"
    same "debug and symbol sections" "" "$("$objdump" -h "$exe" | grep -oE '\.(debug_|stab)[a-z_]*' | sort -u)"
    # The debug link: the debug file's name, then the CRC-32 of its bytes.
    local link; link="$("$objdump" -s -j .gnu_debuglink "$exe" | sed -n 's/^ [0-9a-f]\+ \(\([0-9a-f]\{2,8\} \)\{1,4\}\).*/\1/p' | tr -d ' \n')"
    same "debug link" "kova.exe.debug $(python3 -c 'import sys, zlib; print(zlib.crc32(open(sys.argv[1], "rb").read()))' "$debug" 2>/dev/null)" \
        "$(python3 -c 'import sys; d = bytes.fromhex(sys.argv[1]); print(d[:d.index(0)].decode(), int.from_bytes(d[-4:], "little"))' "$link" 2>/dev/null)"

    # A fresh prefix, made with the project's settings (no crash dialog, no window manager).
    local start=$SECONDS
    kova_wine_ready
    echo "fresh prefix $KOVA_WINEPREFIX in $((SECONDS - start)) s"

    run version "$root/tests/release/version.js"
    local v=${version%[a-z]} letter=${version##*[0-9]} numbers
    numbers="$((10#${v%%.*})).$((10#${v#*.})).0.$([ -z "$letter" ] && echo 0 || expr index abcdefghijklmnopqrstuvwxyz "$letter")"
    same "version resource" "$(printf 'fixed %s %s\nFileVersion %s\nProductVersion %s' "$numbers" "$numbers" "$version" "$version")" \
        "$(cat "$tmp/version.out")"

    # The console examples, with what a user would give them: folders for their files,
    # pictures to convert, text files to count.
    mkdir -p "$dir/files" "$dir/images" "$dir/converted" "$dir/paint" "$dir/clock"
    cp -r "$examples/pictures" "$examples/words" "$dir/"
    # Code page 1252 has no Japanese characters: the folder's name shows as far as it can.
    run hello examples\\hello.js
    same "hello.js" "$(printf 'Hello, world!\nKOVA ver.%s running in Z:\\' "$version")" \
        "$(head -n 2 "$tmp/hello.out" | sed '2s/\(Z:.\).*/\1/')"
    # Under the Japanese code page the folder's name reaches the script unchanged.
    (cd "$dir" && LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 "$root/kova" examples\\hello.js </dev/null |
        iconv -f CP932 -t UTF-8 | tr -d '\r' >"$tmp/hello-932.out")
    same "hello.js under code page 932" "KOVA ver.$version running in Z:${dir//\//\\}" "$(sed -n 2p "$tmp/hello-932.out")"
    run files examples\\files.js files; expect files
    run images examples\\images.js images; expect images
    run native examples\\native.js; expect native
    run com examples\\com.js words; expect com
    run convert examples\\convert.js pictures png converted; expect convert

    # The window examples in their demo modes: paint draws by itself and saves its
    # picture; the clock is photographed while it ticks.
    run paint examples\\paint.js --demo paint
    same "paint.js" "$(head -n 2 "$examples/paint.out")" "$(sed -f "$examples/paint.mask" "$tmp/paint.out")"
    local bmp="$dir/paint/paint.bmp"
    same "paint.bmp: red star, blue ring, white paper" "DC0000 0000DC FFFFFF" \
        "$(pixel "$bmp" 200 50) $(pixel "$bmp" 320 150) $(pixel "$bmp" 200 150)"

    cd "$dir" && start_script examples\\clock.js --demo clock
    cd "$root"
    local window=
    for _ in $(seq 300); do
        window="$(xdotool search --name '^KOVA Clock$' 2>/dev/null | head -n 1)" && [ -n "$window" ] && break
        sleep 0.1
    done
    if [ -n "$window" ]; then
        sleep 0.5
        local X Y WIDTH HEIGHT SCREEN
        eval "$(xdotool getwindowgeometry --shell "$window")"
        shot "clock-$win"
        check $((X + 90)) $((Y + 6)) 283C5A "the clock's rim"
        check $((X + 110)) $((Y + 13)) FAF6E8 "the clock's face"
        check $((X + 90)) $((Y + 90)) C81E1E "the clock's hub"
    else
        fail "no window KOVA Clock"
    fi
    end_script
    same "clock.js" "$(head -n 1 "$examples/clock.out")" "$(sed -f "$examples/clock.mask" <<<"$out")"
    holds "clock.png saved" test -s "$dir/clock/clock.png"

    "$KOVA_WINESERVER" -k 2>/dev/null || true
    rm -rf "$KOVA_WINEPREFIX" "$KOVA_WINEPREFIX.lock" "$tmp/リリース test"
}

wins=("$@")
[ ${#wins[@]} -gt 0 ] || wins=(win64 win32)
for win in "${wins[@]}"; do check_zip "$win"; done
echo "release: $passed passed, $failed failed"
finish
