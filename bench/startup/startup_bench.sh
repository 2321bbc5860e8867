#!/usr/bin/env bash
# Start-up of velmora against a bare Qt window (the floor), under one Xvfb:
# the milliseconds from the launch to the first painted dealt table (the
# bare window: its first paint), read off the wall clock, and the resident
# memory (VmRSS) at that moment, median of RUNS runs each, runs of the two
# programs interleaved.
#
#   bench/startup/startup_bench.sh [build-dir] [runs]     (defaults: build 9)
#
# velmora runs from a throw-away copy of its program folder, so the build's
# own settings stay untouched; the deal animation is off there (ANIMATE=Y
# keeps it on), so the figure is start-up work, not the animation's pauses.
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
runs="${2:-9}"
bare="$build/bench/startup_bare_window"
for f in "$build/bin/velmora" "$bare"; do
  [ -x "$f" ] || { echo "missing $f: cmake --build $build --target velmora startup_bare_window" >&2; exit 1; }
done

if [ -z "${STARTUP_BENCH_INNER:-}" ]; then
  export STARTUP_BENCH_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$0" "$build" "$runs"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
program="$work/velmora"
mkdir -p "$program/DATA"
for f in "$build/bin/"*; do [ -f "$f" ] && cp "$f" "$program/"; done
printf '[Preference]\nDeal_Animation=%s\nTips_StartUp=N\n' "$([ "${ANIMATE:-N}" = Y ] && echo Y || echo N)" \
  > "$program/DATA/CFG.DAT"
# Used before: the game selection does not open over the first table (nor
# the tip of the day).
: > "$program/DATA/Stat_e00.dat"
export VELMORA_STARTUP_PROBE="$work/probe"

# One run: prints "<ms> <VmRSS kB>". The probe's second field is the wall
# clock at the first paint, in nanoseconds. The program is ended at its
# first paint, or that many seconds later when a second argument is given.
measure() {
  rm -f "$VELMORA_STARTUP_PROBE"
  local launched
  launched=$(date +%s%N)
  "$1" >/dev/null 2>&1 &
  local pid=$! waited=0
  until [ -s "$VELMORA_STARTUP_PROBE" ]; do
    sleep 0.01
    waited=$((waited + 1))
    if [ "$waited" -gt 3000 ] || ! kill -0 "$pid" 2>/dev/null; then
      echo "no first paint from $1" >&2; kill "$pid" 2>/dev/null || true; exit 1
    fi
  done
  local rss
  rss="$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")"
  sleep "${2:-0}"
  kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true
  local painted
  painted=$(head -n 1 "$VELMORA_STARTUP_PROBE" | cut -d' ' -f2)
  echo "$(( (painted - launched) / 1000 )) $rss" | awk '{printf "%.1f %d\n", $1 / 1000, $2}'
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# A first run of each warms the file cache and settles the settings file.
# Velmora's lasts a few seconds, as a player's session does, so what a
# session keeps for the next start (the card size and pictures of its
# table) is in place as it is after any real session.
measure "$program/velmora" 3 >/dev/null
measure "$bare" >/dev/null
: > "$work/velmora.txt"; : > "$work/bare.txt"
for ((i = 0; i < runs; i++)); do
  measure "$program/velmora" >> "$work/velmora.txt"
  measure "$bare" >> "$work/bare.txt"
done

v_ms=$(cut -d' ' -f1 "$work/velmora.txt" | median); v_kb=$(cut -d' ' -f2 "$work/velmora.txt" | median)
b_ms=$(cut -d' ' -f1 "$work/bare.txt" | median); b_kb=$(cut -d' ' -f2 "$work/bare.txt" | median)
echo "velmora ms: $(cut -d' ' -f1 "$work/velmora.txt" | tr '\n' ' ')"
echo "bare ms:    $(cut -d' ' -f1 "$work/bare.txt" | tr '\n' ' ')"
awk -v runs="$runs" -v vm="$v_ms" -v vk="$v_kb" -v bm="$b_ms" -v bk="$b_kb" 'BEGIN {
  printf "%d runs each (deal animation %s); from the launch, wall clock\n", runs, "'"${ANIMATE:-N}"'"
  printf "%-14s %14s %16s\n", "program", "first paint ms", "VmRSS MB"
  printf "%-14s %14.1f %16.1f\n", "velmora", vm, vk / 1024
  printf "%-14s %14.1f %16.1f\n", "bare window", bm, bk / 1024
  printf "%-14s %14.2f %16.2f\n", "ratio", (bm > 0 ? vm / bm : 0), (bk > 0 ? vk / bk : 0)
}'
