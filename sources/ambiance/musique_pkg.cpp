// Musique et bruitages : un son manquant ou une machine sans carte son rendent le jeu muet, sans l'arrêter.
#include "musique_pkg.hpp"

#include "entetes_media_pkg.hpp"
#include "lecture_fichier_pkg.hpp"
#include "emplacements_pkg.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

#include <iostream>

namespace musique_pkg {

namespace {

enum class etat_audio { ferme, ouvert, indisponible };

// Un son du jeu : son fichier, l'échantillon une fois chargé, et l'échec éventuel de son chargement,
// retenu pour ne pas réessayer (ni répéter le message) à chaque image.
struct bruit {
    const char* fichier;
    son echantillon;
    bool en_echec = false;
};

bool musique_actif = true;
bool bruitage_actif = true;
bool bruitage_jeu = false;
etat_audio audio = etat_audio::ferme;

bruit menu{"menu.wav", nullptr};
bruit deplacement{"deplacement.wav", nullptr};
bruit erreur{"erreur.wav", nullptr};
bruit valider{"valider.wav", nullptr};

void ouvrir_audio() {
    if (audio == etat_audio::ouvert) {
        return;
    }
    if (audio == etat_audio::indisponible) {
        throw MUSIQUE_NON_TROUVE("périphérique audio indisponible");
    }
    std::string cause;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0) {
        cause = SDL_GetError();
    } else if (Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) < 0) {
        cause = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    } else {
        Mix_ReserveChannels(canal_musique + 1);
        audio = etat_audio::ouvert;
        return;
    }
    // Une machine sans son le reste pour la partie : on ne retente pas à chaque image.
    audio = etat_audio::indisponible;
    std::cout << "Couldn't open audio " << cause << std::endl;
    throw MUSIQUE_NON_TROUVE(cause);
}

// Vrai si l'échantillon est en mémoire ; un échec a déjà été signalé et ne se reproduit pas.
bool charger(bruit& le_bruit) {
    if (le_bruit.echantillon) {
        return true;
    }
    if (le_bruit.en_echec) {
        return false;
    }
    try {
        le_bruit.echantillon = initialiser(le_bruit.fichier);
        return true;
    } catch (const MUSIQUE_NON_TROUVE&) {
        le_bruit.en_echec = true;
        return false;
    }
}

void jouer_bruitage(bruit& le_bruit) {
    // Sans canal libre, le mélangeur saute simplement ce bruitage.
    if (charger(le_bruit) && bruitage_actif) {
        Mix_PlayChannel(-1, le_bruit.echantillon.get(), 0);
    }
}

} // namespace

void liberateur_son::operator()(Mix_Chunk* echantillon) const {
    Mix_FreeChunk(echantillon);
}

bool musique_est_actif() { return musique_actif; }
void modifier_musique(bool b) { musique_actif = b; }
bool bruitage_est_actif() { return bruitage_actif; }
void modifier_bruitage(bool b) { bruitage_actif = b; }

void musique_menu() {
    if (charger(menu) && musique_actif) {
        Mix_PlayChannel(canal_musique, menu.echantillon.get(), -1);
    }
}

void stop_musique_menu() {
    stop_sound(menu.echantillon);
}

void bruitage_deplacement() { jouer_bruitage(deplacement); }
void bruitage_erreur() { jouer_bruitage(erreur); }
void bruitage_valider() { jouer_bruitage(valider); }

void initialiser_son_jeu() {
    if (bruitage_jeu) {
        return;
    }
    charger(deplacement);
    charger(erreur);
    charger(valider);
    bruitage_jeu = true;
}

son initialiser(const std::string& nom) {
    ouvrir_audio();
    return load_sound(emplacements_pkg::repertoire_sons() + nom);
}

son load_sound(const std::string& fichier) {
    son echantillon;
    std::string cause;
    // Lu d'abord par la lecture sûre : un tube nommé à la place d'un son bloquerait le démarrage. L'en-tête est
    // vérifié avant le mélangeur, qui convertirait un son à 2 Hz en gigaoctets.
    std::string contenu;
    SDL_RWops* flux = nullptr;
    try {
        contenu = lecture_fichier_pkg::lire_fichier(fichier, lecture_fichier_pkg::TAILLE_MAX_SON);
        entetes_media_pkg::verifier_wav(contenu);
        flux = SDL_RWFromConstMem(contenu.data(), static_cast<int>(contenu.size()));
        if (flux == nullptr) cause = SDL_GetError();
    } catch (const erreur_pkg::erreur& e) {
        cause = e.what();
    }
    if (flux) {
        // Fermé ici plutôt que par le chargeur, qui l'oublie quand le fichier n'est pas un son.
        echantillon.reset(Mix_LoadWAV_RW(flux, 0));
        cause = Mix_GetError();
        SDL_RWclose(flux);
    }
    if (!echantillon) {
        std::cout << "Couldn't load " << fichier << ": " << cause << std::endl;
        throw MUSIQUE_NON_TROUVE(fichier + " : " + cause);
    }
    return echantillon;
}

void stop_sound(son& wave) {
    // Libérer un échantillon fait d'abord taire les canaux qui le jouent.
    wave.reset();
}

void liberer_ressources() {
    for (bruit* le_bruit : {&menu, &deplacement, &erreur, &valider}) {
        le_bruit->echantillon.reset();
        le_bruit->en_echec = false;
    }
    bruitage_jeu = false;
    if (audio == etat_audio::ouvert) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    audio = etat_audio::ferme;
}

} // namespace musique_pkg
