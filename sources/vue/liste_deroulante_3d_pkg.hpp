// Liste déroulante : les noms d'un répertoire sur cinq lignes, le nom courant au milieu, flèches et validation.
#pragma once

#include "bouton_liste_deroulante_pkg.hpp"
#include "listes_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace liste_deroulante_3d_pkg {

using liste_comptes = listes_pkg<std::string>;

// Ce que les récepteurs de la liste disent au mode qui l'a ouverte.
inline const std::string action_valider = "valider_choix_liste";
inline const std::string action_annuler = "annuler_choix_liste";

// Ce que la liste montre d'un répertoire : toutes ses entrées, ou ses sous-répertoires seuls (les comptes).
enum class entrees { toutes, repertoires };

// Noms des entrées du répertoire qui ne commencent pas par ".", dans l'ordre où il les donne.
// Un répertoire illisible est signalé sur la sortie standard et donne une liste vide.
liste_comptes::liste lire_repertoire(const std::string& nomdoss, entrees lues = entrees::toutes);

inline constexpr int nombre_lignes = 5;

class liste_affichable : public objet_3d_pkg::objet_affichable {
public:
    liste_affichable() = default;
    liste_affichable(const liste_affichable&) = delete;
    liste_affichable& operator=(const liste_affichable&) = delete;

    // Une seule fois : lit le répertoire, crée les lignes et les boutons. etiqueter donne, pour un nom, le texte
    // montré (par défaut le nom) ; il est appelé à chaque lecture du répertoire, pas à chaque image.
    using etiqueteur = std::function<std::string(const std::string&)>;
    void initialiser(const std::string& nomdoss, etiqueteur etiqueter = {}, entrees lues = entrees::toutes);

    virtual void changer_cour(int pos) { afficheur_ = pos; }
    virtual int obtenir_cour() const { return afficheur_; }
    virtual int nombre_donnees() const { return liste_comptes::taille_liste(les_donnees_); }
    // Le nom courant ; la liste ne doit pas être vide.
    virtual std::string obtenir_nom_courant() const;
    // Relit le répertoire ; revient au premier nom s'il en trouve.
    virtual void mettre_a_jour_liste(const std::string& nomdoss);
    // Vrai si un nom est exactement celui-ci (casse comprise).
    virtual bool chercher_compte(const std::string& nom) const;
    // Recopie dans les cinq lignes les noms autour du courant ; une fois par image.
    virtual void mettre_a_jour();
    void afficher() override;

    void monter_liste();
    void descendre_liste();

    bool est_initialise() const { return est_initialise_; }
    // Ligne 1 à 5, de haut en bas ; nulle avant initialiser.
    objet_texte_pkg::classe_texte_affichable obtenir_ligne(int k) const;
    std::shared_ptr<bouton_liste_deroulante_pkg::bouton_deroulant>
    obtenir_bouton(bouton_liste_deroulante_pkg::t_bouton_deroulant le_type) const;

private:
    bool est_initialise_ = false;
    void lire(const std::string& nomdoss);

    liste_comptes::liste les_donnees_ = liste_comptes::liste_vide();
    etiqueteur etiqueter_;
    entrees lues_ = entrees::toutes;
    std::map<std::string, std::string> etiquettes_;
    int afficheur_ = 1;
    std::array<objet_texte_pkg::classe_texte_affichable, nombre_lignes> lignes_;
    // Dans l'ordre de dessin : haut, bas, valider, retour.
    std::array<std::shared_ptr<bouton_liste_deroulante_pkg::bouton_deroulant>, 4> boutons_;
};

} // namespace liste_deroulante_3d_pkg
