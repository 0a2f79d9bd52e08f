#!/usr/bin/env bash
# Japanese text in a terminal: under code page 932, print, printf, the stdout object
# and an error report reach a tmux pane as the characters they are, in order; the
# same script with its output sent to files still writes Shift_JIS bytes.
set -euo pipefail
root="$(pwd)"
script="$root/tests/host/terminal/japanese.js"
tmp="$(mktemp -d)"
sock="kova-terminal-$$"
trap 'tmux -L "$sock" kill-server 2>/dev/null || true; rm -rf "$tmp"' EXIT
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

tmux -u -L "$sock" new-session -d -x 100 -y 20 \
    "'$root/kova' tests/host/terminal/japanese.js; echo \"done \$?\"; sleep 60"
for _ in $(seq 100); do
    tmux -L "$sock" capture-pane -p >"$tmp/pane"
    grep -q '^done' "$tmp/pane" && break
    sleep 0.2
done
cat >"$tmp/expected" <<'TEXT'
あい terminal
日本
カナ
error [japanese.js:5]: エラー text
-> throw new Error("エラー text");
done 0
TEXT
sed -i '/^$/d' "$tmp/pane"
diff -u "$tmp/expected" "$tmp/pane"

"$root/kova" tests/host/terminal/japanese.js >"$tmp/out" 2>"$tmp/err" </dev/null
printf 'あい terminal\r\n日本\r\nカナ\r\n' | iconv -f UTF-8 -t CP932 | cmp - "$tmp/out"
head -n 1 "$tmp/err" | iconv -f CP932 -t UTF-8 | grep -qx $'error \\[japanese.js:5\\]: エラー text\r'
echo "ok: terminal"
