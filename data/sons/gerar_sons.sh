#!/usr/bin/env bash
# Gera os três sons do Vidalume com o sox, sempre de forma idêntica:
#   welcomeb.wav  carrilhão de boas-vindas (arpejo de dó maior em sinos), ~1,5 s
#   aguarda.wav   som suave de espera, 1 s, feito para tocar em laço sem estalo
#   virafolh.wav  página virando (ruído filtrado em forma de sopro), ~0,3 s
# Formato: WAV PCM 16 bits, mono, 22050 Hz.
#
# Uso: gerar_sons.sh [pasta_de_saida]   (padrão: a pasta deste script)
set -euo pipefail

if ! command -v sox >/dev/null 2>&1; then
    echo "gerar_sons.sh: o programa sox não foi encontrado (apt-get install sox)" >&2
    exit 1
fi

script_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
saida=${1:-$script_dir}
mkdir -p "$saida"
saida=$(cd "$saida" && pwd)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# -R: gerador de ruído com semente fixa (saída repetível); -D: sem dither.
SOX=(sox -R -D)
FMT=(-r 22050 -c 1 -b 16 -e signed-integer)
# Formato intermediário em ponto flutuante, para somar as vozes sem saturar.
TMPFMT=(-r 22050 -c 1 -b 32 -e floating-point)

# Uma nota de sino: fundamental, oitava e um parcial inarmônico (2,76 x),
# com ataque curto e decaimento longo (a cauda é cortada pelo fade final);
# começa após o atraso pedido.
sino() {  # sino ARQUIVO FREQ_HZ ATRASO_S DURACAO_S
    local arq=$1 f=$2 atraso=$3 dur=$4
    local p1 p2 p3
    p1="$tmp/p1.wav"; p2="$tmp/p2.wav"; p3="$tmp/p3.wav"
    "${SOX[@]}" -n "${TMPFMT[@]}" "$p1" synth "$dur" sine "$f"
    "${SOX[@]}" -n "${TMPFMT[@]}" "$p2" synth "$dur" sine "$(awk -v f="$f" 'BEGIN{print f*2}')"
    "${SOX[@]}" -n "${TMPFMT[@]}" "$p3" synth "$dur" sine "$(awk -v f="$f" 'BEGIN{print f*2.76}')"
    "${SOX[@]}" -m -v 0.6 "$p1" -v 0.25 "$p2" -v 0.12 "$p3" "${TMPFMT[@]}" "$arq" \
        fade l 0.006 "$dur" "$(awk -v d="$dur" 'BEGIN{print d-0.006}')" pad "$atraso"
}

# --- welcomeb.wav: dó5, mi5, sol5, dó6 em arpejo, com um pouco de reverberação
sino "$tmp/n1.wav" 523.25 0.00 2.40
sino "$tmp/n2.wav" 659.26 0.14 2.20
sino "$tmp/n3.wav" 783.99 0.28 2.00
sino "$tmp/n4.wav" 1046.50 0.44 2.00
"${SOX[@]}" -m -v 1 "$tmp/n1.wav" -v 0.9 "$tmp/n2.wav" -v 0.8 "$tmp/n3.wav" -v 0.7 "$tmp/n4.wav" \
    "${TMPFMT[@]}" "$tmp/arpejo.wav" reverb 30 50 60 40 10
"${SOX[@]}" "$tmp/arpejo.wav" "${FMT[@]}" "$saida/welcomeb.wav" \
    trim 0 1.5 gain -n -3 fade h 0 1.5 0.5

# --- aguarda.wav: lá3, mi4 e lá4 (frequências inteiras: 1 s tem um número
# inteiro de períodos) sob um envelope que nasce e morre em zero com
# inclinação nula; repetido em laço vira uma pulsação de um segundo.
"${SOX[@]}" -n "${TMPFMT[@]}" "$tmp/a1.wav" synth 1 sine 220
"${SOX[@]}" -n "${TMPFMT[@]}" "$tmp/a2.wav" synth 1 sine 330
"${SOX[@]}" -n "${TMPFMT[@]}" "$tmp/a3.wav" synth 1 sine 440
"${SOX[@]}" -m -v 0.6 "$tmp/a1.wav" -v 0.3 "$tmp/a2.wav" -v 0.15 "$tmp/a3.wav" \
    "${FMT[@]}" "$saida/aguarda.wav" fade h 0.5 1 0.5 gain -n -8

# --- virafolh.wav: um sopro grave que cresce e some, seguido de um chiado
# mais agudo, dando a impressão de uma folha passando.
"${SOX[@]}" -n "${TMPFMT[@]}" "$tmp/v1.wav" synth 0.3 pinknoise \
    gain -6 sinc 700-4500 fade q 0.12 0.3 0.18
"${SOX[@]}" -n "${TMPFMT[@]}" "$tmp/v2.wav" synth 0.3 whitenoise \
    gain -6 sinc 3000-9000 fade h 0.2 0.3 0.1
"${SOX[@]}" -m -v 1 "$tmp/v1.wav" -v 0.45 "$tmp/v2.wav" \
    "${FMT[@]}" "$saida/virafolh.wav" gain -n -6 fade h 0 0.3 0.02

echo "Sons gerados em $saida: welcomeb.wav aguarda.wav virafolh.wav"
