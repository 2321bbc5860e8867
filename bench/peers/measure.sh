# shellcheck shell=bash
# shellcheck disable=SC2016  # the awk programs are in single quotes on purpose
# What bench/peers.sh measures on a running program, from outside it; sourced,
# not run. A program counts with every process below it (a launcher, an
# interpreter and their children).

# The program's process and all its descendants, one pid a line.
peers_tree() {
  # The command name in parentheses may hold spaces: fields count after the
  # last ')'; the parent's pid is the second of them.
  cat /proc/[0-9]*/stat 2>/dev/null | awk -v root="$1" '
    { pid = $1; sub(/^.*\) /, ""); split($0, f, " "); parent[pid] = f[2] }
    END {
      keep[root] = 1; grew = 1
      while (grew) { grew = 0; for (p in parent) if (!(p in keep) && (parent[p] in keep)) { keep[p] = 1; grew = 1 } }
      for (p in keep) if (p in parent) print p
    }'
}

# A /proc file of every process of the tree ("status", "stat", or a glob
# such as "task/*/schedstat"), one path a line.
peers_tree_files() {
  local pid
  for pid in $(peers_tree "$1"); do
    # shellcheck disable=SC2086  # the glob is meant to expand
    printf '%s\n' /proc/$pid/$2
  done
}

# The files of the tree read through one awk program that prints the total.
peers_tree_total() {
  local files
  mapfile -t files < <(peers_tree_files "$1" "$2")
  cat "${files[@]}" 2>/dev/null | awk "$3"
}

# Resident memory of the tree, in kB (VmRSS summed).
peers_tree_rss_kb() {
  peers_tree_total "$1" status '/^VmRSS:/ { total += $2 } END { print total + 0 }'
}

# CPU time of the tree in clock ticks: utime + stime of every process, with
# the time of its children that have ended (cutime + cstime). The command
# name in parentheses may hold spaces: fields count after the last ')'.
peers_tree_cpu_ticks() {
  peers_tree_total "$1" stat '{ sub(/^.*\) /, ""); split($0, f, " "); total += f[12] + f[13] + f[14] + f[15] }
    END { print total + 0 }'
}

# The same in nanoseconds, from the scheduler's count of each thread's time
# on a CPU (/proc/<pid>/task/<tid>/schedstat), of which utime + stime is the
# share rounded to clock ticks (10 ms): a drag of a few tens of ms needs it.
peers_tree_cpu_ns() {
  peers_tree_total "$1" 'task/*/schedstat' '{ total += $1 } END { printf "%.0f\n", total }'
}

# The pointer path of the drag, the same for every program: from the press
# point, steps of (dx, dy) pixels with a pause between them, given as one
# xdotool command (absolute positions, so no step is lost or accelerated,
# and the pace does not depend on starting a process per step).
readonly peers_drag_steps=100 peers_drag_dx=-4 peers_drag_dy=1 peers_drag_pause=0.02

peers_drag_moves() {
  local i
  for ((i = 1; i <= peers_drag_steps; i++)); do
    printf '%s\n' mousemove $(($1 + i * peers_drag_dx)) $(($2 + i * peers_drag_dy)) sleep "$peers_drag_pause"
  done
}

# A square of the screen around a point, as a PNG.
peers_patch() {
  import -window root -crop "60x60+$(($1 - 30))+$(($2 - 30))" +repage "$3"
}

# Drags from the screen point x y along the path and prints the CPU time the
# program's tree spent from the press until the pointer stopped and the
# program had caught up (300 ms), in clock ticks and in nanoseconds; then "1"
# when the picture at the path's end changed (a card followed the pointer),
# else "0".
peers_drag() {
  local pid=$1 x=$2 y=$3 work=$4 ex ey before after moved=0 moves
  ex=$((x + peers_drag_steps * peers_drag_dx)) ey=$((y + peers_drag_steps * peers_drag_dy))
  xdotool mousemove --sync "$x" "$y" sleep 0.2
  peers_patch "$ex" "$ey" "$work/before.png"
  xdotool mousedown 1 sleep 0.3
  before="$(peers_tree_cpu_ticks "$pid") $(peers_tree_cpu_ns "$pid")"
  mapfile -t moves < <(peers_drag_moves "$x" "$y")
  xdotool "${moves[@]}" sleep 0.3
  after="$(peers_tree_cpu_ticks "$pid") $(peers_tree_cpu_ns "$pid")"
  peers_patch "$ex" "$ey" "$work/after.png"
  xdotool mouseup 1
  if [ "$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)" != 0 ]; then
    moved=1
  fi
  echo "$((${after% *} - ${before% *})) $((${after#* } - ${before#* })) $moved"
}

# Ends the program's process group: politely, then for good.
peers_stop() {
  local pid=$1 i
  kill -TERM -- "-$pid" 2>/dev/null || return 0
  for ((i = 0; i < 20; i++)); do
    kill -0 -- "-$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL -- "-$pid" 2>/dev/null || true
  while kill -0 -- "-$pid" 2>/dev/null; do sleep 0.05; done
}

peers_median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
