#!/usr/bin/env bash
# Set-up, build and start the program.
set -euo pipefail
cd "$(dirname "$0")/.."
./ferramentas/preparar.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
exec ./build/bin/vidalume
