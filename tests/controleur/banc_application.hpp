// Les vrais modes du jeu dans leur application, pilotés comme la boucle le ferait, sans fenêtre.
#pragma once

#include "application_pkg.hpp"

#include "../modele/horloge_reglable.hpp"
#include "../vue/evenements_de_test.hpp"

namespace banc_application {

using mode_pkg::etat_principal;

// selection : aucune passe de sélection par défaut (la souris ne touche rien), celle de la scène dans une fenêtre.
class banc {
public:
    explicit banc(recepteur_souris_pkg::source_selection* selection_donnee = nullptr) {
        application_pkg::installer_modes(app, {.modes = app,
                                               .file = file,
                                               .selection = selection_donnee ? *selection_donnee : selection,
                                               .horloge = horloge});
        app.demarrer();
    }
    banc(const banc&) = delete;
    banc& operator=(const banc&) = delete;

    // Vrai si l'événement a servi. Les événements nommés émis en chemin sont traités à la suite, comme dans la même
    // passe de la boucle.
    bool envoyer(evenement_pkg::evenement e) {
        const bool sert = app.traiter(e);
        while (auto suivant = file.scruter()) app.traiter(*suivant);
        return sert;
    }
    template <typename type_mode>
    type_mode& mode(etat_principal etat) {
        return dynamic_cast<type_mode&>(app.obtenir_mode(etat));
    }
    etat_principal etat() const { return app.obtenir_etat(); }
    void aller_a(etat_principal etat) { app.aller_a(etat); }
    bool est_termine() const { return app.est_termine(); }
    // Une image, comme la boucle la dessine.
    void dessiner() { app.dessiner(); }

    file_evenements_pkg::file_memoire file;
    evenements_de_test::sans_selection selection;
    horloge_reglable_pkg::horloge_reglable horloge;
    application_pkg::application app;
};

} // namespace banc_application
