// Boutons de la saisie de texte.
#include "bouton_ecriture_pkg.hpp"

namespace bouton_ecriture_pkg {

namespace {
bouton_plaque_pkg::apparence apparence_de(t_bouton_ecriture le_type) {
    if (le_type == t_bouton_ecriture::VALIDER) {
        return {"valider", "bouton_ancien", "bouton_ancien_actif", 0.5f, 0.17f, 1.6f, 1.4f, "ecriture_valider"};
    }
    return {"precedent", "bouton_ancien", "bouton_ancien_actif", 0.5f, 0.17f, 1.6f, 1.4f, "ecriture_precedent"};
}
} // namespace

bouton_ecriture::bouton_ecriture(t_bouton_ecriture le_type)
    : bouton_plaque(apparence_de(le_type)), le_type_(le_type) {}

} // namespace bouton_ecriture_pkg
