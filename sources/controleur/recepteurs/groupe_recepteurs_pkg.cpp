// Récepteurs d'un mode ou d'une page : activation et désactivation gardées.
#include "groupe_recepteurs_pkg.hpp"

#include "gestion_evenements_pkg.hpp"

namespace groupe_recepteurs_pkg {

groupe_recepteurs::groupe_recepteurs(std::initializer_list<recepteur_pkg::classe_recepteur> premier_consulte_d_abord)
    : recepteurs_(premier_consulte_d_abord) {}

void groupe_recepteurs::activer() {
    if (est_actif_) {
        return;
    }
    // Le dernier empilé est consulté le premier.
    for (auto r = recepteurs_.rbegin(); r != recepteurs_.rend(); ++r) {
        gestion_evenements_pkg::empiler_recepteur(*r);
    }
    est_actif_ = true;
}

void groupe_recepteurs::desactiver() {
    if (!est_actif_) {
        return;
    }
    for (auto* r : recepteurs_) {
        gestion_evenements_pkg::supprimer_recepteur(r);
    }
    est_actif_ = false;
}

} // namespace groupe_recepteurs_pkg
