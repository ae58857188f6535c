#!/usr/bin/env bash
# Test du singe : des entrées au hasard, mais rejouables, envoyées au vrai jeu construit avec AddressSanitizer et
# UndefinedBehaviorSanitizer, sur un écran virtuel à lui. Touches de toutes les tables des récepteurs, texte,
# clics, glissements, molette, touches tenues, changements de taille et fermeture de la fenêtre ; de temps en temps
# un court scénario mène du menu à un mode (campagne avec un compte, grilles libres, éditeur jusqu'à la génération
# et la sauvegarde, pages). Le jeu est relancé chaque fois qu'il quitte normalement.
#
# Trouvé et compté :
# - plantage : code de sortie non nul ou signal ;
# - rapport de sanitiseur dans la sortie du jeu : AddressSanitizer, UndefinedBehaviorSanitizer (arrêt à la première
#   erreur), LeakSanitizer à la sortie (suppressions_lsan.txt écarte les seules bibliothèques du système) ;
# - blocage : le jeu ne répond plus ou ne dessine plus pendant 5 s. Au plus une fois par seconde, sonder_fenetre
#   lui envoie un _NET_WM_PING, que SDL renvoie dès que le jeu lit ses événements, et une exposition, qui doit
#   faire dessiner dans la fenêtre (vu par l'extension DAMAGE, même si l'image est identique) : un écran immobile
#   qui répond et redessine n'est pas bloqué. Un jeu qui n'a pas pris une demi-seconde de processeur par seconde
#   pendant ces 5 s n'est bloqué que si une seconde sonde de 5 s échoue aussi : sinon c'est la machine, chargée
#   par ailleurs, qui l'a ralenti (« ralentissement », écrit mais pas compté). Est aussi bloqué un jeu sans
#   fenêtre 20 s après son lancement, ou encore là 30 s après la disparition de sa fenêtre (LeakSanitizer compris).
#
# Chaque événement envoyé est une ligne du journal (RESULTATS/journal.txt), dont la première donne la graine ;
# une même graine redonne les mêmes événements, et --rejouer renvoie un journal tel quel (un journal coupé après
# l'événement fautif suffit d'ordinaire à reproduire un problème).
# usage : singe.sh JEU OUTILS DONNEES RESULTATS DUREE_S [GRAINE]
#         singe.sh JEU OUTILS DONNEES RESULTATS --rejouer JOURNAL
# OUTILS : répertoire de fermer_fenetre et sonder_fenetre. Code 0 si rien n'est trouvé, 1 sinon, 2 mauvais usage.
set -u -f  # -f : les lignes du journal sont coupées en mots, jamais développées en noms de fichiers
[ $# -ge 5 ] || { sed -n '/^# usage/,/^# OUTILS/p' "$0"; exit 2; }
jeu=$(realpath "$1") outils=$(realpath "$2") donnees=$(realpath "$3") resultats=$4
ici=$(cd "$(dirname "$0")" && pwd)
. "$ici/../bout_en_bout/outils_test.sh"
mkdir -p "$resultats"
resultats=$(realpath "$resultats")
journal="$resultats/journal.txt"

rejeu=""
if [ "$5" = "--rejouer" ]; then
    [ $# -eq 6 ] || exit 2
    rejeu=$(realpath "$6")
    [ "$rejeu" != "$journal" ] || { echo "le journal à rejouer doit être hors de $resultats"; exit 2; }
    duree=0 graine=$(awk '/^# graine/ {sub(",", "", $3); print $3; exit}' "$rejeu")
else
    duree=$5 graine=${6:-$(($(date +%s%N) % 1000000000))}
fi

# ---------------------------------------------------------------------------------------------------------------
# Hasard : un générateur à congruence linéaire sur 64 bits (celui de MMIX), le même sur toute machine. Jamais
# appelé dans une substitution $(...), qui ne ferait pas avancer son état.
alea=$graine
tirer() {  # pose $tirage dans [0, $1)
    alea=$((alea * 6364136223846793005 + 1442695040888963407))
    tirage=$((((alea >> 33) & 0x7fffffff) % $1))
}
choisir() {  # pose $choix parmi les arguments
    tirer $#
    local -a liste=("$@")
    choix=${liste[$tirage]}
}

# ---------------------------------------------------------------------------------------------------------------
# Écran virtuel à lui, loin des plages des tests de bout en bout.
lancer_ecran 700 999

# Données à ce singe : ses comptes, sauvegardes et grilles personnelles ne touchent pas le dépôt.
racine=$(set +f; racine_jetable "$donnees" sessions grilles_personnelles)  # +f : racine_jetable parcourt les données

export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:max_allocation_size_mb=1024
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$ici/suppressions_lsan.txt:print_suppressions=0"

pid="" fenetre="" sortie="$resultats/sortie_jeu.txt"
evenements=0 relances=0 plantages=0 rapports=0 blocages=0 problemes=0 ralentissements=0
largeur=800 hauteur=600
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; arreter_ecran; rm -rf "$racine"' EXIT

# ---------------------------------------------------------------------------------------------------------------
# Le jeu : lancement, fin, problèmes.

lancer() {
    local essai
    for essai in 1 2 3; do
        (cd "$racine" && exec "$jeu") > "$sortie" 2>&1 &
        pid=$!
        if fenetre=$(attendre_fenetre "$pid"); then
            largeur=800 hauteur=600
            xdotool windowfocus --sync "$fenetre" 2>/dev/null
            attendre_ecran "$fenetre" "$resultats/ecran.png" est_menu
            return 0
        fi
        # L'écran est à ce singe : un jeu qui ne s'ouvre pas est un problème du jeu.
        if kill -0 "$pid" 2>/dev/null; then
            constater_blocage "pas de fenêtre 20 s après le lancement"
        else
            wait "$pid"
            constater_fin $? "au lancement"
        fi
    done
    echec "le jeu ne s'ouvre pas ($(tail -n 20 "$sortie"))"
}

relancer() {
    echo "# relance" >> "$journal"
    relances=$((relances + 1))
    lancer
}

# Garde la sortie du jeu sous le numéro du problème ; $1 : genre, $2 : détail.
noter_probleme() {
    problemes=$((problemes + 1))
    local fichier="$resultats/probleme_${problemes}_$1.txt"
    { echo "$1 après l'événement $evenements du journal ($2), graine $graine"; echo; cat "$sortie"; } > "$fichier"
    echo "PROBLÈME $problemes : $1 après l'événement $evenements ($2) : voir $fichier"
    grep -m 3 -E 'ERROR: |runtime error|SUMMARY' "$sortie" | sed 's/^/    /'
}

# Le jeu est fini avec le code $1 ($2 : quand). Un rapport de sanitiseur ou un code non nul est un problème.
constater_fin() {
    if grep -qE 'Sanitizer|runtime error:' "$sortie"; then
        rapports=$((rapports + 1))
        noter_probleme sanitiseur "code $1, $2"
    elif [ "$1" -ne 0 ]; then
        plantages=$((plantages + 1))
        noter_probleme plantage "code $1, $2"
    fi
    pid=""
}

# Le jeu bloqué : la place de sa fenêtre, ses piles (si gdb est là), puis arrêt.
constater_blocage() {
    blocages=$((blocages + 1))
    { xdotool getwindowgeometry "$fenetre"; command -v xwininfo > /dev/null && xwininfo -id "$fenetre"; } >> "$sortie" 2>&1
    command -v gdb > /dev/null && timeout 60 gdb -p "$pid" -batch -ex "thread apply all bt" >> "$sortie" 2>&1
    noter_probleme blocage "$1"
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    pid=""
}

# Le jeu doit finir ($1 : pourquoi) : il a 30 s, LeakSanitizer compris.
attendre_sortie() {
    attendre_fin "$pid" 300
    local code=$?
    if [ "$code" -eq 124 ]; then constater_blocage "toujours là 30 s après $1"
    else constater_fin "$code" "$1"; fi
}

# Relance le jeu s'il est fini ; sinon, au plus une fois par seconde, vérifie qu'il répond et dessine.
derniere_sonde=0
surveiller() {
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        constater_fin $? "sortie"
        relancer
        return
    fi
    local maintenant=${EPOCHREALTIME/[.,]/}
    [ $((maintenant - derniere_sonde)) -ge 1000000 ] || return
    derniere_sonde=$maintenant
    temps_processeur
    local avant=$processeur
    "$outils/sonder_fenetre" "$fenetre" 5 > "$resultats/sonde.txt"
    local sonde=$?
    [ "$sonde" -eq 0 ] && return
    temps_processeur
    local travail=$((processeur - avant))
    # Une fenêtre qui disparaît pendant la sonde : le jeu est en train de finir.
    if [ "$sonde" -ne 3 ]; then
        "$outils/sonder_fenetre" "$fenetre" 0.1 > /dev/null
        [ $? -eq 3 ] && sonde=3
    fi
    if [ "$sonde" -eq 3 ] || ! kill -0 "$pid" 2>/dev/null; then
        attendre_sortie "la fin de sa fenêtre"
        relancer
        return
    fi
    # 5 s sans réponse ou sans dessin. Un jeu qui a travaillé pendant ce temps (plus de la moitié d'un cœur) est
    # pris dans son propre calcul : bloqué. Un jeu qui n'a presque pas travaillé attendait quelque chose, ou la
    # machine, chargée par ailleurs, ne lui donnait pas la main : une seconde sonde de 5 s tranche.
    local message
    message="$(cat "$resultats/sonde.txt"), $((travail / 100)),$((travail % 100 / 10)) s de processeur"
    import -window "$fenetre" "$resultats/sonde_ratee_$evenements.png" 2> /dev/null
    if [ "$travail" -lt 250 ] && "$outils/sonder_fenetre" "$fenetre" 5 > /dev/null; then
        ralentissements=$((ralentissements + 1))
        echo "ralentissement après l'événement $evenements ($message), puis réponse et dessin"
        return
    fi
    constater_blocage "$message"
    relancer
}

# Pose $processeur : le temps de processeur du jeu, tous fils compris, en centièmes de seconde.
temps_processeur() {
    local -a champs=()
    read -r -a champs 2> /dev/null < "/proc/$pid/stat"
    processeur=$((${champs[13]:-0} + ${champs[14]:-0}))
}

# ---------------------------------------------------------------------------------------------------------------
# Envoi des événements. Chaque ligne du journal est un événement : « touche Return », « souris 120 300 »...
# Touches et boutons passent par XTEST, comme ceux d'un vrai clavier, vers la fenêtre qui a le focus ou sous le
# pointeur. Les lignes qui se traduisent en une commande de xdotool partent par lots de huit au plus, en un seul
# appel : le jeu reçoit des rafales, et le singe n'attend pas le démarrage d'un processus par événement.
lot=() taille_lot=0
traduire() {  # pose $commande, les arguments de xdotool pour la ligne $*, ou rend 1
    case $1 in
    touche) commande=(key --clearmodifiers "$2") ;;
    appui) commande=(keydown "$2") ;;
    relache) commande=(keyup "$2") ;;
    souris) commande=(mousemove --window "$fenetre" "$2" "$3") ;;
    bouton_appui) commande=(mousedown "$2") ;;
    bouton_relache) commande=(mouseup "$2") ;;
    clic) commande=(click "$2") ;;
    *) return 1 ;;
    esac
}

