// Sources de nombres uniformes entre 0 et 1 pour le générateur : l'horloge dans le jeu, une suite en test.
#pragma once

#include <random>
#include <vector>

namespace aleatoire_pkg {

class source_uniforme {
public:
    virtual ~source_uniforme() = default;
    // Un nombre u tel que 0 <= u <= 1.
    virtual float un_pourcentage() = 0;
};

// Graine tirée de l'horloge à la construction : une source neuve par génération.
class source_horloge final : public source_uniforme {
public:
    source_horloge();
    float un_pourcentage() override;

private:
    std::mt19937 generateur;
};

// Rejoue une suite donnée, et la reprend au début quand elle est épuisée ; la suite n'est pas vide.
class source_suite final : public source_uniforme {
public:
    explicit source_suite(std::vector<float> valeurs);
    float un_pourcentage() override;

private:
    std::vector<float> valeurs;
    std::size_t suivant = 0;
};

}  // namespace aleatoire_pkg
