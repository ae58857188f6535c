// Mesure des bancs d'affichage : médiane d'une action répétée, après quelques tours de chauffe.
#pragma once

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <iomanip>
#include <iostream>
#include <vector>

namespace mesure_images {

inline constexpr int images_de_chauffe = 20;
inline constexpr int images_mesurees = 200;

inline double mediane(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// Temps processeur du programme entier, fils de rendu de llvmpipe compris, en millisecondes.
inline double temps_processeur_ms() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Écrit « quoi : médiane N ms » et rend la médiane.
inline double mesurer(const char* quoi, const std::function<void()>& action) {
    for (int i = 0; i < images_de_chauffe; ++i) action();
    std::vector<double> ms;
    for (int i = 0; i < images_mesurees; ++i) {
        const auto debut = std::chrono::steady_clock::now();
        action();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
    }
    const double m = mediane(ms);
    std::cout << std::fixed << std::setprecision(2) << quoi << " : médiane " << m << " ms" << std::endl;
    return m;
}

} // namespace mesure_images
