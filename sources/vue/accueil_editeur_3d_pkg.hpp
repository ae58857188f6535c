// Écran d'accueil de l'éditeur : une question à la fois (taille, complexité, nom), son étiquette, la saisie et la
// ligne d'erreur.
#pragma once

#include "ecriture_3d_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"

#include <array>
#include <cstdint>
#include <memory>

namespace accueil_editeur_3d_pkg {

enum class demande_info : std::uint8_t { QTAILLE = 0, QCOMPLEXITE = 1, QNOM = 2 };

class accueil_editeur_affichable : public objet_3d_pkg::objet_affichable {
public:
    accueil_editeur_affichable() = default;
    accueil_editeur_affichable(const accueil_editeur_affichable&) = delete;
    accueil_editeur_affichable& operator=(const accueil_editeur_affichable&) = delete;

    // Une seule fois : les questions, leurs étiquettes, la ligne d'erreur et la saisie.
    void initialiser();
    ecriture_3d_pkg::ecriture_affichable& obtenir_ecriture() { return *champ_texte_; }
    std::shared_ptr<ecriture_3d_pkg::ecriture_affichable> obtenir_poignee_ecriture() const { return champ_texte_; }
    bool mess_erreur_etat() const { return mess_erreur_; }
    void definir_mess_erreur(bool montre) { mess_erreur_ = montre; }
    demande_info obtenir_etat() const { return etat_; }
    void modifier_etat(demande_info e) { etat_ = e; }
    // La question du moment et son étiquette, la ligne d'erreur si elle est montrée, la saisie.
    void afficher() override;

private:
    struct question {
        objet_texte_pkg::classe_texte_affichable texte;
        objet_texte_pkg::classe_texte_affichable precision;  // nulle quand la question se suffit
        objet_texte_pkg::classe_texte_affichable etiquette;
    };
    const question& question_courante() const { return questions_.at(static_cast<std::size_t>(etat_)); }

    bool est_initialise_ = false;
    bool mess_erreur_ = false;
    demande_info etat_ = demande_info::QTAILLE;
    std::array<question, 3> questions_;
    objet_texte_pkg::classe_texte_affichable erreur_;
    std::shared_ptr<ecriture_3d_pkg::ecriture_affichable> champ_texte_ =
        std::make_shared<ecriture_3d_pkg::ecriture_affichable>();
};

} // namespace accueil_editeur_3d_pkg
