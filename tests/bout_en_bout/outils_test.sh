# Outils communs des tests de bout en bout : attendre la fenêtre, capturer, lire un pixel.

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
