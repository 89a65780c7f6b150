#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it from its run folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build -j"$(nproc)"
cd build/bin && exec ./pigmentra
