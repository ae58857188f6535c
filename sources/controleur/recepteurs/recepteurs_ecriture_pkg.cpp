// Récepteurs de la saisie de texte.
#include "recepteurs_ecriture_pkg.hpp"

#include "bruitages_pkg.hpp"
#include "texte_utf8_pkg.hpp"

#include <string_view>

namespace recepteurs_ecriture_pkg {

namespace {
namespace t = evenement_pkg::touches;
using ecriture_3d_pkg::ecriture_affichable;

// Ce que laisse Échap : un blanc seul, que la validation refuse tant que rien n'est tapé après.
const std::string texte_annule = " ";

void effacer_dernier(ecriture_affichable& e) {
    e.definir_texte(texte_utf8_pkg::sans_dernier_caractere(e.obtenir_texte()));
}

// Les touches qui écrivent sur l'une ou l'autre disposition : leurs caractères arrivent par le texte saisi.
bool est_touche_de_caractere(std::int32_t touche) {
    constexpr std::string_view ponctuation = "-=[]\\;'`,./";
    return (touche >= 'a' && touche <= 'z') || (touche >= '0' && touche <= '9') ||
           (touche >= t::PAVE_0 && touche <= t::PAVE_0 + 9) || touche == t::ESPACE ||
           (touche < 128 && ponctuation.find(static_cast<char>(touche)) != std::string_view::npos);
}

// Lettres (accents du français compris, tant que la police latin-1 sait les dessiner), chiffres et blanc : un nom
// saisi devient un nom de fichier.
bool est_accepte(char32_t c) {
    constexpr std::u32string_view accents = U"àâæçéèêëîïôùûüÿÀÂÆÇÉÈÊËÎÏÔÙÛÜ";
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' ||
           accents.find(c) != std::u32string_view::npos;
}

// Un caractère refusé n'entre pas, et le son d'erreur le dit.
void ajouter(ecriture_affichable& e, const std::string& saisi) {
    for (const char32_t c : texte_utf8_pkg::decoder(saisi)) {
        if (est_accepte(c)) {
            e.mettre_a_jour(texte_utf8_pkg::encoder(c));
        } else {
            bruitages_pkg::demander(bruitages_pkg::bruitage::erreur);
        }
    }
}
} // namespace

recepteurs_ecriture::recepteurs_ecriture(std::shared_ptr<ecriture_affichable> saisie,
                                         chaine_recepteurs_pkg::chaine_recepteurs& chaine,
                                         file_evenements_pkg::file_evenements& file,
                                         recepteur_souris_pkg::source_selection& selection)
    : saisie_(std::move(saisie)), file_(file), souris_(file, selection), recepteurs_(chaine, {&souris_, &texte_}) {
    souris_.definir_objet_racine(saisie_);
}

void recepteurs_ecriture::annuler() {
    saisie_->definir_texte(texte_annule);
    file_.pousser(evenement_pkg::nomme(ecriture_3d_pkg::action_annuler));
    fermer();
}

void recepteurs_ecriture::valider() {
    if (saisie_->obtenir_texte() != texte_annule) {
        file_.pousser(evenement_pkg::nomme(ecriture_3d_pkg::action_valider, saisie_->obtenir_texte()));
        fermer();
    }
}

// Toute touche de la table est consommée, même quand elle ne change rien.
bool recepteurs_ecriture::recepteur_texte::accepter(evenement_pkg::evenement& evenement) {
    ecriture_affichable& e = *proprietaire_.saisie_;
    if (evenement.type == evenement_pkg::TEXTE_SAISI) {
        ajouter(e, evenement.texte);
        return true;
    }
    if (evenement.type == evenement_pkg::TOUCHE_APPUYEE) {
        switch (evenement.touche) {
        case t::ECHAP: proprietaire_.annuler(); return true;
        case t::ENTREE: proprietaire_.valider(); return true;
        case t::RETOUR_ARRIERE: effacer_dernier(e); return true;
        default: return est_touche_de_caractere(evenement.touche);
        }
    }
    const std::string nom = evenement_pkg::nom_de(evenement);
    if (nom == "ecriture_precedent") {
        proprietaire_.annuler();
    } else if (nom == "ecriture_valider") {
        proprietaire_.valider();
    } else {
        return false;
    }
    return true;
}

} // namespace recepteurs_ecriture_pkg
