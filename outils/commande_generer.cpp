// Sous-commande generer : lecture du dessin et des nombres aléatoires, génération, écriture.
#include "commande_generer.hpp"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "aleatoire_pkg.hpp"
#include "dessin.hpp"
#include "editeur_pkg.hpp"
#include "erreur_pkg.hpp"
#include "fichier_xml_pkg.hpp"

namespace commande_generer {

namespace {

const char* const USAGE = "usage : generer IMAGE COMPLEXITE [--aleas FICHIER] [--nom NOM] [--sortie FICHIER]";

struct options {
    std::string image;
    int complexite = 0;
    std::optional<std::string> aleas, nom, sortie;
};

struct refus : std::runtime_error {
    using std::runtime_error::runtime_error;
};

options lire_options(const std::vector<std::string>& arguments) {
    options o;
    std::vector<std::string> positionnels;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        std::optional<std::string>* cible = a == "--aleas" ? &o.aleas : a == "--nom" ? &o.nom : a == "--sortie" ? &o.sortie : nullptr;
        if (cible) {
            if (i + 1 >= arguments.size()) throw refus(a + " attend une valeur\n" + USAGE);
            *cible = arguments[++i];
        } else if (a.starts_with("--")) {
            throw refus("option inconnue " + a + "\n" + USAGE);
        } else {
            positionnels.push_back(a);
        }
    }
    if (positionnels.size() != 2) throw refus(USAGE);
    o.image = positionnels[0];
    const std::string& c = positionnels[1];
    const auto [fin, code] = std::from_chars(c.data(), c.data() + c.size(), o.complexite);
    if (code != std::errc() || fin != c.data() + c.size() || o.complexite < 4 || o.complexite > 14) {
        throw refus("complexité \"" + c + "\" : un entier de 4 à 14 est attendu");
    }
    return o;
}

// Un nombre décimal par ligne, lu en simple précision, entre 0 et 1 ; les lignes vides sont sautées.
std::vector<float> lire_aleas(const std::string& fichier) {
    std::ifstream flux(fichier);
    if (!flux) throw refus(fichier + " : impossible d'ouvrir le fichier des nombres aléatoires");
    std::vector<float> valeurs;
    std::string ligne;
    for (int numero = 1; std::getline(flux, ligne); ++numero) {
        const auto debut = ligne.find_first_not_of(" \t\r");
        if (debut == std::string::npos) continue;
        const auto fin_utile = ligne.find_last_not_of(" \t\r") + 1;
        float u = 0.0f;
        const auto [fin, code] = std::from_chars(ligne.data() + debut, ligne.data() + fin_utile, u);
        if (code != std::errc() || fin != ligne.data() + fin_utile) {
            throw refus(fichier + " ligne " + std::to_string(numero) + " : \"" + ligne + "\" n'est pas un nombre");
        }
        if (!(u >= 0.0f && u <= 1.0f)) {
            throw refus(fichier + " ligne " + std::to_string(numero) + " : " + ligne + " n'est pas entre 0 et 1");
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
        const dessin::dessin_peint d = dessin::lire(o.image);
        std::unique_ptr<aleatoire_pkg::source_uniforme> source;
        if (o.aleas) source = std::make_unique<aleatoire_pkg::source_suite>(lire_aleas(*o.aleas));
        else source = std::make_unique<aleatoire_pkg::source_horloge>();

        editeur_pkg::editeur e;
        e.initialiser(d.cote, o.nom.value_or(std::filesystem::path(o.image).stem().string()));
        const auto grille = e.obtenir_grille();
        for (int x = 1; x <= d.cote; ++x) {
            for (int y = 1; y <= d.cote; ++y) {
                if (!d.peinte(x, y)) grille->rend_case({x, y})->liberer();
            }
        }
        e.generation_des_chemins(o.complexite, grille, *source);

        pugi::xml_document document;
        const std::string texte = fichier_xml_pkg::imprimer(e.grille_libre_xml(document));
        if (o.sortie) fichier_xml_pkg::ecrire_fichier(*o.sortie, texte);
        else sortie << texte;
        return 0;
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
