// File d'événements du jeu posée sur celle de SDL2, avec la répétition des touches tenues.
#pragma once

#include "file_evenements_pkg.hpp"

#include <SDL.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>

namespace file_evenements_sdl_pkg {

class file_evenements_sdl final : public file_evenements_pkg::file_evenements {
public:
    // Démarre le sous-système d'événements de SDL ; lève une erreur d'initialisation s'il refuse.
    file_evenements_sdl();
    ~file_evenements_sdl() override;
    file_evenements_sdl(const file_evenements_sdl&) = delete;
    file_evenements_sdl& operator=(const file_evenements_sdl&) = delete;

    std::optional<evenement_pkg::evenement> scruter() override;
    // L'événement passe par la file de SDL : il revient dans l'ordre, après ceux déjà en attente.
    void pousser(evenement_pkg::evenement e) override;
    void attendre(std::optional<horloge_pkg::duree> delai_max) override;

    // Une touche tenue se répète après delai, puis toutes les intervalle.
    void definir_repetition(horloge_pkg::duree delai, horloge_pkg::duree intervalle);

    // Appelée à chaque appui sur F11 (pas aux répétitions du système) ; la touche n'arrive pas au jeu.
    void definir_bascule_plein_ecran(std::function<void()> basculer) { basculer_plein_ecran_ = std::move(basculer); }

private:
    void noter_touche(const evenement_pkg::evenement& e);
    std::optional<evenement_pkg::evenement> repetition_due();

    Uint32 type_nomme_ = 0;
    std::uint32_t dernier_numero_ = 0;
    // Les événements poussés restent ici, la file de SDL n'en porte que le numéro :
    // rien n'est perdu ni laissé en suspens à la fermeture.
    std::map<std::uint32_t, evenement_pkg::evenement> en_transit_;
    std::deque<evenement_pkg::evenement> traduits_;

    horloge_pkg::horloge_monotone horloge_;
    horloge_pkg::duree delai_repetition_{0};
    horloge_pkg::duree intervalle_repetition_{0};
    std::optional<evenement_pkg::evenement> touche_tenue_;
    horloge_pkg::duree prochaine_repetition_{0};
    std::function<void()> basculer_plein_ecran_;
};

} // namespace file_evenements_sdl_pkg
