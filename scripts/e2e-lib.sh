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
# of its own. On the display it returns at once.
e2e_on_display() {
  local name=$1 script=$2 bin=$3 mark=$4 tool file
  shift 4
  [ "$mark" = "--on-display" ] && return 0
  for tool in xvfb-run xdotool xwininfo import compare convert; do
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

# Waits until no shown window's caption matches the pattern.
wait_for_no_window() {
  for _ in $(seq 1 50); do
    if [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)" ]; then return 0; fi
    sleep 0.1
  done
  return 1
}

# Sets X Y WIDTH HEIGHT from the window's geometry: its inside, on the
# screen. (xdotool's own report counts a window manager's frame twice.)
geometry() {
  eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X:/ { print "X=" $4 }
    /Absolute upper-left Y:/ { print "Y=" $4 } /^  Width:/ { print "WIDTH=" $2 }
    /^  Height:/ { print "HEIGHT=" $2 }')"
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


# The part "WxH+X+Y" of the screen that window $1 covers.
window_part() {
  local X Y WIDTH HEIGHT
  geometry "$1"
  echo "${WIDTH}x${HEIGHT}+$X+$Y"
}

# --- The work folder ----------------------------------------------------------

# e2e_work_folder <name>: a throw-away folder in $work for the screenshots
# and program folders of a check, and its end at the script's exit: the
# program it started ($pid) is stopped, and the folder removed unless the
# check failed ($failed not 0) or VELMORA_E2E_KEEP=1 asks to keep it.
e2e_work_folder() {
  e2e_name=$1
  work="$(mktemp -d)"
  pid=""
  failed=0
  trap e2e_end_work EXIT
}

e2e_end_work() {
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
