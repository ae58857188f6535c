// Ferme une fenêtre comme le ferait un gestionnaire de fenêtres (WM_DELETE_WINDOW), sans gestionnaire.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage : fermer_fenetre IDENTIFIANT_FENETRE\n");
        return 2;
    }
    Display* ecran = XOpenDisplay(nullptr);
    if (ecran == nullptr) {
        std::fprintf(stderr, "pas d'écran X\n");
        return 1;
    }
    const Window fenetre = std::strtoul(argv[1], nullptr, 0);
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = fenetre;
    message.xclient.message_type = XInternAtom(ecran, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(ecran, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(ecran, fenetre, False, NoEventMask, &message);
    XFlush(ecran);
    XCloseDisplay(ecran);
    return 0;
}
