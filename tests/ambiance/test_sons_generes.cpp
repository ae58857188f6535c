// Sons générés pour le jeu : format attendu par le mélangeur, boucle sans raccord audible, bruitages courts et propres.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct son_lu {
    SDL_AudioSpec format{};
    std::vector<std::int16_t> gauche, droite;
    double duree() const { return static_cast<double>(gauche.size()) / format.freq; }
};

son_lu lire(const std::string& nom) {
    son_lu son;
    Uint8* octets = nullptr;
    Uint32 taille = 0;
    const std::string chemin = std::string(DOSSIER_DONNEES) + "/sons/" + nom;
    if (SDL_LoadWAV(chemin.c_str(), &son.format, &octets, &taille) == nullptr) {
        ADD_FAILURE() << chemin << " : " << SDL_GetError();
        return son;
    }
    const auto* echantillons = reinterpret_cast<const std::int16_t*>(octets);
    for (Uint32 i = 0; i + 1 < taille / 2; i += 2) {
        son.gauche.push_back(echantillons[i]);
        son.droite.push_back(echantillons[i + 1]);
    }
    SDL_FreeWAV(octets);
    return son;
}

int crete(const std::vector<std::int16_t>& canal) {
    int maximum = 0;
    for (const std::int16_t e : canal) {
        maximum = std::max(maximum, std::abs(static_cast<int>(e)));
    }
    return maximum;
}

// Part de l'énergie qui passe un filtre passe-bas à 300 Hz : près de 1 pour un son grave, près de 0 pour un aigu.
double part_grave(const son_lu& son) {
    const double coefficient = 1.0 - std::exp(-2.0 * M_PI * 300.0 / son.format.freq);
    double filtre = 0.0, energie_grave = 0.0, energie = 0.0;
    for (const std::int16_t e : son.gauche) {
        filtre += coefficient * (e - filtre);
        energie_grave += filtre * filtre;
        energie += static_cast<double>(e) * e;
    }
    return energie > 0.0 ? energie_grave / energie : 0.0;
}

TEST(SonsGeneres, OntLeFormatDuMelangeurEtNeSaturentPas) {
    for (const char* nom : {"menu.wav", "deplacement.wav", "erreur.wav", "valider.wav"}) {
        SCOPED_TRACE(nom);
        const son_lu son = lire(nom);
        EXPECT_EQ(son.format.freq, 22050);
        EXPECT_EQ(son.format.format, AUDIO_S16LSB);
        EXPECT_EQ(son.format.channels, 2);
        for (const auto* canal : {&son.gauche, &son.droite}) {
            EXPECT_GT(crete(*canal), 5000);    // audible
            EXPECT_LT(crete(*canal), 32000);   // sans écrêtage
        }
    }
}

TEST(SonsGeneres, LaMusiqueDureAuMoinsVingtSecondesEtBoucleSansSaut) {
    const son_lu menu = lire("menu.wav");
    EXPECT_GE(menu.duree(), 20.0);
    for (const auto* canal : {&menu.gauche, &menu.droite}) {
        ASSERT_GT(canal->size(), 2u);
        std::vector<int> pas;
        for (std::size_t i = 1; i < canal->size(); ++i) {
            pas.push_back(std::abs((*canal)[i] - (*canal)[i - 1]));
        }
        std::nth_element(pas.begin(), pas.begin() + pas.size() * 9 / 10, pas.end());
        const int pas_courant = pas[pas.size() * 9 / 10];
        const int raccord = std::abs(canal->front() - canal->back());
        EXPECT_LE(raccord, pas_courant) << "pas ordinaire (9e décile) " << pas_courant;
    }
}

TEST(SonsGeneres, LaMusiqueBougeDansLEspaceStereo) {
    const son_lu menu = lire("menu.wav");
    double difference = 0.0, total = 0.0;
    for (std::size_t i = 0; i < menu.gauche.size(); ++i) {
        difference += std::abs(menu.gauche[i] - menu.droite[i]);
        total += std::abs(menu.gauche[i]) + std::abs(menu.droite[i]);
    }
    EXPECT_GT(difference, 0.1 * total);
}

TEST(SonsGeneres, LesBruitagesSontCourtsCommencentEtFinissentEnSilence) {
    for (const char* nom : {"deplacement.wav", "erreur.wav", "valider.wav"}) {
        SCOPED_TRACE(nom);
        const son_lu son = lire(nom);
        EXPECT_LT(son.duree(), 0.5);
        for (const auto* canal : {&son.gauche, &son.droite}) {
            ASSERT_FALSE(canal->empty());
            EXPECT_LE(std::abs(canal->front()), 64);
            EXPECT_LE(std::abs(canal->back()), 64);
        }
    }
}

TEST(SonsGeneres, LErreurEstGraveEtLaValidationAigue) {
    EXPECT_GT(part_grave(lire("erreur.wav")), 0.5);
    EXPECT_LT(part_grave(lire("valider.wav")), 0.1);
    EXPECT_LT(lire("deplacement.wav").duree(), 0.15);  // un simple toc
}

} // namespace
