// Cœur du programme : mode courant, changements de mode et boucle principale.
#pragma once

#include "erreur_pkg.hpp"
#include "file_evenements_pkg.hpp"
#include "horloge_pkg.hpp"
#include "scene_pkg.hpp"

#include <cstdint>
#include <functional>

namespace controleur_pkg {

enum class etat_principal : std::uint8_t { MENU = 0, JEU, LIBRE, AIDE, SON, CREDITS, EDITEUR, QUITTER };

DECLARER_ERREUR(ETAT_INDEFINI, "CONTROLEUR_PKG.ETAT_INDEFINI");

// Pas plus d'une image toutes les 25 ms.
inline constexpr horloge_pkg::duree intervalle_affichage = std::chrono::milliseconds(25);

// Toute la vie du programme : fenêtre, menu, boucle d'événements jusqu'à la fin demandée.
void tessaline(scene_pkg::fenetre& la_fenetre, file_evenements_pkg::file_evenements& file);

// Change de mode avec les actions de sortie de l'ancien et d'entrée du nouveau ; rien si c'est le même.
void modifier_etat(etat_principal nouveau);
etat_principal obtenir_etat();

// La boucle s'arrête après les événements déjà en file et la vérification d'affichage de la passe.
void quitter();
bool est_termine();

// L'écran doit être redessiné (appelé aussi par les animations en cours).
void modifie_ecran();
bool obtenir_modification();
// L'écran devra être redessiné dans delai au plus tard : une animation lente qui n'a rien de visible à montrer
// avant. La demande vaut jusqu'à la prochaine image, qui en fait une nouvelle si elle en a besoin.
void modifie_ecran_dans(horloge_pkg::duree delai);

// Dessine la scène du mode courant ; ETAT_INDEFINI pour un mode sans dessin.
void dessiner_mode_courant();

// Boucle d'événements, séparée de la fenêtre pour être pilotée dans les tests.
class boucle_principale {
public:
    boucle_principale(file_evenements_pkg::file_evenements& file, const horloge_pkg::horloge& horloge,
                      std::function<void()> dessiner = dessiner_mode_courant);

    // Vide la file, puis redessine si l'écran a changé et que 25 ms sont passées depuis la dernière image.
    void passe();
    // Dort jusqu'au prochain événement ou jusqu'à l'échéance de l'image en attente.
    void attendre();
    // Enchaîne passes et attentes jusqu'à ce que quitter soit demandé.
    void executer();

private:
    void verifier_affichage();
    // Échéance d'une image demandée par modifie_ecran_dans, lue sur l'horloge de la boucle.
    void prendre_demande_differee();

    file_evenements_pkg::file_evenements& file_;
    const horloge_pkg::horloge& horloge_;
    std::function<void()> dessiner_;
};

} // namespace controleur_pkg
