// Récepteurs d'un mode ou d'un widget : activation et désactivation gardées.
#include "groupe_recepteurs_pkg.hpp"

namespace groupe_recepteurs_pkg {

groupe_recepteurs::groupe_recepteurs(chaine_recepteurs_pkg::chaine_recepteurs& chaine,
                                     std::initializer_list<recepteur_pkg::classe_recepteur> premier_consulte_d_abord)
    : chaine_(chaine), recepteurs_(premier_consulte_d_abord) {}

void groupe_recepteurs::activer() {
    if (est_actif_) return;
    // Le dernier empilé est consulté le premier.
    for (auto r = recepteurs_.rbegin(); r != recepteurs_.rend(); ++r) chaine_.empiler(*r);
    est_actif_ = true;
}

void groupe_recepteurs::desactiver() {
    if (!est_actif_) return;
    for (auto* r : recepteurs_) chaine_.retirer(r);
    est_actif_ = false;
}

} // namespace groupe_recepteurs_pkg
