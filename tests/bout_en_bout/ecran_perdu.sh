#!/usr/bin/env bash
# Bout en bout : l'écran qui disparaît sous le jeu (serveur X arrêté, session fermée) arrête le jeu aussitôt, avec
# un message, au lieu de le laisser tourner sans fin sur un affichage mort.
# usage : ecran_perdu.sh JEU REPERTOIRE_DONNEES
set -u
jeu=$1 donnees=$2
. "$(dirname "$0")/outils_test.sh"

sortie=$(mktemp)
pid=""
trap 'kill -9 "$pid" 2>/dev/null; arreter_ecran; rm -f "$sortie"; wait 2>/dev/null' EXIT
lancer_ecran 260 360
(cd "$donnees" && exec "$jeu") > "$sortie" 2>&1 &
pid=$!
attendre_fenetre "$pid" > /dev/null || echec "pas de fenêtre ($(cat "$sortie"))"
# Le pointeur qui bouge fait dessiner et sélectionner : la perte tombe souvent au milieu d'un appel OpenGL.
(for x in $(seq 100 20 700); do xdotool mousemove "$x" 300 2>/dev/null; done) &
sleep 0.3
kill "$serveur"
attendre_fin "$pid" 100
code=$?
[ "$code" -ne 124 ] || echec "le jeu tourne encore 10 s après la perte de l'écran"
[ "$code" -eq 1 ] || echec "code $code au lieu de 1 ($(cat "$sortie"))"
grep -q "écran perdu" "$sortie" || echec "pas de message sur la sortie standard ($(cat "$sortie"))"
echo "écran perdu : arrêt en code 1 avec message : ok"
