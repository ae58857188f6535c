#!/usr/bin/env bash
# Installe les paquets Debian dont le jeu, ses tests et ses outils ont besoin, s'il en manque.
set -euo pipefail

paquets=(
    g++ cmake ninja-build pkg-config
    libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libsdl2-ttf-dev
    libgl-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev libxdamage-dev
    libpugixml-dev
    clang libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick fontconfig
    fonts-play fonts-dejavu-core
    dpkg-dev desktop-file-utils
)

manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$p")
    fi
done
[ ${#manquants[@]} -eq 0 ] && exit 0

echo "Installation des paquets manquants : ${manquants[*]}"
sudo_si_besoin=()
[ "$(id -u)" -ne 0 ] && sudo_si_besoin=(sudo)
"${sudo_si_besoin[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo_si_besoin[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${manquants[@]}"
