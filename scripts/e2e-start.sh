#!/usr/bin/env bash
# The first minute of a new player, under the window manager a desktop has
# (Openbox), driven with the real keyboard (keys go where the focus is, as
# they do for a player):
#   1. a first start (empty DATA folder): the game selection opens over the
#      dealt table once the deal has landed, and has the keyboard focus;
#      Escape closes it and leaves the dealt game; the tip of the day
#      follows (never over the selection) and Escape closes it too;
#   2. Ctrl+F12 opens it again; Down and Return choose the next game, which
#      is dealt (the caption names it);
#   3. F2 deals a new game (Return answers its question); the selection
#      opened after it still answers the keyboard (Escape);
#   4. the program ends well from the keyboard (Alt+F4 closes the window).
#
#   scripts/e2e-start.sh [program folder]   (default: build/bin)
#
# Needs xvfb-run, xdotool, ImageMagick and openbox; without them the script
# says so and ends with 77 (skipped). On a failure the folder with the
# screenshots is kept and named; with VELMORA_E2E_KEEP=1 it is kept anyway.
set -euo pipefail

bin="$(cd "${1:-build/bin}" && pwd)"
readonly screen_width=1280 screen_height=800

# shellcheck source=scripts/e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_on_display e2e-start "$0" "$bin" "${2:-}" velmora GAMES.DAT QOR.RGF tabloria.hlp

e2e_workspace start

# The caption of window $1 once it matches $2 and differs from $3 (a new
# game's caption comes with its deal, which a busy machine may delay), up to
# 10 s; the last caption seen and false otherwise.
wait_for_caption() {
  local caption=""
  for _ in $(seq 1 100); do
    caption="$(xdotool getwindowname "$1" 2>/dev/null || true)"
    if [[ "$caption" =~ $2 ]] && [ "$caption" != "${3-}" ]; then echo "$caption"; return 0; fi
    sleep 0.1
  done
  echo "$caption"
  return 1
}

# True when window $1 has the keyboard focus (up to 3 s).
wait_for_focus() {
  for _ in $(seq 1 30); do
    if [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$1" ]; then return 0; fi
    sleep 0.1
  done
  return 1
}

mkdir -p "$folder/DATA"
cp "$bin/velmora" "$bin/GAMES.DAT" "$bin/QOR.RGF" "$bin/tabloria.hlp" "$folder/"
"$folder/velmora" >"$folder/output.txt" 2>&1 &
pid=$!

# 1. The selection over the dealt table, with the focus; Escape closes it.
main="$(wait_for_window '^Velmora \[')" || fail 1 "no main window with a game dealt"
selection="$(wait_for_window '^Open a game$')" || fail 1 "the game selection did not open by itself"
wait_for_focus "$selection" || fail 1 "the game selection does not have the keyboard focus"
first="$(xdotool getwindowname "$main")"
import -window root "$work/1-selection.png"
xdotool key Escape
wait_for_no_window '^Open a game$' || fail 1 "Escape did not close the game selection"
[ "$(xdotool getwindowname "$main")" = "$first" ] || fail 1 "Escape changed the game"
tips="$(wait_for_window '^Tip of the Day$')" || fail 1 "the tip of the day did not follow the game selection"
wait_for_focus "$tips" || fail 1 "the tip of the day does not have the keyboard focus"
import -window root "$work/1-tips.png"
xdotool key Escape
wait_for_no_window '^Tip of the Day$' || fail 1 "Escape did not close the tip of the day"
echo "ok 1: the game selection opened with the focus, then the tip of the day; Escape closed both over \"$first\""

# 2. Ctrl+F12, Down, Return: the next game of the list is dealt.
wait_for_focus "$main" || fail 2 "the main window did not get the focus back"
xdotool key ctrl+F12
selection="$(wait_for_window '^Open a game$')" || fail 2 "Ctrl+F12 did not open the game selection"
wait_for_focus "$selection" || fail 2 "the game selection does not have the keyboard focus"
xdotool key Down
sleep 0.3
xdotool key Return
wait_for_no_window '^Open a game$' || fail 2 "Return did not close the game selection"
second="$(wait_for_caption "$main" '^Velmora \[' "$first")" || true
[ "$second" != "$first" ] || fail 2 "Down and Return dealt the same game (\"$second\")"
[[ "$second" =~ ^Velmora\ \[ ]] || fail 2 "no game in the caption"
# The deal flies in with the input held; the player waits for it.
settled_shot "$work/2-chosen.png" "$(window_part "$main")"
echo "ok 2: Down and Return dealt \"$second\""

# 3. F2 deals a new game of it; the selection opened then still hears keys.
wait_for_focus "$main" || fail 3 "the main window did not get the focus back"
xdotool key F2
# A dealt game is a game in progress: the program asks first, and its box
# has the focus too.
if question="$(wait_for_window '^Velmora$')"; then
  wait_for_focus "$question" || fail 3 "the \"Quit this game?\" box does not have the focus"
  xdotool key Return
  wait_for_no_window '^Velmora$' || fail 3 "Return did not answer the \"Quit this game?\" box"
fi
third="$(wait_for_caption "$main" '^Velmora \[' "$second")" || fail 3 "F2 dealt no new game (\"$third\")"
xdotool key ctrl+F12
selection="$(wait_for_window '^Open a game$')" || fail 3 "Ctrl+F12 after a new game did not open the selection"
wait_for_focus "$selection" || fail 3 "the game selection after F2 does not have the focus"
xdotool key Escape
wait_for_no_window '^Open a game$' || fail 3 "Escape did not close the game selection after F2"
echo "ok 3: F2 dealt \"$third\"; the selection after it answered Escape"

# 4. Alt+F4, through the window manager: the program ends well.
wait_for_focus "$main" || fail 4 "the main window did not get the focus back"
xdotool key alt+F4
wait_for_exit "$pid"
code="$exit_code"
[ -n "$code" ] || fail 4 "the program did not end on Alt+F4"
pid=""
[ "$code" = 0 ] || fail 4 "the program ended with code $code"
echo "ok 4: Alt+F4 ended the program with 0"
