#!/usr/bin/env bash
# Mesure : part d'un cœur que prend le menu principal (champ d'étoiles qui tourne), en temps de processeur du
# vrai jeu (utilisateur + système, lu dans /proc) pendant 10 s, médiane de plusieurs lancements.
# usage : bench/cpu_menu.sh [JEU] [LANCEMENTS]   sous un écran (xvfb-run -a -s "-screen 0 1024x768x24" ...)
set -u
ici=$(cd "$(dirname "$0")" && pwd)
racine=$(cd "$ici/.." && pwd)
jeu=$(realpath "${1:-$racine/build/novelia_tessaline}")
lancements=${2:-5}
duree=10
. "$racine/tests/bout_en_bout/outils_test.sh"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

tics=$(getconf CLK_TCK)
# Tics de processeur consommés par le processus $1 (champs 14 et 15 de /proc/PID/stat, après le nom).
tics_processeur() { sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }

parts=()
for n in $(seq 1 "$lancements"); do
    lancer_jeu "$jeu" "$racine/donnees"
    attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "le menu n'est pas dessiné"
    sleep 1  # le chargement est fini : on ne mesure que le menu
    avant=$(tics_processeur "$pid")
    debut=$(date +%s.%N)
    sleep "$duree"
    apres=$(tics_processeur "$pid")
    fin=$(date +%s.%N)
    part=$(awk -v t=$((apres - avant)) -v h="$tics" -v d="$(echo "$fin - $debut" | bc)" \
        'BEGIN {printf "%.1f", 100 * t / h / d}')
    echo "lancement $n : $(awk -v t=$((apres - avant)) -v h="$tics" 'BEGIN {printf "%.2f", t / h}') s de processeur en ${duree} s, soit $part % d'un cœur"
    parts+=("$part")
    kill "$pid"
    wait "$pid" 2>/dev/null
    rm -rf "$captures"
done
mediane=$(printf '%s\n' "${parts[@]}" | sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}')
echo "menu : médiane $mediane % d'un cœur ($lancements lancements de ${duree} s)"
