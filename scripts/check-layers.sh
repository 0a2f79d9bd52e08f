#!/usr/bin/env bash
# Holds the includes under src/ to the order of the folders in src/README.md: a file
# may include its own folder and the folders listed below it. Prints each include
# that points up, as file:line, and exits 1 when there is one.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

# The folders, top first, from the README's numbered list ("3. `com/`: ...").
mapfile -t order < <(sed -n 's/^[0-9][0-9]*\. `\([a-z_]*\)\/`.*/\1/p' src/README.md)
[ "${#order[@]}" -gt 0 ] || { echo "check-layers: no folder list in src/README.md" >&2; exit 2; }

find src -name '*.h' -o -name '*.cpp' -o -name '*.c' | sort |
    xargs grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z_]*/' |
    awk -v order="${order[*]}" '
        BEGIN { n = split(order, names, " "); for (i = 1; i <= n; i++) rank[names[i]] = i }
        {
            split($0, at, ":"); file = at[1]; line = at[2]
            split(file, parts, "/"); from = parts[2]
            included = $0; sub(/^[^"]*"/, "", included); sub(/".*/, "", included)
            to = included; sub(/\/.*/, "", to)
            if (!(from in rank)) { printf "%s:%s: folder %s/ is not in src/README.md\n", file, line, from; bad = 1; next }
            if ((to in rank) && rank[to] < rank[from]) {
                printf "%s:%s: includes %s, but %s/ lies above %s/\n", file, line, included, to, from
                bad = 1
            }
        }
        END { exit bad }' && echo "check-layers: includes point down (${order[*]})"
