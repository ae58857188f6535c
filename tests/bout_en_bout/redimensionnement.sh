#!/usr/bin/env bash
# Bout en bout : cinquante changements de taille de la fenêtre sur la page d'aide. La page suit la taille,
# et la mémoire résidente du jeu reste à moins de 20 Mo de ce qu'elle était avant.
# usage : redimensionnement.sh JEU REPERTOIRE_DONNEES
set -u
jeu=$1 donnees=$2
. "$(dirname "$0")/outils_test.sh"
lancer_jeu "$jeu" "$donnees"

attendre_ecran "$fenetre" "$captures/menu.png" est_menu || echec "le menu n'est pas dessiné"
xdotool key --window "$fenetre" Down Down Down Return
attendre_ecran "$fenetre" "$captures/aide.png" est_aide || echec "la page d'aide n'apparaît pas"

memoire() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status"; }
avant=$(memoire)

# Agrandie, la page est dessinée sur toute la fenêtre : la plus longue ligne déborde au-delà de x = 800.
xdotool windowsize "$fenetre" 900 700
agrandie() { [ "$(compter "$1" 810 300 90 400 "$blanc")" -gt 50 ]; }
attendre_ecran "$fenetre" "$captures/agrandie.png" agrandie || echec "la page ne suit pas la nouvelle taille"

for _ in $(seq 1 50); do
    xdotool windowsize "$fenetre" 800 600
    sleep 0.05
    xdotool windowsize "$fenetre" 900 700
    sleep 0.05
done
xdotool windowsize "$fenetre" 800 600
attendre_ecran "$fenetre" "$captures/apres.png" est_aide || echec "la page d'aide n'est plus dessinée"
apres=$(memoire)

echo "mémoire résidente : $avant ko avant, $apres ko après 101 changements de taille"
[ $((apres - avant)) -lt $((20 * 1024)) ] || echec "la mémoire a grossi de $(((apres - avant) / 1024)) Mo"
kill -0 "$pid" 2>/dev/null || echec "le jeu s'est arrêté ($(cat "$captures/sortie.txt"))"
echo "redimensionnements : ok"
