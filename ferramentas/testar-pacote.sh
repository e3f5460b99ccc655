#!/usr/bin/env bash
# Checks the Debian package as a user gets it: builds it (ferramentas/pacote.sh), installs it
# with apt, validates the installed menu entry and AppStream data, then, as two throw-away
# unprivileged users:
#   - vidalume-cli from /usr/bin writes a PDF;
#   - the desktop program, started offscreen and closing by itself (VIDALUME_ENCERRAR_AO_ABRIR),
#     creates its settings in the user's ~/.local/share/Vidalume and nothing under /usr;
#   - each user has a copy of the texts of their own, and a text edited by one user changes
#     nothing for the other;
#   - removing the package leaves the users' folders alone.
# Finally removes the package and the users. Needs root (uses sudo otherwise) and changes the
# machine's packages: meant for CI machines. Refuses to run where vidalume is already installed.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
    exec sudo "$0" "$@"
fi

falha() {
    echo "FALHA: $*" >&2
    exit 1
}
passo() { echo "== $*"; }

if dpkg-query -W -f='${Status}' vidalume 2>/dev/null | grep -q 'install ok installed'; then
    falha "o pacote vidalume já está instalado nesta máquina; remova-o antes da verificação."
fi

passo "Construindo o pacote"
deb=$(./ferramentas/pacote.sh)
[ -f "$deb" ] || falha "o pacote não foi gerado"
echo "$deb"

usuarios=("vidalume-a-$$" "vidalume-b-$$")
instalado=0
limpa() {
    for u in "${usuarios[@]}"; do
        if id "$u" >/dev/null 2>&1; then
            userdel -r "$u" >/dev/null 2>&1 || true
        fi
    done
    if [ "$instalado" -eq 1 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq vidalume >/dev/null 2>&1 || true
    fi
}
trap limpa EXIT

passo "Instalando com apt"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
instalado=1
[ -x /usr/bin/vidalume ] && [ -x /usr/bin/vidalume-cli ] || falha "programas não instalados"
[ -f /usr/share/vidalume/CVIDA.DAT ] || falha "textos não instalados em /usr/share/vidalume"

passo "Validando a entrada do menu e os metadados"
desktop-file-validate /usr/share/applications/br.com.vidalume.Vidalume.desktop
appstreamcli validate --no-net /usr/share/metainfo/br.com.vidalume.Vidalume.metainfo.xml

# Runs a command as user $1 with a clean environment of its own, from its home folder.
como() {
    local u=$1
    shift
    (cd "/home/$u" && runuser -u "$u" -- env -i HOME="/home/$u" USER="$u" LOGNAME="$u" \
        PATH=/usr/bin:/bin LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen "$@")
}

usr_antes=$(find /usr/bin /usr/share/vidalume -newer "$deb" 2>/dev/null | sort)
for u in "${usuarios[@]}"; do
    useradd -m -s /bin/bash "$u"
    dados=/home/$u/.local/share/Vidalume

    passo "$u: vidalume-cli pdf"
    como "$u" vidalume-cli pdf --nome "Maria da Silva" --nascimento 29/11/1978 \
        --saida "/home/$u/analise.pdf"
    [ "$(head -c 5 "/home/$u/analise.pdf")" = "%PDF-" ] || falha "$u: o PDF não foi gravado"

    passo "$u: o programa abre sem tela e fecha sozinho"
    como "$u" env VIDALUME_ENCERRAR_AO_ABRIR=1 timeout 120 vidalume ||
        falha "$u: o programa não encerrou normalmente"
    [ -f "$dados/vidalume.dat" ] || falha "$u: vidalume.dat não foi criado em $dados"
    [ -f "$dados/CVIDA.DAT" ] || falha "$u: os textos não foram copiados para $dados"
    [ "$(stat -c %U "$dados/vidalume.dat")" = "$u" ] || falha "$u: vidalume.dat de outro dono"
    cmp -s "$dados/CVIDA.DAT" /usr/share/vidalume/CVIDA.DAT ||
        falha "$u: a cópia dos textos difere da original"
done
[ "$(find /usr/bin /usr/share/vidalume -newer "$deb" 2>/dev/null | sort)" = "$usr_antes" ] ||
    falha "o programa gravou arquivos sob /usr"
find /usr -name vidalume.dat | grep -q . && falha "vidalume.dat foi criado sob /usr"

a=${usuarios[0]}
b=${usuarios[1]}
passo "$a altera um texto; $b não é afetado"
marca="TEXTO ALTERADO POR $a"
arquivo=/home/$a/.local/share/Vidalume/CVIDA.DAT
registros=$(($(stat -c %s "$arquivo") / 5120))
# The mark at the start of every record, as the editor would save a new text.
for ((r = 0; r < registros; r++)); do
    printf '%s' "$marca" | como "$a" dd of="$arquivo" bs=1 seek=$((r * 5120)) conv=notrunc \
        status=none
done
texto_a=$(como "$a" vidalume-cli texto --nome "Maria da Silva" --nascimento 29/11/1978)
texto_b=$(como "$b" vidalume-cli texto --nome "Maria da Silva" --nascimento 29/11/1978)
grep -q "$marca" <<<"$texto_a" || falha "$a: o texto alterado não aparece na análise"
grep -q "$marca" <<<"$texto_b" && falha "$b: recebeu o texto alterado por $a"
cmp -s "/home/$b/.local/share/Vidalume/CVIDA.DAT" /usr/share/vidalume/CVIDA.DAT ||
    falha "$b: os textos mudaram"

passo "Removendo o pacote; os dados dos usuários ficam"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq vidalume >/dev/null
instalado=0
[ ! -e /usr/bin/vidalume ] && [ ! -e /usr/share/vidalume ] || falha "o pacote deixou arquivos"
for u in "${usuarios[@]}"; do
    [ -f "/home/$u/.local/share/Vidalume/vidalume.dat" ] || falha "$u: os dados sumiram"
done
grep -q "$marca" "$arquivo" || falha "$a: o texto alterado sumiu"

echo "Pacote verificado."
