# shellcheck shell=bash disable=SC2154  # the work folder and the tables are set by bench/peers.sh
# The table bench/peers.sh prints for a mode ($peers_mode); sourced, not
# run. Each program's runs are lines "<start ms> <RSS kB> <drag CPU ticks>
# <drag CPU ns> <card followed 1|0>" in <work>/<program>.txt.

peers_package_version() {
  dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo "?"
}

peers_machine() {
  local model
  model="$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
  echo "date     $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "machine  $(nproc) CPUs, ${model:-unknown CPU}, Linux $(uname -r)"
  echo "system   Debian $(cat /etc/debian_version 2>/dev/null || echo '?'), Qt $(peers_package_version libqt6core6) (Velmora)," \
    "Qt $(peers_package_version libqt5core5a) (KPatience), GTK $(peers_package_version libgtk-3-0) (Aisleriot)," \
    "Tk $(peers_package_version libtk8.6), Python $(peers_package_version python3) (PySolFC)"
}

# The median of one column of a program's runs.
peers_column() {
  cut -d' ' -f"$2" "$peers_work/$1.txt" | peers_median
}

# peers_report <runs> <load before> <load after> <program>...
peers_report() {
  local runs=$1 load_before=$2 load_after=$3 p
  shift 3
  local tick_ms
  tick_ms="$(awk -v hz="$(getconf CLK_TCK)" 'BEGIN { print 1000 / hz }')"
  local title="with each program's defaults"
  [ "$peers_mode" = off ] && title="with animations off where a program can switch them off"
  echo
  echo "Klondike in each program $title, median of $runs runs (after a warm-up start each)"
  peers_machine
  echo "load     load averages (1, 5, 15 min) $load_before before the runs, $load_after after"
  echo
  {
    echo "program version start_ms RSS_MB CPU_ms/move (ticks) start/V RSS/V CPU/V start/floor RSS/floor"
    for p in "$@"; do
      echo "${peer_label[$p]} $(peer_version "$p" | tr ' ' '_')" \
        "$(peers_column "$p" 1) $(peers_column "$p" 2) $(peers_column "$p" 4) $(peers_column "$p" 3)"
    done
  } | awk -v tick="$tick_ms" -v steps="$peers_drag_steps" '
    NR == 1 {
      printf "%-10s %-16s %8s %7s %11s %7s %7s %6s %6s %11s %9s\n", $1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11
      next
    }
    {
      name[NR] = $1; version[NR] = $2; ms[NR] = $3; mb[NR] = $4 / 1024
      cpu[NR] = $5 / 1e6 / steps; ticks[NR] = $6 * tick / steps
      if ($1 == "Velmora") v = NR
      if ($1 == "bare_Qt") floor = NR
    }
    function ratio(a, b) { return (b > 0) ? sprintf("%.2f", a / b) : "-" }
    END {
      for (i = 2; i <= NR; i++) {
        played = (i != floor)
        printf "%-10s %-16s %8.0f %7.1f %11s %7s %7s %6s %6s %11s %9s\n", name[i], version[i], ms[i], mb[i],
          played ? sprintf("%.2f", cpu[i]) : "-", played ? sprintf("%.2f", ticks[i]) : "-",
          ratio(ms[i], ms[v]), ratio(mb[i], mb[v]), played ? ratio(cpu[i], cpu[v]) : "-",
          ratio(ms[i], ms[floor]), ratio(mb[i], mb[floor])
      }
    }'
  echo
  echo "The ratios are program / Velmora and program / the floor (bare_Qt: one Qt window with a"
  echo "label, nothing to drag). CPU ms/move: the scheduler's exact CPU time of the process tree;"
  echo "(ticks): utime + stime of /proc/<pid>/stat, in $tick_ms ms clock ticks."
  for p in "$@"; do
    echo "${peer_label[$p]} runs (start ms, RSS kB, drag CPU ticks, ns, card followed):" \
      "$(tr '\n' ';' <"$peers_work/$p.txt" | sed 's/;$//; s/;/; /g')"
    if grep -q ' 0$' "$peers_work/$p.txt"; then
      echo "  warning: in some runs no card followed the pointer: the drag missed its card"
    fi
  done
}
