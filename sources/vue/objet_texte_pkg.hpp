// Ligne de texte affichable : mesurée avec les glyphes en cache, centrée sur son origine, haute d'une unité.
#pragma once

#include "affichage_texte_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace objet_texte_pkg {

using affichage_texte_pkg::couleur_texte;

// Largeur totale et plus grande hauteur des glyphes d'un texte, en pixels.
struct mesures_texte {
    int w = 0;
    int h = 0;
};

// Place d'un glyphe dans le repère du texte : de gauche à droite, de -demi à +demi.
struct quad_glyphe {
    float gauche = 0.0f;
    float droite = 0.0f;
    float demi = 0.0f;
};

using source_glyphes = std::function<affichage_texte_pkg::caractere(char)>;

mesures_texte mesurer(std::string_view latin1, const source_glyphes& glyphe);
// position : somme des largeurs des glyphes qui précèdent.
quad_glyphe placer_glyphe(const affichage_texte_pkg::caractere& g, int position, const mesures_texte& m);

class texte_affichable : public objet_3d_pkg::objet_affichable {
public:
    texte_affichable() = default;
    explicit texte_affichable(const std::string& texte, const couleur_texte& couleur = affichage_texte_pkg::blanc);

    // Mesure le texte s'il a changé, puis le dessine centré, dans sa couleur.
    void afficher() override;

    // Mesure le texte s'il a changé depuis la dernière mesure.
    virtual void mettre_a_jour();
    // Texte en UTF-8 ; le même texte ne force pas de nouvelle mesure.
    virtual void definir_texte(const std::string& t);
    virtual std::string obtenir_texte() const { return texte_; }
    virtual void definir_couleur(const couleur_texte& c) { couleur_ = c; }
    virtual couleur_texte obtenir_couleur() const { return couleur_; }
    virtual void definir_resolution(int r);
    virtual int obtenir_resolution() const { return resolution_; }

    // Mesures de la dernière mise à jour, en pixels (0 pour un texte vide ou sans police).
    int obtenir_largeur() const { return mesures_.w; }
    int obtenir_hauteur() const { return mesures_.h; }

private:
    bool est_genere_ = false;
    couleur_texte couleur_ = affichage_texte_pkg::blanc;
    std::string texte_;
    int resolution_ = 50;
    mesures_texte mesures_;
    std::string latin1_;  // texte_ converti une fois par changement, pour le rendu
};

using classe_texte_affichable = std::shared_ptr<texte_affichable>;

} // namespace objet_texte_pkg
