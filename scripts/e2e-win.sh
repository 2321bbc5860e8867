#!/usr/bin/env bash
# A game won with the real program and the mouse on a virtual display, and
# the win found where a player looks for it:
#   1. a first start: in the game selection that opens by itself, "Open a
#      saved game..." opens a Freecell deal one move from its end (the
#      headless driver played it there and saved it);
#   2. the last card is dragged to its foundation with the mouse: the game
#      is won and the "Game won" box says so;
#   3. the win is in the player's results file and the hi-score lines, and
#      Game statistics (F4), the log of games and the hi-scores (F9) open
#      over it;
#   4. the next start deals without the game selection, and the program
#      ends well.
#
#   scripts/e2e-win.sh [program folder]   (default: build/bin)
#
# The folder holds velmora, velmora-cli, GAMES.DAT and QOR.RGF. Needs
# xvfb-run, xdotool and ImageMagick; without them it says so and ends with
# 77 (skipped). On a failure the folder with the screenshots is kept and
# named; with VELMORA_E2E_KEEP=1 it is kept anyway.
set -euo pipefail

bin="$(cd "${1:-build/bin}" && pwd)"
moves="$(cd "$(dirname "$0")/../tests/ui/main/data" && pwd)/freecell-3-won.moves"
readonly screen_width=1280 screen_height=800
readonly menu_height=19 card_width=71 card_height=96 lift=7

# shellcheck source=scripts/e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_on_display e2e-win "$0" "$bin" "${2:-}" velmora velmora-cli GAMES.DAT QOR.RGF

e2e_workspace win

saved="$work/one-move-left.vsg"
driver_setup() { printf '%s\n' "autoplay off" "load $saved"; }

start_program() {
  "$folder/velmora" >>"$folder/output.txt" 2>&1 &
  pid=$!
}

# Opens a window from the main window with keys $2..., checks that its
# caption starts with $1, keeps a picture of it as $work/3-<caption>.png
# and closes it with Escape.
look_at() {
  local caption=$1 wid
  shift
  xdotool windowfocus "$main" key "$@"
  wid="$(wait_for_window "^$caption")" || fail 3 "\"$caption\" did not open"
  settled_shot "$work/screen.png" "$(window_part "$wid")"
  cp "$work/part.png" "$work/3-$caption.png"
  xdotool windowfocus "$wid" key Escape
  wait_for_no_window "^$caption" || fail 3 "\"$caption\" did not close on Escape"
}

# The deal played to one move from its end, saved as a player saves it.
mkdir -p "$folder/DATA"
{ printf '%s\n' "size B" "new 1 3" "autoplay off"; head -n -1 "$moves"; echo "save $saved"; } |
  "$bin/velmora-cli" --data "$work/driver-data" >"$work/driver-setup.txt" 2>&1
grep -qx saved "$work/driver-setup.txt" || fail 0 "the driver did not save the game"
read -r _ last_code last_pile < <(tail -1 "$moves")

cp "$bin/velmora" "$bin/GAMES.DAT" "$bin/QOR.RGF" "$folder/"
printf '[Preference]\nAutoPlay=N\nDeal_Animation=N\nSounds_Enabled=N\nTips_StartUp=N\n' >"$folder/DATA/CFG.DAT"
start_program

# 1. The saved game opened from the game selection of the first start.
main="$(wait_for_window '^Velmora \[')" || fail 1 "no main window"
selection="$(wait_for_window '^Open a game$')" || fail 1 "the game selection did not open at the first start"
xdotool windowfocus "$selection" key alt+v
chooser="$(wait_for_window '^Open a saved game$')" || fail 1 "Alt+V did not ask for the saved game"
sleep 0.3
xdotool windowfocus "$chooser" type --delay 20 "$saved"
xdotool key Return
wait_for_no_window '^Open a saved game$' || fail 1 "the file chooser did not close"
wait_for_no_window '^Open a game$' || fail 1 "the game selection did not close"
wait_for_freecell_deal_3 "$main" || fail 1 "the caption \"$(xdotool getwindowname "$main")\" does not show Freecell deal 3"
echo "ok 1: the saved Freecell deal 3 is on the table"

# 2. The last card to its foundation.
plan_move "$main" "$last_code" "$(ask "$main" moves | awk -v c="$last_code" '$1 == c { print $2; exit }')" "$last_pile" ||
  fail 2 "the driver does not see card $last_code going to $last_pile"
drag_with_mouse "$main"
# The box follows the winning animation.
won=""
for _ in $(seq 1 12); do
  won="$(wait_for_window '^Game won$')" && break
done
[ -n "$won" ] || fail 2 "no \"Game won\" box after the $action"
settled_shot "$work/screen.png" "$(window_part "$won")"
cp "$work/part.png" "$work/2-game-won.png"
xdotool windowfocus "$won" key Escape
wait_for_no_window '^Game won$' || fail 2 "the \"Game won\" box did not close on Escape"
echo "ok 2: dragged the $action, the game is won"

# 3. The win kept, and shown.
grep -q '^ended 1 0*3 won ' "$folder/DATA/Stat_e00.dat" || fail 3 "DATA/Stat_e00.dat does not hold the win"
[ -s "$folder/DATA/STAT_SCR.DAT" ] || fail 3 "DATA/STAT_SCR.DAT was not written"
look_at "Game statistics" F4
look_at "Log of games" alt+s l
look_at "Hi-scores" F9
echo "ok 3: the win is kept; Game statistics, the log and the hi-scores opened"

# 4. The next start goes straight to a deal.
exit_from_menu "$main"
[ "$exit_code" = 0 ] || fail 4 "the program did not end well from its menu (${exit_code:-still running})"
start_program
main="$(wait_for_window '^Velmora \[')" || fail 4 "no main window at the second start"
if wait_for_window '^Open a game$' >/dev/null; then fail 4 "the game selection opened at the second start"; fi
exit_from_menu "$main"
[ "$exit_code" = 0 ] || fail 4 "the program did not end well at the second start (${exit_code:-still running})"
echo "ok 4: the second start dealt without the game selection and ended well"
