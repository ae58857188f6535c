// Squelette commun des pièces d'interface : dessinées seulement une fois construites, dans leur propre repère.
#pragma once

#include "objet_3d_recepteur_pkg.hpp"
#include "objet_texte_pkg.hpp"

#include <memory>
#include <string>

namespace piece_pkg {

// base : objet_affichable pour une décoration, objet_3d_recepteur pour un bouton ;
// erreur_non_initialise : l'exception du paquet de la pièce.
template <typename base, typename erreur_non_initialise>
class piece : public base {
public:
    // Vérifie la construction, ouvre le repère, trace la pièce, ses sous-objets, referme le repère.
    void afficher() override {
        if (!est_initialise_) {
            throw erreur_non_initialise();
        }
        this->preparer_affichage();
        dessiner();
        this->afficher_sous_objets();
        this->terminer_affichage();
    }

    bool est_initialise() const { return est_initialise_; }

protected:
    // Texture, géométrie et parties possédées, dans le repère de la pièce.
    virtual void dessiner() = 0;

    bool est_initialise_ = false;
};

// Étiquette d'un bouton : texte mesuré dès sa création, à l'échelle et à la place données ; largeur_max (dans le
// repère du parent, 0 : sans limite) est la place dont il dispose, où il est réduit ou coupé s'il le faut.
inline objet_texte_pkg::classe_texte_affichable creer_etiquette(const std::string& txt,
                                                                 const objet_texte_pkg::couleur_texte& couleur,
                                                                 float echelle,
                                                                 const objet_3d_pkg::coordonnee_3d& position,
                                                                 float largeur_max = 0.0f) {
    auto texte = std::make_shared<objet_texte_pkg::texte_affichable>(txt, couleur);
    texte->definir_echelle(echelle);
    texte->positionner_objet3d(position);
    texte->definir_largeur_max(largeur_max);
    texte->mettre_a_jour();
    return texte;
}

// Bouton cliquable à étiquette : sur relâchement, il envoie son événement nommé aux contrôleurs.
template <typename erreur_non_initialise>
class bouton : public piece<objet_3d_recepteur_pkg::objet_3d_recepteur, erreur_non_initialise> {
public:
    objet_texte_pkg::classe_texte_affichable obtenir_etiquette() const { return texte_; }
    const std::string& obtenir_nom_action() const { return nom_action_; }
    bool obtenir_actif() const { return actif_; }

protected:
    // Une seule fois : inscription pour la sélection, nom de l'action, étiquette. Faux si déjà construit.
    bool construire(const std::string& txt, const std::string& evenement, const objet_texte_pkg::couleur_texte& couleur,
                    float echelle, const objet_3d_pkg::coordonnee_3d& position, float largeur_max) {
        if (this->est_initialise_) {
            return false;
        }
        nom_action_ = evenement;
        objet_3d_recepteur_pkg::objet_3d_recepteur::initialiser();
        texte_ = creer_etiquette(txt, couleur, echelle, position, largeur_max);
        this->est_initialise_ = true;
        return true;
    }

    void emettre_action() { this->rapporter(nom_action_); }

    objet_texte_pkg::classe_texte_affichable texte_;
    std::string nom_action_;
    bool actif_ = false;
};

} // namespace piece_pkg
