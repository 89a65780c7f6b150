#!/bin/sh
# Installs the built game into a scratch prefix and checks that the installed
# tree is a playable desktop game: every data file of the run folder is in the
# data folder, the icon set, menu entry and metadata are in place, and the
# launcher starts the game (offscreen, quitting once the start screen is
# painted) from any directory, also through a symlink.
# Usage: install_check.sh <build-folder>
set -u
build=${1:?usage: install_check.sh <build-folder>}
run="$build/bin"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT INT TERM
prefix="$scratch/prefix"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

: "${QT_QPA_PLATFORM:=offscreen}"
export QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
export TEMP="$scratch"
# The installed game must find its own media module, not the build's.
unset PIGMENTRA_MEDIA_MODULE

if ! "${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

# Every data file the game reads from its run folder is installed, and
# nothing else lands in the data folder.
data="$prefix/share/pigmentra"
(cd "$run" && ls Pigmentra*.bmp Pigmentra*.png Pigmentra*.wav Pigmentra*.avi Pigmentra*.rtf 2>/dev/null | sort) >"$scratch/run.list"
(cd "$data" && ls -A | sort) >"$scratch/data.list"
[ -s "$scratch/run.list" ] || fail "run folder $run holds no data files"
diff "$scratch/run.list" "$scratch/data.list" >"$scratch/diff" || { cat "$scratch/diff"; fail "data folder differs from the run folder"; }
for f in PigmentraAuto.bmp PigmentraLevel1.bmp PigmentraLabor.bmp PigmentraFaust.avi Pigmentra.rtf; do
    [ -f "$data/$f" ] || fail "missing $data/$f"
done
[ -e "$data/pigmentra" ] && fail "the executable is in the data folder"
[ -e "$data/icons" ] && fail "the icon folder is in the data folder"

[ -x "$prefix/games/pigmentra" ] || fail "launcher missing or not executable"
[ -e "$prefix/bin" ] && fail "something in bin/ (a game's launcher goes in games/)"
[ -x "$prefix/libexec/pigmentra/pigmentra" ] || fail "game executable missing or not executable"
[ -f "$prefix/libexec/pigmentra/pigmentra_media.so" ] || fail "media module missing beside the executable"
for size in 16 32 48 64 128 256; do
    [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/pigmentra.png" ] || fail "missing ${size}x${size} icon"
done
[ -s "$prefix/share/icons/hicolor/scalable/apps/pigmentra.svg" ] || fail "missing scalable icon"
desktop="$prefix/share/applications/io.pigmentra.Pigmentra.desktop"
metainfo="$prefix/share/metainfo/io.pigmentra.Pigmentra.metainfo.xml"
[ -f "$desktop" ] || fail "missing desktop file"
[ -f "$metainfo" ] || fail "missing metainfo file"
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$desktop" >"$scratch/desktop.log" 2>&1 && [ ! -s "$scratch/desktop.log" ] ||
        { cat "$scratch/desktop.log"; fail "desktop-file-validate"; }
fi
# The menu entry starts the installed launcher by its path, whatever PATH holds.
grep -qx "Exec=$prefix/games/pigmentra" "$desktop" || fail "menu entry does not start $prefix/games/pigmentra"
[ -s "$prefix/share/man/man6/pigmentra.6.gz" ] || fail "missing compressed manual page"
for f in copyright changelog.gz; do
    [ -s "$prefix/share/doc/pigmentra/$f" ] || fail "missing share/doc/pigmentra/$f"
done
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$metainfo" >"$scratch/as.log" 2>&1 || { cat "$scratch/as.log"; fail "appstreamcli validate"; }
fi

# The launcher starts the game in its data folder whatever the caller's
# directory; the game ends itself once the start screen is painted. A game
# that cannot find its files shows an error box and would wait: the timeout
# turns that into a failure.
mkdir "$scratch/elsewhere"
ln -s "$prefix/games/pigmentra" "$scratch/elsewhere/pigmentra-link"
for launcher in "$prefix/games/pigmentra" "$scratch/elsewhere/pigmentra-link"; do
    (cd "$scratch/elsewhere" && PIGMENTRA_QUIT_WHEN_SHOWN=1 timeout 30 "$launcher" >"$scratch/run.log" 2>&1)
    rc=$?
    [ "$rc" -eq 0 ] || { cat "$scratch/run.log"; fail "$launcher exited with $rc"; }
done

# Without its data folder the launcher says so and fails instead of starting
# a game that cannot load anything.
mv "$data" "$data.away"
(cd "$scratch/elsewhere" && timeout 30 "$prefix/games/pigmentra" >"$scratch/run.log" 2>&1)
rc=$?
[ "$rc" -ne 0 ] && [ "$rc" -ne 124 ] || fail "launcher without data folder exited with $rc"
grep -q "data folder" "$scratch/run.log" || fail "launcher without data folder gave no message"
mv "$data.away" "$data"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installed tree complete; the launcher starts the game"
