#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while.
#   ferramentas/fuzz.sh [seconds per target, default 600] [target ...]
# New inputs that grow coverage are kept in build-fuzz/corpus/<target>; crashes land in
# build-fuzz/crashes/<target>, and the script then exits 1. The small seed corpus lives in
# fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-600}
shift || true
alvos=("$@")
if [ ${#alvos[@]} -eq 0 ]; then
    alvos=(fuzz_registros fuzz_configuracoes fuzz_entrada fuzz_numeros fuzz_escreve_texto)
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVIDALUME_FUZZ=ON -DVIDALUME_GUI=OFF \
    -DVIDALUME_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target "${alvos[@]}"
achados=()
for alvo in "${alvos[@]}"; do
    corpus=build-fuzz/corpus/$alvo
    falhas=build-fuzz/crashes/$alvo
    mkdir -p "$corpus" "$falhas"
    echo "== $alvo: $segundos s"
    # libFuzzer exits non-zero when it finds a crash, a leak or a timeout.
    set +e
    build-fuzz/fuzz/"$alvo" -max_total_time="$segundos" -print_final_stats=1 \
        -artifact_prefix="$falhas/" "$corpus" "fuzz/corpus/$alvo" 2>&1 |
        grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Done'
    estado=${PIPESTATUS[0]}
    set -e
    if [ "$estado" -ne 0 ] || [ -n "$(ls -A "$falhas")" ]; then
        achados+=("$alvo")
    fi
done
if [ ${#achados[@]} -gt 0 ]; then
    echo "Falhas encontradas em: ${achados[*]} (veja build-fuzz/crashes/)" >&2
    exit 1
fi
