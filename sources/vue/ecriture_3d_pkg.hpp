// Saisie de texte sur une ligne : ce qui est tapé au clavier, qui part de l'origine de la saisie vers la droite,
// un bouton valider et un bouton retour.
#pragma once

#include "bouton_ecriture_pkg.hpp"
#include "groupe_recepteurs_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"
#include "recepteur_souris_pkg.hpp"
#include "recepteurs_ecriture_pkg.hpp"

#include <memory>
#include <string>

namespace ecriture_3d_pkg {

using recepteur_ecriture = recepteurs_ecriture_pkg::recepteur_ecriture;
using recepteur_clavier_ecriture = recepteurs_ecriture_pkg::recepteur_clavier_ecriture;

inline const std::string action_valider = "valider_ecriture";
inline const std::string action_annuler = "annuler_ecriture";

class ecriture_affichable : public objet_3d_pkg::objet_affichable {
public:
    // selection : la passe de sélection de la scène en jeu, une table dans les tests des récepteurs.
    explicit ecriture_affichable(
        recepteur_souris_pkg::source_selection& selection = recepteur_souris_pkg::selection_scene());
    ecriture_affichable(const ecriture_affichable&) = delete;
    ecriture_affichable& operator=(const ecriture_affichable&) = delete;

    // Une seule fois : le texte affiché et les deux boutons.
    void initialiser();
    // Met en tête de chaîne la souris (racine : la saisie), puis le clavier, puis les événements nommés.
    // Le texte n'est pas effacé : c'est au propriétaire d'appeler reset_texte s'il veut un champ vide.
    void activer();

    virtual std::string obtenir_texte() const { return texte_; }
    virtual void reset_texte() { definir_texte(""); }
    // Ajoute un caractère (UTF-8) au texte et le montre aussitôt.
    virtual void mettre_a_jour(const std::string& caractere);
    virtual void desactiver();
    void afficher() override;

    // Remplace le texte ; il sera mesuré de nouveau à son prochain dessin.
    void definir_texte(const std::string& texte);

    bool est_initialise() const { return est_initialise_; }
    bool est_actif() const { return recepteurs_.est_actif(); }
    objet_texte_pkg::classe_texte_affichable obtenir_affichage() const { return affich_; }
    std::shared_ptr<bouton_ecriture_pkg::bouton_ecriture>
    obtenir_bouton(bouton_ecriture_pkg::t_bouton_ecriture le_type) const {
        return le_type == bouton_ecriture_pkg::t_bouton_ecriture::VALIDER ? b_ok_ : b_precedent_;
    }

private:
    bool est_initialise_ = false;
    std::string texte_;
    objet_texte_pkg::classe_texte_affichable affich_;
    recepteur_souris_pkg::recepteur_souris le_recepteur_souris_;
    recepteur_ecriture le_recepteur_;
    recepteur_clavier_ecriture le_recepteur_clavier_;
    groupe_recepteurs_pkg::groupe_recepteurs recepteurs_{&le_recepteur_souris_, &le_recepteur_clavier_, &le_recepteur_};
    std::shared_ptr<bouton_ecriture_pkg::bouton_ecriture> b_ok_;
    std::shared_ptr<bouton_ecriture_pkg::bouton_ecriture> b_precedent_;
};

// Poignée qui désigne un objet sans le posséder : racine du récepteur de souris qu'il possède lui-même,
// sans cycle de possession.
inline objet_3d_pkg::classe_objet_affichable poignee_sans_possession(objet_3d_pkg::objet_affichable& objet) {
    return {std::shared_ptr<void>(), &objet};
}

} // namespace ecriture_3d_pkg
