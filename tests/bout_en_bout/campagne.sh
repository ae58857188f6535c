#!/usr/bin/env bash
# Bout en bout : menu → « Campagne » → nouveau compte « Essai » (répertoire essai) → les six grilles du niveau 1
# résolues au clavier d'après les solutions du compagnon → Entrée : niveau 2, Pluton découverte → 's' → sortie.
# Relancé : « Charger Compte » → essai → niveau 2, face 1 ; puis 'b' et « Supprimer Compte » : le répertoire part.
# usage : campagne.sh JEU ATELIER REPERTOIRE_DONNEES
set -u
jeu=$1 atelier=$2 donnees=$(cd "$3" && pwd)
. "$(dirname "$0")/outils_test.sh"

# Racine de données jetable : celle du jeu, avec un répertoire de sessions vide à elle.
racine=$(racine_jetable "$donnees" sessions)
compte="$racine/sessions/essai"

lancer_jeu "$jeu" "$racine"
premieres_captures=$captures
trap 'rm -rf "$captures" "$premieres_captures" "$racine"; kill "$pid" 2>/dev/null' EXIT
attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "le menu n'est pas dessiné"

touches() { xdotool key --delay 30 --window "$fenetre" "$@"; }
# L'invitation verte du panneau de fin de niveau.
est_fin_niveau() { [ "$(compter "$1" 110 488 420 24 "g>0.7&&r<0.5&&b<0.5")" -gt 200 ]; }
# Pluton, toute petite en haut du panneau des planètes : ocre une fois découverte.
pluton_decouverte() { [ "$(compter "$1" 664 4 18 16 "r>0.55&&r>b+0.12")" -gt 40 ]; }

nouveau_compte Essai
niveau1() { est_campagne "$1" && ! pluton_decouverte "$1"; }
attendre_ecran "$fenetre" "$captures/niveau1.png" niveau1 \
    || echec "pas de campagne pour le compte Essai ($(cat "$captures/sortie.txt"))"
[ -d "$compte" ] || echec "le répertoire du compte n'est pas $compte ($(ls "$racine/sessions"))"

for face in 1 2 3 4 5 6; do
    solution=$("$atelier" resoudre "$donnees/campagne/grilles/niv1_$face.xml") \
        || echec "le compagnon ne résout pas niv1_$face : $solution"
    # shellcheck disable=SC2046
    touches "KP_$face" $(touches_solution "$solution")
done
attendre_ecran "$fenetre" "$captures/fin_niveau.png" est_fin_niveau || echec "le niveau 1 résolu ne finit pas"

touches Return
niveau2() { est_campagne "$1" && ! est_fin_niveau "$1" && pluton_decouverte "$1"; }
attendre_ecran "$fenetre" "$captures/niveau2.png" niveau2 || echec "Entrée : pas de niveau 2 avec Pluton découverte"
touches s
for _ in $(seq 1 50); do [ "$(ls "$compte" | wc -l)" -eq 60 ] && break; sleep 0.1; done
[ "$(ls "$compte" | wc -l)" -eq 60 ] || echec "'s' n'écrit pas les 60 parties ($(ls "$compte" | wc -l))"
touches Escape
attendre_ecran "$fenetre" "$captures/menu_retour.png" est_menu || echec "Échap ne ramène pas au menu"
touches Escape
attendre_fin "$pid" 50 || echec "Échap sur le menu ne termine pas le jeu"

# Le numéro du niveau et de la face, comme au niveau 2 avant de quitter.
convert "$captures/niveau2.png" -crop 80x28+20+38 +repage "$racine/niveau2_numero.png"
meme_numero() {
    convert "$1" -crop 80x28+20+38 +repage "$racine/numero.png"
    [ "$(compare -metric AE -fuzz 20% "$racine/numero.png" "$racine/niveau2_numero.png" null: 2>&1)" -lt 20 ]
}

lancer_jeu "$jeu" "$racine"
attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "relancé : le menu n'est pas dessiné"
touches Return
attendre_ecran "$fenetre" "$captures/comptes.png" est_comptes || echec "relancé : pas d'écran des comptes"
touches Down Return
attendre_ecran "$fenetre" "$captures/liste.png" liste_un_compte || echec "« Charger Compte » : la liste ne montre pas essai"
touches Return
repris() { niveau2 "$1" && meme_numero "$1"; }
attendre_ecran "$fenetre" "$captures/repris.png" repris \
    || echec "essai chargé : pas de niveau 2, face 1 ($(cat "$captures/sortie.txt"))"

touches b
attendre_ecran "$fenetre" "$captures/menu_abandon.png" est_menu || echec "'b' ne ramène pas au menu"
touches Return
attendre_ecran "$fenetre" "$captures/comptes2.png" est_comptes || echec "après 'b' : pas d'écran des comptes"
touches Down Down Return
attendre_ecran "$fenetre" "$captures/liste2.png" liste_un_compte || echec "« Supprimer Compte » : la liste ne montre pas essai"
touches Return
for _ in $(seq 1 50); do [ -e "$compte" ] || break; sleep 0.1; done
[ -e "$compte" ] && echec "le compte supprimé garde son répertoire"
attendre_ecran "$fenetre" "$captures/comptes3.png" est_comptes || echec "après la suppression : pas d'écran des comptes"
echo "compte créé, niveau 1 résolu au clavier, sauvegardé, repris au niveau 2 puis supprimé : ok"
