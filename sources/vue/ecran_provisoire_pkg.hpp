// Écran d'attente des modes dont l'écran n'est pas encore construit : le nom du mode et comment en sortir.
#pragma once

#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"

#include <string>

namespace ecran_provisoire_pkg {

inline constexpr const char* consigne = "Échap : retour au menu";

class ecran_provisoire : public objet_3d_pkg::objet_affichable {
public:
    ecran_provisoire();
    void definir_nom_mode(const std::string& nom);
    std::string obtenir_nom_mode() const { return nom_mode_->obtenir_texte(); }
    void afficher() override;

private:
    objet_texte_pkg::classe_texte_affichable nom_mode_;
};

// Dessine l'écran d'attente avec le nom du mode ; aucun récepteur : Échap atteint le retour au menu.
void afficher_mode(const std::string& nom);

} // namespace ecran_provisoire_pkg
