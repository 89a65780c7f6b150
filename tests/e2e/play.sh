#!/usr/bin/env bash
# The end-to-end game: a whole game of the built game played on a real X
# display (Xvfb), once without a window manager and once under openbox,
# through real clicks and key presses (xdotool). With --wayland it is played
# once on a Wayland desktop instead: weston with XWayland, the game started
# with WAYLAND_DISPLAY set and left to pick its window system. Needs xvfb,
# xdotool, x11-utils, x11-apps, openbox, weston, xwayland and python3
# (scripts/install-deps.sh --test).
# Usage: tests/e2e/play.sh RUN_FOLDER [OUTPUT_FOLDER] [--wayland] [--keep-going]
#   RUN_FOLDER     the folder with pigmentra and its data files (build/bin)
#   OUTPUT_FOLDER  where screenshots and the game's output go (default: a new
#                  folder under /tmp); --keep-going plays on after a
#                  surprise, to list every one.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=${1:?usage: play.sh RUN_FOLDER [OUTPUT_FOLDER] [--keep-going]}
out=${2:-$(mktemp -d /tmp/pigmentra-e2e.XXXXXX)}
shift $(( $# < 2 ? $# : 2 ))
desktops="none openbox"
args=()
for arg in "$@"; do
  if [ "$arg" = "--wayland" ]; then desktops=weston; else args+=("$arg"); fi
done
mkdir -p "$out"
echo "end-to-end game: screenshots and the game's output go to $out"
status=0
for wm in $desktops; do
  rm -rf "${out:?}/$wm"
  # Each run ends itself after 110 s; the timeout is for a driver that hangs.
  timeout -s TERM 150 python3 "$here/play.py" "$game" --wm "$wm" --out "$out/$wm" "${args[@]}" || status=1
done
exit $status
