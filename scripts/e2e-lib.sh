# shellcheck shell=bash
# Shared by the window scripts (e2e-window.sh, e2e-dialogs.sh); sourced, not
# run. The caller sets screen_width and screen_height first.

# In a sanitizer build, the leak the system's D-Bus library leaves at exit
# is not the program's: it must not turn a clean exit into a failure.
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/lsan.supp}"

# e2e_on_display <name> <script> <program folder> <"--on-display" or not>
#                <file>...
# Outside the virtual display: checks the tools (without them: 77, skipped)
# and the program folder's files, then runs the script again on a display
# of its own. On the display it starts the window manager a desktop player
# has (Openbox; none when VELMORA_E2E_WM=none) and returns.
e2e_on_display() {
  local name=$1 script=$2 bin=$3 mark=$4 tool file
  shift 4
  if [ "$mark" = "--on-display" ]; then
    e2e_start_window_manager "$name"
    return 0
  fi
  local tools=(xvfb-run xdotool xwininfo import compare convert)
  [ "${VELMORA_E2E_WM:-openbox}" = none ] || tools+=(openbox xprop)
  for tool in "${tools[@]}"; do
    if ! command -v "$tool" >/dev/null; then
      echo "$name: $tool is not installed (scripts/install-deps.sh); skipped"
      exit 77
    fi
  done
  for file in "$@"; do
    if [ ! -e "$bin/$file" ]; then
      echo "$name: $bin/$file is missing: build the program first" >&2
      exit 1
    fi
  done
  # shellcheck disable=SC2154  # set by the caller
  exec xvfb-run -a -s "-screen 0 ${screen_width}x${screen_height}x24" "$script" "$bin" --on-display
}

# Starts Openbox on the display and waits until it manages windows (it
# announces itself on the root window). It ends with the display.
e2e_start_window_manager() {
  [ "${VELMORA_E2E_WM:-openbox}" = none ] && { echo "$1: no window manager"; return 0; }
  local wm
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  # A loaded machine may take a while; one that died at once is started again.
  for _ in $(seq 1 300); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
      echo "$1: under the Openbox window manager"
      return 0
    fi
    if ! kill -0 "$wm" 2>/dev/null; then
      openbox --sm-disable >/dev/null 2>&1 &
      wm=$!
    fi
    sleep 0.1
  done
  echo "$1: Openbox did not start" >&2
  exit 1
}

# e2e_workspace <name>: a scratch folder $work with the program folder
# $folder in it; $pid (the program, once started) is ended on exit, and the
# folder is kept on a failure ($failed set by fail or an unexpected error)
# or with VELMORA_E2E_KEEP=1. fail <step> <reason> ends the check.
e2e_workspace() {
  e2e_name=$1
  work="$(mktemp -d)"
  folder="$work/program"
  pid=""
  failed=0
  trap e2e_cleanup EXIT
  # A command that went wrong outside the checks still says where.
  trap 'echo "$e2e_name: unexpected error on line $LINENO"; failed=1' ERR
}

e2e_cleanup() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  if [ "$failed" -eq 0 ] && [ "${VELMORA_E2E_KEEP:-0}" != 1 ]; then
    rm -rf "$work"
  else
    echo "$e2e_name: screenshots and the program folder kept in $work"
  fi
}

# Ends the check: nothing after a failed step can be trusted. The screen
# at that moment is kept.
fail() {
  import -window root "$work/failed-step-$1.png" 2>/dev/null || true
  echo "$e2e_name: step $1 failed: $2"
  failed=1
  exit 1
}

# True while the process runs (an ended child not yet waited for does not).
running() {
  local state
  state="$(ps -o stat= -p "$1" 2>/dev/null)" || return 1
  [[ "$state" != Z* ]]
}

# Waits up to 10 s for the child process to end and sets exit_code to its
# exit code, or to "" while it still runs. (Not in a subshell: only the
# shell that started the process can wait for it.)
# shellcheck disable=SC2034  # exit_code is read by the caller
wait_for_exit() {
  exit_code=""
  for _ in $(seq 1 100); do
    if ! running "$1"; then
      exit_code=0
      wait "$1" || exit_code=$?
      return 0
    fi
    sleep 0.1
  done
}

# "E&xit" from the "&Game" menu of window $1; waits for the program ($pid)
# to end and leaves its exit code in exit_code.
exit_from_menu() {
  xdotool windowfocus "$1" key alt+g
  sleep 0.3
  xdotool key x
  wait_for_exit "$pid"
  pid=""
}

# True when the two pictures differ in any pixel.
differs() {
  local count
  count="$(compare -metric AE "$1" "$2" null: 2>&1 || true)"
  awk -v c="$count" 'BEGIN { exit !(c + 0 > 0) }'
}

# --- Windows ------------------------------------------------------------

