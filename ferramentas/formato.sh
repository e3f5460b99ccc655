#!/usr/bin/env bash
# Fails when clang-format (with the repository's .clang-format) would change any C++ file;
# with --corrige, formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t arquivos < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--corrige" ]; then
    clang-format -i "${arquivos[@]}"
    exit 0
fi
clang-format --dry-run --Werror "${arquivos[@]}"
