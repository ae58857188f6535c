// Récepteur d'événements : un maillon de la chaîne qui consomme ou laisse passer un événement.
#pragma once

#include "evenement_pkg.hpp"

namespace recepteur_pkg {

class recepteur {
public:
    virtual ~recepteur() = default;
    // Vrai quand l'événement est consommé : la chaîne s'arrête là.
    // Un récepteur ne lève jamais pour un événement qu'il ne comprend pas : il rend faux.
    virtual bool accepter(evenement_pkg::evenement& evenement) = 0;
};

// La chaîne ne possède pas ses récepteurs : leurs propriétaires les gardent toute la partie.
using classe_recepteur = recepteur*;

} // namespace recepteur_pkg
