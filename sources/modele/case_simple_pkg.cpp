// Case simple : occupation et coordonnées.
#include "case_simple_pkg.hpp"

#include <cassert>
#include <typeinfo>

#include "fichier_xml_pkg.hpp"

namespace case_simple_pkg {

bool coordonnees_egales(const coordonnees& coordonnees_1, const coordonnees& coordonnees_2) {
    return coordonnees_1 == coordonnees_2;
}

pugi::xml_node coordonnees_xml(const coordonnees& c, pugi::xml_node parent) {
    pugi::xml_node element = parent.append_child("coordonnees");
    fichier_xml_pkg::ecrire_entier(element, "x", c.x);
    fichier_xml_pkg::ecrire_entier(element, "y", c.y);
    return element;
}

void case_simple::occuper() { occupe = true; }

void case_simple::liberer() { occupe = false; }

bool case_simple::est_occupe() const { return occupe; }

coordonnees case_simple::obtenir_coordonnees() const { return les_coordonnees; }

void case_simple::donner_coordonnees(const coordonnees& nouvelles) {
    assert(nouvelles.x >= 1 && nouvelles.y >= 1 && "donner_coordonnees : coordonnées à partir de 1");
    les_coordonnees = nouvelles;
}

bool case_simple::champs_egaux(const case_simple& autre) const {
    return occupe == autre.occupe && les_coordonnees == autre.les_coordonnees;
}

bool operator==(const case_simple& case_1, const case_simple& case_2) {
    return typeid(case_1) == typeid(case_2) && case_1.champs_egaux(case_2);
}

} // namespace case_simple_pkg
