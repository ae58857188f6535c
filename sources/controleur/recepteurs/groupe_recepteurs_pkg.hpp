// Récepteurs qui entrent ensemble dans la chaîne de leur mode et en sortent ensemble.
#pragma once

#include "chaine_recepteurs_pkg.hpp"
#include "recepteur_pkg.hpp"

#include <initializer_list>
#include <vector>

namespace groupe_recepteurs_pkg {

// Deux activations (ou désactivations) de suite ne font rien de plus qu'une seule.
class groupe_recepteurs {
public:
    // Dans l'ordre où ils seront consultés : le premier donné est le premier de la chaîne.
    groupe_recepteurs(chaine_recepteurs_pkg::chaine_recepteurs& chaine,
                      std::initializer_list<recepteur_pkg::classe_recepteur> premier_consulte_d_abord);
    // Un groupe détruit quitte la chaîne : elle ne garde jamais un récepteur détruit.
    ~groupe_recepteurs() { desactiver(); }
    groupe_recepteurs(const groupe_recepteurs&) = delete;
    groupe_recepteurs& operator=(const groupe_recepteurs&) = delete;
    // Met le groupe en tête de la chaîne.
    void activer();
    void desactiver();
    bool est_actif() const { return est_actif_; }

private:
    chaine_recepteurs_pkg::chaine_recepteurs& chaine_;
    std::vector<recepteur_pkg::classe_recepteur> recepteurs_;
    bool est_actif_ = false;
};

} // namespace groupe_recepteurs_pkg
