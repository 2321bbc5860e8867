# shellcheck shell=bash
# Installing the peers measured by bench/peers.sh; sourced, not run.
#
# KPatience and Aisleriot come from the machine's own Debian sources. PySolFC
# is not in Debian 12: its package of the next release, and those of its
# dependencies that Debian 12 lacks (pure Python, "Architecture: all"), are
# fetched through a throw-away apt configuration that reads the next release
# from the mirror the machine already uses, with its package lists and cache
# in a temporary folder: the machine's sources are left as they were.
# Everything else PySolFC needs comes from Debian 12.

readonly peers_next_suite=trixie

# apt-get as root; it waits for another apt on the machine to finish.
peers_apt() {
  local sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -y -q -o DPkg::Lock::Timeout=600 "$@"
}

peers_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# The Debian mirror the machine's sources name first (deb822 or one-line).
peers_mirror() {
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list; do
    if [ -f "$f" ]; then grep -v '^[[:space:]]*#' "$f"; fi
  done | grep -o -E 'https?://[^ ]+/debian/?( |$)' | head -n 1 | tr -d ' ' | sed 's:/*$::'
}

# The Debian packages of the peers (without their recommended help viewers)
# and what the benchmark itself needs: a C++ compiler and the X11 headers
# for its window watcher, a session bus, the virtual display, xdotool and
# ImageMagick.
peers_install_debian() {
  local wanted=(kpat aisleriot g++ libx11-dev dbus xvfb xauth xdotool imagemagick)
  local missing=() p
  for p in "${wanted[@]}"; do peers_installed "$p" || missing+=("$p"); done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  peers_apt update >/dev/null
  peers_apt install --no-install-recommends "${missing[@]}" >/dev/null
}

# PySolFC from the next release; 0 when it is installed afterwards.
peers_install_pysolfc() {
  peers_installed pysolfc && return 0
  local mirror tmp
  mirror="$(peers_mirror)"
  if [ -z "$mirror" ]; then
    echo "PySolFC left out: no Debian mirror found in /etc/apt/sources.list*"
    return 1
  fi
  tmp="$(mktemp -d)"
  if ! peers_fetch_pysolfc "$mirror" "$tmp" >"$tmp/log" 2>&1 ||
    ! peers_apt install --no-install-recommends "$tmp"/debs/*.deb >>"$tmp/log" 2>&1; then
    echo "PySolFC left out: its $peers_next_suite package did not install here:"
    tail -n 5 "$tmp/log" | sed 's/^/  /'
    rm -rf "$tmp"
    return 1
  fi
  rm -rf "$tmp"
  echo "installed PySolFC from $peers_next_suite: $(peers_version pysolfc)"
}

# Downloads pysolfc and its dependencies that Debian 12 has no candidate
# for into <tmp>/debs.
peers_fetch_pysolfc() {
  local mirror=$1 tmp=$2 dep
  mkdir -p "$tmp/lists/partial" "$tmp/cache/archives/partial" "$tmp/debs"
  echo "deb $mirror $peers_next_suite main" >"$tmp/sources.list"
  local next=(-o "Dir::Etc::SourceList=$tmp/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o "Dir::State::Lists=$tmp/lists" -o "Dir::Cache=$tmp/cache")
  apt-get -q "${next[@]}" update
  peers_apt update
  local wanted=(pysolfc)
  for dep in $(apt-cache "${next[@]}" depends pysolfc | awk '$1 == "Depends:" { gsub(/[<>]/, "", $2); print $2 }'); do
    [[ "$dep" == *:any ]] && continue
    if [[ "$(apt-cache policy "$dep")" != *"Candidate: "[0-9]* ]]; then
      [[ "$(apt-cache "${next[@]}" show "$dep")" == *"Architecture: all"* ]] || return 1
      wanted+=("$dep")
    fi
  done
  (cd "$tmp/debs" && apt-get -q "${next[@]}" download "${wanted[@]}")
}

peers_version() {
  dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo "-"
}
