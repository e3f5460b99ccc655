#!/usr/bin/env bash
# Set-up, build and every test, from a fresh clone.
set -euo pipefail
cd "$(dirname "$0")/.."
./ferramentas/preparar.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
