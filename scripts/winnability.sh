#!/bin/bash
# Measures every game's chance of winning with the solver and writes it into
# data/games.txt: entries 399 and 400 ("about x in y"), with the command
# that produced them and its figures in the comment, and the word before
# them (entry 398). A game whose deals
# were not decided on at least 98 % keeps its entries.
#
#   scripts/winnability.sh [game ids...]
# DEALS (2000) deals, the sample deal numbers from draw 1 (as players get
# them), SECONDS_PER_DEAL (1) per deal; CLI names the driver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
games="$root/data/games.txt"
cli=${CLI:-$root/build/bin/velmora-cli}
deals=${DEALS:-2000}
seconds=${SECONDS_PER_DEAL:-1}
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT

ids=("$@")
if [ ${#ids[@]} -eq 0 ]; then
    mapfile -t ids < <(sed -n 's/^\[game \([0-9]*\)\]$/\1/p' "$games")
fi

# The simplest fraction x/y (y up to 20, then 100, then 1000) inside the
# 95 % interval, the nearest to the percentage among those of its y; without
# one, the nearest of all. x is at least 1 when any deal was won and always
# below y: no figure promises a win every time, so a game whose every deal
# was won reads "999 in 1000", a near certainty "99 in 100".
fraction() {
    awk -v p="$1" -v low="$2" -v high="$3" 'BEGIN {
        best = 1000; bx = 0; by = 1
        for (y = 1; y <= 1000; y = (y < 20 ? y + 1 : y * 10 - (y == 20 ? 100 : 0))) {
            inside = 1000
            for (x = (p > 0 ? 1 : 0); x < y; x++) {
                q = 100 * x / y
                d = q - p; if (d < 0) d = -d
                if (q >= low - 1e-9 && q <= high + 1e-9 && d < inside) { inside = d; ix = x }
                if (d < best - 1e-9) { best = d; bx = x; by = y }
            }
            if (inside < 1000) { print ix, y; exit }
        }
        print bx, by }'
}

# The word the game information shows before the fraction (entry 398),
# from the share won: very high from 90 %, high from 60 %, medium from 35 %,
# low from 10 %, very low below.
level() {
    awk -v p="$1" 'BEGIN {
        if (p >= 90) print 0, "very high"; else if (p >= 60) print 1, "high"
        else if (p >= 35) print 2, "medium"; else if (p >= 10) print 3, "low"; else print 4, "very low" }'
}

for id in "${ids[@]}"; do
    command="winnability $id 1 $deals $seconds"
    answer=$("$cli" --data "$data" $command 2>&1 | tr '\n' ' ')
    read -r percent low high < <(sed -n 's/.*winnable \([0-9.]*\) \([0-9.]*\) \([0-9.]*\).*/\1 \2 \3/p' <<<"$answer")
    if [ -z "${percent:-}" ]; then
        echo "game $id: no figures: $answer" >&2
        exit 1
    fi
    unknown=$(sed -n 's/.*unknown \([0-9]*\).*/\1/p' <<<"$answer")
    # A figure with many deals left undecided says more about the solver
    # than about the game: it is not written.
    if [ $((unknown * 50)) -gt "$deals" ]; then
        echo "game $id: not written: $unknown of $deals deals undecided ($answer)" >&2
        continue
    fi
    read -r x y < <(fraction "$percent" "$low" "$high")
    note="measured: velmora-cli $command: $percent % won (95 % interval $low to $high)"
    read -r level word < <(level "$percent")
    echo "game $id: $word, about $x in $y; $note"
    awk -v id="$id" -v x="$x" -v y="$y" -v note="$note" -v level="$level" -v word="$word" '
        /^\[game / { inside = ($0 == "[game " id "]") }
        inside && /^398 =/ {
            rest = $0
            sub(/^398 = [0-9]+ *# chance of winning: (very high|high|medium|very low|low)/, "", rest)
            printf "398 = %-6s # chance of winning: %s%s\n", level, word, rest; next }
        inside && /^399 =/ { printf "399 = %-6s # chance of winning about %s ... (%s)\n", x, x, note; next }
        inside && /^400 =/ { printf "400 = %-6s # ... in %s\n", y, y; next }
        { print }' "$games" > "$games.new"
    mv "$games.new" "$games"
done
