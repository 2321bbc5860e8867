#!/usr/bin/env bash
# The installed program as a player gets it: the build is installed into a
# throw-away prefix, whose menu entry and AppStream metadata must pass their
# validators; then the program is started from the prefix's launcher on a
# virtual display by someone who cannot write into its folder. It must keep
# its data in $XDG_DATA_HOME/velmora/DATA and write nothing into the prefix.
#
#   scripts/install-check.sh <build folder>
#
# Root can write anywhere, so as root the program runs as the unprivileged
# user "nobody" (the display accepts any local client). Needs
# desktop-file-validate, appstreamcli, xvfb-run and, as root, setpriv;
# without them the script says so and ends with 77 (skipped).
set -euo pipefail

build="$(cd "$1" && pwd)"
readonly nobody=65534 icon_sizes="16 22 24 32 48 64 128 256"

if [ "${2:-}" != "--on-display" ]; then
  tools=(desktop-file-validate appstreamcli xvfb-run)
  [ "$(id -u)" -eq 0 ] && tools+=(setpriv)
  for tool in "${tools[@]}"; do
    if ! command -v "$tool" >/dev/null; then
      echo "install-check: $tool is not installed (scripts/install-deps.sh); skipped"
      exit 77
    fi
  done
  exec xvfb-run -a -s "-ac -screen 0 1280x800x24" "$0" "$build" --on-display
fi

work="$(mktemp -d)"
prefix="$work/prefix" home="$work/home"
folder="$prefix/lib/velmora" store="$home/data/velmora"
pid=""
cleanup() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL $*"
  [ -s "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log"
  exit 1
}

# Width and height of a PNG, from its header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

# --- What is installed ---------------------------------------------------------

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in velmora velmora-sound.so GAMES.DAT QOR.RGF tabloria.hlp; do
  [ -f "$folder/$file" ] || fail "$file is not installed in lib/velmora"
done
[ "$(readlink "$prefix/bin/velmora")" = "../lib/velmora/velmora" ] || fail "bin/velmora is not a link to the program"
stray="$(find "$prefix" -name 'velmora-cli' -o -name '*_tests' -o -name '*.a')"
[ -z "$stray" ] || fail "tools or tests are installed: $stray"
for size in $icon_sizes; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/velmora.png"
  [ -f "$icon" ] || fail "no icon of $size pixels"
  [ "$(png_size "$icon")" = "$size $size" ] || fail "the icon of $size pixels measures $(png_size "$icon")"
done

desktop-file-validate "$prefix/share/applications/velmora.desktop" || fail "the menu entry is not valid"
metainfo=("$prefix"/share/metainfo/*.metainfo.xml)
if [ ${#metainfo[@]} -ne 1 ] || [ ! -f "${metainfo[0]}" ]; then fail "no single AppStream file in share/metainfo"; fi
# The screenshot's address cannot be reached here; everything else is checked.
appstreamcli validate --no-net "${metainfo[0]}" >"$work/appstream.txt" ||
  { cat "$work/appstream.txt"; fail "the AppStream metadata is not valid"; }
# The picture the metadata names is the one installed, at the size it states.
image="$(sed -n 's|.*<image[^>]*width="\([0-9]*\)" height="\([0-9]*\)">.*/\([^/<]*\)</image>.*|\3 \1 \2|p' "${metainfo[0]}")"
read -r shot width height <<<"$image"
[ -f "$prefix/share/velmora/screenshots/$shot" ] || fail "the screenshot $shot is not installed"
[ "$(png_size "$prefix/share/velmora/screenshots/$shot")" = "$width $height" ] ||
  fail "the screenshot does not measure the ${width} x ${height} the metadata states"

# --- The installed program, started by someone who cannot write its folder -----

mkdir -p "$home"
chmod a-w "$folder"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$work"
  chown "$nobody:$nobody" "$home"
  run_as=(setpriv "--reuid=$nobody" "--regid=$nobody" --clear-groups)
  "${run_as[@]}" test -x "$prefix/bin/velmora" || fail "the user nobody cannot reach $prefix"
fi
listing() { find "$prefix" -printf '%P %s %T@\n' | sort; }
listing >"$work/before.txt"

"${run_as[@]}" env -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR -u DBUS_SESSION_BUS_ADDRESS \
  HOME="$home" XDG_DATA_HOME="$home/data" "$prefix/bin/velmora" >"$work/program.log" 2>&1 &
pid=$!
# At start the program makes its DATA folder, then writes its version
# marker beside it.
marker() { find "$store" -maxdepth 1 -name QORV0520.DAT 2>/dev/null; }
for _ in $(seq 100); do
  [ -n "$(marker)" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended at start"
  sleep 0.1
done
[ -n "$(marker)" ] || fail "no version marker in \$XDG_DATA_HOME/velmora after 10 s: the data went elsewhere"
[ -d "$store/DATA" ] || fail "no DATA folder in \$XDG_DATA_HOME/velmora"
[ -f "$store/DATA/CFG.DAT" ] || fail "no settings file DATA/CFG.DAT in \$XDG_DATA_HOME/velmora"
kill -0 "$pid" 2>/dev/null || fail "the installed program ended at start"
listing >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" >"$work/written.txt" ||
  { cat "$work/written.txt"; fail "the program wrote into its installed folder"; }
echo "install-check: installed, validated, and the program keeps its data in \$XDG_DATA_HOME/velmora/DATA"
