// Bruitages demandés : comptés, puis joués ou non selon les options du son.
#include "bruitages_pkg.hpp"

#include "musique_pkg.hpp"

namespace bruitages_pkg {

namespace {
comptes demandes;
} // namespace

void demander(bruitage b) {
    switch (b) {
    case bruitage::deplacement:
        ++demandes.deplacement;
        musique_pkg::bruitage_deplacement();
        break;
    case bruitage::erreur:
        ++demandes.erreur;
        musique_pkg::bruitage_erreur();
        break;
    case bruitage::valider:
        ++demandes.valider;
        musique_pkg::bruitage_valider();
        break;
    }
}

comptes obtenir_comptes() { return demandes; }

void annoncer(const coeur_jeu_pkg::compte_rendu& r) {
    if (r.commence) demander(bruitage::valider);
    if (r.refuse || r.invalide) demander(bruitage::erreur);
    if (r.deplace) demander(bruitage::deplacement);
}

} // namespace bruitages_pkg
