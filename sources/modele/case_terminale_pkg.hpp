// Case terminale : une case simple qui porte le nombre de cases de son chemin.
#pragma once

#include "case_simple_pkg.hpp"

namespace case_terminale_pkg {

class case_terminale : public case_simple_pkg::case_simple {
public:
    explicit case_terminale(int le_chiffre);

    virtual int valeur() const;
    // Élément "case_terminale" avec son chiffre et ses coordonnées, ajouté en dernier enfant de parent.
    virtual pugi::xml_node case_terminale_xml(pugi::xml_node parent) const;

protected:
    bool champs_egaux(const case_simple& autre) const override;

private:
    int chiffre;  // fixé à la construction, jamais modifié
};

using case_terminale_ptr = std::shared_ptr<case_terminale>;

// Vrai si la case désignée est une case terminale, ou d'un type qui en dérive.
bool est_case_terminale(const case_simple_pkg::classe_case& la_case);

// Lâche la poignée ; la case est libérée quand plus rien ne la désigne.
void liberer_ressources(case_simple_pkg::classe_case& une_case);

} // namespace case_terminale_pkg