# Waits for a shown window whose caption matches the pattern; prints its id.
wait_for_window() {
  local wid
  for _ in $(seq 1 100); do
    wid="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)"
    if [ -n "$wid" ]; then echo "$wid"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Waits until the caption of window $1 shows Freecell deal 3 (the deal the
# scripts play: a winning line is known and the solver wins it at once).
wait_for_freecell_deal_3() {
  for _ in $(seq 1 50); do
    case "$(xdotool getwindowname "$1")" in *'[Freecell]  [3]'* | *'[Freecell]  [0000000000003]'*) return 0 ;; esac
    sleep 0.1
  done
  return 1
}

# Waits until no shown window's caption matches the pattern.
wait_for_no_window() {
  for _ in $(seq 1 50); do
    if [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)" ]; then return 0; fi
    sleep 0.1
  done
  return 1
}

# Sets X Y WIDTH HEIGHT from the geometry of the window's inside, on the
# screen. (xdotool's own reckoning counts the window manager's title bar
# twice; xwininfo's absolute corner is right with or without one.)
geometry() {
  local info
  info="$(xwininfo -id "$1")"
  X="$(awk '/Absolute upper-left X:/ { print $NF }' <<<"$info")"
  Y="$(awk '/Absolute upper-left Y:/ { print $NF }' <<<"$info")"
  WIDTH="$(awk '/^ *Width:/ { print $NF }' <<<"$info")"
  HEIGHT="$(awk '/^ *Height:/ { print $NF }' <<<"$info")"
}

# A click at a point given from the top left corner of window $1.
click_in() {
  local X Y WIDTH HEIGHT
  geometry "$1"
  xdotool mousemove $((X + $2)) $((Y + $3))
  sleep 0.1
  xdotool click 1
  sleep 0.3
}


# The screen in $1 once the part "WxH+X+Y" of it stops changing (card
# flights, a window still drawing); the toolbar's clock is left out by the
# callers.
# Needs $work, a folder for the comparison pictures.
settled_shot() {
  local shot=$1 part=$2
  import -window root "$shot"
  convert "$shot" -crop "$part" +repage "$work/part.png"
  for _ in $(seq 1 20); do
    sleep 0.25
    import -window root "$shot"
    convert "$shot" -crop "$part" +repage "$work/again.png"
    if ! differs "$work/part.png" "$work/again.png"; then return 0; fi
    cp "$work/again.png" "$work/part.png"
  done
}

# The part "WxH+X+Y" of the screen that window $1 covers.
window_part() {
  local X Y WIDTH HEIGHT
  geometry "$1"
  echo "${WIDTH}x${HEIGHT}+$X+$Y"
}

# --- The settings file ---------------------------------------------------------

# The value of a key of $folder/DATA/CFG.DAT (keys are read whatever their
# case); the caller sets folder, the program folder it started.
setting() {
  [ -e "$folder/DATA/CFG.DAT" ] || return 0
  tr -d '\r' <"$folder/DATA/CFG.DAT" | awk -F= -v key="$1" 'tolower($1) == tolower(key) { v = substr($0, length($1) + 2) } END { print v }'
}

# Waits until the settings file holds key=value.
wait_for_setting() {
  for _ in $(seq 1 30); do
    if [ "$(setting "$1")" = "$2" ]; then return 0; fi
    sleep 0.1
  done
  return 1
}


# --- Moves planned by the headless driver ----------------------------------------
# The caller defines driver_setup, which prints the commands that put the
# program's game on the driver's table, and sets bin, work, menu_height,
# screen_width, screen_height, card_width, card_height and lift.

# The driver's answers to the commands given, on the program's game at the
# table size of window $1, without the set-up's answers and "ok" lines.
ask() {
  local wid=$1 X Y WIDTH HEIGHT setup
  shift
  geometry "$wid"
  setup="$(driver_setup)"
  { printf '%s\n' "$setup" "window $WIDTH $((HEIGHT - menu_height)) $screen_width $screen_height" "$@"; } |
    "$bin/velmora-cli" --data "$work/driver-data" 2>>"$work/driver-errors.txt" |
    awk -v skip="$(($(wc -l <<<"$setup") + 1))" '/^(ok$|error:)/ { n++; next } n >= skip'
}

# "x1 y1" of the top card of a pile, or of its place when it is empty.
top_corner() {
  ask "$1" layout | awk -v pile="$2" '$1 == pile { print $(NF > 3 ? NF - 3 : 2), $(NF > 3 ? NF - 2 : 3) }'
}

# Plans the drag of card $2, the top card of pile $3, to pile $4 in window
# $1, checked by the driver's own drop where the release will leave the
# card. Sets press_x, press_y, release_x, release_y (table coordinates) and
# action; false when the card is not on top or cannot go there.
plan_move() {
  local wid=$1 code=$2 from=$3 to=$4 top cx cy tx ty
  top="$(ask "$wid" state | awk -v pile="$from" '$1 == pile { print substr($NF, 1, 3) + 0 }')"
  [ "$top" = "$code" ] || return 1
  read -r cx cy < <(top_corner "$wid" "$from")
  read -r tx ty < <(top_corner "$wid" "$to")
  [ "$(ask "$wid" "drag $code $tx $ty")" = "moved" ] || return 1
  press_x=$((cx + card_width / 2)) press_y=$((cy + card_height / 2))
  release_x=$((press_x + tx - cx + lift)) release_y=$((press_y + ty - cy + lift))
  action="card $code from $from to $to"
}

# The first move of a pile's top card the driver offers (see plan_move).
plan_drag() {
  local wid=$1 code from to
  while read -r code from to; do
    plan_move "$wid" "$code" "$from" "$to" && return 0
  done < <(ask "$wid" moves)
  return 1
}

# A drag in table coordinates of window $1, with the held button.
drag_with_mouse() {
  local X Y WIDTH HEIGHT left top
  geometry "$1"
  left=$X top=$((Y + menu_height))
  xdotool mousemove $((left + press_x)) $((top + press_y)); sleep 0.15
  xdotool mousedown 1; sleep 0.15
  xdotool mousemove $((left + (press_x + release_x) / 2)) $((top + (press_y + release_y) / 2)); sleep 0.15
  xdotool mousemove $((left + release_x)) $((top + release_y)); sleep 0.15
  xdotool mouseup 1; sleep 0.15
}
