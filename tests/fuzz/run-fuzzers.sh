#!/usr/bin/env bash
# Builds every libFuzzer target (tests/fuzz/fuzz_*.cpp) with clang in its own
# build folder and runs each for the given number of seconds (default 30),
# starting from its seed corpus (tests/fuzz/corpus and the binary seeds
# make-seeds.sh writes). New inputs land in the build folder.
#   bash tests/fuzz/run-fuzzers.sh [seconds] [build folder]
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$PWD"
seconds="${1:-30}"
build="$(realpath -m "${2:-build-fuzz}")"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DPIGMENTRA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$(nproc)" --target pigmentra_fuzzers

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
seeds="$build/tests/fuzz/seeds"
bash "$root/tests/fuzz/make-seeds.sh" "$seeds"
status=0
for src in tests/fuzz/fuzz_*.cpp; do
  name="$(basename "$src" .cpp)"
  work="$build/tests/fuzz/corpus-$name"
  mkdir -p "$work"
  args=(-max_total_time="$seconds" -max_len=8192 -print_final_stats=1)
  [ -f "$root/tests/fuzz/$name.dict" ] && args+=(-dict="$root/tests/fuzz/$name.dict")
  corpora=("$work")
  [ -d "$root/tests/fuzz/corpus/$name" ] && corpora+=("$root/tests/fuzz/corpus/$name")
  [ -d "$seeds/$name" ] && corpora+=("$seeds/$name")
  echo "== $name for ${seconds}s"
  if ! (cd "$build/tests/fuzz" && "./$name" "${args[@]}" "${corpora[@]}"); then
    echo "!! $name found a failure (crash input in $build/tests/fuzz)"
    status=1
  fi
done
exit $status
