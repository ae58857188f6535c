# Outils communs des tests de bout en bout : attendre la fenêtre, capturer, lire un pixel.

echec() { echo "ÉCHEC : $*"; exit 1; }

# La capture d'une fenêtre qui vient de disparaître attendrait un clic pour choisir la fenêtre : bornée à 5 s.
# (timeout lance le programme import, pas cette fonction.)
import() { timeout 5 import "$@"; }

# Touches qui résolvent une grille d'après la solution $1 écrite par « atelier_tessaline resoudre » : pour chaque
# chemin, le curseur (parti de (1, 1)) va à son premier bout, Espace, puis les flèches case par case.
touches_solution() {
    echo "$1" | awk 'NR > 1 {
        sub(/^[0-9]+ : /, "");
        gsub(/[()]/, "");
        n = split($0, cases, " ");
        split(cases[1], d, ",");
        for (; cx < d[1]; cx++) printf "Right ";
        for (; cx > d[1]; cx--) printf "Left ";
        for (; cy < d[2]; cy++) printf "Up ";
        for (; cy > d[2]; cy--) printf "Down ";
        printf "space ";
        for (k = 2; k <= n; k++) {
            split(cases[k], c, ",");
            if (c[1] > cx) printf "Right "; else if (c[1] < cx) printf "Left ";
            else if (c[2] > cy) printf "Up "; else printf "Down ";
            cx = c[1]; cy = c[2];
        }
    }' cx=1 cy=1
}

# Lance le jeu $1 dans la racine de données $2 et attend sa fenêtre. Pose pid, fenetre et captures
# (répertoire jetable, avec la sortie du jeu dans sortie.txt) ; à la sortie du script, le jeu est arrêté.
# L'écran virtuel peut se réinitialiser au moment où le jeu s'y connecte : un jeu arrêté avant d'avoir
# ouvert sa fenêtre est relancé, deux fois au plus, et chaque arrêt est raconté avec son code.
lancer_jeu() {
    captures=$(mktemp -d)
    trap 'rm -rf "$captures"; kill "$pid" 2>/dev/null; arreter_ecran' EXIT
    local essai code
    for essai in 1 2 3; do
        (cd "$2" && exec "$1") > "$captures/sortie.txt" 2>&1 &
        pid=$!
        fenetre=$(attendre_fenetre "$pid") && return 0
        kill "$pid" 2>/dev/null
        wait "$pid"
        code=$?
        echo "lancement $essai : pas de fenêtre, code $code ($(cat "$captures/sortie.txt"))"
    done
    echec "la fenêtre du jeu n'apparaît pas"
}

