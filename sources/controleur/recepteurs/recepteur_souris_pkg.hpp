// Récepteur de la souris : trouve l'objet cliquable sous le pointeur et appelle ses crochets.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "recepteur_pkg.hpp"

#include <cstdint>

namespace recepteur_souris_pkg {

DECLARER_ERREUR(ERREUR_OBJET_RACINE_VIDE, "RECEPTEUR_SOURIS_PKG.ERREUR_OBJET_RACINE_VIDE");

// Sélection des objets sous le pointeur : celle de la scène OpenGL en jeu,
// une table de réponses dans les tests des récepteurs.
class source_selection {
public:
    virtual ~source_selection() = default;
    virtual bool picking_a_mettre_a_jour() const = 0;
    virtual void afficher_mode_selection(const objet_3d_pkg::classe_objet_affichable& racine, int x, int y) = 0;
    virtual std::uint32_t obtenir_identifiant_hit() const = 0;
};

// La passe de sélection OpenGL de la scène.
source_selection& selection_scene();

class recepteur_souris : public recepteur_pkg::recepteur {
public:
    explicit recepteur_souris(source_selection& selection = selection_scene()) : selection_(selection) {}

    // Consomme tout mouvement, appui ou relâchement dès qu'une racine est donnée.
    bool accepter(evenement_pkg::evenement& evenement) override;
    void definir_objet_racine(objet_3d_pkg::classe_objet_affichable objet) { objet_racine_ = std::move(objet); }

private:
    objet_3d_pkg::classe_objet_affichable objet_racine_;
    source_selection& selection_;
};

// Objet qui était sous le pointeur au dernier événement de souris, 0 pour aucun ; commun à tous les modes.
std::uint32_t obtenir_id_dernier_objet_touche();

} // namespace recepteur_souris_pkg
