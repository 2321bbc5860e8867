#!/usr/bin/env bash
# The solver's help in the real program, with the keyboard, on a virtual
# display under the Openbox window manager:
#   1. a first start: the game selection is cancelled, F3 deals Freecell
#      deal 3 (one the solver wins at once);
#   2. H marks the first move of the winning line on the table, and the
#      marks go again a moment later, the table as it was;
#   3. Ctrl+D opens the demo panel; "Last" (its button, clicked) plays the
#      line to the end: the foundations full, no "Game won" box;
#   4. Ctrl+D again closes the demo: the table is the one before it, and
#      the program ends well from its menu.
#
#   scripts/e2e-solver.sh [program folder]   (default: build/bin)
#
# Screenshots are kept with VELMORA_E2E_KEEP=1 (or on a failure). Needs
# xvfb-run, xdotool and ImageMagick; without them it ends with 77 (skipped).
set -euo pipefail

bin="$(cd "${1:-build/bin}" && pwd)"
readonly screen_width=1280 screen_height=800
# The table below the toolbar row (its clock changes) and above the status
# bar (it says "Thinking..." while the solver works).
readonly table_top=50 status_height=24

# shellcheck source=scripts/e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_on_display e2e-solver "$0" "$bin" "${2:-}" velmora GAMES.DAT QOR.RGF

e2e_workspace solver

start_program() {
  "$folder/velmora" >>"$folder/output.txt" 2>&1 &
  pid=$!
}

table_part() {
  local X Y WIDTH HEIGHT
  geometry "$1"
  echo "${WIDTH}x$((HEIGHT - table_top - status_height))+$X+$((Y + table_top))"
}

# The table once it stops changing, into $2.
table_shot() {
  settled_shot "$work/screen.png" "$(table_part "$1")"
  cp "$work/part.png" "$2"
}

# Looks at the table of window $1 every tenth of a second, up to $4 times,
# until it differs from the picture $2; the look that differs is kept as $3.
table_changes() {
  local tries
  for tries in $(seq 1 "$4"); do
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "$(table_part "$1")" +repage "$3"
    if differs "$2" "$3"; then return 0; fi
    sleep 0.1
  done
  return 1
}

mkdir -p "$folder/DATA"
cp "$bin/velmora" "$bin/GAMES.DAT" "$bin/QOR.RGF" "$folder/"
printf '[Preference]\nAutoPlay=N\nGame=0001\nGame_name=Freecell\nDeal_Animation=N\nSounds_Enabled=N\nTips_StartUp=N\nShow_Winnable=Y\nMainWindowState_Maximized=N\nMainWindowState_Left=0\nMainWindowState_Top=0\nMainWindowState_Width=1100\nMainWindowState_Height=760\n' >"$folder/DATA/CFG.DAT"
start_program

# 1. Freecell deal 3.
main="$(wait_for_window '^Velmora \[')" || fail 1 "no main window"
if selection="$(wait_for_window '^Open a game$')"; then
  xdotool windowfocus "$selection" key Escape
  wait_for_no_window '^Open a game$' || fail 1 "the game selection did not close on Escape"
fi
xdotool windowfocus "$main" key F3
box="$(wait_for_window '^Select a game number$')" || fail 1 "F3 did not ask for a game number"
sleep 0.3
xdotool windowfocus "$box" key ctrl+a type --delay 20 "3"
xdotool key Return
wait_for_no_window '^Select a game number$' || fail 1 "the game number box did not close"
wait_for_freecell_deal_3 "$main" || fail 1 "the caption \"$(xdotool getwindowname "$main")\" does not show Freecell deal 3"
table_shot "$main" "$work/1-dealt.png"
echo "ok 1: Freecell deal 3 dealt"

# 2. H: the hint's marks come, and go.
xdotool windowfocus "$main" key h
table_changes "$main" "$work/1-dealt.png" "$work/2-hint.png" 40 || fail 2 "H marked nothing on the table"
sleep 2.5
table_shot "$main" "$work/2-after-hint.png"
differs "$work/1-dealt.png" "$work/2-after-hint.png" && fail 2 "the hint's marks stayed on the table"
echo "ok 2: H marked a move, and the marks went"

# 3. Ctrl+D: the demo panel; its "Last" button plays the line to the end.
xdotool windowfocus "$main" key ctrl+d
# The panel lies at the bottom of the table, its first button at the left.
table_changes "$main" "$work/1-dealt.png" "$work/3-demo.png" 100 || fail 3 "Ctrl+D showed no demo panel"
table_shot "$main" "$work/3-demo.png"
geometry "$main"
# "Last" is the fourth button (First, Previous 3 moves, Next 3 moves, Last),
# its middle 330 pixels from the panel's left end.
click_in "$main" 330 $((HEIGHT - status_height - 15))
table_shot "$main" "$work/3-demo-last.png"
differs "$work/3-demo.png" "$work/3-demo-last.png" || fail 3 "\"Last\" changed nothing on the table"
if wait_for_window '^Game won$' >/dev/null; then fail 3 "the demo's win opened the \"Game won\" box"; fi
echo "ok 3: the demo played the line to its end, no \"Game won\" box"

# 4. Ctrl+D closes the demo: the game as it was.
xdotool windowfocus "$main" key ctrl+d
table_shot "$main" "$work/4-closed.png"
differs "$work/1-dealt.png" "$work/4-closed.png" && fail 4 "the table after the demo is not the one before it"
[ -e "$folder/DATA/Stat_e00.dat" ] && grep -q ' won ' "$folder/DATA/Stat_e00.dat" && fail 4 "the demo's win was recorded"
exit_from_menu "$main"
[ "$exit_code" = 0 ] || fail 4 "the program did not end well from its menu (${exit_code:-still running})"
echo "ok 4: the demo closed, the table as before it; the program ended well"
