// Génère toutes les textures du jeu dans le dossier donné en argument, et l'icône du bureau dans le dossier donné
// en second (appelé par la construction).
#include "cases.hpp"
#include "dessin.hpp"
#include "etoiles.hpp"
#include "icone.hpp"
#include "interface_boutons.hpp"
#include "interface_cadre.hpp"
#include "planetes.hpp"

#include <SDL_image.h>

#include <filesystem>
#include <functional>
#include <future>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace images;

struct texture {
    const char* fichier;
    std::function<dessin::image()> dessiner;
};

const std::vector<texture>& textures() {
    static const std::vector<texture> liste = {
        {"case.png", cases::case_libre},
        {"caseoccup.png", cases::case_occupee},
        {"caseterm.png", cases::case_terminale},
        {"casetermoccup.png", cases::case_terminale_occupee},
        {"curseur.png", cases::curseur},
        {"recherche.png", cases::loupe},
        {"interface_triangle.png", interface_cadre::triangle},
        {"interface_barre.png", interface_cadre::barre},
        {"interface_panneau_droite.png", interface_cadre::panneau_droite},
        {"interface_fond_score.png", interface_cadre::fond_score},
        {"interface_dock.png", interface_cadre::dock},
        {"bouton_rond.png", [] { return interface_boutons::bouton_rond(false); }},
        {"bouton_rond_actif.png", [] { return interface_boutons::bouton_rond(true); }},
        {"interface_bouton_cockpit.png", [] { return interface_boutons::bouton_cockpit(false); }},
        {"interface_bouton_cockpit_actif.png", [] { return interface_boutons::bouton_cockpit(true); }},
        {"interface_bouton_dock.png", [] { return interface_boutons::bouton_dock(false); }},
        {"interface_bouton_dock_actif.png", [] { return interface_boutons::bouton_dock(true); }},
        {"interface_fleche_navigation.png", [] { return interface_boutons::fleche(false); }},
        {"interface_fleche_navigation_actif.png", [] { return interface_boutons::fleche(true); }},
        {"interface_bouton_validation.png", [] { return interface_boutons::bouton_ancien(false); }},
        {"interface_bouton_validation_actif.png", [] { return interface_boutons::bouton_ancien(true); }},
        {"interface_rond_rouge.png", [] { return interface_boutons::voyant(false); }},
        {"interface_rond_vert.png", [] { return interface_boutons::voyant(true); }},
        {"interface_fond_etoile.png", etoiles::fond_etoile},
        {"systeme_pluton.png", planetes::pluton},
        {"systeme_neptune.png", planetes::neptune},
        {"systeme_uranus.png", planetes::uranus},
        {"systeme_saturne.png", planetes::saturne},
        {"systeme_jupiter.png", planetes::jupiter},
        {"systeme_mars.png", planetes::mars},
        {"systeme_terre.png", planetes::terre},
        {"systeme_venus.png", planetes::venus},
        {"systeme_mercure.png", planetes::mercure},
        {"systeme_soleil.png", planetes::soleil},
        {"systeme_inconnu.png", planetes::inconnu},
    };
    return liste;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cout << "usage : generer_images <dossier des textures> <dossier des icônes>" << std::endl;
        return 2;
    }
    const std::filesystem::path dossier = argv[1];
    std::error_code erreur;
    std::filesystem::create_directories(dossier, erreur);
    if (erreur) {
        std::cout << "Impossible de créer " << dossier.string() << " : " << erreur.message() << std::endl;
        return 1;
    }
    IMG_Init(IMG_INIT_PNG);
    // Chaque image est indépendante : on les dessine en parallèle pour garder la construction rapide.
    std::vector<std::future<void>> travaux;
    for (const texture& t : textures()) {
        travaux.push_back(std::async(std::launch::async, [&t, &dossier] {
            dessin::enregistrer_png(t.dessiner(), (dossier / t.fichier).string());
        }));
    }
    // Icône du bureau aux tailles du thème hicolor : <dossier>/<taille>x<taille>/novelia-tessaline.png.
    const std::filesystem::path dossier_icones = argv[2];
    for (const int cote : {48, 128, 256}) {
        const std::string taille = std::to_string(cote) + "x" + std::to_string(cote);
        std::filesystem::create_directories(dossier_icones / taille, erreur);
        const std::filesystem::path fichier = dossier_icones / taille / "novelia-tessaline.png";
        travaux.push_back(std::async(std::launch::async, [cote, fichier] {
            dessin::enregistrer_png(icone::icone(cote), fichier.string());
        }));
    }
    int code = 0;
    for (auto& travail : travaux) {
        try {
            travail.get();
        } catch (const std::exception& e) {
            std::cout << e.what() << std::endl;
            code = 1;
        }
    }
    IMG_Quit();
    return code;
}
