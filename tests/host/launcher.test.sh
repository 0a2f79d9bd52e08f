#!/usr/bin/env bash
# ./kova gives kova.exe a word that names an existing absolute Linux path in Wine's
# form (Z:\...): the script itself and its options. Other words pass unchanged: a
# relative path, and a word that names nothing, like /t (kova.exe's option form).
set -u
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/with space"
printf 'first line\n' >"$tmp/with space/data.txt"
cat >"$tmp/args.js" <<'JS'
function main(args) {
    for (var i = 0; i < args.length; i++) print(i, ": ", args[i]);
    var f = new File(args[0], "r");
    print("read: ", f.gets());
    f.close();
}
JS
win() { local p="${1//\//\\}"; echo "Z:$p"; }

./kova "$tmp/args.js" "$tmp/with space/data.txt" "/$tmp//with space/" \
    /t /no-such-kova-path relative.txt </dev/null >"$tmp/out" 2>&1
code=$?
out="$(sed 's/\r$//' "$tmp/out")"
expected="0: $(win "$tmp/with space/data.txt")
1: $(win "$tmp/with space/")
2: /t
3: /no-such-kova-path
4: relative.txt
read: first line"
if [ "$code" = 0 ] && [ "$out" = "$expected" ]; then exit 0; fi
echo "exit code $code; expected output:"
echo "$expected"
echo "--- got:"
echo "$out"
exit 1
