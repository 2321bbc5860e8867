#!/usr/bin/env bash
# The real program played with the mouse on a virtual display: for each game
# of the catalogue the program starts on that game (the settings file of a
# throw-away program folder names it), one legal drag or press is made with
# xdotool, and screenshots show that the table changed while the program
# kept running. Then the program is closed from its menu and must end well.
# With VELMORA_E2E_INPUT=keys the same move is made with keys alone: the
# arrows walk the focus mark to the card (the driver's "walk" tells the
# order), Space picks it up and puts it down, S presses the stock.
#
#   scripts/e2e-window.sh [program folder]   (default: build/bin)
#
# The folder holds velmora, velmora-cli, GAMES.DAT and QOR.RGF. The headless
# driver deals the same deal to tell which move is legal and where its cards
# lie. Needs xvfb-run, xdotool and ImageMagick (import, compare, convert);
# without them the script says so and ends with 77 (skipped). On a failure
# the folder with the screenshots is kept and named.
set -euo pipefail

bin="$(cd "${1:-build/bin}" && pwd)"
readonly screen_width=1280 screen_height=800
# The table widget lies below the menu bar (19 pixels): the driver lays its
# table out for that height. The screenshots compared start below the
# toolbar row, whose clock changes every second.
readonly table_height=$((screen_height - 19)) table_top=50
# "B" cards; with shadows on a picked card rises by the shadow offset less 2.
readonly card_width=71 card_height=96 lift=7

# shellcheck source=scripts/e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh"
e2e_on_display e2e-window "$0" "$bin" "${2:-}" velmora velmora-cli GAMES.DAT QOR.RGF

work="$(mktemp -d)"
pid=""
failed=0
cleanup() {
  stop_program
  if [ "$failed" -eq 0 ]; then rm -rf "$work"; else echo "screenshots and program folders kept in $work"; fi
}
trap cleanup EXIT

fail() {
  echo "FAIL $*"
  failed=1
}

stop_program() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=""
  fi
}

# --- The headless driver on the program's deal -------------------------------

game="" deal=""
# The driver's answers to the commands given, after dealing the program's
# deal on a table of the program's size, with the program's big cards; only
# the answers of those commands,
# without their closing "ok" lines.
ask() {
  { printf '%s\n' "autoplay off" "size B" "new $game $deal" "window $screen_width $table_height $screen_width $screen_height"
    printf '%s\n' "$@"; } | "$bin/velmora-cli" 2>>"$work/driver-errors.txt" | awk '/^(ok$|error:)/ { n++; next } n >= 4'
}

# "x1 y1 x2 y2" of card `index` (0 the bottom) of a pile as the driver lays
# it out; the pile's anchor rectangle for index -1 of an empty pile.
card_rect() {
  local pile=$1 index=$2
  ask layout | awk -v pile="$pile" -v i="$index" -v w="$card_width" -v h="$card_height" '
    $1 == pile { if (i < 0) print $2, $3, $2 + w, $3 + h
                 else print $(4 + 4 * i), $(5 + 4 * i), $(6 + 4 * i), $(7 + 4 * i) }'
}

# The position of a card in its pile (0 the bottom), from "state".
index_in_pile() {
  local pile=$1 code=$2
  ask state | awk -v pile="$pile" -v code="$code" '
    $1 == pile { for (f = 2; f <= NF; f++) if (substr($f, 1, 3) + 0 == code) print f - 2 }'
}

pile_size() {
  ask state | awk -v pile="$1" '$1 == pile { print NF - 1 }'
}

# --- The program's window -------------------------------------------------

# A game's name as a literal part of xdotool's regular expression (names
# hold apostrophes, commas and may hold dots or brackets).
literal_pattern() {
  printf '%s' "$1" | sed 's/[][\\.^$*+?(){}|]/\\&/g'
}

