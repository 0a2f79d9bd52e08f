#!/usr/bin/env bash
# Japanese text in a terminal: under code page 932, print, printf, the stdout object,
# an error report and talk mode reach a tmux pane as the characters they are, in
# order; the same script with its output sent to files still writes Shift_JIS bytes.
set -euo pipefail
root="$(pwd)"
script="$root/tests/host/terminal/japanese.js"
tmp="$(mktemp -d)"
sock="$tmp/tmux"
trap 'for s in "$tmp"/tmux*; do tmux -S "$s" kill-server 2>/dev/null || true; done; rm -rf "$tmp"' EXIT
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

# The pane's text, without blank lines, once the program has ended.
wait_for_done() {
    for _ in $(seq 100); do
        tmux -S "$sock" capture-pane -p | sed '/^$/d' >"$tmp/pane"
        grep -q '^done' "$tmp/pane" && return
        sleep 0.2
    done
}

tmux -u -S "$sock" new-session -d -x 100 -y 20 \
    "'$root/kova' tests/host/terminal/japanese.js; echo \"done \$?\"; sleep 60"
wait_for_done
cat >"$tmp/expected" <<'TEXT'
あい terminal
日本
カナ
error [japanese.js:5]: エラー text
-> throw new Error("エラー text");
done 0
TEXT
diff -u "$tmp/expected" "$tmp/pane"

# Talk mode reads typed Japanese and answers in kind; each line is typed once the
# prompt for it shows.
sock="$sock-talk"
tmux -u -S "$sock" new-session -d -x 100 -y 20 "'$root/kova' -t; echo \"done \$?\"; sleep 60"
prompts=0
for line in '"あい".length' '"日本" + "語"' .quit; do
    prompts=$((prompts + 1))
    for _ in $(seq 300); do
        [ "$(tmux -S "$sock" capture-pane -p | grep -c '^>')" -ge "$prompts" ] && break
        sleep 0.1
    done
    tmux -S "$sock" send-keys "$line" Enter
done
wait_for_done
printf '%s\n' '>"あい".length' 2 '>"日本" + "語"' 日本語 '>.quit' 'done 0' | diff -u - "$tmp/pane"

"$root/kova" tests/host/terminal/japanese.js >"$tmp/out" 2>"$tmp/err" </dev/null
printf 'あい terminal\r\n日本\r\nカナ\r\n' | iconv -f UTF-8 -t CP932 | cmp - "$tmp/out"
head -n 1 "$tmp/err" | iconv -f CP932 -t UTF-8 | grep -qx $'error \\[japanese.js:5\\]: エラー text\r'
echo "ok: terminal"
