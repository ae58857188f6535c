#!/usr/bin/env bash
# Bout en bout : le jeu installé par « cmake --install » dans un préfixe jetable, lancé par la commande de son
# entrée du bureau depuis un autre répertoire, avec une maison jetable et sous son propre écran virtuel. Il trouve
# ses données livrées (le menu est dessiné avec sa police), crée au premier démarrage
# ~/.local/share/novelia-tessaline, y range le compte créé au clavier et sa sauvegarde, et n'écrit rien dans le
# préfixe ni là d'où on l'a lancé.
# usage : installation.sh CMAKE REPERTOIRE_DE_CONSTRUCTION
set -u
cmake=$1 construction=$2
. "$(dirname "$0")/outils_test.sh"

jetable=$(mktemp -d)
trap 'rm -rf "$jetable"' EXIT
prefixe="$jetable/prefixe" maison="$jetable/maison" ailleurs="$jetable/ailleurs"
mkdir -p "$maison" "$ailleurs"
"$cmake" --install "$construction" --prefix "$prefixe" > "$jetable/installation.txt" 2>&1 \
    || echec "cmake --install : $(tail -n 5 "$jetable/installation.txt")"

# Ce qui est installé : l'entrée du bureau mène à l'exécutable et à l'icône ; données livrées en lecture seule.
bureau="$prefixe/share/applications/novelia-tessaline.desktop"
[ -f "$bureau" ] || echec "pas d'entrée du bureau"
commande=$(sed -n 's/^Exec=//p' "$bureau")
[ -x "$prefixe/bin/$commande" ] || echec "Exec=$commande n'est pas dans $prefixe/bin"
for cote in 48 128 256; do
    icone="$prefixe/share/icons/hicolor/${cote}x$cote/apps/$(sed -n 's/^Icon=//p' "$bureau").png"
    [ "$(identify -format "%w %h" "$icone" 2>/dev/null)" = "$cote $cote" ] \
        || echec "icône absente ou pas en $cote × $cote : $icone"
done
if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$bureau" || echec "entrée du bureau refusée par desktop-file-validate"
fi
livrees="$prefixe/share/novelia-tessaline"
for f in polices/FALLOUT.ttf textures/case.png sons/menu.wav campagne/grilles/niv10_6.xml; do
    [ -f "$livrees/$f" ] || echec "$f n'est pas installé"
done
[ -n "$(ls "$livrees/grilles")" ] || echec "aucune grille du jeu libre installée"
modifiables=$(find "$livrees" -type f -perm /222)
[ -z "$modifiables" ] || echec "données livrées modifiables : $modifiables"
[ ! -e "$livrees/sessions" ] && [ ! -e "$livrees/grilles_personnelles" ] || echec "des fichiers du joueur sont livrés"
etat_prefixe() { find "$prefixe" -printf '%p %s %T@ %m\n' | sort; }
avant=$(etat_prefixe)

lancer_ecran 420 520
export HOME="$maison" PATH="$prefixe/bin:$PATH"
unset XDG_DATA_HOME
lancer_jeu "$commande" "$ailleurs"
trap 'rm -rf "$captures" "$jetable"; kill "$pid" 2>/dev/null; arreter_ecran' EXIT
joueur="$maison/.local/share/novelia-tessaline"
attendre_ecran "$fenetre" "$captures/menu.png" est_menu \
    || echec "le menu n'est pas dessiné ($(cat "$captures/sortie.txt"))"
[ -d "$joueur/sessions" ] && [ -d "$joueur/grilles_personnelles" ] \
    || echec "le dossier du joueur n'est pas créé au démarrage ($(cat "$captures/sortie.txt"))"

touches() { xdotool key --delay 30 --window "$fenetre" "$@"; }
nouveau_compte Essai
attendre_ecran "$fenetre" "$captures/campagne.png" est_campagne \
    || echec "pas de campagne pour le compte Essai ($(cat "$captures/sortie.txt"))"
touches s
compte="$joueur/sessions/essai"
for _ in $(seq 1 50); do [ "$(ls "$compte" 2>/dev/null | wc -l)" -eq 60 ] && break; sleep 0.1; done
[ "$(ls "$compte" 2>/dev/null | wc -l)" -eq 60 ] || echec "'s' n'écrit pas les 60 parties dans $compte"
touches Escape
attendre_ecran "$fenetre" "$captures/menu_retour.png" est_menu || echec "Échap ne ramène pas au menu"
touches Escape
attendre_fin "$pid" 100
code=$?
[ "$code" -eq 0 ] || echec "code de sortie $code ($(cat "$captures/sortie.txt"))"

grep -q "Répertoire créé : $joueur/sessions/" "$captures/sortie.txt" || echec "création du dossier non annoncée"
[ -z "$(ls -A "$ailleurs")" ] || echec "écrit dans le répertoire de lancement : $(ls -A "$ailleurs")"
[ "$(etat_prefixe)" = "$avant" ] || echec "le préfixe a changé : $(diff <(echo "$avant") <(etat_prefixe))"
cat "$captures/sortie.txt"
echo "installé, lancé d'ailleurs, compte et sauvegarde dans $joueur seulement : ok"