# Waits for the window of a dealt game; prints its id.
find_window() {
  local name wid
  name="$(literal_pattern "$1")"
  for _ in $(seq 1 100); do
    wid="$(xdotool search --name "^Velmora \\[$name\\]  \\[" 2>/dev/null | head -1 || true)"
    if [ -n "$wid" ]; then echo "$wid"; return 0; fi
    sleep 0.1
  done
  return 1
}

deal_of_window() {
  xdotool getwindowname "$1" | sed -n 's/.*  \[0*\([0-9][0-9]*\)\]$/\1/p'
}

# Waits for a deal other than $2 in the caption of window $1; prints it.
wait_for_deal() {
  local shown
  for _ in $(seq 1 50); do
    shown="$(deal_of_window "$1")"
    if [ -n "$shown" ] && [ "$shown" != "$2" ]; then echo "$shown"; return 0; fi
    sleep 0.1
  done
  return 1
}

# The table below the toolbar row, on the screen.
shoot() {
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "${screen_width}x$((screen_height - table_top))+0+$table_top" +repage "$1"
}

# Waits until the table stops changing (card flights), then keeps it in $1.
settled_shot() {
  shoot "$1"
  for _ in $(seq 1 20); do
    sleep 0.25
    shoot "$work/again.png"
    if ! differs "$1" "$work/again.png"; then return 0; fi
    cp "$work/again.png" "$1"
  done
}

# Where the driver's table lies on the screen: the first pile of the
# driver's picture of the table looked for in a screenshot, a few times
# while the program may still be drawing. Sets dx, dy.
find_table_offset() {
  local shots=$1 ax ay left found
  ask "shot $shots/driver.png" >/dev/null
  read -r _ ax ay _ < <(ask layout | head -1)
  left=$((ax > 20 ? ax - 20 : 0))
  convert "$shots/driver.png" -crop "${card_width}x${card_height}+$ax+$ay" +repage "$shots/patch.png"
  for _ in $(seq 1 10); do
    import -window root "$shots/start.png"
    convert "$shots/start.png" -crop "$((card_width + 40))x$((ay + card_height + 200))+$left+0" +repage \
      "$shots/strip.png"
    found="$(compare -metric AE -fuzz 5% -subimage-search "$shots/strip.png" "$shots/patch.png" null: 2>&1 || true)"
    # "0 @ x,y" where the picture was found unchanged.
    if [[ "$found" =~ ^0\ @\ ([0-9]+),([0-9]+) ]]; then
      dx=$((left + BASH_REMATCH[1] - ax))
      dy=$((BASH_REMATCH[2] - ay))
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# --- Choosing and making the move -------------------------------------------

# A point on the part of card `index` of `pile` that shows: the whole card
# for the top card, else the band between it and the next card.
grip_point() {
  local pile=$1 index=$2 x1 y1 x2 y2 n1 m1
  read -r x1 y1 x2 y2 < <(card_rect "$pile" "$index")
  gx=$(((x1 + x2) / 2)) gy=$(((y1 + y2) / 2))
  if [ "$index" -lt "$(($(pile_size "$pile") - 1))" ]; then
    read -r n1 m1 _ < <(card_rect "$pile" "$((index + 1))")
    if [ "$m1" -gt "$y1" ]; then gy=$(((y1 + m1) / 2)); fi
    if [ "$m1" -le "$y1" ] && [ "$n1" -gt "$x1" ]; then gx=$(((x1 + n1) / 2)); fi
  fi
}

# The drag the driver lists first, checked by the driver's own drop at the
# place the release will leave the card. Sets the press and release points.
plan_drag() {
  local code from to index tx ty
  read -r code from to < <(ask moves | head -1) || return 1
  index="$(index_in_pile "$from" "$code")"
  grip_point "$from" "$index"
  [ "$(ask "hit $gx $gy" | cut -d' ' -f1,2)" = "$from $code" ] || return 1
  local size x1 y1
  read -r x1 y1 _ < <(card_rect "$from" "$index")
  size="$(pile_size "$to")"
  read -r tx ty _ < <(card_rect "$to" "$((size - 1))")
  [ "$(ask "drag $code $tx $ty")" = "moved" ] || return 1
  # The picked card keeps its lift under the pointer; the release makes up
  # for it so the card lies on the target's top card.
  press_x=$gx press_y=$gy
  release_x=$((gx + tx - x1 + lift)) release_y=$((gy + ty - y1 + lift))
  key_from=$from key_to=$to key_index=$index
  action="drag card $code from $from to $to"
}

# A press on the stock that the driver acts on.
plan_stock_press() {
  [ "$(pile_size Mazzo)" != "" ] && [ "$(pile_size Mazzo)" -gt 0 ] || return 1
  [ "$(ask "press Mazzo")" = "done" ] || return 1
  grip_point Mazzo "$(($(pile_size Mazzo) - 1))"
  press_x=$gx press_y=$gy release_x=$gx release_y=$gy
  action="press on the stock"
}

# A press on a tableau's top card that the engine acts on (the games played
# by selecting cards, or whose press sends a fitting card away at once).
plan_tableau_press() {
  local pile
  for pile in $(ask state | awk '/^Fila[0-9]+ [0-9]/ { print $1 }'); do
    [ "$(ask "press $pile")" = "done" ] || continue
    grip_point "$pile" "$(($(pile_size "$pile") - 1))"
    press_x=$gx press_y=$gy release_x=$gx release_y=$gy
    key_from=$pile
    action="press on the top card of $pile"
    return 0
  done
  return 1
}

mouse() {
  xdotool "$@"
  sleep 0.15
}

# --- The same by keyboard ---------------------------------------------------

readonly input="${VELMORA_E2E_INPUT:-mouse}"
focus=""  # the pile the program's focus mark is on

# The focus a new table starts with: the first tableau, else the first pile walked.
start_focus() {
  focus="$(ask walk | awk '$1 == "Fila1" { print; exit }' | cut -d' ' -f1)"
  [ -n "$focus" ] || focus="$(ask walk | head -1 | cut -d' ' -f1)"
}

key() {
  xdotool key --delay 60 "$@"
  sleep 0.15
}

# Right presses from the focused pile to pile $1, then the focus is there.
walk_to() {
  local steps
  steps="$(ask walk | awk -v a="$focus" -v b="$1" '$1 == a { i = NR } $1 == b { j = NR } END { print ((j - i) % NR + NR) % NR }')"
  if [ "$steps" -gt 0 ]; then key $(printf 'Right %.0s' $(seq 1 "$steps")); fi
  focus=$1
}

# Up presses that choose card `index` (0 the bottom) of pile $1.
depth_of() {
  ask walk | awk -v pile="$1" -v i="$2" '$1 == pile { for (f = 2; f <= NF; f++) if ($f == i) print f - 2 }'
}

# The planned move by keys; "before.png" is shot with the mark already where
# it ends, so only the move itself can change the picture.
make_key_move() {
  local folder=$1 depth
  key Right  # the first arrow only shows the mark
  case "$action" in
    "drag card "*)
      depth="$(depth_of "$key_from" "$key_index")"
      [ -n "$depth" ] || { fail "$game: the keyboard cannot choose the card of the $action"; return; }
      walk_to "$key_to"
      settled_shot "$folder/before.png"
      walk_to "$key_from"
      if [ "$depth" -gt 0 ]; then key $(printf 'Up %.0s' $(seq 1 "$depth")); fi
      key space
      walk_to "$key_to"
      key space ;;
    "press on the stock")
      settled_shot "$folder/before.png"
      key s ;;
    *)
      walk_to "$key_from"
      settled_shot "$folder/before.png"
      key space ;;
  esac
}

