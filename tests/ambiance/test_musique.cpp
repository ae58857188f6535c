// Musique et bruitages avec le vrai SDL_mixer : canaux, options, chargement paresseux, sons manquants, pas de carte son.
#include "musique_pkg.hpp"

#include "fichier_wav.hpp"
#include "sons_forges.hpp"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Son d'essai : une sinusoïde stéréo à 22050 Hz.
void ecrire_son(const fs::path& chemin, double secondes, double amplitude = 0.5) {
    std::vector<std::int16_t> entrelaces;
    const auto trames = static_cast<std::size_t>(secondes * 22050);
    for (std::size_t i = 0; i < trames; ++i) {
        const auto valeur = static_cast<std::int16_t>(amplitude * 32767 * std::sin(2 * M_PI * 440.0 * i / 22050.0));
        entrelaces.insert(entrelaces.end(), {valeur, valeur});
    }
    ASSERT_TRUE(fichier_wav::ecrire_wav_stereo(chemin.string(), 22050, entrelaces));
}

std::string sortie_de(const std::function<void()>& action) {
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
}

// Chaque test tourne dans un répertoire de travail neuf, avec ses propres sons sous sons/.
class Musique : public testing::Test {
protected:
    void SetUp() override {
        precedent_ = fs::current_path();
        const char* pilote = std::getenv("SDL_AUDIODRIVER");
        pilote_ = pilote ? pilote : "";
        std::string modele = (fs::temp_directory_path() / "tessaline_sons_XXXXXX").string();
        ASSERT_NE(mkdtemp(modele.data()), nullptr);
        dossier_ = modele;
        fs::current_path(dossier_);
        fs::create_directory("sons");
        ecrire_son("sons/menu.wav", 0.3);
        for (const char* nom : {"deplacement.wav", "erreur.wav", "valider.wav"}) {
            ecrire_son(fs::path("sons") / nom, 2.0);
        }
    }
    void TearDown() override {
        musique_pkg::liberer_ressources();
        musique_pkg::modifier_musique(true);
        musique_pkg::modifier_bruitage(true);
        // Certains tests changent de pilote audio : les suivants retrouvent celui de départ.
        if (pilote_.empty()) {
            unsetenv("SDL_AUDIODRIVER");
        } else {
            setenv("SDL_AUDIODRIVER", pilote_.c_str(), 1);
        }
        fs::current_path(precedent_);
        fs::remove_all(dossier_);
    }
    fs::path precedent_, dossier_;
    std::string pilote_;
};

