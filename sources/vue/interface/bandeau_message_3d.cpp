// Bandeau de message : bande translucide, une ou deux lignes centrées, disparition à l'heure dite.
#include "bandeau_message_3d.hpp"

#include "geometrie_pkg.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>

#include <cstdlib>

namespace bandeau_message_3d {

namespace {
constexpr float echelle_texte = 0.17f;
constexpr float interligne = 0.17f;
constexpr float marge = 0.1f;
constexpr affichage_texte_pkg::couleur_texte rouge_clair{255, 130, 110, 255};

std::shared_ptr<objet_texte_pkg::texte_affichable> ligne(float largeur) {
    auto t = std::make_shared<objet_texte_pkg::texte_affichable>(" ");
    t->definir_echelle(echelle_texte);
    t->definir_largeur_max(largeur - 2.0f * marge);
    return t;
}

// Le blanc le plus proche du milieu du texte ; npos s'il n'y en a pas.
std::size_t coupure(const std::string& texte) {
    const auto ecart = [&texte](std::size_t k) {
        return std::abs(static_cast<long>(2 * k) - static_cast<long>(texte.size()));
    };
    std::size_t meilleure = std::string::npos;
    for (std::size_t i = texte.find(' '); i != std::string::npos; i = texte.find(' ', i + 1)) {
        if (meilleure == std::string::npos || ecart(i) < ecart(meilleure)) meilleure = i;
    }
    return meilleure;
}
} // namespace

bandeau_message_affichable::bandeau_message_affichable(float largeur)
    : largeur_(largeur), premiere_(ligne(largeur)), seconde_(ligne(largeur)) {}

void bandeau_message_affichable::montrer(const std::string& texte, gravite g) {
    texte_ = texte;
    const auto couleur = g == gravite::erreur ? rouge_clair : affichage_texte_pkg::jaune_pale;
    premiere_->definir_couleur(couleur);
    seconde_->definir_couleur(couleur);
    // Sur une ligne s'il y tient sans être réduit, sinon sur deux.
    premiere_->definir_largeur_max(0.0f);
    premiere_->definir_texte(texte);
    premiere_->mettre_a_jour();
    const std::size_t blanc = coupure(texte);
    deux_lignes_ = premiere_->obtenir_largeur_affichee() > largeur_ - 2.0f * marge && blanc != std::string::npos;
    premiere_->definir_largeur_max(largeur_ - 2.0f * marge);
    if (deux_lignes_) {
        premiere_->definir_texte(texte.substr(0, blanc));
        seconde_->definir_texte(texte.substr(blanc + 1));
    }
    fin_ = objet_3d_pkg::maintenant() + duree_affichage;
}

std::vector<std::string> bandeau_message_affichable::obtenir_lignes() const {
    if (!deux_lignes_) return {premiere_->obtenir_texte()};
    return {premiere_->obtenir_texte(), seconde_->obtenir_texte()};
}

bool bandeau_message_affichable::est_montre() const { return fin_ && objet_3d_pkg::maintenant() < *fin_; }

void bandeau_message_affichable::afficher() {
    // Un message ne se clique pas : la souris atteint ce qu'il recouvre.
    if (!est_montre() || scene_pkg::obtenir_mode_de_rendu_courant() == GL_SELECT) return;
    preparer_affichage();
    // Une bande sombre, à moitié transparente, sous le texte : lisible sur n'importe quelle image. La couleur suit
    // glColor (matière réglée par la couleur, à l'ouverture de la scène).
    const float hauteur = (deux_lignes_ ? 2.0f : 1.0f) * interligne + marge;
    geometrie_pkg::lier_texture("reset");
    glColor4f(0.02f, 0.03f, 0.06f, 0.8f);
    geometrie_pkg::quad(-largeur_ / 2.0f, -hauteur / 2.0f, largeur_ / 2.0f, hauteur / 2.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    if (deux_lignes_) {
        premiere_->positionner_objet3d({0.0f, interligne / 2.0f, 0.01f});
        seconde_->positionner_objet3d({0.0f, -interligne / 2.0f, 0.01f});
        premiere_->afficher();
        seconde_->afficher();
    } else {
        premiere_->positionner_objet3d({0.0f, 0.0f, 0.01f});
        premiere_->afficher();
    }
    terminer_affichage();
}

objet_3d_pkg::delai_image bandeau_message_affichable::delai_prochaine_image() const {
    if (!est_montre()) return std::nullopt;
    return *fin_ - objet_3d_pkg::maintenant();
}

std::shared_ptr<bandeau_message_affichable> bandeau_du_cadre() {
    auto bandeau = std::make_shared<bandeau_message_affichable>(2.5f);
    bandeau->positionner_objet3d({-0.56f, -1.76f, -4.8f});
    return bandeau;
}

} // namespace bandeau_message_3d
