// Case terminale : nombre du chemin, égalité et test de type.
#include "case_terminale_pkg.hpp"

#include <cassert>

#include "fichier_xml_pkg.hpp"

namespace case_terminale_pkg {

case_terminale::case_terminale(int le_chiffre) : chiffre(le_chiffre) {
    assert(le_chiffre >= 1 && "case_terminale : le chiffre doit être positif");
}

int case_terminale::valeur() const { return chiffre; }

pugi::xml_node case_terminale::case_terminale_xml(pugi::xml_node parent) const {
    pugi::xml_node element = parent.append_child("case_terminale");
    fichier_xml_pkg::ecrire_entier(element, "chiffre", chiffre);
    case_simple_pkg::coordonnees_xml(obtenir_coordonnees(), element);
    return element;
}

bool case_terminale::champs_egaux(const case_simple& autre) const {
    return case_simple::champs_egaux(autre) && chiffre == static_cast<const case_terminale&>(autre).chiffre;
}

bool est_case_terminale(const case_simple_pkg::classe_case& la_case) {
    assert(la_case && "est_case_terminale : poignée nulle");
    return dynamic_cast<const case_terminale*>(la_case.get()) != nullptr;
}

void liberer_ressources(case_simple_pkg::classe_case& une_case) { une_case.reset(); }

} // namespace case_terminale_pkg
