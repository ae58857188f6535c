// Boucle principale : les événements au programme, une image au plus toutes les 25 ms, le sommeil entre les deux.
#pragma once

#include "erreur_pkg.hpp"
#include "file_evenements_pkg.hpp"
#include "horloge_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "scene_pkg.hpp"

#include <optional>

namespace controleur_pkg {

DECLARER_ERREUR(ETAT_INDEFINI, "CONTROLEUR_PKG.ETAT_INDEFINI");

// Pas plus d'une image toutes les 25 ms.
inline constexpr horloge_pkg::duree intervalle_affichage = std::chrono::milliseconds(25);

// Ce que la boucle fait tourner : l'application en jeu, un double dans les tests.
class programme {
public:
    virtual ~programme() = default;
    // Vrai si l'événement a servi.
    virtual bool traiter(evenement_pkg::evenement& evenement) = 0;
    virtual void dessiner() = 0;
    // Demandé après chaque image : quand la suivante est due sans événement (une animation), aucune s'il n'y en a pas.
    virtual objet_3d_pkg::delai_image delai_prochaine_image() const = 0;
    virtual void quitter() = 0;
    virtual bool est_termine() const = 0;
};

class boucle_principale {
public:
    boucle_principale(file_evenements_pkg::file_evenements& file, const horloge_pkg::horloge& horloge,
                      programme& le_programme);

    // Vide la file, puis dessine si l'écran a changé ou qu'une animation l'attend, et que 25 ms sont passées depuis
    // la dernière image. La première passe dessine aussitôt.
    void passe();
    // Dort jusqu'au prochain événement, ou jusqu'à l'image que l'écran attend.
    void attendre();
    // Enchaîne passes et attentes jusqu'à ce que le programme soit terminé.
    void executer();

private:
    void verifier_affichage();

    file_evenements_pkg::file_evenements& file_;
    const horloge_pkg::horloge& horloge_;
    programme& programme_;
    bool ecran_modifie_ = true;
    horloge_pkg::duree dernier_affichage_{0};
    // Instant de l'image qu'une animation attend, sur l'horloge de la boucle.
    std::optional<horloge_pkg::duree> echeance_animation_;
};

// Toute la vie du programme : la scène dans la fenêtre, l'application et ses modes, la boucle jusqu'à la fin.
void tessaline(scene_pkg::fenetre& la_fenetre, file_evenements_pkg::file_evenements& file);

} // namespace controleur_pkg
