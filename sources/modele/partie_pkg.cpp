// Partie de campagne : score, fichier de sauvegarde et chemins joués.
#include "partie_pkg.hpp"

#include <algorithm>

#include "fichier_xml_pkg.hpp"

namespace partie_pkg {

namespace {
// Le chronomètre écrit en secondes entières, saturé : une partie lue à TIMER_MAX puis jouée se relit encore.
long long secondes_ecrites(const timer_pkg::temps& t) {
    return std::min(timer_pkg::secondes_arrondies(t.obtenir_temps_passe()), TIMER_MAX);
}
}  // namespace

void partie::initialiser(const grille_pkg::grille_ptr& grille_a_resoudre) {
    grille_courante = grille_a_resoudre;
    les_chemins = listes_chemin_pkg::liste_vide();
    score = 0;
}

int partie::supprimer_chemin_depuis_case(const case_simple_pkg::classe_case& case_du_chemin_a_supprimer) {
    return 10 * retirer_chemin_passant_par(case_du_chemin_a_supprimer);
}

void partie::valider_chemin_courant() { valider_chemin(); }

int partie::obtenir_score_avec_chrono() const {
    const long long secondes = timer_pkg::secondes_arrondies(tps->obtenir_temps_passe());
    return static_cast<int>(std::max(0LL, static_cast<long long>(score) - 2 * secondes));
}

pugi::xml_node partie::partie_xml(pugi::xml_node parent) const {
    pugi::xml_node element = parent.append_child("partie");
    fichier_xml_pkg::ecrire_entier(element, "score", obtenir_score());
    element.append_attribute("grille_liee").set_value(grille_courante->obtenir_nom_grille().c_str());
    chemins_joues_xml(element);
    return element;
}

std::string partie::document_partie_campagne() const {
    pugi::xml_document document;
    pugi::xml_node racine = document.append_child("partie");
    fichier_xml_pkg::ecrire_entier(racine, "aide", points_aide_utilises);
    fichier_xml_pkg::ecrire_entier(racine, "score", obtenir_score());
    fichier_xml_pkg::ecrire_entier(racine, "timer", secondes_ecrites(*tps));
    grille_courante->grille_xml(racine);
    chemins_joues_xml(racine);
    return fichier_xml_pkg::imprimer(racine);
}

void partie::sauvegarder_partie_campagne(const std::string& repertoire_de_sauvegarde,
                                         const std::string& nom_partie) const {
    fichier_xml_pkg::ecrire_fichier(repertoire_de_sauvegarde + nom_partie, document_partie_campagne());
}

void partie::sauvegarder_partie_campagne(const std::string& repertoire_de_sauvegarde, const std::string& nom_partie,
                                         fichier_xml_pkg::lot_ecriture& lot) const {
    lot.ecrire(repertoire_de_sauvegarde + nom_partie, document_partie_campagne());
}

void partie::charger_chemins_joues(const pugi::xml_node& noeud_chemins_joues) {
    les_chemins = lire_chemins_joues(noeud_chemins_joues, *grille_courante);
}

void partie::charger_partie_campagne(const std::string& repertoire_de_sauvegarde, const std::string& nom_partie) {
    const std::string chemin_fichier = repertoire_de_sauvegarde + nom_partie;
    const pugi::xml_document document = fichier_xml_pkg::analyser(chemin_fichier);
    const pugi::xml_node racine = racine_partie(document, chemin_fichier);

    const auto score_lu = fichier_xml_pkg::lire_entier_facultatif(racine, "score", 0, SCORE_MAX);
    const auto aide_lue = fichier_xml_pkg::lire_entier_facultatif(racine, "aide", 0, AIDE_MAX);
    const auto timer_lu = fichier_xml_pkg::lire_reel_facultatif(racine, "timer", 0.0, static_cast<double>(TIMER_MAX));

    const partie_lue lue = lire_partie_jouee(racine, nom_partie, chemin_fichier);

    score = static_cast<int>(score_lu.value_or(0));
    points_aide_utilises = static_cast<int>(aide_lue.value_or(0));
    tps->initialiser_timer(timer_lu.value_or(0.0));
    grille_courante = lue.grille;
    les_chemins = lue.chemins;
    chemin_courant = std::make_shared<grille_pkg::chemin>();
}

}  // namespace partie_pkg
