#!/usr/bin/env bash
# Bout en bout : menu → « Grilles Libres » → grilles prédéfinies → la maison 5 × 5, à moitié résolue au clavier ;
# le jeu est fermé par sa fenêtre, relancé, et la maison rouverte reprend où elle en était (la liste la dit « en
# cours ») ; finie, ses tuiles finies apparaissent, puis Échap ramène au menu.
# usage : libre.sh JEU FERMER_FENETRE ATELIER REPERTOIRE_DONNEES
set -u
jeu=$1 fermer=$2 atelier=$3 donnees=$(cd "$4" && pwd)
. "$(dirname "$0")/outils_test.sh"

# Racine de données jetable : tout celle du jeu, sauf un répertoire de grilles qui ne tient que la maison,
# pour que la liste s'ouvre sur elle quel que soit l'ordre du répertoire.
racine=$(racine_jetable "$donnees" grilles)
cp "$donnees/grilles/maison.xml" "$racine/grilles/"
progression="$racine/parties_libres/livree_maison.xml"

# La solution (une ligne par chemin après la première) coupée en deux : trois chemins avant de fermer le jeu.
solution=$("$atelier" resoudre "$racine/grilles/maison.xml")
premiere_moitie=$(echo "$solution" | head -n 4)
seconde_moitie=$(echo "$solution" | sed -n '1p;5,$p')

touches() { xdotool key --window "$fenetre" "$@"; }

# Pixels dorés (cases terminales en jeu) et cyan (cases d'une grille finie) de la grille.
tuiles_dorees() { compter "$1" 100 80 430 430 "r>0.6&&g>0.4&&b<0.35"; }
tuiles_cyan() { compter "$1" 100 80 430 430 "b>0.8&&g>0.7&&r<0.75"; }
# Le titre rouge « Points Aide » du panneau de droite.
est_jeu() { [ "$(compter "$1" 655 305 125 22 "r>0.8&&g<0.25&&b<0.25")" -gt 150 ]; }
# L'avis vert « Reprise (R : recommencer) » sous le nom de la grille.
est_reprise() { [ "$(compter "$1" 600 80 200 60 "g>0.8&&r<0.3&&b<0.3")" -gt 30 ]; }
# Le titre « Choississez une action : ».
est_accueil() { [ "$(compter "$1" 130 65 530 40 "$blanc")" -gt 1500 ] && ! est_menu "$1"; }

ouvrir_la_maison() {
    attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "le menu n'est pas dessiné"
    touches Down Return
    attendre_ecran "$fenetre" "$captures/accueil.png" est_accueil || echec "« Grilles Libres » : pas d'écran d'accueil"
    touches Return
    touches Return
    attendre_ecran "$fenetre" "$captures/debut.png" est_jeu || echec "la maison ne s'ouvre pas ($(cat "$captures/sortie.txt"))"
}

lancer_jeu "$jeu" "$racine"
trap 'rm -rf "$captures" "$racine"; kill "$pid" 2>/dev/null' EXIT
ouvrir_la_maison
[ "$(tuiles_dorees "$captures/debut.png")" -gt 20000 ] || echec "les cases terminales de la maison manquent"
! est_reprise "$captures/debut.png" || echec "une première partie se dit reprise"

# Trois chemins, puis le jeu fermé par sa fenêtre : la progression est déjà sur le disque.
touches $(touches_solution "$premiere_moitie")
sleep 0.5
"$fermer" "$fenetre"
attendre_fin "$pid" 100 || echec "le jeu ne se ferme pas"
[ "$(grep -o "<chemin " "$progression" | wc -l)" -ge 3 ] || echec "la progression de la maison n'est pas écrite"
rm -rf "$captures"

lancer_jeu "$jeu" "$racine"
trap 'rm -rf "$captures" "$racine"; kill "$pid" 2>/dev/null' EXIT
ouvrir_la_maison
est_reprise "$captures/debut.png" || echec "la maison rouverte ne dit pas qu'elle reprend la partie"

# Le reste de la solution : la grille finie montre ses seize cases en cyan, plus aucun chiffre sur fond doré.
touches $(touches_solution "$seconde_moitie")
finie() { est_jeu "$1" && [ "$(tuiles_cyan "$1")" -gt 30000 ] && [ "$(tuiles_dorees "$1")" -lt 500 ]; }
attendre_ecran "$fenetre" "$captures/fin.png" finie \
    || echec "les tuiles finies n'apparaissent pas ($(tuiles_cyan "$captures/fin.png") cyan, $(tuiles_dorees "$captures/fin.png") dorés)"
grep -q 'resolue="1"' "$progression" || echec "la maison finie n'est pas marquée résolue"

touches Escape
attendre_ecran "$fenetre" "$captures/retour.png" est_menu || echec "Échap en partie ne ramène pas au menu"
echo "grille libre à moitié jouée, reprise après fermeture du jeu, puis résolue : ok"
