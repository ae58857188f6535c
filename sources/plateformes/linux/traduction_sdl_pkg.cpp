// Traduction des événements SDL2 : touches par position, boutons et molette, fenêtre.
#include "traduction_sdl_pkg.hpp"

#include "texte_utf8_pkg.hpp"

#include <algorithm>

namespace traduction_sdl_pkg {

namespace {
using namespace evenement_pkg;

std::uint16_t coordonnee(Sint32 valeur) { return static_cast<std::uint16_t>(std::clamp<Sint32>(valeur, 0, 65535)); }

evenement evenement_souris(std::uint8_t type, std::uint8_t bouton, Sint32 x, Sint32 y) {
    evenement e;
    e.type = type;
    e.bouton = bouton;
    e.x = coordonnee(x);
    e.y = coordonnee(y);
    return e;
}

std::vector<evenement> traduire_touche(const SDL_KeyboardEvent& touche, std::uint8_t type) {
    if (touche.repeat != 0) {
        return {};
    }
    const std::int32_t symbole = symbole_touche(touche.keysym.scancode);
    if (symbole == 0) {
        return {};
    }
    evenement e;
    e.type = type;
    e.touche = symbole;
    e.majuscule = (touche.keysym.mod & KMOD_SHIFT) != 0;
    return {e};
}

std::vector<evenement> traduire_molette(const SDL_MouseWheelEvent& molette) {
    Sint32 sens = molette.y;
    if (molette.direction == SDL_MOUSEWHEEL_FLIPPED) {
        sens = -sens;
    }
    if (sens == 0) {
        return {};
    }
    const std::uint8_t bouton = sens > 0 ? boutons::MOLETTE_HAUT : boutons::MOLETTE_BAS;
    return {evenement_souris(SOURIS_APPUIE, bouton, molette.mouseX, molette.mouseY),
            evenement_souris(SOURIS_RELACHE, bouton, molette.mouseX, molette.mouseY)};
}

// Sans méthode de saisie, X peut rendre les lettres accentuées en latin-1 : elles sont remises en UTF-8.
std::vector<evenement> traduire_texte(const SDL_TextInputEvent& saisie) {
    evenement e;
    e.type = TEXTE_SAISI;
    e.texte = saisie.text;
    if (!texte_utf8_pkg::est_valide(e.texte)) e.texte = texte_utf8_pkg::depuis_latin1(e.texte);
    return {e};
}

std::vector<evenement> traduire_fenetre(const SDL_WindowEvent& fenetre) {
    evenement e;
    switch (fenetre.event) {
    case SDL_WINDOWEVENT_EXPOSED: e.type = EXPOSITION; break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST: e.type = ACTIVATION; break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        e.type = REDIMENSIONNEMENT;
        e.largeur = fenetre.data1;
        e.hauteur = fenetre.data2;
        break;
    default: return {};
    }
    return {e};
}
} // namespace

std::int32_t symbole_touche(SDL_Scancode position) {
    if (position >= SDL_SCANCODE_A && position <= SDL_SCANCODE_Z) {
        return 'a' + (position - SDL_SCANCODE_A);
    }
    if (position >= SDL_SCANCODE_1 && position <= SDL_SCANCODE_9) {
        return '1' + (position - SDL_SCANCODE_1);
    }
    if (position >= SDL_SCANCODE_KP_1 && position <= SDL_SCANCODE_KP_9) {
        return touches::PAVE_1 + (position - SDL_SCANCODE_KP_1);
    }
    if (position >= SDL_SCANCODE_F1 && position <= SDL_SCANCODE_F12) {
        return touches::F1 + (position - SDL_SCANCODE_F1);
    }
    switch (position) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_RETURN: return touches::ENTREE;
    case SDL_SCANCODE_ESCAPE: return touches::ECHAP;
    case SDL_SCANCODE_BACKSPACE: return touches::RETOUR_ARRIERE;
    case SDL_SCANCODE_TAB: return touches::TABULATION;
    case SDL_SCANCODE_SPACE: return touches::ESPACE;
    case SDL_SCANCODE_MINUS: return '-';
    case SDL_SCANCODE_EQUALS: return '=';
    case SDL_SCANCODE_LEFTBRACKET: return '[';
    case SDL_SCANCODE_RIGHTBRACKET: return ']';
    case SDL_SCANCODE_BACKSLASH: return '\\';
    case SDL_SCANCODE_SEMICOLON: return ';';
    case SDL_SCANCODE_APOSTROPHE: return '\'';
    case SDL_SCANCODE_GRAVE: return '`';
    case SDL_SCANCODE_COMMA: return ',';
    case SDL_SCANCODE_PERIOD: return '.';
    case SDL_SCANCODE_SLASH: return '/';
    case SDL_SCANCODE_DELETE: return touches::SUPPRIMER;
    case SDL_SCANCODE_KP_0: return touches::PAVE_0;
    case SDL_SCANCODE_KP_PERIOD: return touches::PAVE_POINT;
    case SDL_SCANCODE_KP_DIVIDE: return touches::PAVE_DIVISER;
    case SDL_SCANCODE_KP_MULTIPLY: return touches::PAVE_MULTIPLIER;
    case SDL_SCANCODE_KP_MINUS: return touches::PAVE_MOINS;
    case SDL_SCANCODE_KP_PLUS: return touches::PAVE_PLUS;
    case SDL_SCANCODE_KP_ENTER: return touches::PAVE_ENTREE;
    case SDL_SCANCODE_KP_EQUALS: return touches::PAVE_EGAL;
    case SDL_SCANCODE_UP: return touches::HAUT;
    case SDL_SCANCODE_DOWN: return touches::BAS;
    case SDL_SCANCODE_RIGHT: return touches::DROITE;
    case SDL_SCANCODE_LEFT: return touches::GAUCHE;
    case SDL_SCANCODE_INSERT: return touches::INSERER;
    case SDL_SCANCODE_HOME: return touches::DEBUT;
    case SDL_SCANCODE_END: return touches::FIN;
    case SDL_SCANCODE_PAGEUP: return touches::PAGE_HAUT;
    case SDL_SCANCODE_PAGEDOWN: return touches::PAGE_BAS;
    default: return 0;
    }
}

