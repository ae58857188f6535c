// Écran des comptes.
#include "session_3d_pkg.hpp"

#include "emplacements_pkg.hpp"
#include "texte_utf8_pkg.hpp"

#include <array>

namespace session_3d_pkg {

namespace {
constexpr float profondeur = -10.0f;

const std::array<entrees_menu_pkg::description_entree, nombre_actions> actions{{
    {"Nouveau Compte", "nouveau", 1.5f},
    {"Charger Compte", "charger", 0.0f},
    {"Supprimer Compte", "supprimer", -1.5f},
    {"Revenir au menu", "menu", -3.0f},
}};

objet_texte_pkg::classe_texte_affichable creer_texte(const std::string& texte, float x, float y, float echelle,
                                                     const affichage_texte_pkg::couleur_texte& couleur =
                                                         affichage_texte_pkg::blanc) {
    auto t = std::make_shared<objet_texte_pkg::texte_affichable>(texte, couleur);
    t->positionner_objet3d({x, y, profondeur});
    t->definir_echelle(echelle);
    t->mettre_a_jour();
    return t;
}
} // namespace

void session_affichable::initialiser() {
    if (est_initialise_) {
        return;
    }
    // Le dernier ajouté est le premier sous-objet : « Compte : » en 1, le titre en 8.
    titre_ = creer_texte("Choississez une action : ", 0.0f, 3.0f, 0.8f);
    ajouter_sous_objet(titre_);
    entrees_.construire(actions, 0.6f, profondeur);
    for (const auto& entree : entrees_) {
        ajouter_sous_objet(entree);
    }
    invite_ = creer_texte("Entrez un nom de compte :", 0.0f, 3.0f, 0.8f);
    erreur_ = creer_texte(texte_nom_refuse, 0.0f, 1.5f, 0.6f, affichage_texte_pkg::rouge);
    // Un texte plus long (le disque qui refuse le compte) reste dans la fenêtre.
    erreur_->definir_largeur_max(10.5f);
    etiquette_compte_ = creer_texte("Compte : ", -3.5f, -1.5f, 0.6f);
    ajouter_sous_objet(invite_);
    ajouter_sous_objet(erreur_);
    ajouter_sous_objet(etiquette_compte_);

    la_liste_ = std::make_shared<liste_deroulante_3d_pkg::liste_affichable>();
    // Seuls les répertoires sont des comptes ; un nom écrit en forme décomposée (« e » puis l'accent, comme le
    // laissent certains systèmes) se montre composé, et c'est toujours son répertoire qui se charge.
    la_liste_->initialiser(emplacements_pkg::repertoire_sessions(), texte_utf8_pkg::composer,
                           liste_deroulante_3d_pkg::entrees::repertoires);
    champ_texte_ = std::make_shared<ecriture_3d_pkg::ecriture_affichable>();
    champ_texte_->initialiser();
    champ_texte_->positionner_objet3d({-2.0f, -1.5f, profondeur});
    est_initialise_ = true;
}

void session_affichable::changer_etat(etat_session e) {
    initialiser();
    etat_ = e;
}

void session_affichable::modifier_mess_erreur(bool b, const std::string& texte) {
    mess_erreur_ = b;
    initialiser();
    erreur_->definir_texte(texte);
}

std::string session_affichable::obtenir_texte_erreur() const { return erreur_ ? erreur_->obtenir_texte() : ""; }

void session_affichable::mettre_a_jour_liste() {
    if (!est_initialise_) {
        return;  // la construction lira la liste
    }
    la_liste_->mettre_a_jour_liste(emplacements_pkg::repertoire_sessions());
}

void session_affichable::mettre_a_jour() {
    if (!est_initialise_) {
        return;
    }
    entrees_.gerer_conflit_controleur();
    la_liste_->mettre_a_jour();
}

void session_affichable::afficher() {
    if (!est_initialise_) {
        return;
    }
    preparer_affichage();
    switch (etat_) {
    case etat_session::CHOIX:
        titre_->afficher();
        for (const auto& entree : entrees_) {
            entree->afficher();
        }
        break;
    case etat_session::NOUVEAU:
        invite_->afficher();
        etiquette_compte_->afficher();
        if (mess_erreur_) {
            erreur_->afficher();
        }
        champ_texte_->afficher();
        break;
    case etat_session::CHARGER:
    case etat_session::SUPPRIMER: la_liste_->afficher(); break;
    }
    terminer_affichage();
}

} // namespace session_3d_pkg
