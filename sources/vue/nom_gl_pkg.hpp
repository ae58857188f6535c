// Propriétaires des noms OpenGL (textures, listes d'affichage) : chacun supprime le sien quand il est remplacé ou détruit.
#pragma once

#include <cstdint>
#include <utility>

namespace nom_gl_pkg {

// Un nom OpenGL n'a de sens que dans le contexte qui l'a créé. Quand un contexte s'ouvre ou se ferme, les noms
// déjà créés sont oubliés : leurs propriétaires ne les suppriment plus (ils ont disparu avec leur contexte, ou
// désigneraient dans le nouveau un tout autre objet) et ils ne sont plus comptés.
void changer_de_contexte();
std::uint32_t contexte_courant();

// Genres de noms : création et suppression d'un nom, et compte des noms vivants du contexte courant.
struct genre_texture {
    static std::uint32_t creer();
    static void supprimer(std::uint32_t nom);
    static inline int vivants = 0;
};
struct genre_liste {
    static std::uint32_t creer();
    static void supprimer(std::uint32_t nom);
    static inline int vivants = 0;
};

template <typename genre>
class nom_gl {
public:
    nom_gl() = default;
    ~nom_gl() { liberer(); }
    nom_gl(const nom_gl&) = delete;
    nom_gl& operator=(const nom_gl&) = delete;
    nom_gl(nom_gl&& autre) noexcept
        : nom_(std::exchange(autre.nom_, 0)), contexte_(autre.contexte_) {}
    nom_gl& operator=(nom_gl&& autre) noexcept {
        if (this != &autre) {
            liberer();
            nom_ = std::exchange(autre.nom_, 0);
            contexte_ = autre.contexte_;
        }
        return *this;
    }

    // Un nom neuf dans le contexte courant.
    static nom_gl creer() {
        nom_gl n;
        n.nom_ = genre::creer();
        n.contexte_ = contexte_courant();
        if (n.nom_ != 0) {
            ++genre::vivants;
        }
        return n;
    }

    // 0 quand il n'y a pas de nom, ou qu'il appartient à un contexte disparu.
    std::uint32_t nom() const { return est_valide() ? nom_ : 0; }
    bool est_valide() const { return nom_ != 0 && contexte_ == contexte_courant(); }

    void liberer() {
        if (est_valide()) {
            genre::supprimer(nom_);
            --genre::vivants;
        }
        nom_ = 0;
    }

private:
    std::uint32_t nom_ = 0;
    std::uint32_t contexte_ = 0;
};

using texture_gl = nom_gl<genre_texture>;
using liste_gl = nom_gl<genre_liste>;

// Noms vivants du contexte courant, comptés par leurs propriétaires.
inline int nombre_textures() { return genre_texture::vivants; }
inline int nombre_listes() { return genre_liste::vivants; }

} // namespace nom_gl_pkg