vider_lot() {
    [ "$taille_lot" -eq 0 ] && return
    xdotool "${lot[@]}" 2> /dev/null
    lot=() taille_lot=0
    surveiller
}

envoyer() {
    echo "$*" >> "$journal"
    [ "$1" = pause ] || evenements=$((evenements + 1))
    if traduire "$@"; then
        lot+=("${commande[@]}")
        taille_lot=$((taille_lot + 1))
        [ "$taille_lot" -ge 8 ] && vider_lot
        return
    fi
    vider_lot
    case $1 in
    texte) shift; xdotool type --delay 15 -- "$*" 2> /dev/null ;;
    taille) xdotool windowsize "$fenetre" "$2" "$3" 2> /dev/null; largeur=$2 hauteur=$3 ;;
    pause) sleep "$2" ;;
    fermer)
        "$outils/fermer_fenetre" "$fenetre" 2> /dev/null
        attendre_sortie "la fermeture de sa fenêtre"
        relancer
        return ;;
    *) echo "ligne inconnue : $*"; exit 2 ;;
    esac
    surveiller
}

# Revenir au menu depuis n'importe où : Échap tant que le menu n'est pas à l'écran (Échap sur le menu quitterait).
# Une sonde réussie garantit que le jeu a lu les touches déjà envoyées et dessiné depuis : la capture qui suit
# montre l'écran où elles l'ont mené.
vers_le_menu() {
    local k
    for k in 1 2 3 4 5 6; do
        "$outils/sonder_fenetre" "$fenetre" 5 > /dev/null || return
        import -window "$fenetre" "$resultats/ecran.png" 2>/dev/null && est_menu "$resultats/ecran.png" 2>/dev/null && return
        envoyer touche Escape
        vider_lot
    done
}

