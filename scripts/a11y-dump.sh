#!/usr/bin/env bash
# The program as a screen reader sees it: starts it on a virtual display
# with its own session bus and accessibility bus, presses a few keys on the
# table (the first arrow shows the focus mark, Right walks it, Space picks up
# and puts down) and prints the accessibility tree of its window over AT-SPI
# before and after, with the focused item and the latest announcement.
#
#   scripts/a11y-dump.sh [program folder] [game id]   (default: build/bin, 1)
#
# Installs what it needs first (scripts/install-deps.sh --a11y). Not run by
# the tests, which read the same tree through Qt's own interfaces.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bin="$(cd "${1:-build/bin}" && pwd)"
game="${2:-1}"
"$here/install-deps.sh" --a11y

if [ "${A11Y_DUMP_ON_DISPLAY:-}" != 1 ]; then
  export A11Y_DUMP_ON_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- "$0" "$bin" "$game"
fi

work="$(mktemp -d)"
trap 'kill "${pid:-}" "${wm:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately &
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
cp "$bin/velmora" "$bin/GAMES.DAT" "$bin/QOR.RGF" "$work/"
mkdir -p "$work/DATA"
: >"$work/DATA/Stat_e00.dat"
printf '[Preference]\nGame=%s\nTips_StartUp=N\nSounds_Enabled=N\nAutoPlay=N\nDeal_Animation=N\n' "$game" \
  >"$work/DATA/CFG.DAT"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$work/velmora" >"$work/output.txt" 2>&1 &
pid=$!
sleep 4

dump() {
  /usr/bin/python3 - <<'PY'
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi

def walk(node, depth, out):
    role = node.get_role_name()
    name = node.get_name() or ""
    description = node.get_description() or ""
    states = node.get_state_set()
    focused = " [focused]" if states.contains(Atspi.StateType.FOCUSED) else ""
    if role in ("list", "list item", "notification") or depth <= 1:
        out.append("  " * depth + f"{role}: {name!r} {description!r}{focused}")
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            walk(child, depth + 1, out)

desktop = Atspi.get_desktop(0)
for i in range(desktop.get_child_count()):
    app = desktop.get_child_at_index(i)
    if app is not None and "velmora" in (app.get_name() or "").lower():
        lines = []
        walk(app, 0, lines)
        print("\n".join(lines))
PY
}

echo "--- at the start"
dump
xdotool key Right Right
sleep 0.5
echo "--- the focus mark moved by Right"
dump | grep -E "focused|notification"
xdotool key space Up space
sleep 1
echo "--- after Space, Up (to the free cell above), Space"
dump
