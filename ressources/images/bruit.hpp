// Bruits déterministes des textures : bruit de gradient, somme d'octaves, bruit cellulaire, tirages reproductibles.
#pragma once

#include <cstdint>

namespace images::bruit {

// Entier pseudo-aléatoire tiré des coordonnées d'un nœud et d'une graine.
std::uint32_t hacher(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t graine);

// Bruit de gradient 3D, environ −1 .. 1. Une période non nulle replie le réseau sur x (et y) :
// le bruit devient alors raccordable, ce que demande le fond d'étoiles répété.
float gradient(float x, float y, float z, std::uint32_t graine, int periode_x = 0, int periode_y = 0);

// Somme d'octaves (fréquence ×2, amplitude ×0.5), normalisée vers −1 .. 1 ; les périodes doublent avec la fréquence.
float octaves(float x, float y, float z, std::uint32_t graine, int nombre, int periode_x = 0, int periode_y = 0);

// Bruit cellulaire 3D : distance au germe le plus proche et au suivant, identifiant de la cellule la plus proche.
struct cellule {
    float premier = 0.0f;
    float second = 0.0f;
    std::uint32_t identifiant = 0;
};
cellule cellulaire(float x, float y, float z, std::uint32_t graine);

// Tirages reproductibles (placement des étoiles, des taches) : même graine, même suite.
class tirage {
public:
    explicit tirage(std::uint64_t graine) : etat_(graine) {}
    // Réel uniforme dans [0, 1).
    float uniforme();
    float entre(float bas, float haut) { return bas + (haut - bas) * uniforme(); }

private:
    std::uint64_t etat_;
};

} // namespace images::bruit
