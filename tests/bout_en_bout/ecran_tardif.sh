#!/usr/bin/env bash
# Bout en bout : un écran annoncé mais pas encore prêt (serveur X qui démarre ou se réinitialise) n'arrête pas le
# jeu ; il réessaie et ouvre sa fenêtre dès que le serveur accepte les connexions.
# usage : ecran_tardif.sh JEU REPERTOIRE_DONNEES
set -u
jeu=$1 donnees=$2
. "$(dirname "$0")/outils_test.sh"

numero=$(numero_ecran_libre 150 250) || exit 1
export DISPLAY=":$numero"

sortie=$(mktemp)
(cd "$donnees" && exec "$jeu") > "$sortie" 2>&1 &
pid=$!
(sleep 1 && exec Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp) > /dev/null 2>&1 &
serveur=$!
trap 'kill "$pid" "$serveur" 2>/dev/null; rm -f "$sortie"' EXIT

fenetre=$(attendre_fenetre "$pid") || echec "pas de fenêtre une fois l'écran prêt ($(grep -v XDG_RUNTIME_DIR "$sortie"))"
kill -0 "$pid" || echec "le jeu s'est arrêté"
echo "fenêtre $fenetre ouverte sur un écran arrivé après le jeu : ok"
