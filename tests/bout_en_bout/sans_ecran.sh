#!/usr/bin/env bash
# Bout en bout : sans écran, le jeu s'arrête aussitôt avec un message clair et un code non nul.
# usage : sans_ecran.sh JEU REPERTOIRE_DONNEES
set -u
jeu=$1 donnees=$2
sortie=$(cd "$donnees" && env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$jeu" 2>/dev/null)
code=$?
echo "$sortie"
[ "$code" -ne 0 ] && [ "$code" -ne 124 ] || { echo "ÉCHEC : code de sortie $code"; exit 1; }
grep -q "ERREUR_INITIALISATION_SDL" <<< "$sortie" || { echo "ÉCHEC : message attendu absent"; exit 1; }
echo "sans écran : ok"
