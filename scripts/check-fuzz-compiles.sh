#!/usr/bin/env bash
# A compile-only check of the libFuzzer build, so "make fuzz" cannot rot
# unseen: clang++-14 with the fuzz preset's flags parses (-fsyntax-only)
# every source file the fuzz harnesses are built from, harnesses included.
# No object is made and nothing is linked, which keeps it cheap.
#   scripts/check-fuzz-compiles.sh <source folder> <scratch build folder>
# Exits 77 (a skipped test) when clang++-14 is not installed.
set -euo pipefail

source_dir=$1
build=$2
if ! command -v clang++-14 >/dev/null; then
  echo "clang++-14 is not installed: nothing to check"
  exit 77
fi

# Configuring is quick; the folder is kept, so a later run configures nothing new.
cmake -S "$source_dir" -B "$build" --preset fuzz -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null

# The sources the fuzzers are built from: ninja's inputs of the fuzz target
# that are our own C++ files. Code generated at build time (Qt's moc) is
# left out; it is never what clang and g++ disagree about.
mapfile -t wanted < <(ninja -C "$build" -t inputs velmora_fuzzers |
  grep -E '\.cpp$' | grep -v -e '_autogen/' -e '^/usr/' | sort -u)
if [ ${#wanted[@]} -eq 0 ]; then
  echo "no sources found for velmora_fuzzers" >&2
  exit 1
fi

# One compile command per source, as the fuzz build would run it, made
# syntax-only.
python3 - "$build" "${wanted[@]}" <<'PY' | xargs -0 -n 1 -P "$(nproc)" bash -c
import json, os, shlex, sys
build = sys.argv[1]
wanted = {os.path.normpath(os.path.join(build, p)) for p in sys.argv[2:]}
for entry in json.load(open(os.path.join(build, "compile_commands.json"))):
    source = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if source not in wanted:
        continue
    words = shlex.split(entry["command"])
    # No object and no dependency file: only the diagnostics count.
    kept, skip = [], 0
    for word in words:
        if skip:
            skip -= 1
        elif word in ("-o", "-MT", "-MF"):
            skip = 1
        elif word not in ("-MD", "ccache"):
            kept.append(word)
    words = kept
    words += ["-fsyntax-only"]
    sys.stdout.write("cd %s && %s\0" % (shlex.quote(entry["directory"]), shlex.join(words)))
PY
echo "fuzz build sources: ${#wanted[@]} parse cleanly with clang++-14"
