// Mode menu : le menu principal, sa musique, ses entrées à la souris et au clavier.
#pragma once

#include "groupe_recepteurs_pkg.hpp"
#include "menu_3d_pkg.hpp"
#include "mode_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

#include <memory>
#include <string>

namespace controleur_menu_pkg {

class controleur_menu final : public mode_pkg::mode {
public:
    explicit controleur_menu(const mode_pkg::services& s);

    // Le menu est construit à la première entrée et gardé : sa ligne du clavier survit aux autres modes.
    void entrer() override;
    void sortir() override;
    // La ligne du clavier suit la souris ; la musique part après la première image, qu'elle ne retarde pas.
    void tic() override;
    void dessiner() override;
    objet_3d_pkg::delai_image delai_prochaine_image() const override;

    // Ligne du clavier, de 1 (en haut) à 7 ; monter sur la première ou descendre sur la dernière ne fait rien.
    void monter();
    void descendre();
    int obtenir_courante() const;
    // Action d'une entrée par son événement nommé : un mode, ou la fin du programme ; faux pour un nom inconnu.
    bool executer_action(const std::string& nom);
    // Action de l'entrée de la ligne ; une ligne hors de 1 à 7 ne fait rien.
    void executer_ligne(int ligne);

    std::shared_ptr<menu_3d_pkg::menu_affichable> obtenir_element_racine() const { return le_menu_; }

private:
    // Les événements nommés des entrées ; Échap termine, Haut et Bas déplacent la ligne, Entrée l'active.
    class recepteur_menu : public recepteur_pkg::recepteur {
    public:
        explicit recepteur_menu(controleur_menu& m) : menu_(m) {}
        bool accepter(evenement_pkg::evenement& evenement) override;

    private:
        controleur_menu& menu_;
    };

    mode_pkg::aiguillage& modes_;
    std::shared_ptr<menu_3d_pkg::menu_affichable> le_menu_ = std::make_shared<menu_3d_pkg::menu_affichable>();
    int images_ = 0;
    bool musique_lancee_ = false;
    recepteur_menu recepteur_{*this};
    recepteur_souris_pkg::recepteur_souris souris_;
    // Les entrées et le clavier d'abord, puis la souris.
    groupe_recepteurs_pkg::groupe_recepteurs recepteurs_{chaine_, {&recepteur_, &souris_}};
};

} // namespace controleur_menu_pkg
