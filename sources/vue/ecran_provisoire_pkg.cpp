// Écran d'attente : nom du mode en grand, consigne de sortie en dessous.
#include "ecran_provisoire_pkg.hpp"

#include "piece_pkg.hpp"
#include "scene_pkg.hpp"

#include <memory>

namespace ecran_provisoire_pkg {

ecran_provisoire::ecran_provisoire()
    : nom_mode_(piece_pkg::creer_etiquette("", affichage_texte_pkg::blanc, 0.6f, {0.0f, 0.5f, 0.0f})) {
    ajouter_sous_objet(piece_pkg::creer_etiquette(consigne, affichage_texte_pkg::jaune_pale, 0.25f,
                                                  {0.0f, -0.5f, 0.0f}));
    ajouter_sous_objet(nom_mode_);
}

void ecran_provisoire::definir_nom_mode(const std::string& nom) { nom_mode_->definir_texte(nom); }

void ecran_provisoire::afficher() {
    preparer_affichage();
    afficher_sous_objets();
    terminer_affichage();
}

void afficher_mode(const std::string& nom) {
    static const auto ecran = [] {
        auto e = std::make_shared<ecran_provisoire>();
        e->positionner_objet3d({0.0f, 0.0f, -5.0f});
        return e;
    }();
    ecran->definir_nom_mode(nom);
    scene_pkg::afficher_scene(ecran);
}

} // namespace ecran_provisoire_pkg
