#!/usr/bin/env bash
# Mesures : temps du lancement à la première image du menu (médiane de plusieurs lancements), puis mémoire
# résidente du vrai jeu après la visite de chaque mode : pages du menu, jeu libre sur la grille de 42 × 42,
# campagne d'un compte créé pour l'occasion, éditeur avec génération d'un 42 × 42.
# usage : bench/demarrage_memoire.sh [JEU] [LANCEMENTS]   sous un écran (xvfb-run -a -s "-screen 0 1024x768x24" ...)
set -u
ici=$(cd "$(dirname "$0")" && pwd)
racine_projet=$(cd "$ici/.." && pwd)
jeu=$(realpath "${1:-$racine_projet/build/novelia_tessaline}")
mesureur=$(realpath "$racine_projet/build/bench/premiere_image")
lancements=${2:-5}
donnees="$racine_projet/donnees"
. "$racine_projet/tests/bout_en_bout/outils_test.sh"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

# Racine jetable : les données du jeu, une seule grille libre (la plus grande), comptes et grilles à elle.
racine=$(mktemp -d)
captures=$(mktemp -d)
trap 'rm -rf "$racine" "$captures"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null' EXIT
for entree in "$donnees"/*; do
    case "$(basename "$entree")" in grilles | sessions | grilles_personnelles) ;; *) ln -s "$entree" "$racine/" ;; esac
done
mkdir "$racine/grilles" "$racine/sessions" "$racine/grilles_personnelles"
cp "$donnees/grilles/station_orbitale.xml" "$racine/grilles/"

mediane() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
memoire() { awk '/^VmRSS:/ {print int($2 / 1024)}' "/proc/$pid/status"; }

durees=()
for n in $(seq 1 "$lancements"); do
    mesure=$(cd "$racine" && "$mesureur" "$jeu" "$captures/sortie.txt") || echec "pas de menu ($(cat "$captures/sortie.txt"))"
    pid=${mesure#* }
    echo "lancement $n : première image du menu après ${mesure% *} ms, $(memoire) Mo résidents"
    durees+=("${mesure% *}")
    [ "$n" -eq "$lancements" ] || { kill "$pid"; wait "$pid" 2>/dev/null; }
done
echo "première image du menu : médiane $(printf '%s\n' "${durees[@]}" | mediane) ms ($lancements lancements)"

# Le dernier lancement visite chaque mode.
fenetre=$(attendre_fenetre "$pid") || echec "pas de fenêtre"
touches() { xdotool key --delay 40 --window "$fenetre" "$@"; }
taper() { xdotool type --delay 60 --window "$fenetre" "$1"; }
cliquer() { xdotool mousemove --window "$fenetre" "$1" "$2" click 1; }
voir() { attendre_ecran "$fenetre" "$captures/ecran.png" "$1" || echec "$2"; }
jaune="r>0.8&&g>0.8&&b<0.65"
est_campagne() { [ "$(compter "$1" 20 38 80 28 "$jaune")" -gt 40 ]; }
est_jeu() { [ "$(compter "$1" 655 305 125 22 "r>0.8&&g<0.25&&b<0.25")" -gt 150 ]; }
est_accueil() { [ "$(compter "$1" 130 65 530 40 "$blanc")" -gt 1500 ] && ! est_menu "$1"; }
est_saisie() { ! est_menu "$1" && [ "$(compter "$1" 60 395 165 35 "$blanc")" -gt 400 ]; }
est_question() { [ "$(compter "$1" 20 100 760 40 "$blanc")" -gt 2500 ] && ! est_menu "$1"; }
est_editeur() { [ "$(compter "$1" 660 143 130 20 "r>0.8&&g<0.25&&b<0.25")" -gt 150 ]; }

cliquer 400 334; voir est_aide "pas de page d'aide"; touches Escape; voir est_menu "pas de retour au menu"
cliquer 400 397; voir est_options "pas de page des options"; touches Escape; voir est_menu "pas de retour au menu"
cliquer 400 459; voir est_credits "pas de crédits"; touches Escape; voir est_menu "pas de retour au menu"
echo "menu et pages : $(memoire) Mo"
cliquer 400 208; voir est_accueil "pas d'accueil du jeu libre"; touches Return Return
voir est_jeu "la grille de 42 × 42 ne s'ouvre pas"; sleep 1; touches Escape; voir est_menu "pas de retour au menu"
echo "jeu libre, 42 × 42 : $(memoire) Mo"
cliquer 400 145; voir est_comptes "pas d'écran des comptes"; touches Return; voir est_saisie "pas de saisie du compte"
taper Mesure; touches Return; voir est_campagne "pas de campagne"; sleep 1; touches Escape; voir est_menu "pas de retour au menu"
echo "campagne d'un compte : $(memoire) Mo"
cliquer 400 271; voir est_question "pas d'éditeur"
taper 42; touches Return; taper 14; touches Return; taper Mesure; touches Return
voir est_editeur "pas d'écran de dessin"; touches Return; sleep 3; voir est_editeur "l'éditeur ne revient pas après la génération"
touches Escape; voir est_menu "pas de retour au menu"
echo "mémoire résidente après chaque mode : $(memoire) Mo"
