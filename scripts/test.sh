#!/usr/bin/env bash
# Installs what the tests need, builds the game and its tests, and runs the
# whole suite through CTest: once in a normal build and once under
# AddressSanitizer + UndefinedBehaviorSanitizer, headless (offscreen); and the
# end-to-end game of a Release build on a virtual X display (Xvfb) and on a
# Wayland desktop (weston); and the Debian package's metadata checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 0700 "$XDG_RUNTIME_DIR"
jobs="$(nproc)"

# Our own style, as .clang-format says, over every tracked C++ file.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

cmake --preset default
cmake --build --preset default -j"$jobs"
ctest --preset default -j"$jobs"

# The end-to-end game: the Release game played on a real X display (Xvfb,
# without and with openbox, and XWayland under weston) through real clicks
# and keys (tests/e2e).
cmake --preset release
cmake --build --preset release -j"$jobs"

# The Debian package of that build, judged as stores judge it (lintian,
# AppStream, the menu entry).
(cd build-release && cpack -G DEB)
sh tests/package_check.sh build-release/pigmentra_*.deb

ctest --preset e2e

# GStreamer, PulseAudio, D-Bus and GLib keep allocations of their own until
# exit; leak checking covers our code, the media stack is suppressed.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cmake --preset asan
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"

if [ -f tests/fuzz/run-fuzzers.sh ]; then
  bash tests/fuzz/run-fuzzers.sh "${PIGMENTRA_FUZZ_SECONDS:-30}"
fi