# ---------------------------------------------------------------------------------------------------------------
# Invention des événements : chaque fonction ajoute ses lignes à la file $a_faire. Deux lignes ne vont pas au
# journal : « vers_le_menu » (ses Échap y vont) et « capture » (l'écran au bout d'un scénario, pour voir où va le
# singe : RESULTATS/scenario_N.png).
a_faire=()
prevoir() { a_faire+=("$*"); }

# Les touches des tables des récepteurs (menu, pages, comptes, listes, saisie, jeu libre, campagne, éditeur),
# puis d'autres que le jeu doit ignorer. Échap, qui quitte depuis le menu, est tiré à part, plus rarement.
touches_du_jeu=(Return space BackSpace Up Down Left Right KP_1 KP_2 KP_3 KP_4 KP_5 KP_6 KP_Add KP_Subtract
                a b c d h l n q r s x F11)
autres_touches=(Tab Delete KP_Enter KP_0 KP_7 KP_8 KP_9 KP_Multiply KP_Divide KP_Decimal Home End Prior Next Insert
                F1 F5 F12 0 1 5 9 e m z minus equal comma period slash apostrophe bracketleft backslash
                shift+a shift+Return ctrl+s alt+d eacute)
caracteres="abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789    éèàçùêôüÿÆ-_./"

