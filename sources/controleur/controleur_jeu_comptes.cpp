// Mode campagne, phase des comptes : créer, charger ou supprimer un compte avant de jouer.
#include "controleur_jeu_pkg.hpp"

#include "comptes_pkg.hpp"
#include "musique_pkg.hpp"
#include "texte_utf8_pkg.hpp"

#include <iostream>

namespace controleur_jeu_pkg {

void controleur_jeu::ouvrir_session() {
    if (!la_session_) {
        musique_pkg::initialiser_son_jeu();
        la_session_ = std::make_shared<session_3d_pkg::session_affichable>(&recepteur_session_,
                                                                            &recepteur_clavier_session_);
        la_session_->initialiser();
    }
    desactiver();
    la_session_->activer();
}

void controleur_jeu::changer_etat_session(etat_session e) {
    if (!la_session_) return;
    la_session_->changer_etat(e);
    // Le récepteur des noms validés reste dans la chaîne, sans attendre l'image suivante : un nom tapé et validé
    // dans la même passe de la boucle n'est pas perdu.
    la_session_->activer();
}

etat_session controleur_jeu::obtenir_etat_session() const {
    return la_session_ ? la_session_->obtenir_etat_session() : etat_session::CHOIX;
}

void controleur_jeu::monter() {
    if (!la_session_) return;
    auto& entrees = la_session_->entrees();
    if (entrees.obtenir_ligne_courante() > 1) entrees.modifier_ligne_courante(entrees.obtenir_ligne_courante() - 1);
}

void controleur_jeu::descendre() {
    if (!la_session_) return;
    auto& entrees = la_session_->entrees();
    if (entrees.obtenir_ligne_courante() < session_3d_pkg::nombre_actions) {
        entrees.modifier_ligne_courante(entrees.obtenir_ligne_courante() + 1);
    }
}

int controleur_jeu::obtenir_courante() const {
    return la_session_ ? la_session_->entrees().obtenir_ligne_courante() : 1;
}

void controleur_jeu::faire_action(const std::string& n) {
    if (!la_session_) return;
    switch (obtenir_etat_session()) {
    case etat_session::SUPPRIMER: supprimer_session(n); return;
    case etat_session::NOUVEAU: {
        const std::string nom = texte_utf8_pkg::minuscules(n);
        bool cree = comptes_pkg::nom_sur(nom) && !comptes_pkg::compte_existe(nom);
        if (cree) {
            try {
                comptes_pkg::creer_compte(nom);
            } catch (const std::exception& e) {
                std::cout << "Compte non créé : " << e.what() << std::endl;
                cree = false;
            }
        }
        afficher_ou_desafficher_erreur(!cree);
        if (cree) {
            choisir_compte(nom);
        } else {
            la_session_->obtenir_ecriture()->reset_texte();
            la_session_->obtenir_ecriture()->activer();
        }
        return;
    }
    default:
        // Le nom vient d'un répertoire existant, tel qu'il s'écrit : il est vérifié quand même.
        if (!comptes_pkg::nom_sur(n)) {
            std::cout << "Compte refusé : \"" << n << "\" ne peut pas être un nom de compte" << std::endl;
            changer_etat_session(etat_session::CHOIX);
            return;
        }
        choisir_compte(n);
        return;
    }
}

void controleur_jeu::choisir_compte(const std::string& n) {
    nom_ = n;
    session_choisi_ = true;
    if (la_session_) {
        la_session_->desactiver();
        la_session_->desactiver_clavier();
        la_session_->obtenir_ecriture()->desactiver();
    }
}

void controleur_jeu::supprimer_session(const std::string& n) {
    try {
        comptes_pkg::supprimer_compte(n);
    } catch (const std::exception& e) {
        std::cout << "Compte non supprimé : " << e.what() << std::endl;
    }
    if (la_session_) la_session_->mettre_a_jour_liste();
    changer_etat_session(etat_session::CHOIX);
}

void controleur_jeu::afficher_ou_desafficher_erreur(bool aff) {
    if (la_session_ && la_session_->mess_erreur_etat() != aff) la_session_->modifier_mess_erreur(aff);
}

} // namespace controleur_jeu_pkg
