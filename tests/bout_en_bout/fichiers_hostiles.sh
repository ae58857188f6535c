#!/usr/bin/env bash
# Bout en bout : un tube nommé à la place de la musique, un tube et un lien vers /dev/zero parmi les grilles.
# Le jeu démarre sans attendre, refuse chaque grille spéciale avec un message et revient à l'accueil, toujours
# à l'écoute ; Échap le quitte normalement.
# usage : fichiers_hostiles.sh JEU REPERTOIRE_DONNEES
set -u
jeu=$1 donnees=$(cd "$2" && pwd)
. "$(dirname "$0")/outils_test.sh"

racine=$(racine_jetable "$donnees" grilles)
mkfifo "$racine/grilles/tube.xml"
ln -s /dev/zero "$racine/grilles/zero.xml"
rm "$racine/sons"
mkdir "$racine/sons"
ln -s "$donnees"/sons/* "$racine/sons/"
rm "$racine/sons/menu.wav"
mkfifo "$racine/sons/menu.wav"

lancer_jeu "$jeu" "$racine"
trap 'rm -rf "$captures" "$racine"; kill "$pid" 2>/dev/null' EXIT
attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "le menu n'est pas dessiné"

touches() { xdotool key --window "$fenetre" "$@"; }
est_accueil() { [ "$(compter "$1" 130 65 530 40 "$blanc")" -gt 1500 ] && ! est_menu "$1"; }

touches Down Return
attendre_ecran "$fenetre" "$captures/accueil.png" est_accueil || echec "« Grilles Libres » : pas d'écran d'accueil"
for entree in "" Down; do
    touches Return
    sleep 0.5
    # shellcheck disable=SC2086
    touches $entree Return
    sleep 1
    attendre_ecran "$fenetre" "$captures/retour$entree.png" est_accueil || echec "pas de retour à l'accueil"
done
for nom in tube.xml zero.xml; do
    grep -q "$nom.*n'est pas un fichier ordinaire" "$captures/sortie.txt" ||
        echec "$nom n'est pas refusée avec un message ($(cat "$captures/sortie.txt"))"
done
grep -q "menu.wav.*n'est pas un fichier ordinaire" "$captures/sortie.txt" || echec "musique : pas de message"

touches Escape
sleep 0.5
touches Escape
attendre_fin "$pid" 100
code=$?
[ "$code" -eq 0 ] || echec "code de sortie $code ($(cat "$captures/sortie.txt"))"
cat "$captures/sortie.txt"
echo "fichiers spéciaux refusés, jeu à l'écoute : ok"
