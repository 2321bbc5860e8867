# shellcheck shell=bash disable=SC2034,SC2154  # shared with bench/peers.sh, which sets the work folders
# The programs bench/peers.sh compares; sourced, not run. Each plays the same
# game, Klondike, from a settings folder of its own (HOME and the XDG folders
# in the run's work folder) prepared so that it starts straight on a dealt
# table: no game chooser or welcome box. Each runs in two modes
# ($peers_mode): "defaults", as the program comes, and "off", with its
# animations switched off where it lets one switch them off. The floor is a
# bare Qt window (one label, the size of Velmora's), the least any Qt
# program on this display costs.

readonly peers_all=(velmora kpat aisleriot pysolfc bare)
declare -A peer_label=([velmora]=Velmora [kpat]=KPatience [aisleriot]=Aisleriot [pysolfc]=PySolFC
  [bare]=bare_Qt)

# Where the drag starts, from the window's top left corner, for the window
# size each program opens with here (no window manager, so none is resized):
# 20-30 pixels below the top edge of the card at the foot of the last
# tableau column, which Klondike always deals face up, whatever the deal.
# Found once on a screenshot of each dealt table; the drag itself checks
# that a card followed the pointer.
declare -A peer_window=([velmora]=1130x650 [kpat]=896x560 [aisleriot]=800x600 [pysolfc]=723x564
  [bare]=1130x650)
declare -A peer_grip=([velmora]="1010 325" [kpat]="736 380" [aisleriot]="742 440" [pysolfc]="521 305")

declare -A peer_executable=([kpat]=/usr/games/kpat [aisleriot]=/usr/games/sol
  [pysolfc]=/usr/games/pysolfc)

# The bare window is built with Velmora's benchmarks.
peers_bare_window() { echo "$peers_program/../bench/startup_bare_window"; }

# True when the program can be measured (Velmora: its program folder).
peer_present() {
  case "$1" in
    velmora) [ -x "$peers_program/velmora" ] ;;
    bare) [ -x "$(peers_bare_window)" ] ;;
    *) [ -x "${peer_executable[$1]}" ] ;;
  esac
}

# Whether the program holds a card to drag (the floor does not).
peer_plays() { [ "$1" != bare ]; }

peer_version() {
  case "$1" in
    velmora) peers_velmora_version ;;
    bare) echo "-" ;;
    *) dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo "-" ;;
  esac
}

# The project's version beside the script, with the commit when the script
# lies in a git checkout (read only).
peers_velmora_version() {
  local root version commit
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
  version="$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt" 2>/dev/null)"
  commit="$(git -C "$root" rev-parse --short HEAD 2>/dev/null || true)"
  echo "${version:-?}${commit:+-$commit}"
}

# The settings folder of a program in the current mode: HOME with its XDG
# folders.
peer_home() { echo "$peers_work/home-$1-$peers_mode"; }

# The environment a program runs with, one NAME=value a line.
peer_environment() {
  local home
  home="$(peer_home "$1")"
  printf '%s\n' "HOME=$home" "XDG_CONFIG_HOME=$home/.config" "XDG_CACHE_HOME=$home/.cache" \
    "XDG_DATA_HOME=$home/.local/share" "XDG_STATE_HOME=$home/.local/state" \
    "XDG_RUNTIME_DIR=$home/run"
}

# Fills the program's settings folder once; it is kept from run to run, as a
# player's is, so caches a program makes on its first start stay.
peer_prepare() {
  local home
  home="$(peer_home "$1")"
  mkdir -p "$home/.config" "$home/.cache" "$home/.local/share" "$home/.local/state" "$home/run"
  chmod 700 "$home/run"
  case "$1" in
    velmora)
      # A copy of the program folder, which holds the settings; the player's
      # statistics file marks a program used before, so the game selection
      # does not open over the first table; the tip of the day is off (its
      # box would take the drag). The deal animation is on by default.
      mkdir -p "$home/velmora/DATA"
      cp "$peers_program/velmora" "$peers_program/velmora-sound.so" "$peers_program/GAMES.DAT" \
        "$peers_program/QOR.RGF" "$home/velmora/"
      [ -e "$peers_program/tabloria.hlp" ] && cp "$peers_program/tabloria.hlp" "$home/velmora/"
      : >"$home/velmora/DATA/Stat_e00.dat"
      printf '[Preference]\nGame=2\nGame_name=Klondike\nTips_StartUp=N\n' >"$home/velmora/DATA/CFG.DAT"
      if [ "$peers_mode" = off ]; then printf 'Deal_Animation=N\n' >>"$home/velmora/DATA/CFG.DAT"; fi
      ;;
    kpat)
      # Its deal is always animated: the same in both modes. The solver
      # would run beside the drag and automatic moves after the deal would
      # vary with the deal: off in both.
      printf '[General Settings]\nAutodrop=false\nSolver=false\n' >"$home/.config/kpatrc"
      ;;
    # Aisleriot: nothing to prepare; it has no first-run box and no deal
    # animation, and --variation starts the game.
    pysolfc)
      # No welcome box; its animations (medium by default) off in mode off.
      mkdir -p "$home/.pysolfc"
      printf '[general]\nsplashscreen = False\n' >"$home/.pysolfc/options.cfg"
      if [ "$peers_mode" = off ]; then printf 'animations = 0\n' >>"$home/.pysolfc/options.cfg"; fi
      ;;
  esac
}

# The command line that starts the program on a dealt Klondike.
peer_command() {
  case "$1" in
    velmora) echo "$(peer_home velmora)/velmora/velmora" ;;
    bare) peers_bare_window ;;
    kpat) printf '%s\n' "${peer_executable[kpat]}" --gametype klondike ;;
    aisleriot) printf '%s\n' "${peer_executable[aisleriot]}" --variation klondike ;;
    pysolfc) printf '%s\n' "${peer_executable[pysolfc]}" --game Klondike ;;
  esac
}
