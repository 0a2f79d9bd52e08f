#!/usr/bin/env bash
# system() with no command runs the interpreter named by COMSPEC interactively: it
# reads the commands on standard input until one ends it, and system returns its
# exit code. The interpreter's banner and prompts name the version and the current
# directory, so the output is searched rather than compared.
set -u
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cat >"$tmp/system.js" <<'JS'
print("before");
print("first: ", system());
print("second: ", system(""));
JS
printf 'echo kova-%s\r\nexit 5\r\necho kova-%s\r\nexit 6\r\n' one two >"$tmp/in"
./kova "Z:$tmp/system.js" <"$tmp/in" >"$tmp/out" 2>"$tmp/err"
code=$?
out="$(sed 's/\r$//' "$tmp/out")"
fail=0
check() {  # description, then the test
    local what="$1"; shift
    if ! "$@"; then echo "failed: $what"; fail=1; fi
}
check "exit code 0 (got $code)" test "$code" = 0
check "output before the interpreter" grep -qx "before" <<<"$out"
check "first interpreter ran its command" grep -q "kova-one" <<<"$out"
check "first exit code" grep -q "first: 5$" <<<"$out"
check "second interpreter ran its command" grep -q "kova-two" <<<"$out"
check "second exit code" grep -q "second: 6$" <<<"$out"
check "no error output" test ! -s "$tmp/err"
[ "$fail" = 0 ] || { echo "--- output"; cat "$tmp/out"; echo "--- errors"; cat "$tmp/err"; }
exit "$fail"
