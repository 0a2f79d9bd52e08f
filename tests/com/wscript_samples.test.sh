#!/usr/bin/env bash
# Scripts of the kind users wrote for the stock script host (option parsing, the file
# system object, dictionaries) give the same standard output and exit code under KOVA
# as under that host itself (Wine's cscript.exe, in the same prefix).
set -euo pipefail
root="$(pwd)"
KOVA_ROOT="$root"
. "$root/scripts/wine-env.sh"
kova_wine_ready
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
samples="$root/tests/com/wscript_samples"

fail=0
# Runs one sample under both hosts with the same words after the script.
compare() {  # sample, words...
    local sample="$1" win code_k code_c
    shift
    win="Z:${samples//\//\\}\\$sample"
    code_k=0; code_c=0
    "$root/kova" "$win" "$@" </dev/null >"$tmp/kova" 2>&1 || code_k=$?
    "$KOVA_WINE" cscript.exe //nologo "$win" "$@" </dev/null >"$tmp/cscript" 2>&1 || code_c=$?
    if ! diff -u --label "cscript $sample" --label "kova $sample" "$tmp/cscript" "$tmp/kova" ||
        [ "$code_k" != "$code_c" ]; then
        echo "$sample $*: exit code $code_k under kova, $code_c under cscript"
        fail=1
    else
        echo "ok: $sample $* (exit code $code_k, $(wc -l <"$tmp/kova") lines)"
    fi
}
mkdir "$tmp/work"
compare args.js
compare args.js -v /out:result.txt one "two words" 'quote"d'
compare files.vbs "Z:$tmp/work"
compare dict.js
compare dict.vbs
exit "$fail"
