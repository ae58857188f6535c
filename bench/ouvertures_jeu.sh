#!/usr/bin/env bash
# Mesure : temps de processeur du vrai jeu pour chaque ouverture de la grille livrée de 42 × 42, répétée dans une
# même séance au clavier (menu → Grilles libres → prédéfinies → la grille, puis Échap), lu dans /proc.
# usage : bench/ouvertures_jeu.sh [JEU] [OUVERTURES]   sous un écran (xvfb-run -a -s "-screen 0 1024x768x24" ...)
set -u
ici=$(cd "$(dirname "$0")" && pwd)
racine=$(cd "$ici/.." && pwd)
jeu=$(realpath "${1:-$racine/build/novelia_tessaline}")
ouvertures=${2:-100}
. "$racine/tests/bout_en_bout/outils_test.sh"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

# Une racine jetable dont le répertoire de grilles ne tient que la grille mesurée : la liste s'ouvre sur elle.
donnees=$(racine_jetable "$racine/donnees" grilles)
cp "$racine/donnees/grilles/station_orbitale.xml" "$donnees/grilles/"
tics=$(getconf CLK_TCK)
tics_processeur() { sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }
est_accueil() { [ "$(compter "$1" 130 65 530 40 "$blanc")" -gt 1500 ] && ! est_menu "$1"; }
est_jeu() { [ "$(compter "$1" 655 305 125 22 "r>0.8&&g<0.25&&b<0.25")" -gt 150 ]; }
touches() { xdotool key --window "$fenetre" "$@"; }

lancer_jeu "$jeu" "$donnees"
trap 'rm -rf "$captures" "$donnees"; kill "$pid" 2>/dev/null' EXIT
attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "le menu n'est pas dessiné"
touches Down  # « Grilles Libres », où le menu reste au retour
for k in $(seq 1 "$ouvertures"); do
    touches Return
    attendre_ecran "$fenetre" "$captures/accueil.png" est_accueil || echec "pas d'écran d'accueil"
    sleep 0.3
    avant=$(tics_processeur "$pid")
    touches Return Return
    attendre_ecran "$fenetre" "$captures/jeu.png" est_jeu || echec "la grille ne s'ouvre pas"
    sleep 0.3
    apres=$(tics_processeur "$pid")
    echo "$k $(awk -v t=$((apres - avant)) -v h="$tics" 'BEGIN {printf "%.0f", 1000 * t / h}')"
    touches Escape
    attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "Échap ne ramène pas au menu"
done
