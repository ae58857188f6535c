// Ce qu'est un mode du jeu (menu, campagne, jeu libre, pages, éditeur) pour l'application qui les tient.
#pragma once

#include "chaine_recepteurs_pkg.hpp"
#include "evenement_pkg.hpp"
#include "file_evenements_pkg.hpp"
#include "horloge_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

#include <cstdint>

namespace mode_pkg {

enum class etat_principal : std::uint8_t { MENU = 0, JEU, LIBRE, AIDE, SON, CREDITS, EDITEUR, QUITTER };

// Où un mode demande à en changer : l'application, qui fait le changement une fois l'événement en cours traité.
class aiguillage {
public:
    virtual ~aiguillage() = default;
    virtual void aller_a(etat_principal mode) = 0;
    // La boucle s'arrête après les événements déjà en file et l'image de la passe.
    virtual void quitter() = 0;
};

// Ce qu'un mode reçoit à sa création et garde : personne ne le lui donne plus tard.
struct services {
    aiguillage& modes;
    // Où ses récepteurs mettent les événements nommés : traités dans la même passe de la boucle.
    file_evenements_pkg::file_evenements& file;
    // Ce qui est sous le pointeur : la passe de sélection de la scène, une table dans les tests.
    recepteur_souris_pkg::source_selection& selection;
    // Chronomètres de la campagne (les tests en donnent une réglable).
    const horloge_pkg::horloge& horloge;
};

// Un mode possède son écran, ses récepteurs et son état. Seule l'application l'appelle, et seulement quand il est le
// mode courant (entrer et sortir mis à part).
class mode {
public:
    virtual ~mode() = default;
    // Il devient le mode courant : ses récepteurs entrent dans sa chaîne, ses écrans sont prêts. Sortir puis entrer
    // se répondent ; deux appels de suite ne font rien de plus qu'un.
    virtual void entrer() = 0;
    virtual void sortir() = 0;
    // Offre l'événement à sa chaîne ; vrai s'il est consommé.
    bool traiter(evenement_pkg::evenement& evenement) { return chaine_.traiter(evenement); }
    // Avant chaque image : son écran prend l'état du mode. Sans OpenGL.
    virtual void tic() {}
    // Dessine son écran, et rien d'autre.
    virtual void dessiner() = 0;
    // Demandé après chaque image : quand son écran a besoin de la suivante sans qu'un événement arrive.
    virtual objet_3d_pkg::delai_image delai_prochaine_image() const = 0;

    // Ses récepteurs, du premier consulté au dernier.
    const chaine_recepteurs_pkg::chaine_recepteurs& chaine() const { return chaine_; }

protected:
    chaine_recepteurs_pkg::chaine_recepteurs chaine_;
};

} // namespace mode_pkg
