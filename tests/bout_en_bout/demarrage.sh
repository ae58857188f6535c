#!/usr/bin/env bash
# Bout en bout : le jeu démarre sur son menu, qui tourne dès la première image, reste presque inactif sur une page
# immobile et se ferme avec sa fenêtre.
# usage : demarrage.sh JEU FERMER_FENETRE REPERTOIRE_DONNEES
set -u
jeu=$1 fermer=$2 donnees=$3
. "$(dirname "$0")/outils_test.sh"
lancer_jeu "$jeu" "$donnees"

attendre_ecran "$fenetre" "$captures/menu.png" campagne_en_bleu \
    || echec "le menu n'est pas dessiné avec « Campagne » en surbrillance"
read -r r g b <<< "$(pixel "$captures/menu.png" 400 595)"
[ $((r + g + b)) -lt 300 ] || echec "le fond n'est pas sombre : $r $g $b"

# Le champ d'étoiles tourne dès la première image : le menu a changé moins de deux secondes après.
differents=0
debut=$(date +%s%N)
while [ $(( ($(date +%s%N) - debut) / 1000000 )) -lt 2000 ]; do
    sleep 0.3
    import -window "$fenetre" "$captures/menu_ensuite.png" 2>/dev/null || continue
    differents=$(compare -metric AE "$captures/menu.png" "$captures/menu_ensuite.png" null: 2>&1 | awk '{printf "%d", $1}')
    [ "${differents:-0}" -gt 1000 ] && break
done
[ "${differents:-0}" -gt 1000 ] || echec "le champ d'étoiles reste immobile après la première image ($differents pixels changés)"

# Le champ d'étoiles du menu tourne sans cesse ; la page d'aide, elle, est immobile.
xdotool key --window "$fenetre" Down Down Down Return
attendre_ecran "$fenetre" "$captures/aide.png" est_aide || echec "la page d'aide n'apparaît pas"

# Au repos, la boucle dort : moins de 2 % d'un cœur sur 3 s.
tics_avant=$(awk '{print $14 + $15}' "/proc/$pid/stat")
sleep 3
tics_apres=$(awk '{print $14 + $15}' "/proc/$pid/stat")
tics_par_seconde=$(getconf CLK_TCK)
consommes=$((tics_apres - tics_avant))
echo "processeur au repos : $consommes tics en 3 s ($tics_par_seconde tics/s)"
[ $((consommes * 100)) -lt $((2 * 3 * tics_par_seconde)) ] || echec "le jeu consomme au repos"

# Des touches que la page ne connaît pas ne la font pas tomber.
xdotool key --window "$fenetre" a space F5 Left
sleep 0.3
kill -0 "$pid" 2>/dev/null || echec "le jeu s'est arrêté sur des touches inconnues"

"$fermer" "$fenetre"
attendre_fin "$pid" 50
code=$?
[ "$code" -eq 0 ] || echec "fermeture de la fenêtre : code $code ($(cat "$captures/sortie.txt"))"
echo "démarrage, menu, repos et fermeture : ok"