TEST_F(Musique, LesOptionsSontActivesAuDepartEtLesModifierNeLanceNiNArreteRien) {
    EXPECT_TRUE(musique_pkg::musique_est_actif());
    EXPECT_TRUE(musique_pkg::bruitage_est_actif());

    musique_pkg::musique_menu();
    ASSERT_EQ(Mix_Playing(musique_pkg::canal_musique), 1);
    musique_pkg::modifier_musique(false);
    musique_pkg::modifier_bruitage(false);
    EXPECT_FALSE(musique_pkg::musique_est_actif());
    EXPECT_FALSE(musique_pkg::bruitage_est_actif());
    EXPECT_EQ(Mix_Playing(musique_pkg::canal_musique), 1);
    musique_pkg::modifier_musique(true);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(Musique, LesBruitagesSimultanesLaissentLeCanalDeLaMusiqueQuiBoucle) {
    // Même libre, le canal de la musique n'est pas pris par un bruitage que la musique couperait.
    musique_pkg::bruitage_deplacement();
    musique_pkg::bruitage_erreur();
    musique_pkg::bruitage_valider();
    EXPECT_EQ(Mix_Playing(-1), 3);
    EXPECT_EQ(Mix_Playing(musique_pkg::canal_musique), 0);

    musique_pkg::musique_menu();
    EXPECT_EQ(Mix_Playing(-1), 4);

    // La musique d'essai dure 0,3 s : elle joue encore bien après, donc elle boucle.
    std::this_thread::sleep_for(800ms);
    EXPECT_EQ(Mix_Playing(musique_pkg::canal_musique), 1);
}

TEST_F(Musique, BasculerLaMusiqueLaFaitTairePuisLaRechargeDepuisLeFichier) {
    const auto basculer = [] {
        if (musique_pkg::musique_est_actif()) {
            musique_pkg::stop_musique_menu();
        }
        musique_pkg::modifier_musique(!musique_pkg::musique_est_actif());
        musique_pkg::musique_menu();
    };
    musique_pkg::musique_menu();
    basculer();
    EXPECT_EQ(Mix_Playing(musique_pkg::canal_musique), 0);

    // Coupée, la musique reste chargée ; elle n'est relue qu'après un arrêt.
    musique_pkg::stop_musique_menu();
    ecrire_son("sons/menu.wav", 0.5);
    basculer();
    ASSERT_EQ(Mix_Playing(musique_pkg::canal_musique), 1);
    EXPECT_EQ(Mix_GetChunk(musique_pkg::canal_musique)->alen, 22050u * 4 / 2);
}

TEST_F(Musique, UnBruitageCoupeEstChargeMaisPasJoueEtResteEnMemoire) {
    musique_pkg::modifier_bruitage(false);
    musique_pkg::bruitage_erreur();
    EXPECT_EQ(Mix_Playing(-1), 0);

    fs::remove("sons/erreur.wav");
    musique_pkg::modifier_bruitage(true);
    const std::string sortie = sortie_de([] { musique_pkg::bruitage_erreur(); });
    EXPECT_EQ(sortie, "");
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(Musique, InitialiserSonJeuChargeDAvanceLesTroisBruitages) {
    musique_pkg::initialiser_son_jeu();
    fs::remove_all("sons");
    musique_pkg::initialiser_son_jeu();
    const std::string sortie = sortie_de([] {
        musique_pkg::bruitage_deplacement();
        musique_pkg::bruitage_erreur();
        musique_pkg::bruitage_valider();
    });
    EXPECT_EQ(sortie, "");
    EXPECT_EQ(Mix_Playing(-1), 3);
}

// Un son absent, illisible, tube nommé (qui bloquerait l'ouverture) ou qui annonce une durée démesurée : un
// message, une fois, puis le jeu continue en silence pour ce son-là.
enum class defaut { absent, illisible, tube, bombe };

struct cas_son_defectueux {
    const char* fichier;
    void (*jouer)();
    defaut le_defaut;
};

void PrintTo(const cas_son_defectueux& cas, std::ostream* sortie) {
    *sortie << cas.fichier << " défaut " << static_cast<int>(cas.le_defaut);
}

class SonDefectueux : public Musique, public testing::WithParamInterface<cas_son_defectueux> {};

TEST_P(SonDefectueux, EstSignaleUneSeuleFoisSansArreterLeJeu) {
    const auto& cas = GetParam();
    const fs::path chemin = fs::path("sons") / cas.fichier;
    fs::remove(chemin);
    switch (cas.le_defaut) {
    case defaut::absent: break;
    case defaut::illisible: std::ofstream(chemin) << "pas un son"; break;
    case defaut::tube: ASSERT_EQ(mkfifo(chemin.c_str(), 0600), 0); break;
    // 4 Mo à 1 000 Hz : plus d'une heure, que le mélangeur convertirait en 350 Mo (730 Mo au plus fort).
    case defaut::bombe: std::ofstream(chemin, std::ios::binary) << sons_forges::wav(1000, 1, 8, 4'000'000); break;
    }
    const std::string sortie = sortie_de([&] {
        for (int image = 0; image < 5; ++image) {
            EXPECT_NO_THROW(cas.jouer());
        }
        musique_pkg::initialiser_son_jeu();
    });
    EXPECT_EQ(sortie.rfind(std::string("Couldn't load sons/") + cas.fichier + ": ", 0), 0u) << sortie;
    EXPECT_EQ(std::count(sortie.begin(), sortie.end(), '\n'), 1) << sortie;

    // Les autres sons jouent toujours.
    musique_pkg::musique_menu();
    musique_pkg::bruitage_deplacement();
    musique_pkg::bruitage_erreur();
    musique_pkg::bruitage_valider();
    EXPECT_EQ(Mix_Playing(-1), 3);

    EXPECT_THROW(musique_pkg::load_sound(chemin.string()), musique_pkg::MUSIQUE_NON_TROUVE);
}

INSTANTIATE_TEST_SUITE_P(
    QuatreSons, SonDefectueux,
    testing::Values(cas_son_defectueux{"menu.wav", musique_pkg::musique_menu, defaut::tube},
                    cas_son_defectueux{"deplacement.wav", musique_pkg::bruitage_deplacement, defaut::absent},
                    cas_son_defectueux{"erreur.wav", musique_pkg::bruitage_erreur, defaut::illisible},
                    cas_son_defectueux{"valider.wav", musique_pkg::bruitage_valider, defaut::bombe}),
    [](const testing::TestParamInfo<cas_son_defectueux>& info) {
        return fs::path(info.param.fichier).stem().string();
    });

TEST_F(Musique, SansPeripheriqueAudioLeJeuResteMuetApresUnSeulMessage) {
    setenv("SDL_AUDIODRIVER", "pilote_inexistant", 1);
    const std::string sortie = sortie_de([] {
        for (int image = 0; image < 5; ++image) {
            EXPECT_NO_THROW(musique_pkg::musique_menu());
            EXPECT_NO_THROW(musique_pkg::bruitage_deplacement());
        }
        EXPECT_NO_THROW(musique_pkg::initialiser_son_jeu());
        EXPECT_NO_THROW(musique_pkg::bruitage_valider());
        EXPECT_THROW(musique_pkg::initialiser("menu.wav"), musique_pkg::MUSIQUE_NON_TROUVE);
    });
    EXPECT_EQ(sortie.rfind("Couldn't open audio ", 0), 0u) << sortie;
    EXPECT_EQ(std::count(sortie.begin(), sortie.end(), '\n'), 1) << sortie;

    // Une fois le pilote disponible, une réouverture complète retrouve le son.
    musique_pkg::liberer_ressources();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    musique_pkg::musique_menu();
    EXPECT_EQ(Mix_Playing(musique_pkg::canal_musique), 1);
}

// Le pilote « disk » écrit dans un fichier ce que le mélangeur produit : on y lit le bruitage, ou le silence.
std::vector<std::int16_t> enregistrer_bruitage(bool bruitage_actif) {
    musique_pkg::modifier_bruitage(bruitage_actif);
    musique_pkg::bruitage_valider();
    const auto limite = std::chrono::steady_clock::now() + 3s;
    while (Mix_Playing(-1) > 0 && std::chrono::steady_clock::now() < limite) {
        std::this_thread::sleep_for(20ms);
    }
    // Un tampon de plus après la fin du son, puis la fermeture du périphérique vide tout dans le fichier.
    std::this_thread::sleep_for(300ms);
    musique_pkg::liberer_ressources();
    std::ifstream entree("sortie.raw", std::ios::binary);
    std::vector<char> octets((std::istreambuf_iterator<char>(entree)), std::istreambuf_iterator<char>());
    std::vector<std::int16_t> echantillons(octets.size() / 2);
    std::memcpy(echantillons.data(), octets.data(), echantillons.size() * 2);
    return echantillons;
}

int crete(const std::vector<std::int16_t>& echantillons) {
    int maximum = 0;
    for (const std::int16_t e : echantillons) {
        maximum = std::max(maximum, std::abs(static_cast<int>(e)));
    }
    return maximum;
}

TEST_F(Musique, LeBruitageArriveVraimentALaSortieAudio) {
    ecrire_son("sons/valider.wav", 0.2);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "sortie.raw", 1);

    const auto coupe = enregistrer_bruitage(false);
    ASSERT_GT(coupe.size(), 4096u);
    EXPECT_EQ(crete(coupe), 0);

    const auto joue = enregistrer_bruitage(true);
    ASSERT_GE(joue.size(), 2u * 22050 / 5);
    EXPECT_GT(crete(joue), 15000);  // la sinusoïde d'essai culmine à 16383
}

} // namespace
