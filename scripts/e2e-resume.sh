#!/usr/bin/env bash
# The game left unfinished is played on at the next start, checked with the
# real program and the mouse on a virtual display:
#   1. a first start (no kept game, no statistics): the game selection that
#      opens over the dealt table is cancelled;
#   2. one card is dragged with the mouse to where the headless driver says
#      it may go;
#   3. the program is closed from its menu: DATA/RESUME.DAT keeps the game;
#   4. the next start shows the same deal number and the same table, without
#      the game selection over it;
#   5. Ctrl+Z takes the move back (the table of step 1), Ctrl+Y makes it
#      again, and the program ends well.
#
#   scripts/e2e-resume.sh [program folder]   (default: build/bin)
#
# The folder holds velmora, velmora-cli, GAMES.DAT and QOR.RGF. Points are
# reckoned from the main window's geometry, so the script runs with or
# without a window manager. Needs xvfb-run, xdotool and ImageMagick; without
# them it says so and ends with 77 (skipped). On a failure the folder with
# the screenshots is kept and named; with VELMORA_E2E_KEEP=1 it is kept anyway.
set -euo pipefail

bin="$(cd "${1:-build/bin}" && pwd)"
readonly screen_width=1280 screen_height=800
# The table widget starts below the menu bar; the screenshots compared start
# below the toolbar row, whose clock changes every second.
readonly menu_height=19 table_top=50
# "B" cards; with shadows on, a picked card rises by the shadow offset less 2.
readonly card_width=71 card_height=96 lift=7

# shellcheck source=scripts/e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_on_display e2e-resume "$0" "$bin" "${2:-}" velmora velmora-cli GAMES.DAT QOR.RGF

e2e_workspace resume

# --- The main window ----------------------------------------------------------

deal_in_caption() {
  xdotool getwindowname "$1" | sed -n 's/.*  \[0*\([0-9][0-9]*\)\]$/\1/p'
}

# The table below the toolbar row once it stops changing, into $2.
table_shot() {
  local wid=$1 shot=$2 X Y WIDTH HEIGHT
  geometry "$wid"
  settled_shot "$work/screen.png" "${WIDTH}x$((HEIGHT - table_top))+$X+$((Y + table_top))"
  cp "$work/part.png" "$shot"
}

start_program() {
  "$folder/velmora" >>"$folder/output.txt" 2>&1 &
  pid=$!
}

# --- The move, planned by the headless driver on the same deal ---------------

# The driver sets up the program's deal before each question (e2e-lib.sh).
driver_setup() { printf '%s\n' "autoplay off" "new 1 $deal"; }

# --- The check --------------------------------------------------------------

# A fresh DATA folder: no kept game and no statistics file, so the game
# selection opens by itself. Automatic play is off, so that the drag is the
# game's one step and Ctrl+Z takes exactly it back; the deal is drawn at
# once, since under a window manager the selection can open during the
# deal's animation, which holds back the clicks on it.
mkdir -p "$folder/DATA"
cp "$bin/velmora" "$bin/GAMES.DAT" "$bin/QOR.RGF" "$folder/"
if [ -e "$bin/tabloria.hlp" ]; then cp "$bin/tabloria.hlp" "$folder/"; fi
printf '[Preference]\nAutoPlay=N\nDeal_Animation=N\nSounds_Enabled=N\nTips_StartUp=N\n' >"$folder/DATA/CFG.DAT"
start_program

# 1. The dealt game under the game selection, which is cancelled.
main="$(wait_for_window '^Velmora \[Freecell\]  \[')" || fail 1 "no main window with Freecell dealt"
deal="$(deal_in_caption "$main")"
[ -n "$deal" ] || fail 1 "no deal number in the caption \"$(xdotool getwindowname "$main")\""
if selection="$(wait_for_window '^Open a game$')"; then
  geometry "$selection"
  click_in "$selection" $((WIDTH - 46)) $((HEIGHT - 22))  # Cancel
  wait_for_no_window '^Open a game$' || fail 1 "the game selection did not close on Cancel"
fi
[ "$(deal_in_caption "$main")" = "$deal" ] || fail 1 "the deal changed from $deal when the selection closed"
table_shot "$main" "$work/1-dealt.png"
echo "ok 1: Freecell deal $deal dealt, the game selection cancelled"

# 2. One drag with the mouse.
plan_drag "$main" || fail 2 "the driver offers no move of a top card in deal $deal"
drag_with_mouse "$main"
table_shot "$main" "$work/2-moved.png"
differs "$work/1-dealt.png" "$work/2-moved.png" || fail 2 "the table did not change after the drag of the $action"
echo "ok 2: dragged the $action"

# 3. Closed from the menu, with the game kept.
exit_from_menu "$main"
[ "$exit_code" = 0 ] || fail 3 "the program did not end well from its menu (${exit_code:-still running})"
[ -s "$folder/DATA/RESUME.DAT" ] || fail 3 "DATA/RESUME.DAT does not keep the game"
echo "ok 3: closed, DATA/RESUME.DAT keeps the game ($(wc -c <"$folder/DATA/RESUME.DAT") bytes)"

# 4. The next start: the same deal and the same table, no game selection.
start_program
main="$(wait_for_window '^Velmora \[Freecell\]  \[')" || fail 4 "no main window with Freecell on the table"
shown="$(deal_in_caption "$main")"
[ "$shown" = "$deal" ] || fail 4 "the caption shows deal $shown, not $deal"
table_shot "$main" "$work/4-resumed.png"
if wait_for_window '^Open a game$' >/dev/null; then fail 4 "the game selection opened over the kept game"; fi
differs "$work/2-moved.png" "$work/4-resumed.png" && fail 4 "the table is not the one left at the close"
echo "ok 4: deal $deal played on, the same table, no game selection"

# 5. Ctrl+Z takes the move back, Ctrl+Y makes it again.
xdotool windowfocus "$main" key ctrl+z
table_shot "$main" "$work/5-undone.png"
differs "$work/1-dealt.png" "$work/5-undone.png" && fail 5 "Ctrl+Z did not bring back the table before the drag"
xdotool windowfocus "$main" key ctrl+y
table_shot "$main" "$work/5-redone.png"
differs "$work/2-moved.png" "$work/5-redone.png" && fail 5 "Ctrl+Y did not make the move again"
running "$pid" || fail 5 "the program ended by itself"
exit_from_menu "$main"
[ "$exit_code" = 0 ] || fail 5 "the program did not end well from its menu (${exit_code:-still running})"
echo "ok 5: Ctrl+Z undid the drag, Ctrl+Y redid it, the program exited with 0"
