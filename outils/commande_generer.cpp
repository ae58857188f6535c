// Sous-commande generer : lecture du dessin et des nombres aléatoires, génération, écriture.
#include "commande_generer.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <memory>
#include <optional>

#include "aleatoire_pkg.hpp"
#include "bilan.hpp"
#include "conception.hpp"
#include "dessin.hpp"
#include "editeur_pkg.hpp"
#include "erreur_pkg.hpp"
#include "fichier_xml_pkg.hpp"
#include "lecture_fichier_pkg.hpp"
#include "solveur_pkg.hpp"
#include "sortie_verifiee.hpp"
#include "unicite.hpp"

namespace commande_generer {

namespace {

const char* const USAGE =
    "usage : generer IMAGE COMPLEXITE [--aleas FICHIER] [--nom NOM] [--sortie FICHIER]\n"
    "                [--unique [--essais K] | --conception [--contenu]]";

// Bornes de la complexité : celles de l'éditeur, et celles du contenu livré (--contenu), dont les
// grandes images admettent des chemins plus longs.
constexpr int COMPLEXITE_MIN = 4, COMPLEXITE_MAX = 14, COMPLEXITE_MAX_CONTENU = 30;

struct options {
    std::string image;
    int complexite = 0;
    std::optional<std::string> aleas, nom, sortie, essais;
    bool unique = false, conception = false, contenu = false;
};

struct refus : std::runtime_error {
    using std::runtime_error::runtime_error;
};

options lire_options(const std::vector<std::string>& arguments) {
    options o;
    std::vector<std::string> positionnels;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        std::optional<std::string>* cible = a == "--aleas"    ? &o.aleas
                                            : a == "--nom"    ? &o.nom
                                            : a == "--sortie" ? &o.sortie
                                            : a == "--essais" ? &o.essais
                                                              : nullptr;
        if (a == "--unique") {
            o.unique = true;
        } else if (a == "--conception") {
            o.conception = true;
        } else if (a == "--contenu") {
            o.contenu = true;
        } else if (cible) {
            if (i + 1 >= arguments.size()) throw refus(a + " attend une valeur\n" + USAGE);
            *cible = arguments[++i];
        } else if (a.starts_with("--")) {
            throw refus("option inconnue " + a + "\n" + USAGE);
        } else {
            positionnels.push_back(a);
        }
    }
    if (positionnels.size() != 2 || (o.unique && o.conception) || (o.essais && !o.unique) || (o.contenu && !o.conception)) {
        throw refus(USAGE);
    }
    o.image = positionnels[0];
    const std::string& c = positionnels[1];
    const auto [fin, code] = std::from_chars(c.data(), c.data() + c.size(), o.complexite);
    const int maximum = o.contenu ? COMPLEXITE_MAX_CONTENU : COMPLEXITE_MAX;
    if (code != std::errc() || fin != c.data() + c.size() || o.complexite < COMPLEXITE_MIN || o.complexite > maximum) {
        throw refus("complexité \"" + c + "\" : un entier de " + std::to_string(COMPLEXITE_MIN) + " à " + std::to_string(maximum) +
                    " est attendu");
    }
    return o;
}

int lire_essais(const std::optional<std::string>& texte) {
    if (!texte) return 50;
    int k = 0;
    const auto [fin, code] = std::from_chars(texte->data(), texte->data() + texte->size(), k);
    if (code != std::errc() || fin != texte->data() + texte->size() || k < 1) {
        throw refus("--essais \"" + *texte + "\" : un entier positif est attendu");
    }
    return k;
}

// Grille de l'éditeur dont seules les cases du dessin restent peintes.
editeur_pkg::editeur editeur_dessine(const dessin::dessin_peint& d, const std::string& nom) {
    editeur_pkg::editeur e;
    e.initialiser(d.cote, nom);
    for (int x = 1; x <= d.cote; ++x) {
        for (int y = 1; y <= d.cote; ++y) {
            if (!d.peinte(x, y)) e.obtenir_grille()->rend_case({x, y})->liberer();
        }
    }
    return e;
}

// Le verdict vient de la preuve par groupes du générateur : le solveur seul, qui explore le produit
// des hésitations de toutes les régions, n'en viendrait pas à bout sur les grandes grilles difficiles.
void ecrire_bilan(const grille_pkg::grille& g, const dessin::dessin_peint& d, std::ostream& erreurs) {
    const bool unique = unicite::prouver_unique(solveur_pkg::depuis_grille(g), unicite::NOEUDS_PAR_GROUPE);
    const auto chemins = bilan::routes(g);
    const auto b = bilan::faire_bilan(chemins);
    erreurs << "chemins : " << b.chemins << ", cases seules : " << std::lround(100 * b.part_cases_seules)
            << " % (hors cases isolées : " << std::lround(100 * bilan::part_cases_seules_evitables(chemins, d))
            << " %), longueur moyenne : " << std::round(b.longueur_moyenne * 100) / 100 << ", solveur : " << (unique ? "solution unique" : "unicité non prouvée") << '\n';
}

// Un nombre décimal par ligne, lu en simple précision, entre 0 et 1 ; les lignes vides sont sautées.
std::vector<float> lire_aleas(const std::string& fichier) {
    std::istringstream flux;
    try {
        flux.str(lecture_fichier_pkg::lire_fichier(fichier, lecture_fichier_pkg::TAILLE_MAX_TEXTE));
    } catch (const lecture_fichier_pkg::ERREUR_LECTURE_REFUSEE& e) {
        throw refus(e.detail() + " (fichier des nombres aléatoires)");
    }
    std::vector<float> valeurs;
    std::string ligne;
    for (int numero = 1; std::getline(flux, ligne); ++numero) {
        const auto debut = ligne.find_first_not_of(" \t\r");
        if (debut == std::string::npos) continue;
        const auto fin_utile = ligne.find_last_not_of(" \t\r") + 1;
        float u = 0.0f;
        const auto [fin, code] = std::from_chars(ligne.data() + debut, ligne.data() + fin_utile, u);
        if (code != std::errc() || fin != ligne.data() + fin_utile) {
            throw refus(fichier + " ligne " + std::to_string(numero) + " : \"" + fichier_xml_pkg::extrait(ligne) + "\" n'est pas un nombre");
        }
        if (!(u >= 0.0f && u <= 1.0f)) {
            throw refus(fichier + " ligne " + std::to_string(numero) + " : " + fichier_xml_pkg::extrait(ligne) + " n'est pas entre 0 et 1");
        }
        valeurs.push_back(u);
    }
    if (valeurs.empty()) throw refus(fichier + " : aucun nombre aléatoire");
    return valeurs;
}

}  // namespace

