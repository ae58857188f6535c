// Récepteurs de la saisie de texte.
#include "recepteurs_ecriture_pkg.hpp"

#include "ecriture_3d_pkg.hpp"
#include "gestion_evenements_pkg.hpp"
#include "os_fichiers.hpp"

#include <optional>
#include <string_view>

namespace recepteurs_ecriture_pkg {

namespace {
namespace t = evenement_pkg::touches;
using ecriture_3d_pkg::ecriture_affichable;

// Ce que laisse Échap : un blanc seul, que la validation refuse tant que rien n'est tapé après.
const std::string texte_annule = " ";

void annuler(ecriture_affichable& e) {
    e.definir_texte(texte_annule);
    gestion_evenements_pkg::emettre_evenement_nomme(ecriture_3d_pkg::action_annuler);
    e.desactiver();
}

void valider(ecriture_affichable& e) {
    if (e.obtenir_texte() != texte_annule) {
        gestion_evenements_pkg::emettre_evenement_nomme(ecriture_3d_pkg::action_valider, e.obtenir_texte());
        e.desactiver();
    }
}

void effacer_dernier(ecriture_affichable& e) {
    std::string texte = e.obtenir_texte();
    if (!texte.empty()) {
        texte.pop_back();
        e.definir_texte(texte);
    }
}

bool est_touche_de_caractere(std::int32_t touche) {
    return (touche >= 'a' && touche <= 'z') || (touche >= '0' && touche <= '9') ||
           (touche >= t::PAVE_0 && touche <= t::PAVE_0 + 9) || touche == ':' || touche == ';' || touche == ',' ||
           touche == '?';
}

// Caractère qu'ajoute une touche de caractère : lettres par le mappage du clavier français (Maj : le
// symbole moins 32), chiffres du haut et du pavé tels quels ; rien pour un caractère refusé.
std::optional<char> caractere_tape(std::int32_t touche, bool majuscule) {
    if (touche >= '0' && touche <= '9') {
        return static_cast<char>(touche);
    }
    if (touche >= t::PAVE_0) {
        return static_cast<char>('0' + (touche - t::PAVE_0));
    }
    const char c = os::fichiers::mappage_clavier(static_cast<char>(majuscule ? touche - 32 : touche));
    // La ponctuation ne va pas dans les noms de fichiers ; Maj + ":" ou "?" donne un code de commande.
    constexpr std::string_view refuses = ",?:;";
    if (refuses.find(c) != std::string_view::npos || c < ' ') {
        return std::nullopt;
    }
    return c;
}
} // namespace

bool recepteur_ecriture::accepter(evenement_pkg::evenement& evenement) {
    const std::string nom = gestion_evenements_pkg::obtenir_nom_evenement(evenement);
    if (nom == "ecriture_precedent") {
        annuler(le_texte);
    } else if (nom == "ecriture_valider") {
        valider(le_texte);
    } else {
        return false;
    }
    return true;
}

// Toute touche de la table est consommée, même quand elle ne change rien.
bool recepteur_clavier_ecriture::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type != evenement_pkg::TOUCHE_APPUYEE) {
        return false;
    }
    switch (evenement.touche) {
    case t::ECHAP: annuler(le_texte); return true;
    case t::ENTREE: valider(le_texte); return true;
    case t::RETOUR_ARRIERE: effacer_dernier(le_texte); return true;
    case t::ESPACE: le_texte.mettre_a_jour(' '); return true;
    default: break;
    }
    if (!est_touche_de_caractere(evenement.touche)) {
        return false;
    }
    if (const auto c = caractere_tape(evenement.touche, evenement.majuscule)) {
        le_texte.mettre_a_jour(*c);
    }
    return true;
}

} // namespace recepteurs_ecriture_pkg
