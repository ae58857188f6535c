// Demande à une fenêtre si elle vit encore, comme le ferait un gestionnaire de fenêtres, sans gestionnaire :
// - répondre : la fenêtre reçoit un _NET_WM_PING et doit le renvoyer à la racine, ce que SDL fait chaque fois que
//   le jeu lit ses événements ;
// - dessiner : la fenêtre reçoit une exposition (à redessiner) et doit y dessiner, ce que l'extension DAMAGE voit
//   même quand l'image redessinée est identique (un écran immobile qui répond n'est pas figé).
// usage : sonder_fenetre IDENTIFIANT_FENETRE [SECONDES, 5 par défaut]
// Code 0 : réponse et dessin dans le délai ; 1 : l'un ou l'autre manque (écrit sur la sortie) ; 2 : mauvais usage ou
// pas d'écran ; 3 : la fenêtre n'existe plus.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
bool fenetre_disparue = false;

int noter_erreur(Display*, XErrorEvent* erreur) {
    if (erreur->error_code == BadWindow || erreur->error_code == BadDrawable) fenetre_disparue = true;
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage : sonder_fenetre IDENTIFIANT_FENETRE [SECONDES]\n");
        return 2;
    }
    const Window fenetre = std::strtoul(argv[1], nullptr, 0);
    const double delai = argc == 3 ? std::atof(argv[2]) : 5.0;
    Display* ecran = XOpenDisplay(nullptr);
    if (ecran == nullptr) {
        std::fprintf(stderr, "pas d'écran X\n");
        return 2;
    }
    int evenement_damage = 0, erreur_damage = 0;
    if (!XDamageQueryExtension(ecran, &evenement_damage, &erreur_damage)) {
        std::fprintf(stderr, "l'écran n'a pas l'extension DAMAGE\n");
        return 2;
    }
    XSetErrorHandler(noter_erreur);
    const Window racine = DefaultRootWindow(ecran);
    const Atom protocoles = XInternAtom(ecran, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(ecran, "_NET_WM_PING", False);

    // La réponse au ping est envoyée à la racine, aux clients qui y écoutent la sous-structure.
    XSelectInput(ecran, racine, SubstructureNotifyMask);
    XWindowAttributes attributs;
    if (!XGetWindowAttributes(ecran, fenetre, &attributs)) return 3;
    // À sa création, le suivi compte toute la fenêtre comme dessinée : cette première annonce est oubliée.
    const Damage dessins = XDamageCreate(ecran, fenetre, XDamageReportNonEmpty);
    XSync(ecran, False);
    XDamageSubtract(ecran, dessins, None, None);
    XSync(ecran, False);
    if (fenetre_disparue) return 3;
    while (XPending(ecran) > 0) {
        XEvent e;
        XNextEvent(ecran, &e);
    }

    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = fenetre;
    message.xclient.message_type = protocoles;
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(ping);
    message.xclient.data.l[1] = CurrentTime;
    message.xclient.data.l[2] = static_cast<long>(fenetre);
    XSendEvent(ecran, fenetre, False, NoEventMask, &message);

    XEvent exposition{};
    exposition.xexpose.type = Expose;
    exposition.xexpose.window = fenetre;
    exposition.xexpose.width = attributs.width;
    exposition.xexpose.height = attributs.height;
    XSendEvent(ecran, fenetre, False, ExposureMask, &exposition);
    XSync(ecran, False);
    if (fenetre_disparue) return 3;

    bool repondu = false, dessine = false;
    const auto fin = std::chrono::steady_clock::now() + std::chrono::duration<double>(delai);
    while (!(repondu && dessine)) {
        while (XPending(ecran) > 0) {
            XEvent e;
            XNextEvent(ecran, &e);
            if (e.type == ClientMessage && e.xclient.message_type == protocoles &&
                static_cast<Atom>(e.xclient.data.l[0]) == ping &&
                static_cast<Window>(e.xclient.data.l[2]) == fenetre) {
                repondu = true;
            } else if (e.type == evenement_damage + XDamageNotify) {
                dessine = true;
            } else if (e.type == DestroyNotify && e.xdestroywindow.window == fenetre) {
                return 3;
            }
        }
        if (repondu && dessine) break;
        const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(fin - std::chrono::steady_clock::now());
        if (reste.count() <= 0) break;
        pollfd attente{ConnectionNumber(ecran), POLLIN, 0};
        poll(&attente, 1, static_cast<int>(reste.count()));
    }
    XDamageDestroy(ecran, dessins);
    XSync(ecran, False);
    if (fenetre_disparue) return 3;
    XCloseDisplay(ecran);
    if (repondu && dessine) return 0;
    std::printf("%s%s%s en %g s\n", repondu ? "" : "pas de réponse au ping", !repondu && !dessine ? ", " : "",
                dessine ? "" : "pas de dessin après une exposition", delai);
    return 1;
}