mot_au_hasard() {  # pose $mot : 1 à $1 caractères
    tirer "$1"
    local n=$((tirage + 1)) k
    mot=""
    for ((k = 0; k < n; k++)); do
        tirer ${#caracteres}
        mot+=${caracteres:$tirage:1}
    done
}

touche_au_hasard() {
    tirer 4
    if [ "$tirage" -lt 3 ]; then choisir "${touches_du_jeu[@]}"; else choisir "${autres_touches[@]}"; fi
    prevoir touche "$choix"
}

position_au_hasard() {  # pose $px $py, parfois un peu hors de la fenêtre
    tirer $((largeur + largeur / 16 + 1)); px=$tirage
    tirer $((hauteur + hauteur / 16 + 1)); py=$tirage
}

glisser() {
    position_au_hasard
    prevoir souris "$px" "$py"
    prevoir bouton_appui 1
    tirer 10
    local pas=$((tirage + 2)) k
    for ((k = 0; k < pas; k++)); do
        tirer 121; px=$((px + tirage - 60)); [ "$px" -lt 0 ] && px=0
        tirer 121; py=$((py + tirage - 60)); [ "$py" -lt 0 ] && py=0
        prevoir souris "$px" "$py"
    done
    prevoir bouton_relache 1
}

redimensionner() {  # la taille d'origine, une toute petite, ou une quelconque sur l'écran de 1024 × 768
    local l
    tirer 10
    if [ "$tirage" -lt 3 ]; then prevoir taille 800 600; return; fi
    if [ "$tirage" -lt 5 ]; then tirer 40; l=$((tirage + 1)); tirer 40; prevoir taille "$l" $((tirage + 1)); return; fi
    tirer 1024; l=$((tirage + 1))
    tirer 768; prevoir taille "$l" $((tirage + 1))
}

# Scénarios : du menu jusqu'à un mode, désigné par le rang de son entrée dans le menu. Les sept premiers passent
# par tous les modes, les plus riches d'abord ; ensuite au hasard.
scenarios=0
noms_modes=(campagne libre editeur aide options credits quitter)
premiers_modes=(0 2 1 3 4 5 6)
visites=(0 0 0 0 0 0 0)
scenario() {
    prevoir taille 800 600
    prevoir souris 2 2
    prevoir vers_le_menu
    local mode k
    if [ "$scenarios" -lt 7 ]; then mode=${premiers_modes[scenarios]}; else tirer 7; mode=$tirage; fi
    scenarios=$((scenarios + 1))
    visites[mode]=$((visites[mode] + 1))
    for k in 1 2 3 4 5 6 7; do prevoir touche Up; done
    for ((k = 0; k < mode; k++)); do prevoir touche Down; done
    prevoir touche Return
    prevoir pause 0.3
    case $mode in
    0) scenario_campagne ;;
    1) scenario_libre ;;
    2) scenario_editeur ;;
    4) tirer 4; for ((k = 0; k < tirage; k++)); do prevoir touche Down; prevoir touche Return; done ;;
    esac
    [ "$mode" -ne 6 ] && prevoir capture
}

