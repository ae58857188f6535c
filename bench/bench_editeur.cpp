// Génération dans l'éditeur d'une grille de 42 × 42 toute peinte, complexité 14 : de l'appui sur Entrée à l'image
// suivante (chemins, verdict du solveur, écran reconstruit et dessiné).
#include "controleur_editeur_pkg.hpp"
#include "fenetre_dans_les_donnees.hpp"
#include "jeu_sans_boucle.hpp"

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

} // namespace

int main() {
    const fenetre_dans_les_donnees::fenetre_du_jeu fenetre;
    jeu_sans_boucle::jeu jeu;
    jeu.app.aller_a(jeu_sans_boucle::etat_principal::EDITEUR);
    auto& editeur = jeu.mode<controleur_editeur_pkg::controleur_editeur>(jeu_sans_boucle::etat_principal::EDITEUR);
    const auto image = [&] {
        jeu.app.dessiner();
        glFinish();
    };

    std::vector<double> totales;
    for (int i = 0; i < mesures; ++i) {
        editeur.recommencer();
        image();
        for (const char* reponse : {"42", "14", "mesure editeur"}) editeur.traiter_validation(reponse);
        image();  // la grille toute peinte et son écran
        image();
        evenement_pkg::evenement entree;
        entree.type = evenement_pkg::TOUCHE_APPUYEE;
        entree.touche = evenement_pkg::touches::ENTREE;
        const auto debut = std::chrono::steady_clock::now();
        jeu.envoyer(entree);
        image();
        totales.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
        if (editeur.deplacement_possible()) {
            std::cout << "Entrée n'a pas généré la grille" << std::endl;
            return 1;
        }
    }
    std::cout << std::fixed << std::setprecision(1)
              << "Entrée puis image, 42 × 42 toute peinte, complexité 14 : médiane " << mediane(totales) << " ms, pire " << *std::max_element(totales.begin(), totales.end()) << " ms ("
              << mesures << " mesures)" << std::endl;
    return 0;
}
