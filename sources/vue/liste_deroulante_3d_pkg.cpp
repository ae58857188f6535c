// Liste déroulante.
#include "liste_deroulante_3d_pkg.hpp"

#include "fichier_xml_pkg.hpp"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace liste_deroulante_3d_pkg {

namespace {
namespace fs = std::filesystem;
using bouton_liste_deroulante_pkg::bouton_deroulant;
using bouton_liste_deroulante_pkg::t_bouton_deroulant;

constexpr float profondeur = -10.0f;
const std::string ligne_vide = "  ";

// Un nom tient entre les boutons (à gauche, jusqu'à x = -2) et le bord de la fenêtre (x = 5,5 à cette profondeur).
struct place_ligne {
    float x, y, echelle, largeur_max;
};
constexpr std::array<place_ligne, nombre_lignes> places_lignes{{
    {0.5f, 3.0f, 0.5f, 4.6f},
    {0.5f, 2.0f, 0.5f, 4.6f},
    {1.0f, 0.0f, 1.0f, 5.6f},
    {0.5f, -2.0f, 0.5f, 4.6f},
    {0.5f, -3.0f, 0.5f, 4.6f},
}};
constexpr int ligne_courante = 3;

struct place_bouton {
    t_bouton_deroulant le_type;
    float x, y, echelle;
};
constexpr std::array<place_bouton, 4> places_boutons{{
    {t_bouton_deroulant::HAUT, -3.0f, 2.0f, 1.0f},
    {t_bouton_deroulant::BAS, -3.0f, -2.0f, 1.0f},
    {t_bouton_deroulant::VALIDER, -3.0f, 0.0f, 1.8f},
    {t_bouton_deroulant::PRECEDENT, -4.5f, -3.5f, 1.0f},
}};

void signaler_illisible(const std::string& nomdoss, const std::error_code& erreur) {
    std::cout << "Impossible de lire le repertoire " << nomdoss << " : " << erreur.message() << std::endl;
}
} // namespace

liste_comptes::liste lire_repertoire(const std::string& nomdoss, entrees lues) {
    liste_comptes::liste noms = liste_comptes::liste_vide();
    fichier_xml_pkg::nettoyer_temporaires(nomdoss);
    std::error_code erreur;
    fs::directory_iterator entree(nomdoss, erreur);
    if (erreur) {
        signaler_illisible(nomdoss, erreur);
        return noms;
    }
    // Pas de tri : l'ordre est celui du système de fichiers.
    for (; entree != fs::directory_iterator(); entree.increment(erreur)) {
        const std::string nom = entree->path().filename().string();
        std::error_code inutile;
        // Un fichier posé parmi les comptes n'en est pas un : il ne se chargerait jamais.
        if (!nom.starts_with('.') && (lues == entrees::toutes || entree->is_directory(inutile))) {
            liste_comptes::ajout_fin(noms, nom);
        }
    }
    if (erreur) {
        signaler_illisible(nomdoss, erreur);
    }
    return noms;
}

void liste_affichable::lire(const std::string& nomdoss) {
    les_donnees_ = lire_repertoire(nomdoss, lues_);
    etiquettes_.clear();
    if (!etiqueter_) return;
    for (auto l = les_donnees_; !liste_comptes::est_vide(l); l = liste_comptes::get_suiv(l)) {
        const std::string& nom = liste_comptes::get_elem(l);
        etiquettes_[nom] = etiqueter_(nom);
    }
}

void liste_affichable::initialiser(const std::string& nomdoss, etiqueteur etiqueter, entrees lues) {
    if (est_initialise_) {
        return;
    }
    etiqueter_ = std::move(etiqueter);
    lues_ = lues;
    lire(nomdoss);
    for (int k = 0; k < nombre_lignes; ++k) {
        const auto& p = places_lignes[static_cast<std::size_t>(k)];
        auto& ligne = lignes_[static_cast<std::size_t>(k)];
        ligne = std::make_shared<objet_texte_pkg::texte_affichable>(k + 1 == ligne_courante ? "Aucune donnée" : " ");
        ligne->positionner_objet3d({p.x, p.y, profondeur});
        ligne->definir_echelle(p.echelle);
        ligne->definir_largeur_max(p.largeur_max);
    }
    lignes_[ligne_courante - 1]->definir_couleur(affichage_texte_pkg::bleu);
    for (std::size_t i = 0; i < boutons_.size(); ++i) {
        const auto& p = places_boutons[i];
        auto& bouton = boutons_[i];
        bouton = std::make_shared<bouton_deroulant>(p.le_type);
        bouton->initialiser();
        bouton->positionner_objet3d({p.x, p.y, profondeur});
        bouton->definir_echelle(p.echelle);
    }
    boutons_[1]->rotation_objet3d(180.0f, {0.0f, 0.0f, 1.0f});
    est_initialise_ = true;
}

std::string liste_affichable::obtenir_nom_courant() const {
    return liste_comptes::obtenir_elem(les_donnees_, afficheur_);
}

void liste_affichable::mettre_a_jour_liste(const std::string& nomdoss) {
    lire(nomdoss);
    if (!liste_comptes::est_vide(les_donnees_)) {
        afficheur_ = 1;
    }
}

bool liste_affichable::chercher_compte(const std::string& nom) const {
    return liste_comptes::existe(les_donnees_, nom);
}

void liste_affichable::mettre_a_jour() {
    if (!est_initialise_) {
        return;
    }
    const int n = nombre_donnees();
    for (int k = 1; k <= nombre_lignes; ++k) {
        const int pos = afficheur_ + k - ligne_courante;
        std::string texte = ligne_vide;
        if (n == 0) {
            texte = k == ligne_courante ? "Aucune donnee" : ligne_vide;
        } else if (pos >= 1 && pos <= n) {
            texte = liste_comptes::obtenir_elem(les_donnees_, pos);
            if (const auto e = etiquettes_.find(texte); e != etiquettes_.end()) texte = e->second;
        }
        auto& ligne = lignes_[static_cast<std::size_t>(k - 1)];
        ligne->definir_texte(texte);
        ligne->mettre_a_jour();
    }
}

// Une liste pas encore construite n'a rien à montrer.
void liste_affichable::afficher() {
    if (!est_initialise_) {
        return;
    }
    preparer_affichage();
    for (const auto& ligne : lignes_) {
        ligne->afficher();
    }
    for (const auto& bouton : boutons_) {
        bouton->afficher();
    }
    terminer_affichage();
}

void liste_affichable::monter_liste() {
    if (afficheur_ != 1) {
        --afficheur_;
    }
}

// Sur une liste vide, le compteur avance quand même : la relecture suivante qui trouve des noms le ramène à 1.
void liste_affichable::descendre_liste() {
    if (afficheur_ != nombre_donnees()) {
        ++afficheur_;
    }
}

objet_texte_pkg::classe_texte_affichable liste_affichable::obtenir_ligne(int k) const {
    return lignes_.at(static_cast<std::size_t>(k - 1));
}

std::shared_ptr<bouton_deroulant> liste_affichable::obtenir_bouton(t_bouton_deroulant le_type) const {
    return boutons_.at(static_cast<std::size_t>(le_type));
}

} // namespace liste_deroulante_3d_pkg
