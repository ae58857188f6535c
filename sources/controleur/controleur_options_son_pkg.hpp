// Mode des options du son : musique et bruitages, allumés ou éteints pour la partie en cours.
#pragma once

#include "groupe_recepteurs_pkg.hpp"
#include "mode_pkg.hpp"
#include "option_son_3d_pkg.hpp"
#include "recepteur_retour_menu_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

#include <memory>

namespace controleur_options_son_pkg {

class controleur_options_son final : public mode_pkg::mode {
public:
    explicit controleur_options_son(const mode_pkg::services& s);

    // La page est construite à la première visite et gardée : sa ligne du clavier survit d'une visite à l'autre.
    void entrer() override;
    void sortir() override;
    // Les libellés disent les options du moment ; la ligne du clavier suit la souris.
    void tic() override;
    void dessiner() override;
    objet_3d_pkg::delai_image delai_prochaine_image() const override;

    // Ligne du clavier : 1 pour la musique, 2 pour les bruitages.
    int obtenir_courante() const;
    // Éteindre la musique la fait taire ; la rallumer la relance du début.
    void basculer_musique();
    void basculer_bruitage();
    // Nulle tant que la page n'a pas été visitée.
    std::shared_ptr<option_son_3d_pkg::page_option_affichable> obtenir_page() const { return page_; }

private:
    // Haut, Bas, Entrée ; les entrées "mmusique" et "mbruitage" de la page. Échap passe : l'application ramène au menu.
    class recepteur_options : public recepteur_pkg::recepteur {
    public:
        explicit recepteur_options(controleur_options_son& c) : options_(c) {}
        bool accepter(evenement_pkg::evenement& evenement) override;

    private:
        controleur_options_son& options_;
    };

    std::shared_ptr<option_son_3d_pkg::page_option_affichable> page_;
    recepteur_options options_{*this};
    recepteur_souris_pkg::recepteur_souris souris_;
    recepteur_retour_menu_pkg::recepteur_retour_menu retour_;
    // Le clavier est consulté le premier.
    groupe_recepteurs_pkg::groupe_recepteurs recepteurs_{chaine_, {&options_, &souris_, &retour_}};
};

} // namespace controleur_options_son_pkg