# Écran des comptes : créer (un nom déjà pris, le compte de triche « vokh », un nom au hasard), charger ou
# supprimer ; la première visite crée « vokh ». Dans la campagne : quelques coups, la triche et le niveau suivant.
scenario_campagne() {
    local k
    for k in 1 2 3 4; do prevoir touche Up; done
    tirer 10
    if [ "${visites[0]}" -eq 1 ]; then
        prevoir touche Return
        prevoir pause 0.3
        prevoir texte vokh
        prevoir touche Return
    elif [ "$tirage" -lt 6 ]; then
        prevoir touche Return
        prevoir pause 0.3
        choisir singe vokh hasard
        [ "$choix" = hasard ] && { mot_au_hasard 12; choix=$mot; }
        prevoir texte "$choix"
        prevoir touche Return
    else
        prevoir touche Down
        [ "$tirage" -eq 9 ] && prevoir touche Down  # supprimer
        prevoir touche Return
        prevoir pause 0.3
        tirer 3
        for ((k = 0; k < tirage; k++)); do prevoir touche Down; done
        prevoir touche Return
    fi
    prevoir pause 1
    tirer 20
    for ((k = 0; k < tirage; k++)); do
        choisir Up Down Left Right space KP_1 KP_2 KP_3 KP_4 KP_5 KP_6 x Return x Return s c h l d
        prevoir touche "$choix"
    done
}

# Accueil des grilles libres : prédéfinies surtout, personnelles ou suppression ; une ligne de la liste.
scenario_libre() {
    local k
    for k in 1 2 3 4; do prevoir touche Up; done
    choisir 0 0 0 1 1 2
    for ((k = 0; k < choix; k++)); do prevoir touche Down; done
    prevoir touche Return
    prevoir pause 0.3
    tirer 12
    for ((k = 0; k < tirage; k++)); do prevoir touche Down; done
    prevoir touche Return
    prevoir pause 0.5
}