make_move() {
  local shots=$1
  mouse mousemove $((dx + press_x)) $((dy + press_y))
  mouse mousedown 1
  mouse mousemove $((dx + (press_x + release_x) / 2)) $((dy + (press_y + release_y) / 2))
  import -window root "$shots/during.png"
  mouse mousemove $((dx + release_x)) $((dy + release_y))
  mouse mouseup 1
}

# --- One game ------------------------------------------------------------

# A deal or a move that leaves no move ends the game, and the window says so
# in a box that holds the keyboard: closed with Escape, if it is there.
close_game_over_box() {
  local box
  sleep 0.3
  box="$(xdotool search --onlyvisible --name '^Game (lost|won)$' 2>/dev/null | head -1 || true)"
  [ -n "$box" ] || return 0
  xdotool windowfocus "$box" key Escape
  wait_for_no_window '^Game (lost|won)$' || true
}

play() {
  local number=$1 name=$2
  local folder="$work/$number"
  stop_program  # what a failed game left running
  mkdir -p "$folder/DATA"
  cp "$bin/velmora" "$bin/GAMES.DAT" "$bin/QOR.RGF" "$folder/"
  if [ -e "$bin/tabloria.hlp" ]; then cp "$bin/tabloria.hlp" "$folder/"; fi
  # A player's statistics file marks a program used before: the game
  # selection does not open by itself over the table.
  : >"$folder/DATA/Stat_e00.dat"
  # The stored game starts; nothing moves by itself, nothing sounds and no
  # tip of the day opens. The
  # status bar stays off and the cards big: the driver lays the table out
  # for the whole window, without the toolbar that fitted cards depend on.
  cat >"$folder/DATA/CFG.DAT" <<EOF
[Preference]
Game=$number
Game_name=$name
MainWindowState_Maximized=N
MainWindowState_Left=0
MainWindowState_Top=0
MainWindowState_Width=$screen_width
MainWindowState_Height=$screen_height
Deal_Animation=N
Cards_Animate=Y
Cards_Shadowed=Y
StatusBar=N
Card_Size=B
AutoPlay=N
Sounds_Enabled=N
Tips_StartUp=N
EOF
  "$folder/velmora" >"$folder/output.txt" 2>&1 &
  pid=$!
  local wid
  if ! wid="$(find_window "$name")"; then
    fail "$number $name: no window with the game dealt"
    return
  fi
  game=$number
  deal=""
  for attempt in 1 2 3 4 5; do
    if ! deal="$(wait_for_deal "$wid" "$deal")"; then
      fail "$number $name: no deal number in the caption"
      return
    fi
    if ! find_table_offset "$folder"; then
      fail "$number $name: the table on the screen is not the driver's table of deal $deal"
      return
    fi
    # A deal lost from the start (the window says so at once) has no move
    # to make, whatever a press would still select.
    if [ "$(ask moves-left)" = "yes" ] && { plan_drag || plan_stock_press || plan_tableau_press; }; then break; fi
    # A deal without a move: the next one (F2, a new game).
    if [ "$attempt" -eq 5 ]; then
      fail "$number $name: no legal move found in five deals"
      return
    fi
    close_game_over_box
    xdotool windowfocus "$wid" key F2
  done

  if [ "$input" = keys ]; then
    start_focus
    make_key_move "$folder"
  else
    settled_shot "$folder/before.png"
    make_move "$folder"
  fi
  settled_shot "$folder/after.png"
  if ! running "$pid"; then
    fail "$number $name: the program ended after the $action (deal $deal)"
    pid=""
    return
  fi
  local changed=1
  if ! differs "$folder/before.png" "$folder/after.png"; then
    fail "$number $name: the table did not change after the $action (deal $deal)"
    changed=0
  fi

  # "E&xit" from the "&Game" menu.
  close_game_over_box
  exit_from_menu "$wid"
  local code="$exit_code"
  if [ "$code" != "0" ]; then
    fail "$number $name: the program did not end well from its menu (${code:-still running})"
    return
  fi
  if [ "$changed" -eq 1 ]; then echo "ok $number $name: $action (deal $deal)"; fi
}

mapfile -t games < <(printf 'games\n' | "$bin/velmora-cli" | grep -E '^[0-9]+ ')
if [ "${#games[@]}" -eq 0 ]; then
  fail "the driver lists no games"
  exit 1
fi
for entry in "${games[@]}"; do
  # VELMORA_E2E_GAMES="1 6 48" plays those games only.
  if [ -n "${VELMORA_E2E_GAMES:-}" ] && [[ " $VELMORA_E2E_GAMES " != *" ${entry%% *} "* ]]; then continue; fi
  play "${entry%% *}" "${entry#* }"
done
exit "$failed"
