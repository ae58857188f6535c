// Lecture d'un fichier entier en mémoire, sans jamais bloquer ni lire sans fin : seul un fichier ordinaire (liens
// suivis) sous une taille donnée est lu. Un tube nommé, un périphérique (/dev/zero) ou un répertoire est refusé.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "erreur_pkg.hpp"

namespace lecture_fichier_pkg {

// Fichier absent, illisible, qui n'est pas un fichier ordinaire, ou plus grand que permis.
DECLARER_ERREUR(ERREUR_LECTURE_REFUSEE, "LECTURE_FICHIER_PKG.ERREUR_LECTURE_REFUSEE");

// Descripteur de fichier du système, fermé par son propriétaire quoi qu'il arrive.
class descripteur {
public:
    explicit descripteur(int fd) : fd_(fd) {}
    ~descripteur();
    descripteur(const descripteur&) = delete;
    descripteur& operator=(const descripteur&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// Tailles permises selon l'usage : largement au-dessus de ce que le jeu écrit ou livre.
constexpr std::size_t TAILLE_MAX_XML = 8u << 20;
constexpr std::size_t TAILLE_MAX_IMAGE = 32u << 20;
constexpr std::size_t TAILLE_MAX_SON = 32u << 20;
constexpr std::size_t TAILLE_MAX_POLICE = 16u << 20;
constexpr std::size_t TAILLE_MAX_TEXTE = 1u << 20;

// Tout le contenu du fichier ; ERREUR_LECTURE_REFUSEE, avec la cause, sinon.
std::string lire_fichier(const std::string& chemin, std::size_t taille_max);

// Largeur et hauteur annoncées par l'en-tête d'une image PNG, lues avant tout décodage (une image qui annonce
// 65535 × 65535 pixels demanderait 17 Go) ; nullopt si le contenu n'est pas un PNG.
struct dimensions {
    std::uint32_t largeur;
    std::uint32_t hauteur;
};
std::optional<dimensions> dimensions_png(std::string_view contenu);

}  // namespace lecture_fichier_pkg