int executer(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs) {
    try {
        const options o = lire_options(arguments);
        if (o.sortie) fichier_xml_pkg::cible_ecriture(*o.sortie);  // une cible refusée l'est avant le calcul
        const dessin::dessin_peint d = dessin::lire(o.image);
        // Sans case peinte, la grille écrite n'aurait aucun chemin et ne se chargerait pas.
        if (std::find(d.cases.begin(), d.cases.end(), true) == d.cases.end()) {
            throw refus(o.image + " : aucune case peinte, rien à générer");
        }
        std::unique_ptr<aleatoire_pkg::source_uniforme> source;
        if (o.aleas) source = std::make_unique<aleatoire_pkg::source_suite>(lire_aleas(*o.aleas));
        else source = std::make_unique<aleatoire_pkg::source_horloge>();

        const std::string nom = o.nom.value_or(std::filesystem::path(o.image).stem().string());
        const int essais = lire_essais(o.essais);
        int code = 0;
        editeur_pkg::editeur e = editeur_dessine(d, nom);
        if (o.conception) {
            conception::poser_chemins(*e.obtenir_grille(), conception::concevoir(d, o.complexite, *source));
            ecrire_bilan(*e.obtenir_grille(), d, erreurs);
        } else if (o.unique) {
            // Nouvelle génération avec les nombres suivants, jusqu'à une grille à solution unique ; la
            // meilleure tentative (le moins de solutions) est écrite si aucune n'y parvient.
            std::optional<editeur_pkg::editeur> meilleure;
            int moins = 0, essai = 1;
            for (; essai <= essais; ++essai) {
                editeur_pkg::editeur tentative = editeur_dessine(d, nom);
                tentative.generation_des_chemins(o.complexite, tentative.obtenir_grille(), *source);
                const auto r = solveur_pkg::resoudre(solveur_pkg::depuis_grille(*tentative.obtenir_grille()));
                const int n = r.abandon ? 3 : r.nombre_solutions;
                if (!meilleure || n < moins) meilleure = tentative, moins = n;
                if (n == 1) break;
            }
            e = *meilleure;
            erreurs << "essais : " << std::min(essai, essais) << (moins == 1 ? "" : ", aucune grille à solution unique") << '\n';
            if (moins != 1) code = 4;
        } else {
            e.generation_des_chemins(o.complexite, e.obtenir_grille(), *source);
        }

        pugi::xml_document document;
        const std::string texte = fichier_xml_pkg::imprimer(e.grille_libre_xml(document));
        if (o.sortie) fichier_xml_pkg::ecrire_fichier(*o.sortie, texte);
        else sortie << texte;
        return code;
    } catch (const fichier_xml_pkg::ERREUR_ECRITURE_FICHIER& r) {
        erreurs << r.what() << '\n';
        return sortie_verifiee::CODE_ECRITURE_IMPOSSIBLE;
    } catch (const refus& r) {
        erreurs << r.what() << '\n';
    } catch (const dessin::dessin_invalide& r) {
        erreurs << r.what() << '\n';
    } catch (const erreur_pkg::erreur& r) {
        erreurs << r.what() << '\n';
    }
    return 2;
}

}  // namespace commande_generer
