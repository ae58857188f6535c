#!/usr/bin/env bash
# Bout en bout : menu → « Editeur » → 10, 9, « Fusée » → peinture au clavier et par un glissement de la souris →
# Entrée → 's' → Échap au menu → « Grilles Libres » → grilles personnelles : « Fusée.xml » est dans la liste ;
# ouverte, elle est résolue au clavier d'après la solution du compagnon, et l'image finie apparaît.
# usage : editeur.sh JEU ATELIER REPERTOIRE_DONNEES
set -u
jeu=$1 atelier=$2 donnees=$(cd "$3" && pwd)
. "$(dirname "$0")/outils_test.sh"

# Racine de données jetable : celle du jeu, avec un répertoire de grilles personnelles vide à elle.
racine=$(racine_jetable "$donnees" grilles_personnelles)

lancer_jeu "$jeu" "$racine"
trap 'rm -rf "$captures" "$racine"; kill "$pid" 2>/dev/null' EXIT
attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "le menu n'est pas dessiné"

touches() { xdotool key --delay 40 --window "$fenetre" "$@"; }
taper() { xdotool type --delay 60 --window "$fenetre" "$1"; }
# Centre, en pixels de la fenêtre, de la case (x, y) d'une grille de 10 × 10 dans le cockpit.
colonne() { echo $((315 + ($1 * 2 - 11) * 213 / 10)); }
rangee() { echo $((300 - ($1 * 2 - 11) * 213 / 10)); }
pointer() { xdotool mousemove --window "$fenetre" "$(colonne "$1")" "$(rangee "$2")"; sleep 0.15; }

grille="100 85 430 430"
# shellcheck disable=SC2086
cyan() { compter "$1" $grille "b>0.8&&g>0.7&&r<0.75"; }
# shellcheck disable=SC2086
dore() { compter "$1" $grille "r>0.6&&g>0.4&&b<0.35"; }
# shellcheck disable=SC2086
curseur() { compter "$1" $grille "g>0.9&&b<0.5&&r>0.4"; }
# Pixels cyan de la case (x, y) : une case peinte ou finie en a plusieurs centaines, une case vide aucun.
cyan_case() { compter "$1" $(($(colonne "$2") - 15)) $(($(rangee "$3") - 15)) 30 30 "b>0.8&&g>0.7&&r<0.75"; }
# Les cases (1, 1), (2, 1) et (2, 2) décoloriées au clavier restent vides, (3, 1) et (1, 2) non.
dessin_clavier() {
    [ "$(cyan_case "$1" 1 1)" -lt 20 ] && [ "$(cyan_case "$1" 2 1)" -lt 20 ] && [ "$(cyan_case "$1" 2 2)" -lt 20 ] \
        && [ "$(cyan_case "$1" 3 1)" -gt 120 ] && [ "$(cyan_case "$1" 1 2)" -gt 120 ]
}
# La rangée du haut de la grille de 10 × 10, et une rangée du milieu.
cyan_en_haut() { compter "$1" 100 90 430 36 "b>0.8&&g>0.7&&r<0.75"; }
cyan_au_milieu() { compter "$1" 100 282 430 36 "b>0.8&&g>0.7&&r<0.75"; }
# La question blanche en haut de l'écran d'accueil de l'éditeur.
est_question() { [ "$(compter "$1" 20 100 760 40 "$blanc")" -gt 2500 ] && ! est_menu "$1"; }
# « Complexité » en rouge dans le panneau de droite de l'éditeur.
est_editeur() { [ "$(compter "$1" 660 143 130 20 "r>0.8&&g<0.25&&b<0.25")" -gt 150 ]; }
est_dessin() { est_editeur "$1" && [ "$(cyan "$1")" -gt 15000 ] && [ "$(curseur "$1")" -gt 100 ]; }
est_accueil_libre() { [ "$(compter "$1" 130 65 530 40 "$blanc")" -gt 1500 ] && ! est_menu "$1"; }

touches Down Down Return
attendre_ecran "$fenetre" "$captures/question.png" est_question || echec "« Editeur » : pas de question"
taper 10; touches Return
taper 9; touches Return
taper Fusée; touches Return
attendre_ecran "$fenetre" "$captures/dessin.png" est_dessin \
    || echec "pas d'écran de dessin après les trois réponses ($(cat "$captures/sortie.txt"))"

