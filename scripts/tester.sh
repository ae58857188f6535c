#!/usr/bin/env bash
# Installe ce qui manque, construit tout et lance tous les tests (sous écran virtuel s'il n'y a pas d'écran),
# puis reconstruit le jeu et les tests unitaires avec AddressSanitizer et UndefinedBehaviorSanitizer, relance ces
# tests, envoie au jeu instrumenté une minute d'entrées au hasard (test du singe), et soumet enfin les chargeurs de
# fichiers à une minute de fuzzing (clang, libFuzzer).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/installer_dependances.sh"

sous_ecran() {
    if [ -n "${DISPLAY:-}" ]; then
        "$@"
    else
        xvfb-run -a -s "-screen 0 1024x768x24" "$@"
    fi
}

echo "== Construction et tests =="
cmake -S "$racine" -B "$racine/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$racine/build"
sous_ecran ctest --test-dir "$racine/build" --output-on-failure -j 2

echo "== Jeu et tests unitaires avec AddressSanitizer et UndefinedBehaviorSanitizer =="
cmake -S "$racine" -B "$racine/build-sanitiseurs" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTESSALINE_SANITISEURS=ON -DTESSALINE_UNITAIRES_SEULS=ON > /dev/null
cmake --build "$racine/build-sanitiseurs"
# Avec une borne de mémoire : une réservation démesurée (fichier hostile, recherche sans borne) fait échouer le
# test au lieu de passer inaperçue sur une machine qui a de la mémoire.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:max_allocation_size_mb=1024:hard_rss_limit_mb=1536 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$racine/build-sanitiseurs" --output-on-failure -j 2 -L unitaire

echo "== Test du singe : le jeu instrumenté sous des entrées au hasard (60 s, graine fixe) =="
# Sur un écran virtuel à lui ; journal et sortie du jeu dans build-sanitiseurs/singe/graine_19/.
"$racine/scripts/singe.sh" 60 19

echo "== Fuzzing des chargeurs de fichiers (60 s) =="
cmake -S "$racine" -B "$racine/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTESSALINE_FUZZ=ON > /dev/null
cmake --build "$racine/build-fuzz"
mkdir -p "$racine/build-fuzz/corpus"
journal="$racine/build-fuzz/fuzz.log"
if "$racine/build-fuzz/tests/fuzz/fuzz_chargeurs" -max_total_time=60 -timeout=10 \
       -dict="$racine/tests/fuzz/xml.dict" -artifact_prefix="$racine/build-fuzz/" \
       "$racine/build-fuzz/corpus" "$racine/tests/fuzz/graines" > "$journal" 2>&1; then
    grep -E '^Done [0-9]+ runs' "$journal"
else
    tail -n 60 "$journal"
    echo "Le fuzzing a trouvé un plantage : voir $journal et l'entrée enregistrée dans build-fuzz/."
    exit 1
fi
