// Ce que les récepteurs d'une partie (jeu libre, campagne) font de la même façon : molette et bouton du milieu
// pour l'aide, souris qui entre dans une case, puis la table des actions nommées du mode.
#pragma once

#include "evenement_pkg.hpp"
#include "gestion_evenements_pkg.hpp"

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <variant>

namespace recepteur_partie_pkg {

template <class Controleur>
using action = std::pair<const char*, void (*)(Controleur&)>;

// Vrai si l'événement est consommé. CaseNonAdjacente : l'erreur du mode pour un saut de la souris pendant la
// construction d'un chemin, ignorée ici.
template <class CaseNonAdjacente, class Controleur, std::size_t N>
bool accepter(Controleur& mode, evenement_pkg::evenement& evenement, const std::array<action<Controleur>, N>& actions) {
    if (evenement.type == evenement_pkg::SOURIS_APPUIE) {
        switch (evenement.bouton) {
        case evenement_pkg::boutons::MOLETTE_BAS: mode.modifier_points_aide(-10); return true;
        case evenement_pkg::boutons::MOLETTE_HAUT: mode.modifier_points_aide(10); return true;
        case evenement_pkg::boutons::MILIEU: mode.utiliser_aide(); return true;
        default: return false;
        }
    }
    const std::string nom = gestion_evenements_pkg::obtenir_nom_evenement(evenement);
    if (nom.empty()) return false;
    if (nom == "deplacer_curseur") {
        const auto* c = std::get_if<case_simple_pkg::coordonnees>(&evenement.donnee);
        if (c == nullptr) return false;
        try {
            mode.deplacer_xy(*c);
        } catch (const CaseNonAdjacente&) {
            // La souris a sauté une case pendant la construction : le mouvement est ignoré.
        }
        return true;
    }
    for (const auto& [nom_action, faire] : actions) {
        if (nom == nom_action) {
            faire(mode);
            return true;
        }
    }
    return false;
}

} // namespace recepteur_partie_pkg
