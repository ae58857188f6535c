#!/usr/bin/env bash
# Régénère toutes les grilles livrées (campagne et jeu libre) depuis les dessins de contenu/, avec le
# générateur de conception et des nombres aléatoires fixés : deux exécutions écrivent les mêmes octets.
#
# Chaque dessin est généré ESSAIS fois, chaque essai reprenant plus loin dans le fichier de nombres. Parmi
# les essais à solution unique et à moins de 12 % de chemins d'une case (hors cases peintes isolées), on
# garde pour le jeu libre celui aux chemins les plus longs ; pour la campagne, celui qui concilie chemins
# longs et manière de raisonner attendue au niveau : le poids moyen d'une case (note / log2(1 + cases),
# de 1 quand la règle 1 suffit à 4 et plus quand il faut des essais) doit approcher POIDS_VISE du niveau.
# Dans chaque niveau, les six grilles sont rangées par note croissante (la face d'ouverture est la plus
# facile), et la note moyenne de chaque niveau doit dépasser celle du précédent.
# contenu/dessins/grilles.txt dit d'où vient chaque grille livrée (fichier, dessin, complexité, première ligne
# des nombres aléatoires employée) : de quoi en régénérer une seule, à l'identique.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$racine/build" --target atelier_tessaline > /dev/null
atelier="$racine/build/outils/atelier_tessaline"
aleas_complet="$racine/contenu/aleas.txt"
ESSAIS=32
PAS_ALEAS=97
POIDS_VISE=(0 1.0 1.1 1.25 1.45 1.65 1.85 2.1 2.25 2.3 3.0)  # par niveau, de 1 à 10
temporaire=$(mktemp -d)
trap 'rm -rf "$temporaire"' EXIT

# Génère le dessin $1 à la complexité $2 avec l'essai $3, sous le nom $4, dans le fichier $5 ; écrit le bilan.
generer() {
    tail -n +"$(($3 * PAS_ALEAS + 1))" "$aleas_complet" > "$temporaire/aleas.txt"
    "$atelier" generer "$racine/contenu/dessins/$1" "$2" --conception --contenu --nom "$4" \
        --aleas "$temporaire/aleas.txt" --sortie "$5" 2>&1
}

note() { "$atelier" difficulte "$1" | sed -n 's/^  note : //p'; }

# Mérite d'un essai : longueur moyenne des chemins, moins l'écart au poids visé pour une grille de campagne.
merite() {  # longueur, fichier de la grille, niveau (vide pour le jeu libre)
    [ -n "$3" ] || { echo "$1"; return; }
    local mesure
    mesure=$("$atelier" difficulte "$2")
    awk -v l="$1" -v vise="${POIDS_VISE[$3]}" \
        -v cases="$(sed -n '1s/.*, \([0-9]*\) cases,.*/\1/p' <<< "$mesure")" \
        -v note="$(sed -n 's/^  note : //p' <<< "$mesure")" \
        'BEGIN { e = note / (log(1 + cases) / log(2)) - vise; print l - 2 * (e < 0 ? -e : e) }'
}

index="$racine/contenu/dessins/grilles.txt"
: > "$temporaire/index.txt"
echecs=0
declare -A essai_de niveau_de
while read -r dessin complexite destination; do
    meilleur=-1 merite_max=-1000
    niveau=${destination#niveau}
    [[ $destination == niveau* ]] || niveau=""
    for ((essai = 0; essai < ESSAIS; essai++)); do
        bilan=$(generer "$dessin" "$complexite" "$essai" essai "$temporaire/essai.xml")
        seules=$(sed -n 's/.*hors cases isolées : \([0-9]*\) %.*/\1/p' <<< "$bilan")
        longueur=$(sed -n 's/.*longueur moyenne : \([0-9.]*\),.*/\1/p' <<< "$bilan")
        grep -q "solution unique" <<< "$bilan" && [ "$seules" -le 11 ] || continue
        m=$(merite "$longueur" "$temporaire/essai.xml" "$niveau")
        if awk -v m="$m" -v max="$merite_max" 'BEGIN { exit !(m > max) }'; then
            meilleur=$essai merite_max=$m
        fi
    done
    if [ "$meilleur" -lt 0 ]; then
        echo "$dessin : aucun essai ne convient (dernier : $bilan)" >&2
        echecs=$((echecs + 1))
        continue
    fi
    essai_de[$dessin]="$meilleur $complexite"
    niveau_de[$dessin]=$destination
    if [[ $destination == grilles/* ]]; then
        nom=$(basename "$destination" .xml)
        echo "$destination ($dessin, essai $meilleur) : $(generer "$dessin" "$complexite" "$meilleur" "$nom" "$racine/donnees/$destination")"
        echo "$destination $dessin $complexite $((meilleur * PAS_ALEAS + 1))" >> "$temporaire/index.txt"
    fi
done < "$racine/contenu/dessins/manifeste.txt"
[ "$echecs" -eq 0 ] || { echo "$echecs dessins à revoir" >&2; exit 1; }

# Campagne : les faces de chaque niveau par note croissante, des niveaux de plus en plus difficiles.
mkdir -p "$racine/donnees/campagne/grilles"
moyenne_precedente=0
for niveau in 1 2 3 4 5 6 7 8 9 10; do
    notes=()
    for dessin in "${!niveau_de[@]}"; do
        [ "${niveau_de[$dessin]}" = "niveau$niveau" ] || continue
        read -r essai complexite <<< "${essai_de[$dessin]}"
        generer "$dessin" "$complexite" "$essai" essai "$temporaire/essai.xml" > /dev/null
        notes+=("$(note "$temporaire/essai.xml") $dessin")
    done
    [ "${#notes[@]}" -eq 6 ] || { echo "niveau $niveau : ${#notes[@]} dessins au lieu de 6" >&2; exit 1; }
    face=0 somme=0
    while read -r valeur dessin; do
        face=$((face + 1))
        read -r essai complexite <<< "${essai_de[$dessin]}"
        echo "campagne/grilles/niv${niveau}_$face.xml ($dessin, note $valeur, essai $essai) : $(generer "$dessin" "$complexite" \
            "$essai" "niv${niveau}_$face" "$racine/donnees/campagne/grilles/niv${niveau}_$face.xml")"
        echo "campagne/grilles/niv${niveau}_$face.xml $dessin $complexite $((essai * PAS_ALEAS + 1))" >> "$temporaire/index.txt"
        somme=$(awk -v s="$somme" -v v="$valeur" 'BEGIN { print s + v }')
    done < <(printf '%s\n' "${notes[@]}" | sort -k1,1g -k2,2)
    moyenne=$(awk -v s="$somme" 'BEGIN { printf "%.2f", s / 6 }')
    echo "niveau $niveau : note moyenne $moyenne"
    if ! awk -v m="$moyenne" -v p="$moyenne_precedente" 'BEGIN { exit !(m > p) }'; then
        echo "niveau $niveau : note moyenne $moyenne, pas au-dessus du niveau précédent ($moyenne_precedente)" >&2
        echecs=$((echecs + 1))
    fi
    moyenne_precedente=$moyenne
done
[ "$echecs" -eq 0 ] || exit 1
sort "$temporaire/index.txt" > "$index"
