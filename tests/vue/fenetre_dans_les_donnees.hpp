// La vraie fenêtre du jeu, ouverte dans sa racine de données (TESSALINE_DONNEES) : textures, police et sons du
// jeu ; le répertoire de travail d'avant revient à la fin.
#pragma once

#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "scene_pkg.hpp"

#include <filesystem>

namespace fenetre_dans_les_donnees {

class fenetre_du_jeu {
public:
    fenetre_du_jeu() { scene_pkg::initialiser_fenetre(fenetre_); }
    ~fenetre_du_jeu() { std::filesystem::current_path(precedent_); }
    fenetre_du_jeu(const fenetre_du_jeu&) = delete;
    fenetre_du_jeu& operator=(const fenetre_du_jeu&) = delete;

private:
    std::filesystem::path precedent_ = std::filesystem::current_path();
    // Avant la fenêtre : elle charge ses textures de base depuis le répertoire de travail.
    bool dans_les_donnees_ = [] {
        std::filesystem::current_path(TESSALINE_DONNEES);
        return true;
    }();
    file_evenements_sdl_pkg::file_evenements_sdl file_;
    fenetre_sdl_pkg::fenetre_sdl fenetre_{file_};
};

} // namespace fenetre_dans_les_donnees
