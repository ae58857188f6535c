// Fenêtre SDL2 : ouverture, contexte OpenGL compatible avec le pipeline fixe, échange des tampons.
#include "fenetre_sdl_pkg.hpp"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include <unistd.h>

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace fenetre_sdl_pkg {

namespace {
// Un serveur X se réinitialise quand son dernier client le quitte, et refuse les connexions pendant ce temps ;
// un serveur qui démarre n'accepte pas encore. Quand un écran est annoncé, on réessaie donc un moment.
constexpr auto duree_essais = std::chrono::seconds(5);
constexpr auto pause_entre_essais = std::chrono::milliseconds(50);

// Après une attente d'événements, SDL 2.26 peut garder la fenêtre comme destinataire de son réveil : le prochain
// événement ajouté à la file y envoie un message X. Ajouté pendant la destruction de la fenêtre (perte du focus),
// ce message vise une fenêtre disparue, et l'erreur X qui en revient arrête le programme. Un événement poussé puis
// retiré juste avant consomme ce réveil tant que la fenêtre existe encore.
void consommer_reveil() {
    // Un type à lui, pour ne retirer de la file aucun événement du jeu.
    static const Uint32 type_reveil = SDL_RegisterEvents(1);
    if (type_reveil == static_cast<Uint32>(-1)) return;
    SDL_Event vide{};
    vide.type = type_reveil;
    SDL_PushEvent(&vide);
    SDL_FlushEvent(type_reveil);
}

// Si la fenêtre disparaît malgré tout avant que le serveur X ne reçoive ce réveil, il répond par une erreur
// BadWindow, que le gestionnaire par défaut de Xlib change en arrêt du programme, parfois pendant la fermeture de
// l'affichage. Un réveil perdu n'a aucune conséquence : cette seule erreur est ignorée, les autres suivent leur
// cours. Posé avant SDL, qui le remet en place en fermant l'affichage.
XErrorHandler gestionnaire_x_precedent = nullptr;

int ignorer_reveil_perdu(Display* affichage, XErrorEvent* erreur) {
    if (erreur->request_code == X_SendEvent && erreur->error_code == BadWindow) return 0;
    return gestionnaire_x_precedent != nullptr ? gestionnaire_x_precedent(affichage, erreur) : 0;
}

// Le serveur X perdu (arrêté, session fermée), Xlib appelle exit : les destructeurs statiques rendraient alors
// leurs noms OpenGL à un affichage mort, et Mesa peut y tourner sans fin, parfois au milieu d'un dessin. Rien ne
// reste à sauver à ce moment (les fichiers s'écrivent d'un coup) : on sort sans rien détruire, avec un message.
int arreter_sur_ecran_perdu(Display*) {
    static constexpr char message[] = "ERREUR : écran perdu (connexion au serveur X coupée), le jeu s'arrête\n";
    std::cout.flush();
    (void)!write(STDOUT_FILENO, message, sizeof message - 1);
    std::_Exit(1);
}

void poser_gestionnaire_x() {
    static const bool pose = [] {
        gestionnaire_x_precedent = XSetErrorHandler(ignorer_reveil_perdu);
        XSetIOErrorHandler(arreter_sur_ecran_perdu);
        return true;
    }();
    (void)pose;
}

// Sans gestionnaire de fenêtres (serveur X nu, écran virtuel), personne n'applique le plein écran que SDL demande :
// SDL annonce la taille de l'écran mais la fenêtre X garde la sienne. On la pose donc nous-mêmes sur tout l'écran ;
// avec un gestionnaire, c'est déjà sa place et la demande ne change rien.
void couvrir_ecran(SDL_Window* fenetre) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    SDL_Rect ecran;
    if (SDL_GetWindowWMInfo(fenetre, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11 ||
        SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(fenetre), &ecran) != 0) {
        return;
    }
    XMoveResizeWindow(info.info.x11.display, info.info.x11.window, ecran.x, ecran.y, static_cast<unsigned>(ecran.w),
                      static_cast<unsigned>(ecran.h));
    XFlush(info.info.x11.display);
}

bool ecran_annonce() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* valeur = std::getenv(variable);
        if (valeur != nullptr && *valeur != '\0') {
            return true;
        }
    }
    return false;
}
} // namespace

fenetre_sdl::fenetre_sdl(file_evenements_sdl_pkg::file_evenements_sdl& file) : file_(file) {
    file_.definir_bascule_plein_ecran([this] { basculer_plein_ecran(); });
}

fenetre_sdl::~fenetre_sdl() {
    file_.definir_bascule_plein_ecran(nullptr);
    fermer();
}

