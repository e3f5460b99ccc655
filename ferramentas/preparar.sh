#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs to build, run and test, skipping those
# already installed. Run as root (or with sudo available).
set -euo pipefail

pacotes=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libqt6sql6-sqlite qt6-svg-dev qt6-multimedia-dev qt6-translations-l10n libgl1-mesa-dev
    libqt6svg6 qt6-qpa-plugins
    libgtest-dev googletest libbenchmark-dev
    fonts-liberation poppler-utils clang-format unzip
    libzip-dev zlib1g-dev
    dpkg-dev file desktop-file-utils appstream lintian
)

faltam=()
for p in "${pacotes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        faltam+=("$p")
    fi
done

if [ ${#faltam[@]} -gt 0 ]; then
    echo "Instalando: ${faltam[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${faltam[@]}"
fi
