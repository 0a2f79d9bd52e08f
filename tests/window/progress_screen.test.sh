#!/usr/bin/env bash
# A progress box of its own thread lives while the script computes without serving
# messages (progress_screen.js): the screenshot shows its bar filled to 12.3 % in the
# highlight colour and empty beyond, its face, and its message drawn; a click on its
# Cancel button with xdotool is taken meanwhile, so the script's next step answers false.
# The screenshot is kept as progress-screen.png in $KOVA_ARTIFACTS (by default
# build/x86_64/artifacts).
set -euo pipefail
root="$(pwd)"
artifacts="${KOVA_ARTIFACTS:-$(dirname "${KOVA_EXE:-$root/build/x86_64/kova.exe}")/artifacts}"
tmp="$(mktemp -d)"
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: run under Xvfb (scripts/test.sh starts one)" >&2; exit 1; }

"$root/kova" tests/window/progress_screen.js "Z:$tmp/ready" "Z:$tmp/done" >"$tmp/out" 2>&1 </dev/null &
pid=$!
for _ in $(seq 300); do
    grep -qs '^face' "$tmp/ready" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
grep -qs '^face' "$tmp/ready" || { echo "the script did not get ready:"; cat "$tmp/out"; exit 1; }
sleep 1  # the script computes by now: what the box shows, its thread drew
import -window root "$tmp/shot.png"
mkdir -p "$artifacts"
cp "$tmp/shot.png" "$artifacts/progress-screen.png"

declare -A at
while read -r name values; do at[$name]="$values"; done < <(tr -d '\r' <"$tmp/ready")
rgb() { local c="${at[$1]}"; echo "${c:4:2}${c:2:2}${c:0:2}" | tr a-f A-F; }
read -r cx cy <<<"${at[client]}"
read -r bl bt br bb <<<"${at[bar]}"
read -r ul ut ur ub <<<"${at[button]}"
inner=$((br - bl - 2)) mid=$(((bt + bb) / 2))
status=0
check() {  # x, y, expected colour, what the pixel is
    local got
    got="$(/usr/bin/convert "$tmp/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p')"
    [ "$got" = "$3" ] && echo "ok   $4: $3" || { echo "FAIL $4 at ($1, $2): expected $3, got $got"; status=1; }
}
check $((bl + 1)) $mid "$(rgb highlight)" "the bar's first pixel"
check $((bl + 1 + inner / 10)) $mid "$(rgb highlight)" "the bar at 10 %"
check $((bl + 1 + inner * 15 / 100)) $mid "$(rgb window)" "the bar at 15 %, empty"
check $((br - 2)) $mid "$(rgb window)" "the bar's last pixel"
check $((cx + 2)) $((cy + 2)) "$(rgb face)" "the face"
check $((ul - 2)) $((ub - 2)) "$(rgb face)" "the face beside the button"
# The message starts at (8, 10) in the client area: its first word has dark pixels.
dark="$(/usr/bin/convert "$tmp/shot.png" -crop "40x8+$((cx + 8))+$((cy + 12))" -colorspace Gray \
    -format '%[fx:int(255*minima)]' info:)"
[ "$dark" -lt 100 ] && echo "ok   the message is drawn" || { echo "FAIL no message drawn ($dark)"; status=1; }

xdotool mousemove $(((ul + ur) / 2)) $(((ut + ub) / 2)) click 1
sleep 0.5
touch "$tmp/done"
wait "$pid" || { echo "the script failed:"; cat "$tmp/out"; exit 1; }
pid=
out="$(tr -d '\r' <"$tmp/out")"
if [ "$out" = $'computed for a second or more\nstep: false, close: false' ]; then
    echo "ok   clicked while the script computed: $(tail -1 <<<"$out")"
else
    echo "FAIL the script printed: $out"
    status=1
fi
[ "$status" = 0 ] || echo "screenshot: $artifacts/progress-screen.png"
exit "$status"
