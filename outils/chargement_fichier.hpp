// Chargement d'un fichier de grille ou de partie avec les chargeurs du jeu, pour les sous-commandes.
#pragma once

#include <string>

#include "grille_pkg.hpp"

namespace chargement_fichier {

struct fichier_charge {
    grille_pkg::grille_ptr grille;
    int chemins_joues = 0;
};

// Grille seule quand la racine est "grille", sinon partie de campagne ou grille libre. Lève les
// erreurs des chargeurs.
fichier_charge charger(const std::string& fichier, bool campagne);

}  // namespace chargement_fichier
