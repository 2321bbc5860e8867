#!/usr/bin/env bash
# Runs each libFuzzer harness of the fuzz build for a while:
#   scripts/fuzz.sh <build folder> <seconds per harness> <harness>...
# Each starts from a scratch corpus in the build folder, seeded from
# fuzz/corpus/<harness>/ (the files directly in it; the inputs under
# regressions/ are replayed by "make test"), so what the fuzzer generates
# never floods the repository and carries over to the next run. Inputs that
# crash or hang land in <build folder>/artifacts/.
set -uo pipefail

build=$1
seconds=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$build/artifacts"

failed=()
for name in "$@"; do
  program="$build/fuzz/fuzz_$name"
  if [ ! -x "$program" ]; then
    echo "no harness $program" >&2
    failed+=("$name")
    continue
  fi
  work="$build/corpus/$name"
  mkdir -p "$work"
  find "$root/fuzz/corpus/$name" -maxdepth 1 -type f -exec cp -f {} "$work/" \;
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$build/artifacts/$name-")
  if [ -f "$root/fuzz/$name.dict" ]; then
    options+=(-dict="$root/fuzz/$name.dict")
  fi
  if [ -f "$root/fuzz/$name.options" ]; then
    while read -r option; do
      case "$option" in ''|'#'*) ;; *) options+=("$option") ;; esac
    done < "$root/fuzz/$name.options"
  fi
  echo "== fuzz_$name for ${seconds}s"
  if ! "$program" "${options[@]}" "$work"; then
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $build/artifacts/)" >&2
  exit 1
fi
