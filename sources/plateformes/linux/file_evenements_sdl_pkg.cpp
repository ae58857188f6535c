// File d'événements sur SDL2 : traduction, événements du jeu en transit, répétition des touches.
#include "file_evenements_sdl_pkg.hpp"

#include "scene_pkg.hpp"
#include "traduction_sdl_pkg.hpp"

#include <iostream>

namespace file_evenements_sdl_pkg {

using evenement_pkg::evenement;

file_evenements_sdl::file_evenements_sdl() {
    if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) {
        throw scene_pkg::ERREUR_INITIALISATION_SDL(std::string("événements SDL indisponibles : ") + SDL_GetError());
    }
    type_nomme_ = SDL_RegisterEvents(1);
    if (type_nomme_ == static_cast<Uint32>(-1)) {
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
        throw scene_pkg::ERREUR_INITIALISATION_SDL("plus de type d'événement utilisateur libre");
    }
}

file_evenements_sdl::~file_evenements_sdl() {
    SDL_FlushEvent(type_nomme_);
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

void file_evenements_sdl::definir_repetition(horloge_pkg::duree delai, horloge_pkg::duree intervalle) {
    delai_repetition_ = delai;
    intervalle_repetition_ = intervalle;
}

void file_evenements_sdl::noter_touche(const evenement& e) {
    if (e.type == evenement_pkg::TOUCHE_APPUYEE) {
        if (delai_repetition_ > horloge_pkg::duree::zero()) {
            touche_tenue_ = e;
            prochaine_repetition_ = horloge_.maintenant() + delai_repetition_;
        }
    } else if (e.type == evenement_pkg::TOUCHE_RELACHEE && touche_tenue_ && touche_tenue_->touche == e.touche) {
        touche_tenue_.reset();
    } else if (e.type == evenement_pkg::ACTIVATION) {
        touche_tenue_.reset();  // les relâchements se perdent quand la fenêtre perd le focus
    }
}

std::optional<evenement> file_evenements_sdl::repetition_due() {
    if (!touche_tenue_) {
        return std::nullopt;
    }
    const horloge_pkg::duree maintenant = horloge_.maintenant();
    if (maintenant < prochaine_repetition_) {
        return std::nullopt;
    }
    prochaine_repetition_ = maintenant + intervalle_repetition_;
    return touche_tenue_;
}

std::optional<evenement> file_evenements_sdl::scruter() {
    SDL_Event brut;
    while (traduits_.empty() && SDL_PollEvent(&brut) != 0) {
        if (brut.type == type_nomme_) {
            auto trouve = en_transit_.find(static_cast<std::uint32_t>(brut.user.code));
            if (trouve != en_transit_.end()) {
                traduits_.push_back(std::move(trouve->second));
                en_transit_.erase(trouve);
            }
            continue;
        }
        if (traduction_sdl_pkg::est_touche_plein_ecran(brut)) {
            if (brut.type == SDL_KEYDOWN && brut.key.repeat == 0 && basculer_plein_ecran_) basculer_plein_ecran_();
            continue;
        }
        for (evenement& e : traduction_sdl_pkg::traduire(brut)) {
            noter_touche(e);
            traduits_.push_back(std::move(e));
        }
    }
    if (traduits_.empty()) {
        return repetition_due();
    }
    evenement e = std::move(traduits_.front());
    traduits_.pop_front();
    return e;
}

void file_evenements_sdl::pousser(evenement e) {
    const std::uint32_t numero = ++dernier_numero_;
    SDL_Event brut{};
    brut.type = type_nomme_;
    brut.user.code = static_cast<Sint32>(numero);
    en_transit_.emplace(numero, std::move(e));
    if (SDL_PushEvent(&brut) != 1) {
        std::cout << "Evenement perdu, file SDL pleine : " << SDL_GetError() << std::endl;
        en_transit_.erase(numero);
    }
}

void file_evenements_sdl::attendre(std::optional<horloge_pkg::duree> delai_max) {
    if (!traduits_.empty()) {
        return;
    }
    if (touche_tenue_) {
        const horloge_pkg::duree avant_repetition = prochaine_repetition_ - horloge_.maintenant();
        delai_max = delai_max ? std::min(*delai_max, avant_repetition) : avant_repetition;
    }
    if (!delai_max) {
        SDL_WaitEvent(nullptr);
        return;
    }
    if (*delai_max <= horloge_pkg::duree::zero()) {
        return;
    }
    // Arrondi au-dessus : se réveiller en avance ferait tourner la boucle pour rien.
    const auto millisecondes = std::chrono::ceil<std::chrono::milliseconds>(*delai_max).count();
    SDL_WaitEventTimeout(nullptr, static_cast<int>(millisecondes));
}

} // namespace file_evenements_sdl_pkg
