// Niveau : noms de fichiers, chargements, sauvegarde et comptes de l'aide.
#include "niveau_pkg.hpp"

#include <algorithm>
#include <stdexcept>

#include "fichier_xml_pkg.hpp"
#include "emplacements_pkg.hpp"

namespace niveau_pkg {

std::size_t niveau::rang(int num) {
    if (num < 1 || num > NOMBRE_PARTIES) throw std::out_of_range("niveau : partie hors de 1..6");
    return static_cast<std::size_t>(num - 1);
}

void niveau::initialiser_niveau(const std::string& nom, const horloge_pkg::horloge& horloge) {
    nom_niveau = nom;
    for (auto& p : les_parties) p = std::make_shared<partie_pkg::partie>(horloge);
    initialiser_chemins_aide();
}

void niveau::initialiser_chemins_aide() {
    for (auto& c : les_chemins_aide) c = std::make_shared<grille_pkg::chemin>();
}

partie_pkg::partie_ptr niveau::obtenir_partie_courante() const { return les_parties[rang(numero_courant)]; }

partie_pkg::partie_ptr niveau::obtenir_partie(int num) const {
    if (num > NOMBRE_PARTIES) throw ERREUR_PARTIE_HORS_LIMITE_NIVEAU("partie" + fichier_xml_pkg::image_entier(num));
    return les_parties[rang(num)];
}

int niveau::score_niveau() const {
    int total = 0;
    for (const auto& p : les_parties) total += p->obtenir_score_avec_chrono();
    return total;
}

bool niveau::est_termine() const {
    if (triche_active) return true;
    return std::all_of(les_parties.begin(), les_parties.end(), [](const auto& p) { return p->est_valide(); });
}

void niveau::mettre_a_jour_score_aide() {
    score_aide = 0;
    for (const auto& p : les_parties) score_aide += p->obtenir_score() / 2 - p->obtenir_points_aide_utilises();
}

void niveau::mettre_a_jour_compteur_aide(int add) {
    const int t = compteur_aide + add;
    compteur_aide = (t > score_aide || t < 1) ? 0 : t;
}

void niveau::payer_aide(int cases_revelees) {
    obtenir_partie_courante()->mettre_a_jour_points_aide_utilises(coeur_jeu_pkg::points_par_case_aide * cases_revelees);
    mettre_a_jour_score_aide();
}

grille_pkg::chemin_ptr niveau::obtenir_chemin_aide_courant() const { return les_chemins_aide[rang(numero_courant)]; }

grille_pkg::chemin_ptr niveau::obtenir_chemin_aide(int i) const { return les_chemins_aide[rang(i)]; }

void niveau::reinitialiser_chemin_aide(const case_simple_pkg::classe_case& premiere_case) {
    obtenir_chemin_aide_courant()->initialiser_chemin_aide(*obtenir_partie_courante()->obtenir_grille(), premiere_case);
}

std::string niveau::nom_partie(int i) const {
    std::string nom = nom_niveau + "_" + fichier_xml_pkg::image_entier(i);
    nom.erase(std::remove(nom.begin(), nom.end(), ' '), nom.end());
    return nom;
}

std::string niveau::nom_fichier_initial(int i) const { return nom_partie(i) + ".xml"; }

std::string niveau::nom_fichier_sauvegarde(int i) const { return nom_partie(i) + ".save.xml"; }

void niveau::charger_les_six_parties_composant_le_niveau() {
    for (int i = 1; i <= NOMBRE_PARTIES; ++i) {
        les_parties[rang(i)]->charger_partie_campagne(emplacements_pkg::repertoire_grilles_campagne(),
                                                      nom_fichier_initial(i));
    }
    est_initialise = true;
}

void niveau::charger_les_six_parties_composant_le_niveau(const std::string& repertoire) {
    score_aide = 0;
    for (int i = 1; i <= NOMBRE_PARTIES; ++i) {
        try {
            les_parties[rang(i)]->charger_partie_campagne(repertoire, nom_fichier_sauvegarde(i));
        } catch (const erreur_pkg::erreur& e) {
            // Le joueur doit savoir quel fichier de sa sauvegarde est en cause.
            throw ERREUR_SAUVEGARDE_REFUSEE(nom_fichier_sauvegarde(i), repertoire + nom_fichier_sauvegarde(i) + " : " +
                                                                           e.what());
        }
        mettre_a_jour_score_aide();
    }
    numero_courant = 1;
    est_initialise = true;
    initialiser_chemins_aide();
}

void niveau::sauvegarder_les_six_parties_composant_le_niveau(const std::string& repertoire,
                                                             fichier_xml_pkg::lot_ecriture& lot) const {
    for (int i = 1; i <= NOMBRE_PARTIES; ++i) {
        les_parties[rang(i)]->sauvegarder_partie_campagne(repertoire, nom_fichier_sauvegarde(i), lot);
    }
}

}  // namespace niveau_pkg