bool est_touche_plein_ecran(const SDL_Event& e) {
    return (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) && e.key.keysym.scancode == SDL_SCANCODE_F11;
}

std::vector<evenement> traduire(const SDL_Event& e) {
    switch (e.type) {
    case SDL_QUIT: {
        evenement q;
        q.type = DEMANDE_QUITTER;
        return {q};
    }
    case SDL_KEYDOWN: return traduire_touche(e.key, TOUCHE_APPUYEE);
    case SDL_KEYUP: return traduire_touche(e.key, TOUCHE_RELACHEE);
    case SDL_TEXTINPUT: return traduire_texte(e.text);
    case SDL_MOUSEMOTION:
        return {evenement_souris(SOURIS_BOUGE, static_cast<std::uint8_t>(e.motion.state & 0xFF), e.motion.x,
                                 e.motion.y)};
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        // Les boutons latéraux n'existent pas pour le jeu : leurs numéros sont ceux de la molette.
        if (e.button.button > SDL_BUTTON_RIGHT) {
            return {};
        }
        const std::uint8_t type = e.type == SDL_MOUSEBUTTONDOWN ? SOURIS_APPUIE : SOURIS_RELACHE;
        return {evenement_souris(type, e.button.button, e.button.x, e.button.y)};
    }
    case SDL_MOUSEWHEEL: return traduire_molette(e.wheel);
    case SDL_WINDOWEVENT: return traduire_fenetre(e.window);
    default: return {};
    }
}

} // namespace traduction_sdl_pkg
