#!/usr/bin/env bash
# Installe ce qui manque, construit tout et lance tous les tests (sous écran virtuel s'il n'y a pas d'écran),
# puis reconstruit et relance les tests unitaires avec AddressSanitizer et UndefinedBehaviorSanitizer.
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

echo "== Tests unitaires avec AddressSanitizer et UndefinedBehaviorSanitizer =="
cmake -S "$racine" -B "$racine/build-sanitiseurs" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTESSALINE_SANITISEURS=ON -DTESSALINE_UNITAIRES_SEULS=ON > /dev/null
cmake --build "$racine/build-sanitiseurs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$racine/build-sanitiseurs" --output-on-failure -j 2 -L unitaire