# Éditeur : taille, complexité et nom (parfois refusés), peinture au clavier et à la souris, génération, sauvegarde.
scenario_editeur() {
    local k
    tirer 10
    if [ "$tirage" -eq 0 ]; then choisir 0 1 43 99 abc 007 " "
    elif [ "$tirage" -lt 3 ]; then tirer 41; choix=$((tirage + 2))
    else tirer 14; choix=$((tirage + 2)); fi
    prevoir texte "$choix"
    prevoir touche Return
    tirer 12; prevoir texte $((tirage + 3))
    prevoir touche Return
    mot_au_hasard 16
    prevoir texte "$mot"
    prevoir touche Return
    prevoir pause 0.5
    tirer 60
    for ((k = 0; k < tirage + 5; k++)); do
        tirer 10
        if [ "$tirage" -eq 0 ]; then glisser
        else choisir Up Down Left Right space space space BackSpace; prevoir touche "$choix"; fi
    done
    prevoir touche Return
    prevoir pause 0.5
    prevoir touche s
}

# Un événement au hasard, ou un scénario (pour mille).
inventer() {
    tirer 1000
    local t=$tirage k
    if ((t < 440)); then touche_au_hasard
    elif ((t < 445)); then prevoir touche Escape
    elif ((t < 490)); then mot_au_hasard 10; prevoir texte "$mot"
    elif ((t < 640)); then position_au_hasard; prevoir souris "$px" "$py"
    elif ((t < 780)); then
        position_au_hasard
        prevoir souris "$px" "$py"
        choisir 1 1 1 1 1 1 2 3
        prevoir clic "$choix"
        tirer 20; [ "$tirage" -eq 0 ] && prevoir clic "$choix"
    elif ((t < 840)); then
        position_au_hasard
        prevoir souris "$px" "$py"
        choisir 4 5
        tirer 5
        for ((k = 0; k <= tirage; k++)); do prevoir clic "$choix"; done
    elif ((t < 900)); then glisser
    elif ((t < 912)); then
        choisir Up Down Left Right BackSpace space a
        prevoir appui "$choix"
        tirer 10; prevoir pause "0.$((tirage + 5))"
        prevoir relache "$choix"
    elif ((t < 930)); then tirer 10; prevoir pause "0.$tirage"
    elif ((t < 945)); then redimensionner
    elif ((t < 947)); then prevoir fermer
    elif ((t < 949)); then prevoir touche Escape; prevoir touche Escape
    elif ((t < 990)); then scenario
    else touche_au_hasard
    fi
}

# ---------------------------------------------------------------------------------------------------------------
if [ -z "$rejeu" ]; then
    echo "# graine $graine, $duree s" > "$journal"
    echo "singe : graine $graine, $duree s, journal $journal"
else
    echo "# rejeu de $rejeu" > "$journal"
    echo "singe : rejeu de $rejeu"
fi
lancer
if [ -n "$rejeu" ]; then
    while read -r ligne; do
        case $ligne in "#"* | "") continue ;; esac
        # shellcheck disable=SC2086
        envoyer $ligne
    done < "$rejeu"
else
    fin=$((SECONDS + duree))
    while [ "$SECONDS" -lt "$fin" ]; do
        [ ${#a_faire[@]} -eq 0 ] && inventer
        ligne=${a_faire[0]}
        a_faire=("${a_faire[@]:1}")
        case $ligne in
        vers_le_menu) vider_lot; vers_le_menu ;;
        capture) vider_lot; import -window "$fenetre" "$resultats/scenario_$scenarios.png" 2>/dev/null ;;
        # shellcheck disable=SC2086
        *) envoyer $ligne ;;
        esac
    done
fi
vider_lot

# Fin : la fenêtre fermée normalement, pour que LeakSanitizer passe aussi sur le dernier jeu.
if [ -n "$pid" ]; then
    "$outils/fermer_fenetre" "$fenetre" 2> /dev/null
    attendre_sortie "la fermeture finale de sa fenêtre"
fi
resume="scénarios :"
for k in "${!noms_modes[@]}"; do resume+=" ${noms_modes[k]} ${visites[k]}"; done
[ -z "$rejeu" ] && echo "singe : $resume"
[ "$ralentissements" -gt 0 ] && echo "singe : $ralentissements ralentissements (machine chargée), non comptés"
echo "singe : $evenements événements, $relances relances, $plantages plantages, $rapports rapports de sanitiseur," \
     "$blocages blocages (graine $graine)"
[ "$problemes" -eq 0 ]
