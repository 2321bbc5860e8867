#!/usr/bin/env bash
# The real program on a high-resolution screen: a virtual display of
# 2560 x 1600 with Qt's scale factor 2 (device pixel ratio 2). The table
# must be drawn at the device resolution, not enlarged from table pixels:
# in an enlargement every 2 x 2 block of device pixels is one colour, so the
# screenshot of the table would equal itself halved and doubled again.
#
#   scripts/e2e-hidpi.sh [program folder]   (default: build/bin)
#
# Needs xvfb-run, xdotool and ImageMagick; without them the script says so
# and ends with 77 (skipped).
set -euo pipefail

bin="$(cd "${1:-build/bin}" && pwd)"
readonly screen_width=2560 screen_height=1600
# Below the menu bar and toolbar (in device pixels, an even row so the
# blocks of an enlargement would line up with the crop).
readonly table_top=200

# shellcheck source=scripts/e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_on_display e2e-hidpi "$0" "$bin" "${2:-}" velmora GAMES.DAT QOR.RGF

work="$(mktemp -d)"
pid=""
cleanup() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL $*"
  exit 1
}

program="$work/program"
mkdir -p "$program/DATA"
cp "$bin/velmora" "$bin/GAMES.DAT" "$bin/QOR.RGF" "$program/"
printf '[Preference]\r\nGame=0001\r\nDeal_Animation=N\r\nTips_StartUp=N\r\n' >"$program/DATA/CFG.DAT"
: >"$program/DATA/Stat_e00.dat"  # played before: no game selection at start

QT_SCALE_FACTOR=2 "$program/velmora" >"$work/program.log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do
  xdotool search --name '^Velmora \[' >/dev/null 2>&1 && break
  running "$pid" || fail "the program ended at start: $(cat "$work/program.log")"
  sleep 0.1
done

# The table once it has stopped changing.
shoot() {
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "${screen_width}x$((screen_height - table_top))+0+$table_top" +repage "$1"
}
shoot "$work/table.png"
for _ in $(seq 1 20); do
  sleep 0.25
  shoot "$work/again.png"
  differs "$work/table.png" "$work/again.png" || break
  cp "$work/again.png" "$work/table.png"
done

# Cards are on the table: plenty of white.
white="$(convert "$work/table.png" -fill black +opaque white -format '%[fx:int(mean * w * h)]' info:)"
# (a large count may come written with an exponent)
awk -v w="$white" 'BEGIN { exit !(w + 0 > 100000) }' || fail "no cards on the table ($white white pixels)"
# Detail finer than a table pixel: indices, pips and edges drawn sharp.
convert "$work/table.png" -sample 50% -sample 200% "$work/blocks.png"
finer="$(compare -metric AE "$work/table.png" "$work/blocks.png" null: 2>&1 || true)"
finer="${finer%%.*}"
[ "${finer:-0}" -gt 5000 ] || fail "the table is an enlargement of table pixels ($finer finer pixels)"
running "$pid" || fail "the program ended"
echo "e2e-hidpi: the table is drawn at twice the resolution ($finer pixels finer than a table pixel)"
