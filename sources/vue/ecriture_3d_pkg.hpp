// Saisie de texte sur une ligne : ce qui est tapé au clavier, qui part de l'origine de la saisie vers la droite,
// un bouton valider et un bouton retour.
#pragma once

#include "bouton_ecriture_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"

#include <memory>
#include <string>

namespace ecriture_3d_pkg {

// Ce que les récepteurs de la saisie disent au mode qui l'a ouverte.
inline const std::string action_valider = "valider_ecriture";
inline const std::string action_annuler = "annuler_ecriture";

class ecriture_affichable : public objet_3d_pkg::objet_affichable {
public:
    ecriture_affichable() = default;
    ecriture_affichable(const ecriture_affichable&) = delete;
    ecriture_affichable& operator=(const ecriture_affichable&) = delete;

    // Une seule fois : le texte affiché et les deux boutons.
    void initialiser();

    virtual std::string obtenir_texte() const { return texte_; }
    virtual void reset_texte() { definir_texte(""); }
    // Ajoute un caractère (UTF-8) au texte et le montre aussitôt.
    virtual void mettre_a_jour(const std::string& caractere);
    void afficher() override;

    // Remplace le texte ; il sera mesuré de nouveau à son prochain dessin.
    void definir_texte(const std::string& texte);

    bool est_initialise() const { return est_initialise_; }
    objet_texte_pkg::classe_texte_affichable obtenir_affichage() const { return affich_; }
    std::shared_ptr<bouton_ecriture_pkg::bouton_ecriture>
    obtenir_bouton(bouton_ecriture_pkg::t_bouton_ecriture le_type) const {
        return le_type == bouton_ecriture_pkg::t_bouton_ecriture::VALIDER ? b_ok_ : b_precedent_;
    }

private:
    bool est_initialise_ = false;
    std::string texte_;
    objet_texte_pkg::classe_texte_affichable affich_;
    std::shared_ptr<bouton_ecriture_pkg::bouton_ecriture> b_ok_;
    std::shared_ptr<bouton_ecriture_pkg::bouton_ecriture> b_precedent_;
};

} // namespace ecriture_3d_pkg
