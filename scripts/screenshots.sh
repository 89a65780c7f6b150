#!/usr/bin/env bash
# Makes a screenshot of every form and dialog in every state a player meets,
# each 808 x 601, and a contact sheet of them all, played through the game's
# real buttons under a virtual X server (Xvfb). Three of them (menu,
# laboratory, production) are the AppStream metadata's.
# Usage: scripts/screenshots.sh OUTPUT-FOLDER [BUILD-FOLDER]
#   BUILD-FOLDER defaults to ./build; the screenshot tool is added to it
#   (-DPIGMENTRA_SCREENSHOTS=ON). Needs xvfb and xauth; without xvfb-run the
#   screens are drawn offscreen instead.
set -euo pipefail
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 OUTPUT-FOLDER [BUILD-FOLDER]" >&2
  exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "$1")"
build="$(realpath -m "${2:-$root/build}")"

config=(-DPIGMENTRA_SCREENSHOTS=ON)
if [ ! -f "$build/CMakeCache.txt" ]; then
  config+=(-DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF)
fi
cmake -S "$root" -B "$build" "${config[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target pigmentra_screenshots pigmentra_assets
mkdir -p "$out"

# A scratch TEMP keeps the player's highscore file out of it, a private
# runtime folder keeps Qt quiet.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export TEMP="$scratch"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
export QT_MEDIA_BACKEND=gstreamer
# The media module lies beside the game's executable, not beside the tool.
export PIGMENTRA_MEDIA_MODULE="$build/bin/pigmentra_media.so"

tool="$build/packaging/pigmentra_screenshots"
cd "$build/bin"   # the game reads its files from the working directory
if command -v xvfb-run >/dev/null 2>&1; then
  xvfb-run -a -s "-screen 0 1024x768x24" "$tool" "$out"
else
  echo "xvfb-run not found (apt-get install xvfb xauth): drawing offscreen" >&2
  QT_QPA_PLATFORM=offscreen "$tool" "$out"
fi
