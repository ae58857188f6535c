#!/usr/bin/env bash
# Bout en bout : menu → « Grilles Libres » → grilles prédéfinies → la maison 5 × 5, résolue au clavier ;
# les tuiles finies apparaissent, puis Échap ramène au menu.
# usage : libre.sh JEU REPERTOIRE_DONNEES
set -u
jeu=$1 donnees=$(cd "$2" && pwd)
. "$(dirname "$0")/outils_test.sh"

# Racine de données jetable : tout celle du jeu, sauf un répertoire de grilles qui ne tient que la maison,
# pour que la liste s'ouvre sur elle quel que soit l'ordre du répertoire.
racine=$(racine_jetable "$donnees" grilles)
cp "$donnees/grilles/maison.xml" "$racine/grilles/"

lancer_jeu "$jeu" "$racine"
trap 'rm -rf "$captures" "$racine"; kill "$pid" 2>/dev/null' EXIT
attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "le menu n'est pas dessiné"

touches() { xdotool key --window "$fenetre" "$@"; }

# Pixels dorés (cases terminales en jeu) et cyan (cases d'une grille finie) de la grille.
tuiles_dorees() { compter "$1" 100 80 430 430 "r>0.6&&g>0.4&&b<0.35"; }
tuiles_cyan() { compter "$1" 100 80 430 430 "b>0.8&&g>0.7&&r<0.75"; }
# Le titre rouge « Points Aide » du panneau de droite.
est_jeu() { [ "$(compter "$1" 655 305 125 22 "r>0.8&&g<0.25&&b<0.25")" -gt 150 ]; }
# Le titre « Choississez une action : ».
est_accueil() { [ "$(compter "$1" 130 65 530 40 "$blanc")" -gt 1500 ] && ! est_menu "$1"; }

touches Down Return
attendre_ecran "$fenetre" "$captures/accueil.png" est_accueil || echec "« Grilles Libres » : pas d'écran d'accueil"
touches Return
touches Return
attendre_ecran "$fenetre" "$captures/debut.png" est_jeu || echec "la maison ne s'ouvre pas ($(cat "$captures/sortie.txt"))"
[ "$(tuiles_dorees "$captures/debut.png")" -gt 20000 ] || echec "les cases terminales de la maison manquent"

# Solution de la maison, depuis le curseur en (1, 1) ; Espace commence un chemin sur une case terminale.
touches space Right  Left Up space Up  Right space Up  Up Right space Down \
        Down space Right Up  Down Down Left space Down  Right Right space Up Up
# Grille finie : les seize cases des chemins en cyan, plus aucun chiffre sur fond doré.
finie() { est_jeu "$1" && [ "$(tuiles_cyan "$1")" -gt 30000 ] && [ "$(tuiles_dorees "$1")" -lt 500 ]; }
attendre_ecran "$fenetre" "$captures/fin.png" finie \
    || echec "les tuiles finies n'apparaissent pas ($(tuiles_cyan "$captures/fin.png") cyan, $(tuiles_dorees "$captures/fin.png") dorés)"

touches Escape
attendre_ecran "$fenetre" "$captures/retour.png" est_menu || echec "Échap en partie ne ramène pas au menu"
echo "grille libre résolue au clavier : ok"
