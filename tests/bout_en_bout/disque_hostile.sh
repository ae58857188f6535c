#!/usr/bin/env bash
# Bout en bout : le disque se dérobe sous le jeu, lancé dans une racine de données jetable. Trois démarrages :
#   1. disque plein (ulimit -f 1 : aucun fichier de plus de 1 Kio) et grilles_personnelles/ absent : le répertoire
#      est recréé au démarrage ; le compte essai se charge, sa sauvegarde ('s') échoue avec un message ;
#   2. répertoire du compte remplacé par un fichier en pleine partie : la sauvegarde le dit, le fichier reste ;
#   3. racine en lecture seule : la même sauvegarde échoue avec un message, la création d'un compte aussi.
# Chaque fois la sauvegarde précédente (ou le fichier) reste à l'octet près, sans temporaire laissé, et le jeu
# continue : Échap ramène au menu, Échap le quitte en code 0.
# Root ignore les droits d'accès : la lecture seule vient d'un montage en lecture seule de la racine, fait dans un
# espace de montage propre au jeu (unshare) ; sans root, un chmod suffit.
# usage : disque_hostile.sh JEU REPERTOIRE_DONNEES
set -u
jeu=$1 donnees=$(cd "$2" && pwd)
. "$(dirname "$0")/outils_test.sh"

racine=$(racine_jetable "$donnees" sessions grilles_personnelles)
lanceur=$(mktemp -d)
trap 'chmod -R u+w "$racine" 2>/dev/null; rm -rf "$racine" "$lanceur"' EXIT
rmdir "$racine/grilles_personnelles"
# Le compte essai a déjà une sauvegarde : les grilles de départ de la campagne, qui se lisent comme elle.
sauvegarde_de_depart() {
    rm -rf "$racine/sessions/essai"
    mkdir "$racine/sessions/essai"
    for f in "$donnees"/campagne/grilles/niv*.xml; do
        cp "$f" "$racine/sessions/essai/$(basename "$f" .xml).save.xml"
    done
}
sauvegarde_de_depart

touches() { xdotool key --delay 30 --window "$fenetre" "$@"; }
empreinte() { (cd "$1" && find . -printf '%p %y\n' | sort && find . -type f -exec sha1sum {} + | sort); }
attendre_message() {
    for _ in $(seq 1 50); do grep -q "$1" "$captures/sortie.txt" && return 0; sleep 0.1; done
    echec "pas de message « $1 » ($(cat "$captures/sortie.txt"))"
}
# Lance le jeu par le script $1 (écrit dans le lanceur), qui finit par exec sur le jeu : même processus.
lancer_par() {
    printf '#!/usr/bin/env bash\n%s\n' "$1" > "$lanceur/lancer"
    chmod +x "$lanceur/lancer"
    lancer_jeu "$lanceur/lancer" "$racine"
    trap 'rm -rf "$captures"; kill "$pid" 2>/dev/null; chmod -R u+w "$racine" 2>/dev/null
          rm -rf "$racine" "$lanceur"' EXIT
    attendre_ecran "$fenetre" "$captures/menu.png" est_menu \
        || echec "le menu n'est pas dessiné ($(cat "$captures/sortie.txt"))"
}
charger_essai() {
    touches Return
    attendre_ecran "$fenetre" "$captures/comptes.png" est_comptes || echec "« Campagne » : pas d'écran des comptes"
    touches Down Return
    attendre_ecran "$fenetre" "$captures/liste.png" liste_un_compte \
        || echec "« Charger Compte » : essai n'est pas listé"
    touches Return
    attendre_ecran "$fenetre" "$captures/campagne.png" est_campagne \
        || echec "essai ne se charge pas ($(cat "$captures/sortie.txt"))"
}
# Le jeu continue après l'échec : Échap ramène au menu, puis le quitte normalement.
quitter() {
    touches Escape
    attendre_ecran "$fenetre" "$captures/menu_retour.png" est_menu || echec "$1 : le jeu ne revient pas au menu"
    # La fenêtre disparaît entre l'appui et le relâchement : xdotool dirait qu'elle n'existe plus.
    touches Escape 2> /dev/null
    attendre_fin "$pid" 100
    local code=$?
    [ "$code" -eq 0 ] || echec "$1 : code de sortie $code ($(cat "$captures/sortie.txt"))"
}

# 1. Disque plein. Le jeu ignore SIGXFSZ : l'écriture trop grande échoue au lieu de l'arrêter.
avant=$(empreinte "$racine/sessions")
lancer_par "ulimit -f 1; exec \"$jeu\""
[ -d "$racine/grilles_personnelles" ] || echec "grilles_personnelles/ n'est pas recréé"
attendre_message "Répertoire créé : grilles_personnelles/"
charger_essai
touches s
attendre_message "Sauvegarde impossible, la partie continue : .*File too large"
quitter "disque plein"
[ "$(empreinte "$racine/sessions")" = "$avant" ] || echec "disque plein : la sauvegarde précédente a changé"
echo "disque plein : message, sauvegarde précédente intacte, le jeu continue : ok"

# 2. Le répertoire du compte remplacé par un fichier pendant la partie.
lancer_par "exec \"$jeu\""
charger_essai
rm -rf "$racine/sessions/essai"
echo "à garder" > "$racine/sessions/essai"
avant=$(empreinte "$racine/sessions")
touches s
attendre_message "Sauvegarde impossible, la partie continue : .*Not a directory"
quitter "fichier à la place du compte"
[ "$(empreinte "$racine/sessions")" = "$avant" ] || echec "le fichier à la place du compte a changé"
echo "répertoire du compte remplacé par un fichier : message, fichier intact, le jeu continue : ok"

# 3. Lecture seule, en dernier : seule partie qui puisse être sautée. Le compte essai retrouve sa sauvegarde.
sauvegarde_de_depart
avant=$(empreinte "$racine/sessions")
if [ "$(id -u)" -ne 0 ]; then
    chmod -R a-w "$racine"
    lancer_par "exec \"$jeu\""
elif unshare --mount true 2>/dev/null; then
    # Le répertoire de travail est repris après le montage : sinon il resterait celui d'en dessous, modifiable.
    monter="mount --bind -o ro \"\$0\" \"\$0\" && cd \"\$0\" && exec \"\$1\""
    lancer_par "exec unshare --mount -- bash -c '$monter' \"$racine\" \"$jeu\""
else
    echo "lecture seule impossible à provoquer ici (root sans droit de monter) : partie sautée"
    exit 77
fi
charger_essai
touches s
attendre_message "Sauvegarde impossible, la partie continue : .*\(Read-only file system\|Permission denied\)"
touches b
attendre_ecran "$fenetre" "$captures/menu_b.png" est_menu || echec "'b' ne ramène pas au menu"
nouveau_compte Autre
attendre_message "Compte non créé : .*sessions/autre"
touches Escape
attendre_ecran "$fenetre" "$captures/comptes3.png" est_comptes \
    || echec "Échap sur la saisie : pas d'écran des comptes"
quitter "lecture seule"
chmod -R u+w "$racine"
[ "$(empreinte "$racine/sessions")" = "$avant" ] || echec "lecture seule : la sauvegarde précédente a changé"
echo "lecture seule : messages, sauvegarde précédente intacte, le jeu continue : ok"
cat "$captures/sortie.txt"
