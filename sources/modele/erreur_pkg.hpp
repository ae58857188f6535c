// Base commune de toutes les exceptions du jeu : le message porte le nom complet de l'erreur.
#pragma once

#include <stdexcept>
#include <string>

namespace erreur_pkg {

// Chaque ERREUR_... du jeu dérive de cette classe ; nom_complet vaut par exemple
// "GRILLE_PKG.ERREUR_CASE_HORS_LIMITE", et what() donne le nom suivi du détail éventuel.
class erreur : public std::runtime_error {
public:
    explicit erreur(const std::string& nom_complet, const std::string& detail = "")
        : std::runtime_error(detail.empty() ? nom_complet : nom_complet + " : " + detail),
          nom_(nom_complet), detail_(detail) {}

    const std::string& nom_complet() const noexcept { return nom_; }
    // Le détail seul, pour le reprendre dans une erreur d'un autre paquet sans répéter le nom.
    const std::string& detail() const noexcept { return detail_; }

private:
    std::string nom_;
    std::string detail_;
};

} // namespace erreur_pkg

// Déclare une exception nommée dans le paquet courant : DECLARER_ERREUR(ERREUR_X, "PAQUET_PKG.ERREUR_X").
#define DECLARER_ERREUR(NOM, NOM_COMPLET)                                     \
    struct NOM : ::erreur_pkg::erreur {                                       \
        explicit NOM(const std::string& detail = "")                          \
            : ::erreur_pkg::erreur(NOM_COMPLET, detail) {}                    \
    }
