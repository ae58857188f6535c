// Panneau gauche de la campagne : les trois boutons du cockpit, le nom du compte, le niveau et la face.
#pragma once

#include "campagne_pkg.hpp"
#include "erreur_pkg.hpp"
#include "interface_libre_gauche_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"

#include <memory>

namespace interface_partie_gauche_pkg {

DECLARER_ERREUR(ERREUR_INTERFACE_PARTIE_GAUCHE_NON_INITIALISE,
                "INTERFACE_PARTIE_GAUCHE_PKG.ERREUR_INTERFACE_PARTIE_GAUCHE_NON_INITIALISE");

class interface_partie_gauche_affichable : public objet_3d_pkg::objet_affichable {
public:
    virtual void initialiser(campagne_pkg::campagne_ptr c);
    // Le nom du compte (« Unknown » s'il est vide), puis « niveau - face ».
    virtual void mettre_a_jour();
    void afficher() override;

    objet_texte_pkg::classe_texte_affichable obtenir_nom_session() const { return nom_session_; }
    objet_texte_pkg::classe_texte_affichable obtenir_texte_niveau() const { return texte_niveau_; }

private:
    bool est_initialise_ = false;
    campagne_pkg::campagne_ptr modele_;
    // Les mêmes boutons que ceux du jeu libre.
    std::shared_ptr<interface_libre_gauche_pkg::interface_libre_gauche_affichable> boutons_ =
        std::make_shared<interface_libre_gauche_pkg::interface_libre_gauche_affichable>();
    objet_texte_pkg::classe_texte_affichable nom_session_;
    objet_texte_pkg::classe_texte_affichable texte_niveau_;
};

} // namespace interface_partie_gauche_pkg
