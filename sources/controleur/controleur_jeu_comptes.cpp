// Mode campagne, phase des comptes : créer, charger ou supprimer un compte avant de jouer.
#include "controleur_jeu_pkg.hpp"

#include "comptes_pkg.hpp"
#include "emplacements_pkg.hpp"
#include "groupe_recepteurs_pkg.hpp"
#include "musique_pkg.hpp"
#include "recepteur_souris_pkg.hpp"
#include "recepteurs_ecriture_pkg.hpp"
#include "recepteurs_jeu_pkg.hpp"
#include "recepteurs_liste_deroulante_pkg.hpp"
#include "texte_utf8_pkg.hpp"

#include <iostream>

namespace controleur_jeu_pkg {

// La liste et la saisie sont celles de l'écran : leurs récepteurs naissent et meurent avec lui.
struct controleur_jeu::comptes {
    comptes(controleur_jeu& jeu, chaine_recepteurs_pkg::chaine_recepteurs& chaine, const mode_pkg::services& s)
        : chaine_(chaine), souris(s.file, s.selection), actions(jeu), clavier(jeu), base(chaine, {&souris, &actions}) {
        ecran->initialiser();
        souris.definir_objet_racine(ecran);
        liste.emplace(*ecran->obtenir_la_liste(), chaine, s.file);
        saisie.emplace(ecran->obtenir_ecriture(), chaine, s.file, s.selection);
    }
    comptes(const comptes&) = delete;
    comptes& operator=(const comptes&) = delete;
    ~comptes() { fermer(); }

    void fermer() {
        base.desactiver();
        chaine_.retirer(&clavier);
        liste->fermer();
        saisie->fermer();
    }
    // Les actions et la souris toujours, puis le clavier des quatre actions, la saisie du nom ou la liste.
    void ouvrir() {
        fermer();
        base.activer();
        switch (ecran->obtenir_etat_session()) {
        case etat_session::CHOIX: chaine_.empiler(&clavier); break;
        case etat_session::NOUVEAU: saisie->ouvrir(); break;
        case etat_session::CHARGER:
        case etat_session::SUPPRIMER: liste->ouvrir(); break;
        }
    }

    chaine_recepteurs_pkg::chaine_recepteurs& chaine_;
    std::shared_ptr<session_3d_pkg::session_affichable> ecran = std::make_shared<session_3d_pkg::session_affichable>();
    recepteur_souris_pkg::recepteur_souris souris;
    recepteurs_jeu_pkg::recepteur_session actions;
    recepteurs_jeu_pkg::recepteur_clavier_session clavier;
    groupe_recepteurs_pkg::groupe_recepteurs base;
    std::optional<recepteurs_liste_deroulante_pkg::recepteur_liste> liste;
    std::optional<recepteurs_ecriture_pkg::recepteurs_ecriture> saisie;
};

// Ici, où l'écran des comptes est complet.
controleur_jeu::controleur_jeu(const mode_pkg::services& s) : services_(s), partie_(*this, chaine_, s) {}
controleur_jeu::~controleur_jeu() = default;

std::shared_ptr<session_3d_pkg::session_affichable> controleur_jeu::obtenir_session() const {
    return comptes_ ? comptes_->ecran : nullptr;
}

void controleur_jeu::ouvrir_session() {
    if (!comptes_) {
        musique_pkg::initialiser_son_jeu();
        comptes_ = std::make_unique<comptes>(*this, chaine_, services_);
    }
    comptes_->ouvrir();
}

void controleur_jeu::fermer_session() {
    if (comptes_) comptes_->fermer();
}

void controleur_jeu::oublier_session() { comptes_.reset(); }

void controleur_jeu::changer_etat_session(etat_session e) {
    if (!comptes_) return;
    comptes_->ecran->changer_etat(e);
    comptes_->ouvrir();
}

etat_session controleur_jeu::obtenir_etat_session() const {
    return comptes_ ? comptes_->ecran->obtenir_etat_session() : etat_session::CHOIX;
}

void controleur_jeu::monter() {
    if (comptes_) comptes_->ecran->entrees().monter();
}

void controleur_jeu::descendre() {
    if (comptes_) comptes_->ecran->entrees().descendre();
}

int controleur_jeu::obtenir_courante() const {
    return comptes_ ? comptes_->ecran->entrees().obtenir_ligne_courante() : 1;
}

void controleur_jeu::executer_ligne(int ligne) {
    switch (ligne) {
    case 1: changer_etat_session(etat_session::NOUVEAU); break;
    case 2: changer_etat_session(etat_session::CHARGER); break;
    case 3: changer_etat_session(etat_session::SUPPRIMER); break;
    default: revenir_au_menu(); break;
    }
}

void controleur_jeu::faire_action(const std::string& n) {
    if (!comptes_) return;
    switch (obtenir_etat_session()) {
    case etat_session::SUPPRIMER: supprimer_session(n); return;
    case etat_session::NOUVEAU: {
        const std::string nom = texte_utf8_pkg::minuscules(n);
        bool cree = comptes_pkg::nom_sur(nom) && !comptes_pkg::compte_existe(nom);
        afficher_ou_desafficher_erreur(!cree);
        if (cree) {
            try {
                comptes_pkg::creer_compte(nom);
            } catch (const comptes_pkg::ERREUR_REPERTOIRE_COMPTE& e) {
                // Le dossier du compte ne se crée pas (disque plein, dossier protégé) : ce n'est pas le nom qui est
                // en cause, l'écran le dit ; rien n'est choisi, la saisie reste ouverte.
                std::cout << "Compte non créé : " << e.what() << std::endl;
                comptes_->ecran->modifier_mess_erreur(true, "COMPTE NON CRÉÉ : LE DISQUE REFUSE SON DOSSIER");
                cree = false;
            }
        }
        if (cree) {
            choisir_compte(nom);
        } else {
            comptes_->ecran->obtenir_ecriture()->reset_texte();
            comptes_->saisie->ouvrir();
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

void controleur_jeu::supprimer_session(const std::string& n) {
    try {
        comptes_pkg::supprimer_compte(n);
    } catch (const comptes_pkg::ERREUR_NOM_COMPTE_INVALIDE& e) {
        // Un dossier au nom impossible, posé à la main : il n'est pas touché.
        std::cout << "Compte non supprimé : " << e.what() << std::endl;
    } catch (const comptes_pkg::ERREUR_REPERTOIRE_COMPTE& e) {
        // Dossier protégé ou déjà parti : la liste relue dit ce qu'il en est.
        std::cout << "Compte non supprimé : " << e.what() << std::endl;
    }
    if (comptes_) comptes_->ecran->mettre_a_jour_liste();
    changer_etat_session(etat_session::CHOIX);
}

void controleur_jeu::afficher_ou_desafficher_erreur(bool aff) {
    if (comptes_) comptes_->ecran->modifier_mess_erreur(aff);
}

} // namespace controleur_jeu_pkg
