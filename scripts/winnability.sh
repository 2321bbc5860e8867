#!/bin/bash
# Measures every game's chance of winning with the solver and writes it into
# data/games.txt: entries 399 and 400 ("about x in y"), with the command
# that produced them and its figures in the comment, and the word before
# them (entry 398). A game whose deals were not decided on at least 98 %
# gets no fraction: only the word, from the share won, which the undecided
# deals can only raise (the comment says "at least"); a game measured
# before keeps its figure.
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

# The game's fraction came from a run that decided its deals.
measured() {
    awk -v id="$1" '/^\[game / { inside = ($0 == "[game " id "]") }
        inside && /^399 =/ && /\(measured: / { found = 1 } END { exit !found }' "$games"
}

# Entries 398 to 400 of game $1: x $2 in y $3 (0 in 0 shows no fraction),
# level $4 with its word $5 (none: 398 stays), and the run behind them $6.
write() {
    awk -v id="$1" -v x="$2" -v y="$3" -v level="$4" -v word="$5" -v note="$6" '
        /^\[game / { inside = ($0 == "[game " id "]") }
        inside && /^398 =/ && level != "" { printf "398 = %-6s # chance of winning: %s\n", level, word; next }
        inside && /^399 =/ && y == 0 { printf "399 = 0      # chance of winning about x in y: none (%s)\n", note; next }
        inside && /^400 =/ && y == 0 { printf "400 = 0      # (400 = 0 shows none)\n"; next }
        inside && /^399 =/ { printf "399 = %-6s # chance of winning about %s ... (%s)\n", x, x, note; next }
        inside && /^400 =/ { printf "400 = %-6s # ... in %s\n", y, y; next }
        { print }' "$games" > "$games.new"
    mv "$games.new" "$games"
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
    read -r level word < <(level "$percent")
    # A fraction with many deals left undecided would say more about the
    # solver than about the game: only the word is written then, as a floor.
    if [ $((unknown * 50)) -gt "$deals" ]; then
        if measured "$id"; then
            echo "game $id: kept its measured figure: $unknown of $deals deals undecided ($answer)" >&2
            continue
        fi
        note="floor: velmora-cli $command: $percent % won, $unknown deals undecided"
        # "Very low" at least says nothing: the word stays as it was.
        [ "$level" = 4 ] && level="" word=""
        echo "game $id: ${word:+at least }${word:-word kept, a floor of very low says nothing}; $note"
        write "$id" 0 0 "$level" "$word, at least" "$note"
        continue
    fi
    read -r x y < <(fraction "$percent" "$low" "$high")
    note="measured: velmora-cli $command: $percent % won (95 % interval $low to $high)"
    echo "game $id: $word, about $x in $y; $note"
    write "$id" "$x" "$y" "$level" "$word" "$note"
done
