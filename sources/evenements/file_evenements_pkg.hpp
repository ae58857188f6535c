// File des événements en attente : celle de la plate-forme en jeu, une file en mémoire hors fenêtre.
#pragma once

#include "evenement_pkg.hpp"
#include "horloge_pkg.hpp"

#include <deque>
#include <optional>

namespace file_evenements_pkg {

class file_evenements {
public:
    virtual ~file_evenements() = default;
    // Prochain événement en attente, sans attendre.
    virtual std::optional<evenement_pkg::evenement> scruter() = 0;
    // Ajoute un événement en queue ; il revient par scruter() après ceux déjà en attente.
    virtual void pousser(evenement_pkg::evenement e) = 0;
    // Bloque jusqu'au prochain événement, ou au plus delai_max s'il est donné.
    virtual void attendre(std::optional<horloge_pkg::duree> delai_max) = 0;
};

// File sans système de fenêtres : sert aux outils et aux tests des récepteurs.
class file_memoire final : public file_evenements {
public:
    std::optional<evenement_pkg::evenement> scruter() override;
    void pousser(evenement_pkg::evenement e) override;
    void attendre(std::optional<horloge_pkg::duree>) override {}
    std::size_t taille() const { return file_.size(); }

private:
    std::deque<evenement_pkg::evenement> file_;
};

} // namespace file_evenements_pkg
