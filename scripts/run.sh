#!/usr/bin/env bash
# Starts the program from the build tree's program folder; in a build
# without the window, the headless driver, or says what was built.
set -euo pipefail
bin="${1:-build}/bin"
if [ -x "$bin/velmora" ]; then
  exec "$bin/velmora"
elif [ -x "$bin/velmora-cli" ]; then
  echo "Velmora (headless driver): type commands, 'quit' to leave."
  exec "$bin/velmora-cli"
else
  echo "Built so far (the window is not there yet):"
  ls -1 "$bin" 2>/dev/null || true
fi
