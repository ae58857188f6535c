// Récepteurs d'une saisie de texte ouverte : la souris sur ses boutons, la frappe, jusqu'à la validation ou l'abandon.
#pragma once

#include "chaine_recepteurs_pkg.hpp"
#include "ecriture_3d_pkg.hpp"
#include "file_evenements_pkg.hpp"
#include "groupe_recepteurs_pkg.hpp"
#include "recepteur_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

#include <memory>

namespace recepteurs_ecriture_pkg {

// Le mode qui ouvre la saisie l'apprend par les événements nommés "valider_ecriture" (le texte en charge) et
// "annuler_ecriture" ; la saisie se ferme alors d'elle-même.
class recepteurs_ecriture {
public:
    recepteurs_ecriture(std::shared_ptr<ecriture_3d_pkg::ecriture_affichable> saisie,
                        chaine_recepteurs_pkg::chaine_recepteurs& chaine, file_evenements_pkg::file_evenements& file,
                        recepteur_souris_pkg::source_selection& selection);
    recepteurs_ecriture(const recepteurs_ecriture&) = delete;
    recepteurs_ecriture& operator=(const recepteurs_ecriture&) = delete;

    // En tête de la chaîne du mode : la souris (racine : la saisie), puis la frappe et les boutons. Le texte n'est pas
    // effacé : c'est au mode d'appeler reset_texte s'il veut un champ vide.
    void ouvrir() { recepteurs_.activer(); }
    void fermer() { recepteurs_.desactiver(); }
    bool est_ouverte() const { return recepteurs_.est_actif(); }

private:
    // Échap, Entrée, retour arrière et texte saisi ; boutons "ecriture_precedent" et "ecriture_valider". Les touches
    // qui écrivent sont prises sans rien ajouter (leurs caractères arrivent par le texte saisi) ; toute autre passe.
    class recepteur_texte : public recepteur_pkg::recepteur {
    public:
        explicit recepteur_texte(recepteurs_ecriture& r) : proprietaire_(r) {}
        bool accepter(evenement_pkg::evenement& evenement) override;

    private:
        recepteurs_ecriture& proprietaire_;
    };

    void annuler();
    void valider();

    std::shared_ptr<ecriture_3d_pkg::ecriture_affichable> saisie_;
    file_evenements_pkg::file_evenements& file_;
    recepteur_souris_pkg::recepteur_souris souris_;
    recepteur_texte texte_{*this};
    groupe_recepteurs_pkg::groupe_recepteurs recepteurs_;
};

} // namespace recepteurs_ecriture_pkg
