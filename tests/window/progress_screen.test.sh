#!/usr/bin/env bash
# A progress box without an owner stays alive while the script computes without
# serving messages (progress_screen.js): the screenshot shows it painted, its bar
# filled to 12.3 % in the highlight colour and empty beyond in the window colour, its
# message drawn on the button face; a click on its Cancel button with xdotool is
# taken at once, and the script's next step answers false.
#
# The screenshot is kept as progress-screen.png in $KOVA_ARTIFACTS, by default the
# artifacts folder of the build directory (build/x86_64/artifacts).
set -euo pipefail
root="$(pwd)"
artifacts="${KOVA_ARTIFACTS:-$(dirname "${KOVA_EXE:-$root/build/x86_64/kova.exe}")/artifacts}"
tmp="$(mktemp -d)"
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    echo "no DISPLAY: run under Xvfb (scripts/test.sh starts one)" >&2
    exit 1
fi

"$root/kova" tests/window/progress_screen.js "Z:$tmp/ready" "Z:$tmp/done" >"$tmp/out" 2>&1 </dev/null &
pid=$!
for _ in $(seq 300); do
    [ -s "$tmp/ready" ] && grep -q '^window' "$tmp/ready" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if ! grep -q '^window' "$tmp/ready" 2>/dev/null; then
    echo "the script did not get ready:"
    cat "$tmp/out"
    exit 1
fi
# The script is computing by now; whatever the box shows from here on it drew itself.
sleep 1
import -window root "$tmp/shot.png"
mkdir -p "$artifacts"
cp "$tmp/shot.png" "$artifacts/progress-screen.png"

declare -A at
while read -r name values; do at[$name]="$values"; done < <(tr -d '\r' <"$tmp/ready")
hex() { local r g b; read -r r g b <<<"$1"; printf '%02X%02X%02X' "$r" "$g" "$b"; }
read -r bl bt br bb <<<"${at[bar]}"
read -r cx cy <<<"${at[client]}"
read -r ul ut ur ub <<<"${at[button]}"
inner=$((br - bl - 2))
mid=$(((bt + bb) / 2))

status=0
# x, y on the screen, expected colour, what the pixel is
check() {
    local got
    got="$(/usr/bin/convert "$tmp/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p')"
    if [ "$got" = "$3" ]; then
        echo "ok   ($1, $2): $3 ($4)"
    else
        echo "FAIL ($1, $2): expected $3 ($4), got $got"
        status=1
    fi
}
check $((bl + 1)) "$mid" "$(hex "${at[highlight]}")" "the bar's first filled pixel"
check $((bl + 1 + inner / 10)) "$mid" "$(hex "${at[highlight]}")" "the bar at 10 %"
check $((bl + 1 + inner * 15 / 100)) "$mid" "$(hex "${at[window]}")" "the bar at 15 %, empty"
check $((br - 2)) "$mid" "$(hex "${at[window]}")" "the bar's last pixel, empty"
check $((cx + 2)) $((cy + 2)) "$(hex "${at[face]}")" "the box's face"
check $((ul - 2)) $((ub - 2)) "$(hex "${at[face]}")" "the face beside the button"
# The message is drawn at (8, 10) in the client area: its first word has dark pixels.
darkest="$(/usr/bin/convert "$tmp/shot.png" -crop "40x8+$((cx + 8))+$((cy + 12))" -colorspace Gray \
    -format '%[fx:int(255*minima)]' info:)"
if [ "$darkest" -lt 100 ]; then
    echo "ok   the message is drawn (darkest grey $darkest)"
else
    echo "FAIL the message is not drawn (darkest grey $darkest)"
    status=1
fi

xdotool mousemove $(((ul + ur) / 2)) $(((ut + ub) / 2)) click 1
sleep 0.5
touch "$tmp/done"
wait "$pid" || { echo "the script failed:"; cat "$tmp/out"; exit 1; }
pid=
out="$(tr -d '\r' <"$tmp/out")"
expected=$'computed for a second or more\nstep: false, close: false'
if [ "$out" = "$expected" ]; then
    echo "ok   the click was taken while the script computed: $(tail -1 <<<"$out")"
else
    echo "FAIL the script printed:"
    echo "$out"
    status=1
fi
[ "$status" = 0 ] || echo "screenshot: $artifacts/progress-screen.png"
exit "$status"
