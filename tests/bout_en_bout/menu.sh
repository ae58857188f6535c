#!/usr/bin/env bash
# Bout en bout : le menu principal au clavier et à la souris ouvre chaque page, Échap et la plaque « menu »
# y ramènent, les options basculent la musique, Échap sur le menu termine le programme.
# usage : menu.sh JEU REPERTOIRE_DONNEES
set -u
jeu=$1 donnees=$2
. "$(dirname "$0")/outils_test.sh"
lancer_jeu "$jeu" "$donnees"
attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "le menu n'est pas dessiné"

touches() { xdotool key --window "$fenetre" "$@"; }
cliquer() { xdotool mousemove --window "$fenetre" "$1" "$2" click 1; }
# Attend l'écran $1 ; $2 dit ce qui a été fait pour y arriver.
voir() { attendre_ecran "$fenetre" "$captures/$1.png" "est_$1" || echec "$2 : l'écran $1 n'apparaît pas"; }

# Clavier : Bas, Haut puis Entrée ouvrent la première entrée, la campagne (écran des comptes).
touches Down Up Return
voir comptes "Bas, Haut, Entrée"
touches Escape
voir menu "Échap sur l'écran des comptes"

# Souris : « Aide » (ligne 4), puis la plaque « menu ».
cliquer 400 334
voir aide "clic sur Aide"
cliquer 110 568
voir menu "clic sur la plaque menu de l'aide"

# « Options musique » (ligne 5) : Entrée sur la musique allonge son libellé (« désactivée »).
cliquer 400 397
voir options "clic sur Options musique"
avant=$(largeur_libelle_musique "$captures/options.png")
xdotool mousemove --window "$fenetre" 400 590
touches Return
libelle_allonge() { est_options "$1" && [ "$(largeur_libelle_musique "$1")" -gt $((avant + 100)) ]; }
attendre_ecran "$fenetre" "$captures/musique.png" libelle_allonge \
    || echec "le libellé de la musique ne change pas ($avant puis $(largeur_libelle_musique "$captures/musique.png"))"
touches Escape
voir menu "Échap sur les options"

# « Credits » (ligne 6), puis Échap : de retour au menu, la ligne du clavier est celle qu'on a cliquée, et elle
# est allumée, que le pointeur soit resté dessus ou non ; Haut l'amène sur « Options musique ».
cliquer 400 459
voir credits "clic sur Credits"
xdotool mousemove --window "$fenetre" 400 590
touches Escape
voir menu "Échap sur les crédits"
ligne_allumee() { [ "$(compter "$1" 200 $(($2 - 25)) 400 50 "$bleu_menu")" -gt 300 ]; }
credits_allume() { ligne_allumee "$1" 459; }
attendre_ecran "$fenetre" "$captures/retour.png" credits_allume || echec "au retour, « Credits » n'est pas allumé"
touches Up
options_allume() { ligne_allumee "$1" 397 && ! ligne_allumee "$1" 459; }
attendre_ecran "$fenetre" "$captures/haut.png" options_allume || echec "Haut depuis « Credits » n'allume pas « Options musique »"

# Échap sur le menu termine le programme normalement.
touches Escape
attendre_fin "$pid" 50
code=$?
[ "$code" -eq 0 ] || echec "Échap sur le menu : code $code ($(cat "$captures/sortie.txt"))"
echo "menu, pages, options et sortie : ok"
