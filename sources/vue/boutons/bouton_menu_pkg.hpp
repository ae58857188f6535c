// Entrée de menu : une étiquette cliquable, en surbrillance sur la ligne du clavier, que la souris déplace.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_recepteur_pkg.hpp"
#include "objet_texte_pkg.hpp"

#include <memory>
#include <string>

namespace bouton_menu_pkg {

DECLARER_ERREUR(ERREUR_BOUTON_MENU_NON_INITIALISE, "BOUTON_MENU_PKG.ERREUR_BOUTON_MENU_NON_INITIALISE");

class bouton_menu : public objet_3d_recepteur_pkg::objet_3d_recepteur {
public:
    // Inscrit l'entrée pour la sélection et pose son étiquette blanche, mesurée aussitôt.
    void initialiser(const std::string& texte, const std::string& nom_action);
    // Nouveau texte, mesuré de nouveau avant le prochain dessin.
    void mettre_a_jour_texte(const std::string& nouv_texte);

    virtual bool est_surbrillant() const { return en_surbrillance_; }
    // Ne change que l'état, pas l'aspect.
    virtual void modifier_surbrillance(bool b) { en_surbrillance_ = b; }
    virtual void selection_clavier();
    virtual void deselection_clavier();

    // La zone cliquable est le rectangle de l'étiquette.
    void afficher() override;
    // Le relâchement de n'importe quel bouton de la souris envoie l'événement nommé de l'entrée.
    void sourisrelache(const evenement_pkg::evenement& evenement) override;
    void sourisentre(const evenement_pkg::evenement& evenement) override;
    void sourissort(const evenement_pkg::evenement& evenement) override;

    objet_texte_pkg::classe_texte_affichable obtenir_texte() const { return le_texte_; }
    const std::string& obtenir_nom_action() const { return nom_action_; }

private:
    objet_texte_pkg::classe_texte_affichable le_texte_;
    bool en_surbrillance_ = false;
    std::string nom_action_;
};

using classe_bouton_menu = std::shared_ptr<bouton_menu>;

} // namespace bouton_menu_pkg