# Racine de données jetable : tout celle du jeu ($1) en liens, sauf les entrées suivantes et les progressions du
# jeu libre, remplacées chacune par un répertoire vide à elle (un test ne reprend jamais la partie d'un autre).
# Écrit son chemin ; l'appelant l'efface.
racine_jetable() {
    local racine entree donnees=$1
    shift
    racine=$(mktemp -d)
    for entree in "$donnees"/*; do
        case " $* parties_libres " in *" $(basename "$entree") "*) ;; *) ln -s "$entree" "$racine/" ;; esac
    done
    for entree in "$@" parties_libres; do mkdir -p "$racine/$entree"; done
    echo "$racine"
}

# Premier numéro d'écran X libre entre $1 et $2 (ni verrou ni prise), écrit sur la sortie ; code 1 s'il n'y en a pas.
# Chaque test qui lance son propre serveur prend sa plage, loin de celles de xvfb-run -a.
numero_ecran_libre() {
    local n
    for n in $(seq "$1" "$2"); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then echo "$n"; return 0; fi
    done
    echo "ÉCHEC : aucun numéro d'écran libre entre $1 et $2" >&2
    return 1
}

# Écran virtuel propre au test, au premier numéro libre entre $1 et $2, de taille $3 (1024x768x24 par défaut) :
# pose DISPLAY et serveur, attend sa prise. Pour un test qui change l'environnement du jeu (maison, droits) ou
# l'écran lui-même sans toucher à l'écran des autres. Deux tests lancés ensemble peuvent viser le même numéro :
# celui dont le serveur s'arrête aussitôt (numéro déjà pris) en essaie un autre, au lieu de prendre la prise de
# l'autre. Le serveur ne se réinitialise pas quand son dernier client le quitte (-noreset) : un jeu relancé
# trouve toujours l'écran prêt.
lancer_ecran() {
    local numero essai
    for essai in 1 2 3 4 5; do
        numero=$(numero_ecran_libre "$1" "$2") || exit 1
        export DISPLAY=":$numero"
        Xvfb "$DISPLAY" -screen 0 "${3:-1024x768x24}" -nolisten tcp -noreset > /dev/null 2>&1 &
        serveur=$!
        for _ in $(seq 1 50); do
            kill -0 "$serveur" 2>/dev/null || break
            if [ -e "/tmp/.X11-unix/X$numero" ]; then
                sleep 0.2
                kill -0 "$serveur" 2>/dev/null && return 0
                break
            fi
            sleep 0.1
        done
        wait "$serveur" 2>/dev/null
    done
    echec "l'écran virtuel $DISPLAY ne démarre pas"
}
# Arrête l'écran de lancer_ecran, s'il y en a un.
arreter_ecran() { [ -z "${serveur:-}" ] || { kill "$serveur" 2>/dev/null; wait "$serveur" 2>/dev/null; }; }

# Identifiant de la fenêtre du processus $1, attendue au plus 20 s.
attendre_fenetre() {
    local pid=$1 id=""
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}

# Couleur "r g b" (0 à 255) du pixel ($2, $3) de la capture $1.
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

# Capture de la fenêtre $1 dans le fichier $2, réessayée tant que l'image est entièrement noire.
capturer() {
    local fenetre=$1 fichier=$2
    for _ in $(seq 1 25); do
        if import -window "$fenetre" "$fichier" 2>/dev/null; then
            local max
            max=$(convert "$fichier" -format "%[fx:int(255*maxima)]" info: 2>/dev/null)
            [ "${max:-0}" -gt 0 ] && return 0
        fi
        sleep 0.2
    done
    return 1
}

# Attend la fin du processus $1 pendant au plus $2 dixièmes de seconde ; rend son code de sortie.
attendre_fin() {
    local pid=$1 limite=$2
    for _ in $(seq 1 "$limite"); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid"; return $?; }
        sleep 0.1
    done
    return 124
}

# Nombre de pixels du rectangle ($2, $3, largeur $4, hauteur $5) de la capture $1 qui vérifient
# l'expression fx $6 (r, g, b de 0 à 1), par exemple "r>0.8&&g>0.8&&b>0.8".
compter() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -fx "$6 ? 1 : 0" -format "%[fx:int(mean*w*h+0.5)]" info:
}

# Capture la fenêtre $1 dans le fichier $2 jusqu'à ce que la commande $3 réussisse sur la capture ; au plus 10 s.
attendre_ecran() {
    local fenetre=$1 fichier=$2 verifier=$3
    for _ in $(seq 1 40); do
        if import -window "$fenetre" "$fichier" 2>/dev/null && "$verifier" "$fichier"; then
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Écrans du jeu dans sa fenêtre 800 × 600, reconnus à quelques bandes de pixels.
blanc="r>0.8&&g>0.8&&b>0.8"
bleu_menu="b>0.65&&r<0.35&&g>0.25&&g<0.65"
orange="r>0.9&&g<0.5&&b<0.2"
clair="r+g+b>1.5"
# Le grand titre blanc « NOVELIA TESSALINE ».
est_menu() { [ "$(compter "$1" 120 42 560 10 "$blanc")" -gt 300 ]; }
# « Campagne » en bleu, la ligne du clavier au démarrage.
campagne_en_bleu() { est_menu "$1" && [ "$(compter "$1" 200 110 400 70 "$bleu_menu")" -gt 500 ]; }
# Les deux lignes orange de la règle.
est_aide() { [ "$(compter "$1" 0 133 800 16 "$orange")" -gt 300 ]; }
# Le titre « Options sons : ».
est_options() { [ "$(compter "$1" 150 95 500 20 "$blanc")" -gt 1500 ] && ! est_aide "$1"; }
# La première ligne des crédits, seule en haut de l'écran.
est_credits() {
    [ "$(compter "$1" 200 75 400 16 "$blanc")" -gt 800 ] && ! est_menu "$1" && ! est_aide "$1" && ! est_options "$1"
}
# L'écran des comptes de la campagne : son titre blanc, et une ligne en bleu dessous.
est_comptes() {
    ! est_menu "$1" && [ "$(compter "$1" 130 65 530 40 "$blanc")" -gt 1500 ] \
        && [ "$(compter "$1" 150 165 500 280 "$bleu_menu")" -gt 800 ]
}
# Une liste des comptes dont la première ligne, seul compte, est en bleu.
liste_un_compte() { ! est_comptes "$1" && [ "$(compter "$1" 250 270 300 60 "$bleu_menu")" -gt 200 ]; }
# L'étiquette blanche « Compte : » de la saisie d'un nom.
est_saisie() { ! est_menu "$1" && [ "$(compter "$1" 60 395 165 35 "$blanc")" -gt 400 ]; }
# Depuis le menu, « Campagne » allumée : l'écran des comptes, « Nouveau Compte », puis le nom $1 tapé et Entrée.
nouveau_compte() {
    xdotool key --delay 30 --window "$fenetre" Return
    attendre_ecran "$fenetre" "$captures/comptes.png" est_comptes || echec "« Campagne » : pas d'écran des comptes"
    xdotool key --delay 30 --window "$fenetre" Return
    attendre_ecran "$fenetre" "$captures/saisie.png" est_saisie || echec "« Nouveau Compte » : pas de saisie"
    xdotool type --delay 60 --window "$fenetre" "$1"
    xdotool key --delay 30 --window "$fenetre" Return
}
# Le numéro du niveau et de la face, en jaune en haut à gauche du poste de la campagne.
jaune="r>0.8&&g>0.8&&b<0.65"
est_campagne() { [ "$(compter "$1" 20 38 80 28 "$jaune")" -gt 40 ]; }
# Étendue du libellé de la musique sur la page des options : « désactivée » est plus long qu'« activée ».
largeur_libelle_musique() { compter "$1" 0 260 800 32 "$clair"; }
