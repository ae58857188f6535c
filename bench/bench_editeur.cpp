// Génération dans l'éditeur d'une grille de 42 × 42 toute peinte, complexité 14 : de l'appui sur Entrée à l'image
// suivante (chemins, verdict du solveur, écran reconstruit et dessiné).
#include "controleur_editeur_pkg.hpp"
#include "controleur_pkg.hpp"
#include "fenetre_dans_les_donnees.hpp"
#include "gestion_evenements_pkg.hpp"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <iostream>
#include <vector>

namespace {

constexpr int mesures = 21;

double mediane(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void image() {
    controleur_editeur_pkg::editeur();
    glFinish();
}

} // namespace

int main() {
    const fenetre_dans_les_donnees::fenetre_du_jeu fenetre;
    controleur_pkg::modifier_etat(controleur_pkg::etat_principal::EDITEUR);

    std::vector<double> totales;
    for (int i = 0; i < mesures; ++i) {
        controleur_editeur_pkg::reset_editeur();
        image();
        for (const char* reponse : {"42", "14", "mesure editeur"}) controleur_editeur_pkg::traiter_validation(reponse);
        image();  // la grille toute peinte et son écran
        image();
        evenement_pkg::evenement entree;
        entree.type = evenement_pkg::TOUCHE_APPUYEE;
        entree.touche = evenement_pkg::touches::ENTREE;
        const auto debut = std::chrono::steady_clock::now();
        gestion_evenements_pkg::traiter_evenement(entree);
        image();
        totales.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
        if (controleur_editeur_pkg::deplacement_possible()) {
            std::cout << "Entrée n'a pas généré la grille" << std::endl;
            return 1;
        }
    }
    std::cout << std::fixed << std::setprecision(1)
              << "Entrée puis image, 42 × 42 toute peinte, complexité 14 : médiane " << mediane(totales) << " ms, pire " << *std::max_element(totales.begin(), totales.end()) << " ms ("
              << mesures << " mesures)" << std::endl;
    return 0;
}
