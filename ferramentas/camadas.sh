#!/usr/bin/env bash
# Checks the folder plan: every #include "folder/.../File.h" of the program's code must name a
# folder of the same layer or of a lower one, in this order:
#   engine, texts, settings, clients, composer, report, report/painter, printing,
#   printing/painter, widgets, engine/ui, texts/ui, settings/ui, clients/ui, composer/ui,
#   report/ui, printing/ui, app/auxiliares, app,
#   cli/comandos, cli/pdf, cli
# Prints every include that runs upwards and exits 1 when there is one; with --grafo, prints
# the include graph between folders instead ("from -> to (count)").
set -euo pipefail
cd "$(dirname "$0")/.."

ordem=(engine texts settings clients composer report report/painter printing printing/painter
       widgets engine/ui texts/ui settings/ui clients/ui composer/ui report/ui printing/ui
       app/auxiliares app
       cli/comandos cli/pdf cli)

nivel() {
    local i
    for i in "${!ordem[@]}"; do
        if [ "${ordem[$i]}" = "$1" ]; then
            echo "$i"
            return
        fi
    done
    echo -1
}

grafo=0
[ "${1:-}" = "--grafo" ] && grafo=1

falhas=0
declare -A arestas=()
for pasta in "${ordem[@]}"; do
    de=$(nivel "$pasta")
    for arquivo in "$pasta"/*.h "$pasta"/*.cpp; do
        [ -e "$arquivo" ] || continue
        while IFS= read -r incluido; do
            alvo=$(dirname "$incluido")
            para=$(nivel "$alvo")
            if [ "$para" -lt 0 ]; then
                echo "$arquivo: inclui \"$incluido\", fora das pastas do programa"
                falhas=$((falhas + 1))
            elif [ "$para" -gt "$de" ]; then
                echo "$arquivo: inclui \"$incluido\", de uma camada acima ($alvo)"
                falhas=$((falhas + 1))
            fi
            if [ "$alvo" != "$pasta" ]; then
                chave="$pasta -> $alvo"
                arestas[$chave]=$(( ${arestas[$chave]:-0} + 1 ))
            fi
        done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$arquivo" | grep -v '\.moc$' || true)
    done
done

if [ "$grafo" -eq 1 ]; then
    for chave in "${!arestas[@]}"; do
        echo "$chave (${arestas[$chave]})"
    done | sort
fi
if [ "$falhas" -gt 0 ]; then
    echo "$falhas inclusões fora da ordem das camadas." >&2
    exit 1
fi
