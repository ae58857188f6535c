// Sources uniformes : horloge ou suite rejouée.
#include "aleatoire_pkg.hpp"

#include <chrono>
#include <stdexcept>

namespace aleatoire_pkg {

source_horloge::source_horloge()
    : generateur(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

float source_horloge::un_pourcentage() { return std::uniform_real_distribution<float>(0.0f, 1.0f)(generateur); }

source_suite::source_suite(std::vector<float> suite) : valeurs(std::move(suite)) {
    if (valeurs.empty()) throw std::invalid_argument("source_suite : suite vide");
}

float source_suite::un_pourcentage() {
    const float u = valeurs[suivant];
    suivant = (suivant + 1) % valeurs.size();
    return u;
}

}  // namespace aleatoire_pkg
