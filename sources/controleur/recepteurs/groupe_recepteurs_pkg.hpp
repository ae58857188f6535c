// Récepteurs d'un mode ou d'une page, empilés ensemble quand il s'affiche et retirés quand il s'en va.
#pragma once

#include "recepteur_pkg.hpp"

#include <initializer_list>
#include <vector>

namespace groupe_recepteurs_pkg {

// Deux activations (ou désactivations) de suite ne font rien de plus qu'une seule : la chaîne ne voit
// jamais un récepteur en double ni une suppression d'absent.
class groupe_recepteurs {
public:
    // Dans l'ordre où ils seront consultés : le premier donné est le premier de la chaîne.
    groupe_recepteurs(std::initializer_list<recepteur_pkg::classe_recepteur> premier_consulte_d_abord);
    void activer();
    void desactiver();
    bool est_actif() const { return est_actif_; }

private:
    std::vector<recepteur_pkg::classe_recepteur> recepteurs_;
    bool est_actif_ = false;
};

} // namespace groupe_recepteurs_pkg
