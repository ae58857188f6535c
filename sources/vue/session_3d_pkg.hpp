// Écran des comptes, avant la campagne : quatre actions, le nom d'un nouveau compte, la liste des comptes.
#pragma once

#include "ecriture_3d_pkg.hpp"
#include "entrees_menu_pkg.hpp"
#include "liste_deroulante_3d_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace session_3d_pkg {

enum class etat_session : std::uint8_t { CHOIX = 0, NOUVEAU = 1, CHARGER = 2, SUPPRIMER = 3 };

inline constexpr int nombre_actions = 4;
inline const std::string texte_nom_refuse = "COMPTE EXISTANT / CHAMPS VIDE";

class session_affichable : public objet_3d_pkg::objet_affichable {
public:
    session_affichable() = default;
    session_affichable(const session_affichable&) = delete;
    session_affichable& operator=(const session_affichable&) = delete;

    virtual std::shared_ptr<liste_deroulante_3d_pkg::liste_affichable> obtenir_la_liste() const { return la_liste_; }
    virtual std::shared_ptr<ecriture_3d_pkg::ecriture_affichable> obtenir_ecriture() const { return champ_texte_; }
    virtual bool mess_erreur_etat() const { return mess_erreur_; }
    // La ligne d'erreur sous l'invite, avec le texte d'un nom refusé (« COMPTE EXISTANT / CHAMPS VIDE ») ou
    // celui donné.
    virtual void modifier_mess_erreur(bool b, const std::string& texte = texte_nom_refuse);
    std::string obtenir_texte_erreur() const;
    // Relit les comptes, après une création ou une suppression.
    virtual void mettre_a_jour_liste();
    // Une fois par image : la ligne du clavier suit la souris, puis la liste se redessine.
    virtual void mettre_a_jour();
    // Une seule fois : textes, entrées, liste des comptes et saisie du nom.
    virtual void initialiser();
    virtual etat_session obtenir_etat_session() const { return etat_; }
    // Montre les quatre actions, la saisie du nom ou la liste des comptes.
    virtual void changer_etat(etat_session e);
    void afficher() override;

    bool est_initialise() const { return est_initialise_; }
    // Les quatre actions, 1 à 4 depuis le haut, et la ligne du clavier.
    entrees_menu_pkg::entrees_menu& entrees() { return entrees_; }

private:
    bool est_initialise_ = false;
    std::shared_ptr<liste_deroulante_3d_pkg::liste_affichable> la_liste_;
    etat_session etat_ = etat_session::CHOIX;
    bool mess_erreur_ = false;
    std::shared_ptr<ecriture_3d_pkg::ecriture_affichable> champ_texte_;

    objet_texte_pkg::classe_texte_affichable titre_;
    entrees_menu_pkg::entrees_menu entrees_;
    objet_texte_pkg::classe_texte_affichable invite_;
    objet_texte_pkg::classe_texte_affichable erreur_;
    objet_texte_pkg::classe_texte_affichable etiquette_compte_;
};

} // namespace session_3d_pkg
