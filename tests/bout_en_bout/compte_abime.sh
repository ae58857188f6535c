#!/usr/bin/env bash
# Bout en bout : un compte dont un fichier de sauvegarde a disparu. Chargé, il est refusé, et l'écran le dit en
# nommant le fichier ; 's' n'écrit rien : les cinquante-neuf autres fichiers restent à l'octet près.
# usage : compte_abime.sh JEU REPERTOIRE_DONNEES
set -u
jeu=$1 donnees=$(cd "$2" && pwd)
. "$(dirname "$0")/outils_test.sh"

racine=$(racine_jetable "$donnees" sessions)
compte="$racine/sessions/vokh"
lancer_jeu "$jeu" "$racine"
premieres_captures=$captures
trap 'rm -rf "$captures" "$premieres_captures" "$racine"; kill "$pid" 2>/dev/null' EXIT
attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "le menu n'est pas dessiné"
touches() { xdotool key --delay 40 --window "$fenetre" "$@"; }

# Le compte qui peut passer un niveau d'une touche : deux niveaux passés, sauvegardés en passant.
nouveau_compte vokh
attendre_ecran "$fenetre" "$captures/niveau1.png" est_campagne || echec "pas de campagne pour vokh"
touches x Return x Return
for _ in $(seq 1 50); do [ "$(ls "$compte" | wc -l)" -eq 60 ] && break; sleep 0.1; done
[ "$(ls "$compte" | wc -l)" -eq 60 ] || echec "le passage au niveau suivant n'écrit pas les 60 parties"
sleep 0.5
touches Escape
attendre_ecran "$fenetre" "$captures/menu_retour.png" est_menu || echec "Échap ne ramène pas au menu"
touches Escape
attendre_fin "$pid" 50 || echec "Échap sur le menu ne termine pas le jeu"

rm "$compte/niv1_3.save.xml"
(cd "$compte" && md5sum ./*) > "$racine/avant.md5"

lancer_jeu "$jeu" "$racine"
attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "relancé : le menu n'est pas dessiné"
touches Return
attendre_ecran "$fenetre" "$captures/comptes.png" est_comptes || echec "relancé : pas d'écran des comptes"
touches Down Return
attendre_ecran "$fenetre" "$captures/liste.png" liste_un_compte || echec "« Charger Compte » : la liste ne montre pas vokh"
touches Return
# Le bandeau du bas, en rouge clair, sur la bande du cadre entre « Menu » et « Retour ».
message_rouge() { est_campagne "$1" && [ "$(compter "$1" 120 530 400 70 "r>0.78&&g<0.67&&b<0.59")" -gt 300 ]; }
attendre_ecran "$fenetre" "$captures/refus.png" message_rouge \
    || echec "la sauvegarde refusée n'est pas dite à l'écran ($(cat "$captures/sortie.txt"))"
grep -q "niv1_3.save.xml" "$captures/sortie.txt" || echec "la sortie standard ne nomme pas le fichier manquant"

touches s
sleep 1
(cd "$compte" && md5sum ./*) > "$racine/apres.md5"
cmp -s "$racine/avant.md5" "$racine/apres.md5" \
    || echec "'s' a changé les fichiers du compte : $(diff "$racine/avant.md5" "$racine/apres.md5" | head -5)"
[ -e "$compte/niv1_3.save.xml" ] && echec "'s' a récrit le fichier manquant"
ls -A "$compte" | grep -q '\.tmp$' && echec "un temporaire est resté dans le compte"
grep -q "Sauvegarde refusée" "$captures/sortie.txt" || echec "le refus de 's' n'est pas dit sur la sortie standard"

touches Escape
attendre_ecran "$fenetre" "$captures/menu_fin.png" est_menu || echec "Échap ne ramène pas au menu"
touches Escape
attendre_fin "$pid" 50 || echec "Échap sur le menu ne termine pas le jeu"
echo "compte au fichier manquant : refusé à l'écran, 's' n'écrit rien, les 59 fichiers intacts : ok"
