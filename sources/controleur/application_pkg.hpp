// L'application : les modes du jeu, le mode courant et les changements de mode.
#pragma once

#include "controleur_pkg.hpp"
#include "mode_pkg.hpp"

#include <array>
#include <memory>
#include <optional>

namespace application_pkg {

using mode_pkg::etat_principal;

// Elle possède les modes et ne donne chaque événement qu'au mode courant. Un Échap qu'il n'a pas consommé ramène au
// menu. Un changement demandé pendant un événement est fait quand l'événement est traité : le mode quitté ne l'est
// jamais au milieu d'un de ses récepteurs.
class application final : public mode_pkg::aiguillage, public controleur_pkg::programme {
public:
    application() = default;
    application(const application&) = delete;
    application& operator=(const application&) = delete;

    // Le mode qui tient cet état.
    void installer(etat_principal etat, std::unique_ptr<mode_pkg::mode> le_mode);
    // Entre dans le menu, le premier mode du jeu.
    void demarrer();

    // Sortie du mode courant, puis entrée dans le nouveau ; rien si c'est le même. QUITTER termine le programme.
    void aller_a(etat_principal nouveau) override;
    void quitter() override { termine_ = true; }
    bool est_termine() const override { return termine_; }

    // Vrai si le mode courant l'a consommé, ou qu'il a servi à revenir au menu.
    bool traiter(evenement_pkg::evenement& evenement) override;
    // L'écran du mode courant, après son tic ; ETAT_INDEFINI pour un mode sans écran.
    void dessiner() override;
    objet_3d_pkg::delai_image delai_prochaine_image() const override;

    etat_principal obtenir_etat() const { return courant_; }
    mode_pkg::mode& obtenir_mode(etat_principal etat) const;

private:
    mode_pkg::mode* mode_de(etat_principal etat) const;
    void changer(etat_principal nouveau);

    std::array<std::unique_ptr<mode_pkg::mode>, static_cast<std::size_t>(etat_principal::QUITTER)> modes_;
    etat_principal courant_ = etat_principal::MENU;
    bool termine_ = false;
    bool en_traitement_ = false;
    std::optional<etat_principal> demande_;
};

// Les sept modes du jeu, construits sur les services donnés.
void installer_modes(application& a, const mode_pkg::services& s);

} // namespace application_pkg
