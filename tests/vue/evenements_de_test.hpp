// Outils des tests de widgets : événements synthétiques, événements nommés émis, chaîne des récepteurs, répertoire jetable.
#pragma once

#include "chaine_recepteurs_pkg.hpp"
#include "file_evenements_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

namespace evenements_de_test {

inline evenement_pkg::evenement touche(std::int32_t symbole, bool majuscule = false) {
    evenement_pkg::evenement e;
    e.type = evenement_pkg::TOUCHE_APPUYEE;
    e.touche = symbole;
    e.majuscule = majuscule;
    return e;
}

// Des caractères tapés, tels que le système les donne après la disposition du clavier.
inline evenement_pkg::evenement saisie(const std::string& texte) {
    evenement_pkg::evenement e;
    e.type = evenement_pkg::TEXTE_SAISI;
    e.texte = texte;
    return e;
}

inline evenement_pkg::evenement nomme(const std::string& nom, evenement_pkg::donnee_evenement donnee = {}) {
    return evenement_pkg::nomme(nom, std::move(donnee));
}

// Une chaîne de récepteurs et la file où ils émettent, comme celles d'un mode.
class chaine_de_test {
public:
    chaine_de_test() = default;
    chaine_de_test(const chaine_de_test&) = delete;
    chaine_de_test& operator=(const chaine_de_test&) = delete;

    chaine_recepteurs_pkg::chaine_recepteurs& chaine() { return chaine_; }
    file_evenements_pkg::file_memoire& file() { return file_; }

    // Offre l'événement à la chaîne ; vrai si un récepteur l'a consommé.
    bool offrir(evenement_pkg::evenement e) { return chaine_.traiter(e); }

    // Événements nommés émis depuis le dernier appel : nom et texte porté ("" sans texte).
    std::vector<std::pair<std::string, std::string>> emis() {
        std::vector<std::pair<std::string, std::string>> v;
        while (auto e = file_.scruter()) {
            v.push_back(decrire(*e));
        }
        return v;
    }

    // Offre à la chaîne chaque événement en attente, y compris ceux émis pendant ce temps ;
    // rend les événements nommés ainsi passés, dans leur ordre.
    std::vector<std::pair<std::string, std::string>> distribuer() {
        std::vector<std::pair<std::string, std::string>> v;
        while (auto e = file_.scruter()) {
            v.push_back(decrire(*e));
            chaine_.traiter(*e);
        }
        return v;
    }

    // Offre l'événement, puis les événements nommés émis en chemin, comme la boucle principale dans la même passe ;
    // vrai si le premier a été consommé.
    bool envoyer(evenement_pkg::evenement e) {
        const bool consomme = offrir(std::move(e));
        distribuer();
        return consomme;
    }

    // Récepteurs présents, du premier consulté au dernier.
    std::vector<recepteur_pkg::classe_recepteur> recepteurs() const { return chaine_.recepteurs(); }

    // Nom et texte porté ("(rien)" sans texte) d'un événement nommé.
    static std::pair<std::string, std::string> decrire(const evenement_pkg::evenement& e) {
        const auto* texte = std::get_if<std::string>(&e.donnee);
        return {e.nom, texte ? *texte : std::string("(rien)")};
    }

private:

    chaine_recepteurs_pkg::chaine_recepteurs chaine_;
    file_evenements_pkg::file_memoire file_;
};

// Ce qu'un objet cliquable a rapporté depuis la dernière fois, décrit comme chaine_de_test::emis.
template <typename objet>
std::vector<std::pair<std::string, std::string>> rapports(objet& o) {
    std::vector<std::pair<std::string, std::string>> v;
    for (const auto& e : o.prendre_rapports()) v.push_back(chaine_de_test::decrire(e));
    return v;
}

// Aucune passe de sélection dans ces tests : la souris ne touche rien.
class sans_selection : public recepteur_souris_pkg::source_selection {
public:
    bool picking_a_mettre_a_jour() const override { return false; }
    void afficher_mode_selection(const objet_3d_pkg::classe_objet_affichable&, int, int) override {}
    std::uint32_t obtenir_identifiant_hit() const override { return 0; }
};

// Répertoire vide créé pour le test et effacé après lui.
class repertoire_jetable {
public:
    repertoire_jetable()
        : chemin_(std::filesystem::temp_directory_path() /
                  ("tessaline_widgets_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) +
                   "_" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(chemin_);
        std::filesystem::create_directories(chemin_);
    }
    ~repertoire_jetable() {
        std::error_code ignore;
        std::filesystem::remove_all(chemin_, ignore);
    }
    repertoire_jetable(const repertoire_jetable&) = delete;
    repertoire_jetable& operator=(const repertoire_jetable&) = delete;

    const std::filesystem::path& chemin() const { return chemin_; }
    // Chemin avec "/" final, comme ceux que donne emplacements_pkg.
    std::string nom() const { return chemin_.string() + "/"; }
    void creer(const std::string& entree, bool repertoire = true) const {
        if (repertoire) {
            std::filesystem::create_directories(chemin_ / entree);
        } else {
            std::ofstream(chemin_ / entree) << "x";
        }
    }

private:
    std::filesystem::path chemin_;
};

} // namespace evenements_de_test
