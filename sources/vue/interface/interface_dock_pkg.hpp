// Dock des écrans de jeu : une plaque portant jusqu'à six boutons, qui monte et redescend.
#pragma once

#include "bouton_dock_3d.hpp"
#include "dock_3d.hpp"
#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "piece_pkg.hpp"

#include <memory>
#include <string>

namespace interface_dock_pkg {

DECLARER_ERREUR(ERREUR_INTERFACE_DOCK_NON_INITIALISE, "INTERFACE_DOCK_PKG.ERREUR_INTERFACE_DOCK_NON_INITIALISE");
DECLARER_ERREUR(ERREUR_PLUS_DE_PLACE_DANS_DOCK, "INTERFACE_DOCK_PKG.ERREUR_PLUS_DE_PLACE_DANS_DOCK");

inline constexpr int nombre_max_boutons = 6;

class interface_dock_affichable
    : public piece_pkg::piece<objet_3d_pkg::objet_affichable, ERREUR_INTERFACE_DOCK_NON_INITIALISE> {
public:
    virtual void initialiser();
    // Ajoute un bouton en haut de la pile et recentre la pile ; sept boutons n'y tiennent pas.
    virtual void ajouter_bouton(const std::string& texte, const std::string& evenement);
    virtual void afficher_les_boutons();
    // Monte le dock s'il est caché, le redescend sinon, en une demi-seconde.
    virtual void toggle();

    bool est_devoile() const { return est_devoile_; }

protected:
    void dessiner() override;

private:
    bool est_devoile_ = false;
    std::shared_ptr<dock_3d::dock_3d_affichable> le_fond_;
};

} // namespace interface_dock_pkg
