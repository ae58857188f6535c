// En-têtes des images PNG et des sons WAV, lus avant tout décodage : un petit fichier ne doit pas pouvoir
// annoncer une image ou un son qui remplirait la mémoire.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "erreur_pkg.hpp"

namespace entetes_media_pkg {

// Largeur et hauteur annoncées par l'en-tête d'une image PNG (une image qui annonce 65535 × 65535 pixels
// demanderait 17 Go) ; nullopt si le contenu n'est pas un PNG.
struct dimensions {
    std::uint32_t largeur;
    std::uint32_t hauteur;
};
std::optional<dimensions> dimensions_png(std::string_view contenu);

// Pas un son WAV en PCM ou en flottants, un bloc plus long que le fichier, ou une durée démesurée.
DECLARER_ERREUR(ERREUR_SON_INVALIDE, "ENTETES_MEDIA_PKG.ERREUR_SON_INVALIDE");

// Un son du jeu dure au plus dix minutes : converti pour le mélangeur (22 050 Hz, stéréo, 16 bits), il tient
// en 53 Mo au plus, quelle que soit sa fréquence d'origine (un son à 2 Hz serait multiplié par 44 100).
inline constexpr double DUREE_MAX_SON = 600.0;

// Vérifie l'en-tête d'un son WAV (PCM ou flottants, 1 à 8 canaux), la longueur de chacun de ses blocs et sa
// durée ; ERREUR_SON_INVALIDE sinon.
void verifier_wav(std::string_view contenu, double duree_max_secondes = DUREE_MAX_SON);

}  // namespace entetes_media_pkg
