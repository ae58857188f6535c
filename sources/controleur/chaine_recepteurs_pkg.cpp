// Chaîne des récepteurs d'un mode.
#include "chaine_recepteurs_pkg.hpp"

#include <algorithm>

namespace chaine_recepteurs_pkg {

bool chaine_recepteurs::traiter(evenement_pkg::evenement& evenement) {
    // Sur une copie : un récepteur peut changer la chaîne pendant son accepter (une liste qui se ferme).
    const std::vector<recepteur_pkg::classe_recepteur> a_consulter = recepteurs_;
    for (recepteur_pkg::classe_recepteur r : a_consulter) {
        if (contient(r) && r->accepter(evenement)) return true;
    }
    return false;
}

void chaine_recepteurs::empiler(recepteur_pkg::classe_recepteur r) {
    if (!contient(r)) recepteurs_.insert(recepteurs_.begin(), r);
}

void chaine_recepteurs::retirer(recepteur_pkg::classe_recepteur r) { std::erase(recepteurs_, r); }

bool chaine_recepteurs::contient(const recepteur_pkg::recepteur* r) const {
    return std::find(recepteurs_.begin(), recepteurs_.end(), r) != recepteurs_.end();
}

} // namespace chaine_recepteurs_pkg
