// Le jeu sans sa boucle : l'application et ses sept modes sur la scène déjà ouverte, pilotés par le banc de mesure.
#pragma once

#include "application_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

namespace jeu_sans_boucle {

using mode_pkg::etat_principal;

class jeu {
public:
    jeu() {
        application_pkg::installer_modes(app, {.modes = app,
                                               .file = file,
                                               .selection = recepteur_souris_pkg::selection_scene(),
                                               .horloge = horloge_pkg::horloge_systeme()});
        app.demarrer();
    }
    jeu(const jeu&) = delete;
    jeu& operator=(const jeu&) = delete;

    // L'événement, puis les événements nommés qu'il fait naître, comme dans une passe de la boucle.
    void envoyer(evenement_pkg::evenement e) {
        app.traiter(e);
        while (auto suivant = file.scruter()) app.traiter(*suivant);
    }
    template <typename type_mode>
    type_mode& mode(etat_principal etat) {
        return dynamic_cast<type_mode&>(app.obtenir_mode(etat));
    }

    file_evenements_pkg::file_memoire file;
    application_pkg::application app;
};

} // namespace jeu_sans_boucle
