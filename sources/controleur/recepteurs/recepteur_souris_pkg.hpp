// Récepteur de la souris : trouve l'objet cliquable sous le pointeur et appelle ses crochets.
#pragma once

#include "erreur_pkg.hpp"
#include "file_evenements_pkg.hpp"
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

    // Objet qui était sous le pointeur au dernier événement de souris, 0 pour aucun : le même pour tous les
    // récepteurs, si bien qu'un objet quitté pour l'écran d'un autre mode apprend quand même qu'il l'est.
    std::uint32_t obtenir_dernier_touche() const { return dernier_touche_; }
    void definir_dernier_touche(std::uint32_t identifiant) { dernier_touche_ = identifiant; }

private:
    std::uint32_t dernier_touche_ = 0;
};

// La passe de sélection OpenGL de la scène.
source_selection& selection_scene();

// Appelle les crochets de l'objet cliquable sous le pointeur, puis met en file les événements nommés qu'il rapporte :
// ils sont traités dans la même passe de la boucle.
class recepteur_souris : public recepteur_pkg::recepteur {
public:
    recepteur_souris(file_evenements_pkg::file_evenements& file, source_selection& selection)
        : file_(file), selection_(selection) {}

    // Consomme tout mouvement, appui ou relâchement dès qu'une racine est donnée.
    bool accepter(evenement_pkg::evenement& evenement) override;
    void definir_objet_racine(objet_3d_pkg::classe_objet_affichable objet) { objet_racine_ = std::move(objet); }

private:
    objet_3d_pkg::classe_objet_affichable objet_racine_;
    file_evenements_pkg::file_evenements& file_;
    source_selection& selection_;
};

} // namespace recepteur_souris_pkg
