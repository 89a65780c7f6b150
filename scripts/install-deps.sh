#!/usr/bin/env bash
# Installs the Debian 12 packages Pigmentra needs to build, run and test.
# Usage: scripts/install-deps.sh [--test]   (run as root)
set -euo pipefail
pkgs=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-multimedia-dev
  qt6-qpa-plugins
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-liberation
)
if [ "${1:-}" = "--test" ]; then
  pkgs+=(xvfb xauth xdotool x11-utils openbox x11-apps python3 clang libclang-rt-14-dev libbenchmark-dev gstreamer1.0-plugins-base-apps ccache clang-format git)
  # The Wayland desktop of the end-to-end game (with Qt's wayland plugin, so
  # that the game has the choice), and the package's metadata checks.
  pkgs+=(weston xwayland qt6-wayland lintian desktop-file-utils appstream)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