void fenetre_sdl::fermer() {
    if (contexte_ != nullptr) {
        // Les noms OpenGL meurent avec leur contexte : leurs propriétaires doivent le savoir avant.
        scene_pkg::liberer_ressources(*this);
        SDL_GL_DeleteContext(contexte_);
        contexte_ = nullptr;
    }
    if (fenetre_ != nullptr) {
        consommer_reveil();
        SDL_DestroyWindow(fenetre_);
        fenetre_ = nullptr;
    }
    if (video_demarree_) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        video_demarree_ = false;
    }
}

bool fenetre_sdl::ouvrir(int largeur, int hauteur) {
    const auto limite = std::chrono::steady_clock::now() + duree_essais;
    std::string raison;
    while (!essayer_ouvrir(largeur, hauteur, raison)) {
        fermer();
        if (!ecran_annonce() || std::chrono::steady_clock::now() >= limite) {
            std::cout << raison << std::endl;
            return false;
        }
        std::this_thread::sleep_for(pause_entre_essais);
    }
    return true;
}

bool fenetre_sdl::essayer_ouvrir(int largeur, int hauteur, std::string& raison) {
    poser_gestionnaire_x();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        raison = std::string("Impossible d'initialiser la video SDL : ") + SDL_GetError();
        return false;
    }
    video_demarree_ = true;
    // Sans écran, SDL se rabat sur un pilote sans fenêtre visible : le jeu tournerait à vide.
    const std::string pilote = SDL_GetCurrentVideoDriver();
    if (pilote == "offscreen" || pilote == "dummy") {
        raison = "Aucun écran disponible (pilote vidéo SDL « " + pilote + " ») : le jeu a besoin d'une fenêtre.";
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    fenetre_ = SDL_CreateWindow("", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, largeur, hauteur,
                                SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    if (fenetre_ == nullptr) {
        raison = std::string("Impossible d'ouvrir la fenetre : ") + SDL_GetError();
        return false;
    }
    contexte_ = SDL_GL_CreateContext(fenetre_);
    if (contexte_ == nullptr) {
        raison = std::string("Impossible de creer le contexte OpenGL : ") + SDL_GetError();
        return false;
    }
    // La saisie de texte du système : les caractères tapés suivent la disposition du clavier du joueur.
    SDL_StartTextInput();
    return true;
}

bool fenetre_sdl::changer_mode_video(int largeur, int hauteur) {
    if (fenetre_ == nullptr) {
        return false;
    }
    // En plein écran, la taille est celle de l'écran ; rendre la fenêtre redimensionnable lui redonnerait sa
    // taille et sa place d'avant (SDL 2.26 sous X11).
    if (est_plein_ecran()) {
        return true;
    }
    if ((SDL_GetWindowFlags(fenetre_) & SDL_WINDOW_RESIZABLE) == 0) {
        SDL_SetWindowResizable(fenetre_, SDL_TRUE);
    }
    int l = 0;
    int h = 0;
    SDL_GetWindowSize(fenetre_, &l, &h);
    if (l != largeur || h != hauteur) {
        SDL_SetWindowSize(fenetre_, largeur, hauteur);
    }
    return true;
}

bool fenetre_sdl::est_plein_ecran() const {
    return fenetre_ != nullptr && (SDL_GetWindowFlags(fenetre_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

bool fenetre_sdl::basculer_plein_ecran() {
    if (fenetre_ == nullptr) {
        return false;
    }
    const bool quitter_plein_ecran = est_plein_ecran();
    if (!quitter_plein_ecran) {
        SDL_GetWindowPosition(fenetre_, &x_fenetree_, &y_fenetree_);
        SDL_GetWindowSize(fenetre_, &largeur_fenetree_, &hauteur_fenetree_);
    }
    // Le plein écran « du bureau » garde la résolution de l'écran : pas de changement de mode vidéo, et la
    // scène, dessinée en 4:3 au centre, laisse des bandes noires sur un écran d'autres proportions.
    if (SDL_SetWindowFullscreen(fenetre_, quitter_plein_ecran ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        std::cout << "Plein écran refusé : " << SDL_GetError() << std::endl;
        return false;
    }
    if (quitter_plein_ecran) {
        // Sans gestionnaire de fenêtres, personne ne rend à la fenêtre sa taille et sa place : on les lui rend.
        SDL_SetWindowSize(fenetre_, largeur_fenetree_, hauteur_fenetree_);
        SDL_SetWindowPosition(fenetre_, x_fenetree_, y_fenetree_);
    } else {
        couvrir_ecran(fenetre_);
    }
    return true;
}

void fenetre_sdl::echanger_tampons() { SDL_GL_SwapWindow(fenetre_); }

void fenetre_sdl::activer_repetition_touches(int delai_ms, int intervalle_ms) {
    file_.definir_repetition(std::chrono::milliseconds(delai_ms), std::chrono::milliseconds(intervalle_ms));
}

} // namespace fenetre_sdl_pkg
