// Coût d'une ouverture de la grille livrée de 42 × 42, répétée dans une même séance comme le ferait un joueur :
// la liste des grilles, le choix, le chargement et la première image, puis Échap. Une ouverture doit coûter à la
// centième ce qu'elle coûtait à la deuxième ; les compteurs de ce qui vit à l'écran montrent ce qui grandirait.
#include "controleur_libre_pkg.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "jeu_sans_boucle.hpp"
#include "mesure_images.hpp"
#include "nom_gl_pkg.hpp"
#include "objet_3d_recepteur_pkg.hpp"
#include "scene_pkg.hpp"

#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <vector>

namespace {

using jeu_sans_boucle::etat_principal;

void ecrire_etat(int ouverture, double ms, std::size_t longueur_chaine) {
    std::cout << std::setw(4) << ouverture << std::fixed << std::setprecision(1) << std::setw(9) << ms << " ms"
              << "   noms " << objet_3d_recepteur_pkg::nombre_noms_tenus() << ", textures "
              << nom_gl_pkg::nombre_textures() << ", listes " << nom_gl_pkg::nombre_listes() << ", récepteurs "
              << longueur_chaine << std::endl;
}

} // namespace

int main(int argc, char** argv) {
    const int ouvertures = argc > 1 ? std::atoi(argv[1]) : 100;
    if (ouvertures < 2) {
        std::cerr << "usage : bench_ouvertures [OUVERTURES >= 2]" << std::endl;
        return 2;
    }
    std::filesystem::current_path(TESSALINE_DONNEES);
    file_evenements_sdl_pkg::file_evenements_sdl file;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file};
    scene_pkg::initialiser_fenetre(fenetre);
    // Une progression laissée par un joueur ajoute sa reprise à chaque ouverture : elle est dite, jamais effacée.
    std::error_code erreur;
    if (std::filesystem::exists("parties_libres/livree_station_orbitale.xml", erreur)) {
        std::cout << "(la grille a une progression enregistrée : chaque ouverture la reprend)" << std::endl;
    }

    jeu_sans_boucle::jeu jeu;
    auto& libre = jeu.mode<controleur_libre_pkg::controleur_libre>(etat_principal::LIBRE);
    evenement_pkg::evenement echap;
    echap.type = evenement_pkg::TOUCHE_APPUYEE;
    echap.touche = evenement_pkg::touches::ECHAP;
    std::vector<double> ms;
    for (int k = 1; k <= ouvertures; ++k) {
        const double debut = mesure_images::temps_processeur_ms();
        jeu.app.aller_a(etat_principal::LIBRE);  // liste des grilles
        jeu.app.dessiner();
        libre.lancer_jeu_pred("station_orbitale.xml");  // chargement
        jeu.app.dessiner();                              // première image
        const double fin = mesure_images::temps_processeur_ms();
        if (!libre.obtenir_partie()) return 1;
        ms.push_back(fin - debut);
        if (k <= 3 || k % 10 == 0) ecrire_etat(k, ms.back(), libre.chaine().recepteurs().size());
        jeu.envoyer(echap);  // abandon et retour au menu
    }
    const auto mediane_de = [&](int premier, int dernier) {
        return mesure_images::mediane(std::vector<double>(ms.begin() + premier - 1, ms.begin() + dernier));
    };
    const int fenetre_mesure = std::min(10, ouvertures - 1);
    std::cout << std::fixed << std::setprecision(1) << "temps processeur d'une ouverture : 2e " << ms[1]
              << " ms, dernière (" << ouvertures << "e) " << ms.back() << " ms ; médianes des ouvertures 2 à "
              << 1 + fenetre_mesure << " : " << mediane_de(2, 1 + fenetre_mesure) << " ms, "
              << ouvertures - fenetre_mesure + 1 << " à " << ouvertures << " : "
              << mediane_de(ouvertures - fenetre_mesure + 1, ouvertures) << " ms" << std::endl;
    return 0;
}
