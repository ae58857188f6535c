// File d'événements en mémoire.
#include "file_evenements_pkg.hpp"

namespace file_evenements_pkg {

std::optional<evenement_pkg::evenement> file_memoire::scruter() {
    if (file_.empty()) {
        return std::nullopt;
    }
    evenement_pkg::evenement e = std::move(file_.front());
    file_.pop_front();
    return e;
}

void file_memoire::pousser(evenement_pkg::evenement e) { file_.push_back(std::move(e)); }

} // namespace file_evenements_pkg
