#!/usr/bin/env bash
# Bout en bout : F11 passe le jeu en plein écran sur tout un écran plus large que 4:3 (1280 × 720), puis le ramène
# dans sa fenêtre de 800 × 600. En plein écran, la scène garde ses proportions entre deux bandes noires, et un clic
# sur une case de l'éditeur change cette case-là, en fenêtre comme en plein écran.
# usage : plein_ecran.sh JEU REPERTOIRE_DONNEES
set -u
jeu=$1 donnees=$(cd "$2" && pwd)
. "$(dirname "$0")/outils_test.sh"

# Un serveur à lui, à la taille voulue.
lancer_ecran 540 640 1280x720x24
# Le serveur ne survit pas au test, quelle que soit la façon dont il finit (lancer_jeu remplace le piège EXIT).
(while kill -0 $$ 2>/dev/null; do sleep 0.5; done; kill "$serveur" 2>/dev/null) &

racine=$(racine_jetable "$donnees" grilles_personnelles)
lancer_jeu "$jeu" "$racine"
trap 'rm -rf "$captures" "$racine"; kill "$pid" 2>/dev/null; kill "$serveur" 2>/dev/null' EXIT
attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "le menu n'est pas dessiné"

touches() { xdotool key --delay 40 --window "$fenetre" "$@"; }
taper() { xdotool type --delay 60 --window "$fenetre" "$1"; }

# Cadre de la scène dans la fenêtre : origine et échelle (numérateur / 100) par rapport à 800 × 600.
cadre_x=0 echelle=100
en_fenetre() { cadre_x=0 echelle=100; }
en_plein_ecran() { cadre_x=160 echelle=120; }  # 960 × 720 au centre de 1280 × 720
px() { echo $((cadre_x + $1 * echelle / 100)); }
py() { echo $(($1 * echelle / 100)); }
# Centre, dans la fenêtre de 800 × 600, de la case (x, y) d'une grille de 10 × 10 dans le cockpit.
colonne() { px $((315 + ($1 * 2 - 11) * 213 / 10)); }
rangee() { py $((300 - ($1 * 2 - 11) * 213 / 10)); }
# Pixels cyan autour du centre de la case (x, y) : une case peinte en a plusieurs centaines, une case vide aucun.
cyan_case() {
    local cote=$((30 * echelle / 100))
    compter "$1" $(($(colonne "$2") - cote / 2)) $(($(rangee "$3") - cote / 2)) "$cote" "$cote" "b>0.8&&g>0.7&&r<0.75"
}
peinte() { [ "$(cyan_case "$1" "$2" "$3")" -gt $((120 * echelle * echelle / 10000)) ]; }
vide() { [ "$(cyan_case "$1" "$2" "$3")" -lt 20 ]; }
# « Complexité » en rouge dans le panneau de droite de l'éditeur.
est_editeur() { [ "$(compter "$1" "$(px 660)" "$(py 143)" "$(px 130)" "$(py 20)" "r>0.8&&g<0.25&&b<0.25")" -gt 150 ]; }
taille() { identify -format "%wx%h" "$1"; }
# Aucun pixel allumé dans les bandes de 160 pixels de part et d'autre de la scène.
bandes_noires() {
    [ "$(compter "$1" 0 0 158 720 "r+g+b>0.02")" -eq 0 ] && [ "$(compter "$1" 1122 0 158 720 "r+g+b>0.02")" -eq 0 ]
}
cliquer_case() { xdotool mousemove --window "$fenetre" "$(colonne "$1")" "$(rangee "$2")" click 1; }

touches Down Down Return
sleep 0.5
taper 10; touches Return
taper 9; touches Return
taper Essai; touches Return
debut() { est_editeur "$1" && peinte "$1" 3 5 && peinte "$1" 7 4 && peinte "$1" 8 8; }
attendre_ecran "$fenetre" "$captures/dessin.png" debut || echec "pas d'écran de dessin tout peint ($(cat "$captures/sortie.txt"))"

cliquer_case 3 5
fenetre_1() { vide "$1" 3 5 && peinte "$1" 7 4; }
attendre_ecran "$fenetre" "$captures/fenetre.png" fenetre_1 || echec "en fenêtre, le clic ne vide pas la case (3, 5)"

touches F11
en_plein_ecran
plein() { [ "$(taille "$1")" = 1280x720 ] && est_editeur "$1" && vide "$1" 3 5 && peinte "$1" 7 4; }
attendre_ecran "$fenetre" "$captures/plein.png" plein \
    || echec "F11 : pas de plein écran de 1280 × 720 avec la scène au centre ($(taille "$captures/plein.png"))"
bandes_noires "$captures/plein.png" || echec "F11 : les bandes de part et d'autre de la scène ne sont pas noires"
cliquer_case 7 4
plein_clic() { vide "$1" 7 4 && peinte "$1" 8 8 && peinte "$1" 6 4 && bandes_noires "$1"; }
attendre_ecran "$fenetre" "$captures/plein_clic.png" plein_clic || echec "en plein écran, le clic ne vide pas la case (7, 4)"

touches F11
en_fenetre
retour() { [ "$(taille "$1")" = 800x600 ] && est_editeur "$1" && vide "$1" 7 4 && peinte "$1" 8 8; }
attendre_ecran "$fenetre" "$captures/retour.png" retour \
    || echec "F11 de nouveau : la fenêtre ne revient pas à 800 × 600 ($(taille "$captures/retour.png"))"
cliquer_case 8 8
fenetre_2() { vide "$1" 8 8 && vide "$1" 7 4 && vide "$1" 3 5 && peinte "$1" 5 5; }
attendre_ecran "$fenetre" "$captures/retour_clic.png" fenetre_2 || echec "revenu en fenêtre, le clic ne vide pas la case (8, 8)"
kill -0 "$pid" 2>/dev/null || echec "le jeu s'est arrêté ($(cat "$captures/sortie.txt"))"
echo "plein écran et retour en fenêtre, sélection des cases dans les deux : ok"
