// Sous-commande generer : dessin texte ou PNG, suite de nombres rejouée, entrées refusées.
#include <cstring>
#include <sys/stat.h>
#include <filesystem>
#include <random>
#include <sstream>

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include "commande_generer.hpp"
#include "commande_verifier.hpp"
#include "outils_modele.hpp"

using outils_modele::repertoire_temporaire;

namespace {

struct resultat {
    int code;
    std::string sortie, erreurs;
};

resultat generer(const std::vector<std::string>& arguments) {
    std::ostringstream sortie, erreurs;
    const int code = commande_generer::executer(arguments, sortie, erreurs);
    return {code, sortie.str(), erreurs.str()};
}

const std::string CARRE_U_05 =
    "<partie aide=\" 0\" score=\" 0\"><grille nom=\"carre\" taille=\" 2\"><case_terminale chiffre=\" 3\"><coordonnees "
    "x=\" 1\" y=\" 1\"></coordonnees></case_terminale><case_terminale chiffre=\" 1\"><coordonnees x=\" 1\" y=\" 2\">"
    "</coordonnees></case_terminale><case_terminale chiffre=\" 3\"><coordonnees x=\" 2\" y=\" 2\"></coordonnees>"
    "</case_terminale><solution><chemin longueur=\" 1\"><coordonnees x=\" 1\" y=\" 2\"></coordonnees></chemin>"
    "<chemin longueur=\" 3\"><coordonnees x=\" 1\" y=\" 1\"></coordonnees><coordonnees x=\" 2\" y=\" 1\">"
    "</coordonnees><coordonnees x=\" 2\" y=\" 2\"></coordonnees></chemin></solution></grille></partie>\n";

TEST(Generer, DessinTexteEtSuiteRejouee) {
    repertoire_temporaire rep;
    repertoire_temporaire::ecrire("dessins/carre.txt", "2\n##\n##\n");
    repertoire_temporaire::ecrire("aleas.txt", "0.5\n\n");
    EXPECT_EQ(generer({"dessins/carre.txt", "4", "--aleas", "aleas.txt"}).sortie, CARRE_U_05);
    const resultat r = generer({"dessins/carre.txt", "14", "--aleas", "aleas.txt", "--nom", "autre", "--sortie", "g.xml"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.sortie, "");
    std::string attendu = CARRE_U_05;
    attendu.replace(attendu.find("carre"), 5, "autre");
    EXPECT_EQ(repertoire_temporaire::lire("g.xml"), attendu);
}

TEST(Generer, DessinPngPoseDepuisLeCoinHautGauche) {
    repertoire_temporaire rep;
    // 3 × 2 : la ligne du haut peinte en noir opaque ; en bas, gris clair, noir transparent, noir.
    SDL_Surface* image = SDL_CreateRGBSurfaceWithFormat(0, 3, 2, 32, SDL_PIXELFORMAT_RGBA32);
    ASSERT_NE(image, nullptr);
    const Uint32 pixels[6] = {
        SDL_MapRGBA(image->format, 0, 0, 0, 255),     SDL_MapRGBA(image->format, 20, 20, 20, 255),
        SDL_MapRGBA(image->format, 100, 90, 80, 255), SDL_MapRGBA(image->format, 200, 200, 200, 255),
        SDL_MapRGBA(image->format, 0, 0, 0, 0),       SDL_MapRGBA(image->format, 0, 0, 0, 255),
    };
    for (int ligne = 0; ligne < 2; ++ligne)
        std::memcpy(static_cast<Uint8*>(image->pixels) + ligne * image->pitch, pixels + 3 * ligne, 12);
    ASSERT_EQ(IMG_SavePNG(image, "dessin.png"), 0);
    SDL_FreeSurface(image);
    // Le même dessin en texte : côté 3, la troisième ligne vide.
    repertoire_temporaire::ecrire("dessin.txt", "3\n###\n..#\n...\n");
    repertoire_temporaire::ecrire("aleas.txt", "0.3\n0.9\n");
    const resultat png = generer({"dessin.png", "6", "--aleas", "aleas.txt"});
    const resultat texte = generer({"dessin.txt", "6", "--aleas", "aleas.txt"});
    EXPECT_EQ(png.code, 0) << png.erreurs;
    EXPECT_EQ(png.sortie, texte.sortie);
    EXPECT_NE(png.sortie.find("taille=\" 3\""), std::string::npos);
}

// Le contenu livré dépasse la complexité de l'éditeur, avec le générateur de conception seulement.
TEST(Generer, ContenuAuDelaDeLaComplexiteDeLEditeur) {
    repertoire_temporaire rep;
    repertoire_temporaire::ecrire("bande.txt", "6\n######\n######\n......\n......\n......\n......\n");
    repertoire_temporaire::ecrire("aleas.txt", "0.5\n");
    const resultat r = generer({"bande.txt", "30", "--conception", "--contenu", "--aleas", "aleas.txt"});
    EXPECT_EQ(r.code, 0) << r.erreurs;
    EXPECT_NE(r.erreurs.find("solveur : solution unique"), std::string::npos) << r.erreurs;
}

TEST(Generer, EntreesRefusees) {
    repertoire_temporaire rep;
    repertoire_temporaire::ecrire("bon.txt", "2\n##\n#.\n");
    repertoire_temporaire::ecrire("vide.txt", "");
    repertoire_temporaire::ecrire("cote1.txt", "1\n#\n");
    repertoire_temporaire::ecrire("cote43.txt", "43\n");
    repertoire_temporaire::ecrire("inegal.txt", "3\n###\n##\n###\n");
    repertoire_temporaire::ecrire("court.txt", "3\n###\n");
    repertoire_temporaire::ecrire("lettre.txt", "2\n#x\n##\n");
    repertoire_temporaire::ecrire("aleas_vide.txt", "\n\n");
    repertoire_temporaire::ecrire("aleas_grand.txt", "0.2\n1.5\n");
    repertoire_temporaire::ecrire("aleas_mot.txt", "0.2\nun\n");
    repertoire_temporaire::ecrire("faux.png", "\x89PNG\r\n\x1a\nrien");
    repertoire_temporaire::ecrire("blanc.txt", "2\n..\n..\n");
    // En-tête seul d'une image qui annonce 65535 × 65535 pixels : refusée avant tout décodage.
    repertoire_temporaire::ecrire("bombe.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\xff\xff\0\0\xff\xff\x08\x06\0\0\0", 29));
    ASSERT_EQ(mkfifo("tube.txt", 0600), 0);
    struct cas { std::vector<std::string> arguments; std::string debut_message; };
    for (const cas& c : std::vector<cas>{
             {{"absent.txt", "4"}, "absent.txt : impossible d'ouvrir"},
             {{"vide.txt", "4"}, "vide.txt : fichier vide"},
             {{"cote1.txt", "4"}, "cote1.txt : côté 1 hors de 2 à 42"},
             {{"cote43.txt", "4"}, "cote43.txt : côté 43 hors de 2 à 42"},
             {{"inegal.txt", "4"}, "inegal.txt : la ligne 3 a 2 caractères"},
             {{"court.txt", "4"}, "court.txt : il manque des lignes"},
             {{"lettre.txt", "4"}, "lettre.txt : caractère 'x'"},
             {{"faux.png", "4"}, "faux.png : en-tête PNG illisible"},
             {{"bombe.png", "4"}, "bombe.png : image de 65535 × 65535 pixels"},
             {{"tube.txt", "4"}, "tube.txt : n'est pas un fichier ordinaire"},
             {{"blanc.txt", "4"}, "blanc.txt : aucune case peinte"},
             {{"bon.txt", "3"}, "complexité \"3\""},
             {{"bon.txt", "15"}, "complexité \"15\""},
             {{"bon.txt", "15", "--conception"}, "complexité \"15\" : un entier de 4 à 14"},
             {{"bon.txt", "31", "--conception", "--contenu"}, "complexité \"31\" : un entier de 4 à 30"},
             {{"bon.txt", "20", "--contenu"}, "usage : generer"},
             {{"bon.txt", "dix"}, "complexité \"dix\""},
             {{"bon.txt", "4", "--aleas", "aleas_vide.txt"}, "aleas_vide.txt : aucun nombre"},
             {{"bon.txt", "4", "--aleas", "aleas_grand.txt"}, "aleas_grand.txt ligne 2 : 1.5 n'est pas entre 0 et 1"},
             {{"bon.txt", "4", "--aleas", "aleas_mot.txt"}, "aleas_mot.txt ligne 2 : \"un\""},
             {{"bon.txt", "4", "--aleas"}, "--aleas attend une valeur"},
             {{"bon.txt"}, "usage : generer"},
             {{"bon.txt", "4", "--bof"}, "option inconnue --bof"},
         }) {
        const resultat r = generer(c.arguments);
        EXPECT_EQ(r.code, 2) << c.debut_message;
        EXPECT_EQ(r.erreurs.substr(0, c.debut_message.size()), c.debut_message);
        EXPECT_EQ(r.sortie, "");
    }
}

// Ce que generer écrit, verifier l'accepte : dessins tirés au hasard (graine fixe), de tous côtés et toutes
// densités, trous et cases isolées compris ; un dessin sans case peinte est refusé sans rien écrire.
TEST(Generer, CeQuiEstEcritEstToujoursUneGrilleValide) {
    repertoire_temporaire rep;
    std::mt19937 tirage(20261211);
    repertoire_temporaire::ecrire("aleas.txt", "0.37\n0.81\n0.05\n0.66\n");
    for (int essai = 0; essai < 150; ++essai) {
        const int cote = std::uniform_int_distribution(2, 18)(tirage);
        const double densite = std::uniform_real_distribution(0.0, 1.0)(tirage);
        std::string dessin = std::to_string(cote) + "\n";
        bool peint = false;
        for (int i = 0; i < cote * cote; ++i) {
            const bool p = std::bernoulli_distribution(densite)(tirage);
            peint = peint || p;
            dessin += p ? '#' : '.';
            if (i % cote == cote - 1) dessin += '\n';
        }
        repertoire_temporaire::ecrire("d.txt", dessin);
        std::filesystem::remove("g.xml");
        const std::string complexite = std::to_string(std::uniform_int_distribution(4, 14)(tirage));
        const resultat r = generer({"d.txt", complexite, "--aleas", "aleas.txt", "--sortie", "g.xml"});
        if (!peint) {
            EXPECT_EQ(r.code, 2) << dessin;
            EXPECT_FALSE(std::filesystem::exists("g.xml"));
            continue;
        }
        ASSERT_EQ(r.code, 0) << dessin << r.erreurs;
        std::ostringstream sortie;
        EXPECT_EQ(commande_verifier::executer({"g.xml"}, sortie), 0) << dessin << sortie.str();
    }
}

}  // namespace
