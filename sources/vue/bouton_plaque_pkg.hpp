// Bouton carré de la liste déroulante et de la saisie : grossit sous le pointeur, envoie son événement au relâchement.
#pragma once

#include "geometrie_pkg.hpp"
#include "piece_pkg.hpp"

#include <string>
#include <string_view>
#include <utility>

namespace bouton_plaque_pkg {

// Ce qui distingue un bouton d'un autre : les deux paquets de boutons n'en donnent qu'une table.
struct apparence {
    std::string etiquette;  // vide : pas d'étiquette (flèches)
    std::string texture;
    std::string texture_appuyee;
    float demi_largeur = 0.5f;
    float demi_hauteur = 0.17f;
    float echelle_survol = 1.2f;
    float echelle_repos = 1.0f;
    std::string evenement;
};

inline constexpr float echelle_etiquette = 0.25f;
inline constexpr float part_etiquette = 0.85f;  // part de la largeur de la plaque laissée à l'étiquette

template <typename erreur_non_initialise>
class bouton_plaque : public piece_pkg::piece<objet_3d_recepteur_pkg::objet_3d_recepteur, erreur_non_initialise> {
public:
    // Une seule fois : inscription pour la sélection, étiquette en sous-objet.
    void initialiser() {
        if (this->est_initialise_) {
            return;
        }
        objet_3d_recepteur_pkg::objet_3d_recepteur::initialiser();
        if (!apparence_.etiquette.empty()) {
            // L'étiquette tient dans la plaque, en deçà de ses bords biseautés.
            this->ajouter_sous_objet(piece_pkg::creer_etiquette(apparence_.etiquette, affichage_texte_pkg::jaune_pale,
                                                                echelle_etiquette, {},
                                                                2.0f * apparence_.demi_largeur * part_etiquette));
        }
        this->est_initialise_ = true;
    }

    void sourisentre(const evenement_pkg::evenement&) override { this->definir_echelle(apparence_.echelle_survol); }
    void sourissort(const evenement_pkg::evenement&) override {
        this->definir_echelle(apparence_.echelle_repos);
        bouton_ancien_actif_ = false;
    }
    void sourisappuie(const evenement_pkg::evenement&) override { bouton_ancien_actif_ = true; }
    void sourisrelache(const evenement_pkg::evenement&) override {
        bouton_ancien_actif_ = false;
        this->rapporter(apparence_.evenement);
    }

    // Vrai tant que le bouton est tenu enfoncé sous le pointeur.
    bool obtenir_bouton_ancien_actif() const { return bouton_ancien_actif_; }
    std::string_view texture_courante() const {
        return bouton_ancien_actif_ ? apparence_.texture_appuyee : apparence_.texture;
    }
    const apparence& obtenir_apparence() const { return apparence_; }

protected:
    explicit bouton_plaque(apparence a) : apparence_(std::move(a)) {}

    void dessiner() override {
        geometrie_pkg::lier_texture(texture_courante());
        geometrie_pkg::quad(-apparence_.demi_largeur, -apparence_.demi_hauteur, apparence_.demi_largeur,
                            apparence_.demi_hauteur, geometrie_pkg::normales_biseau);
    }

private:
    apparence apparence_;
    bool bouton_ancien_actif_ = false;
};

} // namespace bouton_plaque_pkg
