#!/bin/sh
# Judges the Debian package as stores and desktops do: lintian reports no
# error and no warning, the AppStream metadata validates pedantically with
# nothing but the note on the capital letters of its ID, and the menu entry
# validates without a word.
# Usage: package_check.sh <package.deb>
set -u
deb=${1:?usage: package_check.sh <package.deb>}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT INT TERM
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1; then
    cat "$scratch/lintian.log"
    fail "lintian"
fi

dpkg-deb -x "$deb" "$scratch/root" || { echo "FAIL: dpkg-deb -x"; exit 1; }
metainfo="$scratch/root/usr/share/metainfo/io.pigmentra.Pigmentra.metainfo.xml"
desktop="$scratch/root/usr/share/applications/io.pigmentra.Pigmentra.desktop"

appstreamcli validate --pedantic --no-net "$metainfo" >"$scratch/as.log" 2>&1
rc=$?
# Only the pedantic note on the ID's capitals may stay.
grep -E '^[EWIP]: ' "$scratch/as.log" | grep -v '^P: io.pigmentra.Pigmentra:[0-9]*: cid-contains-uppercase-letter ' >"$scratch/as.issues"
if [ "$rc" -ne 0 ] || [ -s "$scratch/as.issues" ]; then
    cat "$scratch/as.log"
    fail "appstreamcli validate --pedantic"
fi

# What stores show beside the description: a content rating, dated
# releases, a caption on every screenshot, the controls and the display
# size the game needs, and its brand colours.
for element in '<content_rating type="oars-1.1"' '<supports>' '<control>keyboard</control>' \
    '<control>pointing</control>' '<requires>' '<display_length ' '<branding>' '<color type="primary"'; do
    grep -qF "$element" "$metainfo" || fail "metainfo lacks $element"
done
grep '<release ' "$metainfo" | grep -vq ' date="' && fail "a release without a date"
[ "$(grep -c '<screenshot[ >]' "$metainfo")" -eq "$(grep -c '<caption>' "$metainfo")" ] ||
    fail "a screenshot without a caption"

desktop-file-validate "$desktop" >"$scratch/desktop.log" 2>&1
rc=$?
if [ "$rc" -ne 0 ] || [ -s "$scratch/desktop.log" ]; then
    cat "$scratch/desktop.log"
    fail "desktop-file-validate"
fi
# The menu entry starts the launcher where the package puts it.
grep -qx 'Exec=/usr/games/pigmentra' "$desktop" || fail "menu entry does not start /usr/games/pigmentra"
[ -x "$scratch/root/usr/games/pigmentra" ] || fail "no launcher in /usr/games"

if [ "$failures" -ne 0 ]; then
    echo "$failures package check(s) failed"
    exit 1
fi
echo "package metadata clean: lintian, AppStream, menu entry"
