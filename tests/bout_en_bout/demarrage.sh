#!/usr/bin/env bash
# Bout en bout : le jeu démarre, dessine son menu, reste presque inactif au repos et se ferme avec sa fenêtre.
# usage : demarrage.sh JEU FERMER_FENETRE REPERTOIRE_DONNEES
set -u
jeu=$1 fermer=$2 donnees=$3
. "$(dirname "$0")/outils_test.sh"
captures=$(mktemp -d)
trap 'rm -rf "$captures"; kill "$pid" 2>/dev/null' EXIT
echec() { echo "ÉCHEC : $*"; exit 1; }

(cd "$donnees" && exec "$jeu") > "$captures/sortie.txt" 2>&1 &
pid=$!
fenetre=$(attendre_fenetre "$pid") || echec "la fenêtre du jeu n'apparaît pas ($(cat "$captures/sortie.txt"))"

capturer "$fenetre" "$captures/menu.png" || echec "aucune image dessinée"
# Le centre de l'écran d'attente du menu est une case allumée, bleu clair.
read -r r g b <<< "$(pixel "$captures/menu.png" 400 300)"
[ "$b" -gt 120 ] && [ "$b" -gt "$r" ] || echec "pixel central inattendu : $r $g $b"
read -r r g b <<< "$(pixel "$captures/menu.png" 10 10)"
[ $((r + g + b)) -lt 30 ] || echec "le fond n'est pas noir : $r $g $b"

# Au repos, la boucle dort : moins de 2 % d'un cœur sur 3 s.
tics_avant=$(awk '{print $14 + $15}' "/proc/$pid/stat")
sleep 3
tics_apres=$(awk '{print $14 + $15}' "/proc/$pid/stat")
tics_par_seconde=$(getconf CLK_TCK)
consommes=$((tics_apres - tics_avant))
echo "processeur au repos : $consommes tics en 3 s ($tics_par_seconde tics/s)"
[ $((consommes * 100)) -lt $((2 * 3 * tics_par_seconde)) ] || echec "le jeu consomme au repos"

# Des événements réveillent la boucle sans la faire tomber.
xdotool mousemove --window "$fenetre" 400 300 click 1 key Up key Down
sleep 0.3
kill -0 "$pid" 2>/dev/null || echec "le jeu s'est arrêté sur des événements ordinaires"

"$fermer" "$fenetre"
attendre_fin "$pid" 50
code=$?
[ "$code" -eq 0 ] || echec "fermeture de la fenêtre : code $code ($(cat "$captures/sortie.txt"))"
echo "démarrage, image, repos et fermeture : ok"
