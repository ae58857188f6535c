#!/usr/bin/env bash
# Captures de chaque mode du jeu pour le README, faites par le vrai jeu sous un écran virtuel et pilotées au
# clavier : menu, pages, jeu libre (liste et partie), campagne d'un compte neuf, éditeur (dessin et grille
# générée). Écrites dans docs/captures/, réduites de moitié.
# usage : scripts/captures.sh   (construit le jeu s'il le faut ; sans écran, se relance sous xvfb-run)
set -euo pipefail
racine_projet=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
cmake --build "$racine_projet/build" --target novelia_tessaline atelier_tessaline > /dev/null
export SDL_AUDIODRIVER=dummy
set +e
. "$racine_projet/tests/bout_en_bout/outils_test.sh"
set -e
sortie="$racine_projet/docs/captures"
mkdir -p "$sortie"

# Racine de données jetable : comptes et grilles personnelles du script ne touchent pas donnees/.
racine=$(racine_jetable "$racine_projet/donnees" sessions grilles_personnelles)
lancer_jeu "$racine_projet/build/novelia_tessaline" "$racine"
trap 'rm -rf "$captures" "$racine"; kill "$pid" 2>/dev/null' EXIT

touches() { xdotool key --delay 40 --window "$fenetre" "$@"; }
taper() { xdotool type --delay 60 --window "$fenetre" "$1"; }
# Capture de l'écran du moment sous le nom $1, une fois l'image posée.
garder() {
    sleep "${2:-0.8}"
    capturer "$fenetre" "$captures/$1.png" || echec "capture $1 impossible"
    convert "$captures/$1.png" -resize 50% "$sortie/$1.png"
    echo "$sortie/$1.png"
}

attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "le menu n'est pas dessiné"
garder menu
# Les pages du menu : aide, options, crédits (quatrième, cinquième et sixième entrées).
touches Down Down Down Return; garder aide; touches Escape
touches Down Return; garder options; touches Escape
touches Down Return; garder credits; touches Escape
touches Up Up Up Up Up

# Jeu libre : la liste des grilles prédéfinies, puis la première grille ouverte.
touches Down Return; sleep 0.5; touches Return
garder liste_libre
touches Return
garder jeu_libre 2
touches Escape
attendre_ecran "$fenetre" "$captures/menu2.png" est_menu || echec "retour au menu impossible"

# Campagne : un compte neuf, le niveau 1 avec deux faces résolues.
touches Up Up Up
nouveau_compte Capture
attendre_ecran "$fenetre" "$captures/niveau1.png" est_campagne || echec "pas de campagne pour le compte Capture"
for face in 1 2; do
    solution=$("$racine_projet/build/outils/atelier_tessaline" resoudre "$racine/campagne/grilles/niv1_$face.xml")
    # shellcheck disable=SC2046
    touches "KP_$face" $(touches_solution "$solution")
done
touches KP_3
garder campagne 2
touches Escape
attendre_ecran "$fenetre" "$captures/menu3.png" est_menu || echec "retour au menu impossible"

# Éditeur : une grille de 12 × 12, complexité 8, toute peinte sauf un cadre, puis générée.
touches Up Up Up Up Down Down Return; sleep 0.5
taper 12; touches Return; taper 8; touches Return; taper Capture; touches Return; sleep 1
touches BackSpace Right BackSpace Right BackSpace Up BackSpace Up BackSpace
garder editeur_dessin
touches Return
garder editeur_grille 2
touches Escape; sleep 0.5
echo "captures écrites dans $sortie"
