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

// Un texte plus large que sa place est d'abord réduit, jusqu'à reduction_minimale de sa taille ; au-delà il est
// aussi coupé à la fin, avec « ... ». C'est la seule règle du jeu pour les textes de longueur libre.
inline constexpr float reduction_minimale = 0.6f;
inline constexpr std::string_view points_de_suite = "...";

struct ajustement {
    std::string montre;      // latin-1, coupé ou non
    float reduction = 1.0f;  // facteur appliqué à l'échelle du texte
};
// largeur_max : dans le repère du parent, comme echelle ; 0 pour ne rien limiter.
ajustement ajuster_largeur(std::string_view latin1, float echelle, float largeur_max, const source_glyphes& glyphe);
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

    // Place disponible, en largeur, dans le repère du parent (l'échelle du texte comprise) ; 0 : aucune limite.
    // Le texte y est réduit, puis coupé s'il le faut (ajuster_largeur).
    void definir_largeur_max(float largeur);
    float obtenir_largeur_max() const { return largeur_max_; }
    // Largeur du texte dessiné, dans le repère du parent.
    float obtenir_largeur_affichee() const;
    // Ce qui est dessiné, en latin-1 : le texte, ou son début suivi de « ... ».
    const std::string& obtenir_texte_montre() const { return ajuste_.montre; }
    // Une ombre noire derrière les lettres, pour un texte posé sur une image claire.
    void definir_ombre(bool ombre) { ombre_ = ombre; }

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
    float largeur_max_ = 0.0f;
    ajustement ajuste_;
    float echelle_ajustee_ = 0.0f;  // l'ajustement est refait quand l'échelle change

    bool ombre_ = false;

    void ajuster();
    void tracer_glyphes(float r, float g, float b, const objet_3d_pkg::coordonnee_3d& decalage);
};

using classe_texte_affichable = std::shared_ptr<texte_affichable>;

} // namespace objet_texte_pkg
