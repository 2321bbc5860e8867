#!/usr/bin/env bash
# Where a running program's resident memory lies, from /proc/<pid>/smaps:
# the resident MB of each mapped file (a library's code and data, or a data
# file mapped for reading), of the heap and of the anonymous mappings (large
# pictures and buffers are allocated there, each a mapping of its own),
# largest first; then the total and the share of the large anonymous ones.
#
#   bench/startup/memory_breakdown.sh <pid> [lines]     (default: 25 lines)
set -euo pipefail
pid="${1:?usage: $0 <pid> [lines]}"
lines="${2:-25}"
smaps="$(cat "/proc/$pid/smaps")"
# One "<kB> <name> <anonymous 0|1>" a mapping.
per_mapping() {
  awk '
    $1 ~ /^[0-9a-f]+-[0-9a-f]+$/ {
      name = (NF >= 6) ? $6 : "[anonymous]"
      sub(/^.*\//, "", name)
      next
    }
    $1 == "Rss:" { print $2, name }' <<<"$smaps"
}
per_mapping | awk '{ rss[$2] += $1 } END { for (n in rss) if (rss[n] > 0) printf "%9.2f MB  %s\n", rss[n] / 1024, n }' |
  sort -rn | head -n "$lines"
per_mapping | awk '
  { total += $1; if ($2 == "[anonymous]" && $1 >= 1024) { big += $1; count++ } }
  END {
    printf "%9.2f MB  total resident\n", total / 1024
    printf "%9.2f MB  of it in %d anonymous mappings of 1 MB or more (pictures, buffers)\n", big / 1024, count
  }'
