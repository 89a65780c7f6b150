#!/usr/bin/env bash
# Writes the fuzzers' binary seed inputs (nothing binary is committed):
#   bash tests/fuzz/make-seeds.sh <folder>
# makes <folder>/fuzz_highscore/* and <folder>/fuzz_bmp/*.
set -euo pipefail
out="$1"
mkdir -p "$out/fuzz_highscore" "$out/fuzz_bmp"

# One 150-byte highscore record: "%10d %-100s \r\n", a zero byte, padding.
record() { printf '%10d %-100s \r\n' "$1" "$2"; head -c 36 /dev/zero; }
# Its first n bytes only.
cut_record() { record "$1" "$2" >"$out/.record"; head -c "$3" "$out/.record"; rm -f "$out/.record"; }

# The first byte picks the size of the pieces the fuzzer reads in.
{ printf '\x05'; record 300 Ada; record 100 Bea; record 200 Cem; printf 'XXXXXXXXXXXXXXXXXXXX';
  head -c 130 /dev/zero; record 50 NewBest; record 70 Second; } >"$out/fuzz_highscore/torn-tail"
{ printf '\x00'; record 300 Ada; printf 'XXXXXXXXXXXXXXXXXXXX'; record 50 Shifted;
  cut_record 60 Cut 120; record 80 Behind; cut_record 5 Half 75; cut_record 1 Tail 100; } \
  >"$out/fuzz_highscore/shifted"

# BMP headers: "BM", file size, pixel offset 54; a 40-byte information header.
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))"; \
         printf "\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"; }
bmp_header() {  # width height bits
  local stride=$(((($1 * $3 / 8) + 3) / 4 * 4))
  printf 'BM'; le32 $((54 + stride * $2)); le32 0; le32 54
  le32 40; le32 "$1"; le32 "$2"; printf '\x01\x00'; printf "\\x$(printf %02x "$3")\\x00"
  le32 0; le32 $((stride * $2)); le32 2835; le32 2835; le32 0; le32 0
}
# A header that claims a giant picture (a sparse file of it would be 805 MB).
bmp_header 16384 16384 24 >"$out/fuzz_bmp/giant-header.bmp"
# A 24-bit picture of 8 x 8 cut after 3 of its 8 rows, and its header alone.
{ bmp_header 8 8 24; head -c $((24 * 3)) /dev/urandom; } >"$out/fuzz_bmp/truncated.bmp"
bmp_header 8 8 24 >"$out/fuzz_bmp/header-only.bmp"
