#!/usr/bin/env bash
# Régénère toutes les grilles livrées (campagne et jeu libre) depuis les dessins de contenu/, avec le
# générateur de conception et des nombres aléatoires fixés : deux exécutions écrivent les mêmes octets.
# Chaque grille doit avoir une solution unique et moins de 20 % de chemins d'une case (hors cases peintes
# isolées) ; sinon on reprend plus loin dans le fichier de nombres, jusqu'à dix fois.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$racine/build" --target atelier_tessaline > /dev/null
atelier="$racine/build/outils/atelier_tessaline"
aleas_complet="$racine/contenu/aleas.txt"
temporaire=$(mktemp -d)
echecs=0
trap 'rm -rf "$temporaire"' EXIT

while read -r image complexite sortie; do
    mkdir -p "$(dirname "$racine/donnees/$sortie")"
    nom=$(basename "$sortie" .xml)
    for decalage in 0 1 2 3 4 5 6 7 8 9; do
        tail -n +"$((decalage * 97 + 1))" "$aleas_complet" > "$temporaire/aleas.txt"
        bilan=$("$atelier" generer "$racine/contenu/dessins/$image" "$complexite" --conception --nom "$nom" \
                    --aleas "$temporaire/aleas.txt" --sortie "$temporaire/grille.xml" 2>&1)
        seules=$(sed -n 's/.*hors cases isolées : \([0-9]*\) %.*/\1/p' <<< "$bilan")
        if grep -q "solution unique" <<< "$bilan" && [ "$seules" -le 19 ]; then
            mv "$temporaire/grille.xml" "$racine/donnees/$sortie"
            echo "$sortie : $bilan"
            continue 2
        fi
    done
    echo "$sortie : aucune tentative ne convient ($bilan)" >&2
    echecs=$((echecs + 1))
done < "$racine/contenu/dessins/manifeste.txt"
[ "$echecs" -eq 0 ] || { echo "$echecs grilles à revoir" >&2; exit 1; }
