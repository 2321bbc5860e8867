#!/usr/bin/env bash
# A contact sheet of the nine games: each game's first deal drawn by the
# headless driver at 1280 x 800, labelled with its name, three by three.
#   scripts/contact-sheet.sh [build dir] [output]   (default: build, build/tables.png)
set -euo pipefail

build="${1:-build}"
out="${2:-$build/tables.png}"
cli="$build/bin/velmora-cli"

if [ ! -x "$cli" ]; then
  echo "no driver at $cli: build the velmora-cli target first" >&2
  exit 1
fi
if ! command -v montage >/dev/null; then
  echo "montage (ImageMagick) is missing: run scripts/install-deps.sh" >&2
  exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The catalogue as the driver lists it: "<id> <name>" lines, then "ok".
mapfile -t games < <(printf 'games\n' | "$cli" | grep -E '^[0-9]+ ')
if [ "${#games[@]}" -eq 0 ]; then
  echo "the driver lists no games (is GAMES.DAT beside it?)" >&2
  exit 1
fi

commands="$work/commands"
: >"$commands"
for game in "${games[@]}"; do
  id="${game%% *}"
  printf 'window 1280 800 1280 800\nnew %s 1\nshot %s/%s.png\n' "$id" "$work" "$id" >>"$commands"
done
if ! "$cli" <"$commands" >"$work/answers" 2>&1 || grep -q '^error' "$work/answers"; then
  grep '^error' "$work/answers" >&2 || true
  echo "the driver could not draw every game" >&2
  exit 1
fi

tiles=()
for game in "${games[@]}"; do
  tiles+=(-label "${game#* } (${game%% *})" "$work/${game%% *}.png")
done
# ImageMagick's own default font may be missing; DejaVu always is.
font="$(fc-match -f '%{file}' 'DejaVu Sans' 2>/dev/null || true)"
mkdir -p "$(dirname "$out")"
montage ${font:+-font "$font"} "${tiles[@]}" -tile 3x -geometry 640x400+6+6 -pointsize 18 \
  -background '#202020' -fill white "$out"
echo "$out"