# Au clavier : (1, 1) et (2, 1) décoloriées, (2, 2) changée.
touches BackSpace Right BackSpace Up space
# À la souris : appui sur (1, 10), puis glissement jusqu'en (10, 10) ; toute la rangée du haut se décolorie.
pointer 1 10
xdotool mousedown --window "$fenetre" 1
for x in 2 3 4 5 6 7 8 9 10; do pointer "$x" 10; done
xdotool mouseup --window "$fenetre" 1
xdotool mousemove --window "$fenetre" 790 590
peinte() {
    est_dessin "$1" && [ "$(cyan_en_haut "$1")" -lt 200 ] && [ "$(cyan_au_milieu "$1")" -gt 1000 ] \
        && dessin_clavier "$1"
}
attendre_ecran "$fenetre" "$captures/peinte.png" peinte \
    || echec "la rangée du haut reste peinte ($(cyan_en_haut "$captures/peinte.png") pixels cyan)"

touches Return
generee() { est_editeur "$1" && [ "$(dore "$1")" -gt 2000 ] && [ "$(curseur "$1")" -eq 0 ]; }
attendre_ecran "$fenetre" "$captures/generee.png" generee || echec "Entrée : pas de grille générée"
touches s
fichier="$racine/grilles_personnelles/Fusée.xml"
for _ in $(seq 1 50); do [ -s "$fichier" ] && break; sleep 0.1; done
[ -s "$fichier" ] || echec "'s' n'écrit pas $fichier ($(ls "$racine/grilles_personnelles"))"

# La solution que le compagnon trouve couvre les 87 cases peintes.
solution=$("$atelier" resoudre "$fichier") || echec "le compagnon refuse la grille sauvegardée : $solution"
cases=$(echo "$solution" | awk -F' : ' 'NR > 1 { n += $1 } END { print n }')
[ "$cases" = 87 ] || echec "87 cases peintes attendues dans la solution, $cases trouvées"

touches Escape
attendre_ecran "$fenetre" "$captures/menu_retour.png" est_menu || echec "Échap ne ramène pas au menu"
# La ligne du clavier est restée sur « Editeur » : tout en haut, puis une ligne plus bas.
touches Up Up Up Down Return
attendre_ecran "$fenetre" "$captures/accueil.png" est_accueil_libre || echec "« Grilles Libres » : pas d'accueil"
touches Down Return
# « Fusée.xml » en bleu sur la ligne du milieu de la liste des grilles personnelles.
listee() { [ "$(compter "$1" 250 270 480 60 "$bleu_menu")" -gt 800 ]; }
attendre_ecran "$fenetre" "$captures/liste.png" listee || echec "la liste des grilles personnelles ne montre pas Fusée"
touches Return
# Le panneau de la partie libre : « Points Aide » en rouge.
est_jeu() { [ "$(compter "$1" 655 305 125 22 "r>0.8&&g<0.25&&b<0.25")" -gt 150 ]; }
en_jeu() { est_jeu "$1" && [ "$(dore "$1")" -gt 2000 ]; }
attendre_ecran "$fenetre" "$captures/jeu.png" en_jeu \
    || echec "Fusée ne s'ouvre pas en jeu libre ($(cat "$captures/sortie.txt"))"

# Chaque chemin de la solution : le curseur va à son premier bout, Espace, puis les flèches case par case.
sequence=$(touches_solution "$solution")
# shellcheck disable=SC2086
touches $sequence
# L'image finie est le dessin : 87 cases cyan, ni la rangée du haut ni les trois cases décoloriées au clavier.
finie() {
    est_jeu "$1" && [ "$(dore "$1")" -lt 500 ] && [ "$(cyan "$1")" -gt 55000 ] && [ "$(cyan_en_haut "$1")" -lt 200 ] \
        && dessin_clavier "$1"
}
attendre_ecran "$fenetre" "$captures/finie.png" finie \
    || echec "pas d'image finie ($(cyan "$captures/finie.png") cyan, $(dore "$captures/finie.png") dorés)"
echo "grille Fusée créée dans l'éditeur, sauvegardée, retrouvée et résolue en jeu libre : ok"
