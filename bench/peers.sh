#!/usr/bin/env bash
# Velmora beside the solitaire programs Linux users already have (KPatience,
# Aisleriot, PySolFC) and a bare Qt window (the floor), measured in one run
# on one virtual display (1280x800x24, no window manager, never reset
# between programs, so no program pays for loading the server's libraries
# again), each playing Klondike, twice: with the programs' defaults, and
# with their animations off where they can be switched off:
#
#   start ms   from exec to the first painted game window, the same way for
#              every program, from outside it (bench/peers/paintwatch.cpp):
#              the screen is read every 10 ms and the time is when the table
#              first showed the picture that then stayed for 500 ms, so a
#              deal animation counts;
#   RSS MB     the resident memory (VmRSS) of the program and its child
#              processes once settled: when the table has shown the same
#              picture for 1.5 s (after any deal and automatic moves);
#   CPU/move   the CPU time of the process tree spent while a card is dragged
#              along the same pointer path for every program, 100 steps of
#              (-4, +1) pixels 20 ms apart, per step: the scheduler's exact
#              count and utime + stime of /proc/<pid>/stat (10 ms ticks).
#
# Each figure is the median of RUNS runs (5 by default), the programs taking
# turns run by run, after one warm-up start of each. Not run by the tests.
#
#   bench/peers.sh [--install] [--runs N] [program folder]   (default: build/bin)
#
# The bare window is the build's bench/startup_bare_window beside the
# program folder. --install first installs what is missing: the peers'
# Debian packages, PySolFC from the next Debian release when it installs
# here (else the run goes on without it), and the benchmark's own tools.
# Without it, the peers that are installed are measured and the missing
# ones named.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=bench/peers/install.sh
source "$here/peers/install.sh"
# shellcheck source=bench/peers/measure.sh
source "$here/peers/measure.sh"
# shellcheck source=bench/peers/programs.sh
source "$here/peers/programs.sh"
# shellcheck source=bench/peers/report.sh
source "$here/peers/report.sh"

install=0 runs=5 folder=build/bin
while [ $# -gt 0 ]; do
  case "$1" in
    --install) install=1 ;;
    --runs) runs="${2:?--runs needs a number}"; shift ;;
    -*) echo "usage: $0 [--install] [--runs N] [program folder]" >&2; exit 2 ;;
    *) folder=$1 ;;
  esac
  shift
done
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "--runs: not a number: $runs" >&2; exit 2; }

if [ -z "${PEERS_BENCH_DISPLAY:-}" ]; then
  if [ "$install" = 1 ]; then
    peers_install_debian
    peers_install_pysolfc || true
  fi
  for tool in xvfb-run xdotool import compare g++ dbus-daemon; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run with --install" >&2; exit 1; }
  done
  for f in velmora GAMES.DAT QOR.RGF; do
    [ -e "$folder/$f" ] || { echo "$folder/$f is missing: build the program first" >&2; exit 1; }
  done
  export PEERS_BENCH_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1280x800x24 -br -nolisten tcp -noreset" bash "$0" --runs "$runs" "$folder"
fi

peers_program="$(cd "$folder" && pwd)"
peers_work="$(mktemp -d)"
bus_pid=""
cleanup() {
  if [ -n "$bus_pid" ]; then
    kill "$bus_pid" 2>/dev/null || true
    peers_end_bus_services
  fi
  rm -rf "$peers_work"
}
trap cleanup EXIT

watch="$peers_work/paintwatch"
g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -o "$watch" "$here/peers/paintwatch.cpp" -lX11

# One session bus for all, as a desktop has; no accessibility bus, which no
# program here would find on a plain desktop session either.
export NO_AT_BRIDGE=1
read -r DBUS_SESSION_BUS_ADDRESS bus_pid < <(HOME="$peers_work" dbus-daemon --session --fork \
  --print-address=1 --print-pid=1 | paste -s -d ' ')
export DBUS_SESSION_BUS_ADDRESS

# Services the bus started for the programs (a settings daemon) are ended
# with it: they are found by the bus address they were given.
peers_end_bus_services() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid="${environ#/proc/}" pid="${pid%/environ}"
    if { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF "DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS"; then
      kill "$pid" 2>/dev/null || true
    fi
  done
}

programs=()
for p in "${peers_all[@]}"; do
  if peer_present "$p"; then
    programs+=("$p")
  else
    echo "${peer_label[$p]} is not installed: left out (--install installs it)"
  fi
done

# One start of a program: "<start ms> <RSS kB> <drag CPU ticks> <drag CPU
# ns> <card moved>"; the floor has no card to drag ("0 0 1").
measure_once() {
  local p=$1 shot=$2 out pid ms x y w h gx gy rss cpu env cmd
  mapfile -t env < <(peer_environment "$p")
  mapfile -t cmd < <(peer_command "$p")
  out="$(env "${env[@]}" "$watch" --shot "$shot" --log "$peers_work/$p.log" -- "${cmd[@]}")" || return 1
  read -r pid ms x y w h <<<"$out"
  [ "${w}x$h" = "${peer_window[$p]}" ] ||
    echo "${peer_label[$p]}: window ${w}x$h, not ${peer_window[$p]}: the drag may miss its card" >&2
  # Cards a program moves by itself after the deal (aces sent home) fly
  # before the memory is read and the drag starts.
  "$watch" --settle 1500 --timeout 20000 >/dev/null || true
  rss="$(peers_tree_rss_kb "$pid")"
  cpu="0 0 1"
  if peer_plays "$p"; then
    read -r gx gy <<<"${peer_grip[$p]}"
    cpu="$(peers_drag "$pid" $((x + gx)) $((y + gy)) "$peers_work")"
    [ "${cpu##* }" = 1 ] || cp "$peers_work/after.png" "$peers_work/$p-missed.png"
  fi
  peers_stop "$pid"
  echo "$ms $rss $cpu"
}

# All runs of one mode; each program's lines in <work>/<program>.txt.
measure_mode() {
  local p run
  for p in "${programs[@]}"; do
    peer_prepare "$p"
    measure_once "$p" "$peers_work/$p-warm.ppm" >/dev/null || echo "${peer_label[$p]}: warm-up start failed" >&2
    : >"$peers_work/$p.txt"
  done
  for ((run = 1; run <= runs; run++)); do
    for p in "${programs[@]}"; do
      if ! measure_once "$p" "$peers_work/$p.ppm" >>"$peers_work/$p.txt"; then
        echo "${peer_label[$p]}: run $run failed (see its log)" >&2
        tail -n 3 "$peers_work/$p.log" >&2 || true
      fi
    done
  done
}

# PEERS_RESULTS names a folder that keeps each program's runs, its last
# painted table and, where a drag missed its card, the end of that drag,
# one subfolder a mode.
keep_results() {
  local results="${PEERS_RESULTS:-}" p f
  [ -n "$results" ] || return 0
  mkdir -p "$results/$peers_mode"
  for p in "${programs[@]}"; do
    cp "$peers_work/$p.txt" "$results/$peers_mode/"
    for f in "$peers_work/$p.ppm" "$peers_work/$p-missed.png"; do
      if [ -e "$f" ]; then cp "$f" "$results/$peers_mode/"; fi
    done
  done
}

for peers_mode in defaults off; do
  load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
  measure_mode
  load_after="$(cut -d' ' -f1-3 /proc/loadavg)"
  keep_results
  peers_report "$runs" "$load_before" "$load_after" "${programs[@]}"
done
