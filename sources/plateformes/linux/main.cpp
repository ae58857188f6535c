// Point d'entrée : la plate-forme SDL2, puis toute la partie dans la boucle du contrôleur.
#include "controleur_pkg.hpp"
#include "emplacement_donnees_pkg.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"

#include <SDL.h>
#include <malloc.h>

#include <csignal>
#include <exception>
#include <iostream>

int main(int, char**) {
    // Les grands tampons passagers (images décodées, mipmaps, textures relues à chaque changement de taille)
    // sont rendus au système dès leur libération. Par défaut, glibc relève son seuil après la première
    // libération et les garde ensuite dans le tas : la mémoire du jeu grossissait de 20 Mo au premier
    // redimensionnement.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    // Une connexion fermée (serveur X, carte son) doit donner une erreur et un message, pas un arrêt muet.
    std::signal(SIGPIPE, SIG_IGN);
    // Un fichier qui dépasse la taille permise (ulimit -f) doit faire échouer son écriture, que le jeu dit, au
    // lieu de l'arrêter net : la sauvegarde précédente reste en place et la partie continue.
    std::signal(SIGXFSZ, SIG_IGN);
    emplacement_donnees_pkg::choisir_racines(std::cout);
    int code = 0;
    try {
        file_evenements_sdl_pkg::file_evenements_sdl file;
        fenetre_sdl_pkg::fenetre_sdl fenetre(file);
        controleur_pkg::tessaline(fenetre, file);
    } catch (const std::exception& e) {
        std::cout << e.what() << std::endl;
        code = 1;
    }
    SDL_Quit();
    return code;
}
