// Mesure : du lancement du jeu à sa première image du menu (le grand titre blanc dessiné dans la fenêtre).
// usage : premiere_image JEU SORTIE   (dans la racine de données, sous un écran X) ; la sortie du jeu va dans le
// fichier SORTIE ; écrit « MS PID » et laisse le jeu tourner, pour que l'appelant le pilote ensuite.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

namespace {

// Fenêtre de premier niveau dont _NET_WM_PID vaut pid ; 0 si aucune encore.
Window fenetre_du_processus(Display* ecran, pid_t pid) {
    const Atom propriete = XInternAtom(ecran, "_NET_WM_PID", False);
    Window racine = 0;
    Window parent = 0;
    Window* enfants = nullptr;
    unsigned nombre = 0;
    if (XQueryTree(ecran, DefaultRootWindow(ecran), &racine, &parent, &enfants, &nombre) == 0) return 0;
    const std::unique_ptr<Window, int (*)(void*)> liberer(enfants, XFree);
    for (unsigned k = 0; k < nombre; ++k) {
        Atom type = 0;
        int format = 0;
        unsigned long n = 0;
        unsigned long reste = 0;
        unsigned char* valeur = nullptr;
        if (XGetWindowProperty(ecran, enfants[k], propriete, 0, 1, False, XA_CARDINAL, &type, &format, &n, &reste,
                               &valeur) == Success &&
            valeur != nullptr) {
            const long lu = *reinterpret_cast<long*>(valeur);
            XFree(valeur);
            if (n == 1 && lu == pid) return enfants[k];
        }
    }
    return 0;
}

// Le titre du menu : plus de 300 pixels blancs dans la bande de 560 × 10 pixels sous le haut de la fenêtre
// (les mêmes que reconnaissent les tests de bout en bout).
bool titre_dessine(Display* ecran, Window fenetre) {
    XWindowAttributes attributs{};
    if (XGetWindowAttributes(ecran, fenetre, &attributs) == 0 || attributs.map_state != IsViewable) return false;
    XImage* image = XGetImage(ecran, fenetre, 120, 42, 560, 10, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    int blancs = 0;
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            blancs += ((p >> 16) & 0xFF) > 204 && ((p >> 8) & 0xFF) > 204 && (p & 0xFF) > 204;
        }
    }
    XDestroyImage(image);
    return blancs > 300;
}

int ignorer(Display*, XErrorEvent*) { return 0; }  // fenêtre pas encore prête : on réessaie

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage : premiere_image JEU SORTIE\n");
        return 2;
    }
    Display* ecran = XOpenDisplay(nullptr);
    if (ecran == nullptr) {
        std::fprintf(stderr, "pas d'écran X\n");
        return 1;
    }
    XSetErrorHandler(ignorer);
    const auto debut = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // Ni la sortie ni les erreurs de l'appelant : il attend la fin de celles-ci pour lire la mesure.
        const int sortie = open(argv[2], O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (sortie >= 0) {
            dup2(sortie, STDOUT_FILENO);
            dup2(sortie, STDERR_FILENO);
            close(sortie);
        }
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto limite = debut + std::chrono::seconds(30);
    Window fenetre = 0;
    while (std::chrono::steady_clock::now() < limite) {
        if (fenetre == 0) fenetre = fenetre_du_processus(ecran, pid);
        if (fenetre != 0 && titre_dessine(ecran, fenetre)) {
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
            std::printf("%.0f %d\n", ms, static_cast<int>(pid));
            XCloseDisplay(ecran);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::fprintf(stderr, "pas de menu en 30 s\n");
    XCloseDisplay(ecran);
    return 1;
}
