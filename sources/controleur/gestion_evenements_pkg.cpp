// Chaîne des récepteurs et événements nommés.
#include "gestion_evenements_pkg.hpp"

namespace gestion_evenements_pkg {

namespace {
chaine_recepteurs recepteurs = liste_recepteurs_pkg::liste_vide();
file_evenements_pkg::file_memoire file_par_defaut;
file_evenements_pkg::file_evenements* file_courante = &file_par_defaut;
} // namespace

void traiter_evenement(evenement_pkg::evenement& evenement) {
    // Le maillon courant est tenu par la poignée : un récepteur qui se retire pendant son
    // accepter ne fait que le délier, et la marche repart du successeur qu'il avait.
    chaine_recepteurs courant = recepteurs;
    bool consomme = false;
    while (!consomme && !liste_recepteurs_pkg::est_vide(courant)) {
        consomme = liste_recepteurs_pkg::get_elem(courant)->accepter(evenement);
        courant = liste_recepteurs_pkg::get_suiv(courant);
    }
}

void empiler_recepteur(recepteur_pkg::classe_recepteur r) {
    if (!liste_recepteurs_pkg::existe(recepteurs, r)) {
        liste_recepteurs_pkg::ajout_debut(recepteurs, r);
    }
}

void supprimer_recepteur(recepteur_pkg::classe_recepteur r) { liste_recepteurs_pkg::retirer_elem(recepteurs, r); }

chaine_recepteurs obtenir_chaine_recepteurs() { return recepteurs; }

evenement_pkg::evenement obtenir_evenement_nomme(const std::string& nom, std::int32_t code,
                                                 evenement_pkg::donnee_evenement donnee) {
    evenement_pkg::evenement e;
    e.type = evenement_tessaline;
    e.code = code;
    e.nom = nom;
    e.donnee = std::move(donnee);
    return e;
}

std::string obtenir_nom_evenement(const evenement_pkg::evenement& evenement) {
    return evenement.type == evenement_tessaline ? evenement.nom : std::string();
}

void emettre_evenement_nomme(const std::string& nom, evenement_pkg::donnee_evenement donnee) {
    file_courante->pousser(obtenir_evenement_nomme(nom, 0, std::move(donnee)));
}

void definir_file(file_evenements_pkg::file_evenements& file) { file_courante = &file; }

file_evenements_pkg::file_evenements& obtenir_file() { return *file_courante; }

} // namespace gestion_evenements_pkg
