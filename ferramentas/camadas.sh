#!/usr/bin/env bash
# Checks the folder plan: every #include "folder/.../File.h" of the program's code must name a
# folder of the same layer or of a lower one, in this order:
#   engine, texts, settings, clients, composer, report, report/painter, printing,
#   printing/painter, gui/comum, gui/entrada, gui/textos, gui/configuracao, gui/clientes,
#   gui/estudos, gui/relatorio, gui/impressao, gui/auxiliares, app,
#   cli/comandos, cli/pdf, cli
# Every folder of the program that holds code must be in that list, and the folders before
# gui/ (the core) must not link Qt Widgets: windows live under gui/ only.
# Prints every include that runs upwards and exits 1 when there is one; with --grafo, prints
# the include graph between folders instead ("from -> to (count)").
set -euo pipefail
cd "$(dirname "$0")/.."

ordem=(engine texts settings clients composer report report/painter printing printing/painter
       gui/comum gui/entrada gui/textos gui/configuracao gui/clientes gui/estudos gui/relatorio
       gui/impressao gui/auxiliares app
       cli/comandos cli/pdf cli)
nucleo=(engine texts settings clients composer report report/painter printing printing/painter)
fora=(tests tests/suporte bench fuzz data ferramentas)

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

# A folder with code that is in no layer would escape the check.
while IFS= read -r pasta; do
    pasta=${pasta#./}
    conhecida=0
    for p in "${ordem[@]}" "${fora[@]}"; do
        case "$pasta" in
        "$p" | tests/* | bench/* | fuzz/*) conhecida=1 ;;
        esac
    done
    if [ "$conhecida" -eq 0 ]; then
        echo "$pasta: pasta com código fora da lista das camadas"
        falhas=$((falhas + 1))
    fi
done < <(find . -path ./.git -prune -o -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -printf '%h\n' | sort -u)

for pasta in "${nucleo[@]}"; do
    if grep -q 'Qt6::Widgets' "$pasta/CMakeLists.txt" 2>/dev/null; then
        echo "$pasta/CMakeLists.txt: o núcleo não liga Qt Widgets (janelas ficam em gui/)"
        falhas=$((falhas + 1))
    fi
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
