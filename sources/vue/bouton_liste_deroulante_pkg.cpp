// Boutons de la liste déroulante.
#include "bouton_liste_deroulante_pkg.hpp"

namespace bouton_liste_deroulante_pkg {

namespace {
bouton_plaque_pkg::apparence apparence_de(t_bouton_deroulant le_type) {
    switch (le_type) {
    case t_bouton_deroulant::HAUT: return {"", "fleche", "fleche", 0.25f, 0.5f, 1.2f, 1.0f, "fleche_haut"};
    case t_bouton_deroulant::BAS: return {"", "fleche", "fleche", 0.25f, 0.5f, 1.2f, 1.0f, "fleche_bas"};
    case t_bouton_deroulant::VALIDER:
        return {"OK", "bouton_ancien", "bouton_ancien_actif", 0.5f, 0.17f, 2.0f, 1.8f, "liste_valider"};
    case t_bouton_deroulant::PRECEDENT: break;
    }
    return {"precedent", "bouton_ancien", "bouton_ancien_actif", 0.5f, 0.17f, 1.2f, 1.0f, "precedent"};
}
} // namespace

bouton_deroulant::bouton_deroulant(t_bouton_deroulant le_type)
    : bouton_plaque(apparence_de(le_type)), le_type_(le_type) {}

} // namespace bouton_liste_deroulante_pkg
