#!/usr/bin/env bash
# Test du singe pour une durée quelconque : construit le jeu avec AddressSanitizer et UndefinedBehaviorSanitizer
# (build-sanitiseurs/), puis lui envoie des entrées au hasard sous un écran virtuel à lui (tests/singe/singe.sh).
# Journal, sortie du jeu et problèmes trouvés : build-sanitiseurs/singe/graine_GRAINE/ (ou rejeu/).
# usage : singe.sh DUREE_S [GRAINE]      (graine tirée de l'horloge si absente, toujours écrite)
#         singe.sh --rejouer JOURNAL     (renvoie exactement les événements d'un journal)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -lt 1 ] || [ $# -gt 2 ]; then sed -n '/^# usage/,/^#  /p' "$0"; exit 2; fi
"$racine/scripts/installer_dependances.sh"

# Les images, la police et les sons viennent de la construction ordinaire, avec les deux outils du singe.
cmake -S "$racine" -B "$racine/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$racine/build" --target ressources fermer_fenetre sonder_fenetre > /dev/null
cmake -S "$racine" -B "$racine/build-sanitiseurs" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTESSALINE_SANITISEURS=ON -DTESSALINE_UNITAIRES_SEULS=ON > /dev/null
cmake --build "$racine/build-sanitiseurs" --target novelia_tessaline > /dev/null

if [ "$1" = "--rejouer" ]; then
    [ $# -eq 2 ] || exit 2
    journal=$(realpath "$2")
    resultats="$racine/build-sanitiseurs/singe/rejeu_$$"
    set -- --rejouer "$journal"
else
    graine=${2:-$(( $(date +%s%N) % 1000000000 ))}
    resultats="$racine/build-sanitiseurs/singe/graine_$graine"
    set -- "$1" "$graine"
fi
rm -rf "$resultats"
exec bash "$racine/tests/singe/singe.sh" "$racine/build-sanitiseurs/novelia_tessaline" \
    "$racine/build/tests/bout_en_bout" "$racine/donnees" "$resultats" "$@"
