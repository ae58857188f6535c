#!/usr/bin/env bash
# Installe ce qui manque, construit le jeu et le lance depuis son répertoire de données.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/installer_dependances.sh"
cmake -S "$racine" -B "$racine/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$racine/build" --target novelia_tessaline
cd "$racine/donnees"
exec "$racine/build/novelia_tessaline"
