#!/usr/bin/env bash
# WScript on a terminal under code page 932: Echo, print, StdOut and StdErr reach a
# tmux pane as the characters they are, in order, and StdIn.ReadLine reads a line
# typed into it.
set -euo pipefail
root="$(pwd)"
tmp="$(mktemp -d)"
sock="$tmp/tmux"
trap 'tmux -S "$sock" kill-server 2>/dev/null || true; rm -rf "$tmp"' EXIT
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

pane() { tmux -S "$sock" capture-pane -p | sed '/^$/d' >"$tmp/pane"; }
tmux -u -S "$sock" new-session -d -x 100 -y 20 \
    "'$root/kova' tests/com/wscript_terminal.js; echo \"done \$?\"; sleep 60"
for _ in $(seq 300); do
    pane
    grep -q '^入力>' "$tmp/pane" && break
    sleep 0.1
done
tmux -S "$sock" send-keys '漢字 abc' Enter
for _ in $(seq 100); do
    pane
    grep -q '^done' "$tmp/pane" && break
    sleep 0.2
done
cat >"$tmp/expected" <<'TEXT'
あい echo
日本 print
カナ エラー stderr
stdout
入力> 漢字 abc
[漢字 abc] 6
done 0
TEXT
diff -u "$tmp/expected" "$tmp/pane"
echo "ok: wscript terminal"
