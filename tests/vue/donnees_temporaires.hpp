// Racine de données jetable pour les tests d'affichage : images PNG et police écrites par le test lui-même.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace donnees_temporaires {

struct pixel {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
};

using motif = std::function<pixel(int x, int y)>;

// Crée un répertoire temporaire avec textures/ et polices/ et en fait le répertoire de travail le temps du test.
class racine_donnees {
public:
    racine_donnees();
    ~racine_donnees();
    racine_donnees(const racine_donnees&) = delete;
    racine_donnees& operator=(const racine_donnees&) = delete;

    // Écrit une image PNG RGB ou RGBA de largeur × hauteur sous textures/.
    void ecrire_texture(const std::string& fichier, int largeur, int hauteur, bool alpha, const motif& couleur) const;
    // Écrit des octets quelconques à la place d'une image.
    void ecrire_fichier(const std::string& chemin_relatif, const std::string& contenu) const;
    // Copie sous polices/FALLOUT.ttf la police « sans » que fontconfig trouve sur la machine ; faux sinon.
    bool copier_police_systeme() const;

private:
    std::filesystem::path precedent_;
    std::filesystem::path racine_;
};

} // namespace donnees_temporaires
