// Objet cliquable : porte un nom de sélection OpenGL et reçoit les actions de la souris.
#pragma once

#include "evenement_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace objet_3d_recepteur_pkg {

class objet_3d_recepteur : public objet_3d_pkg::objet_affichable {
public:
    objet_3d_recepteur();
    ~objet_3d_recepteur() override;
    objet_3d_recepteur(const objet_3d_recepteur&) = delete;
    objet_3d_recepteur& operator=(const objet_3d_recepteur&) = delete;

    // Inscrit l'objet dans la table des récepteurs ; un second appel ne change rien.
    void initialiser();

    // En passe de sélection, entoure le dessin de l'objet de son nom.
    void preparer_affichage() override;
    void terminer_affichage() override;

    // Crochets de la souris : rien par défaut, chaque type concret redéfinit les siens. Un objet ne change rien hors
    // de lui-même : ce que le joueur y a fait, il le rapporte (rapporter), et le récepteur de la souris le transmet.
    virtual void sourisappuie(const evenement_pkg::evenement&) {}
    virtual void sourisrelache(const evenement_pkg::evenement&) {}
    virtual void sourisbouge(const evenement_pkg::evenement&) {}
    virtual void sourisentre(const evenement_pkg::evenement&) {}
    virtual void sourissort(const evenement_pkg::evenement&) {}

    virtual void activer() { est_actif_ = true; }
    virtual void desactiver() { est_actif_ = false; }

    std::uint32_t obtenir_identifiant() const { return identifiant_; }
    bool est_actif() const { return est_actif_; }

    // Les événements nommés rapportés depuis le dernier appel, dans leur ordre ; l'objet n'en garde plus.
    std::vector<evenement_pkg::evenement> prendre_rapports() { return std::exchange(rapports_, {}); }

protected:
    void rapporter(const std::string& nom, evenement_pkg::donnee_evenement donnee = {}, std::int32_t code = 0) {
        rapports_.push_back(evenement_pkg::nomme(nom, std::move(donnee), code));
    }

private:
    std::vector<evenement_pkg::evenement> rapports_;
    std::uint32_t identifiant_;
    bool est_actif_ = true;
};

// La table ne possède pas les objets : un objet détruit s'en retire lui-même.
using objet_3d_recepteur_ptr = objet_3d_recepteur*;

// Les noms sont 1, 2, 3... dans l'ordre de création, jamais réutilisés ; 0 ne désigne aucun objet.
// Objet inscrit sous ce nom, ou nul s'il n'y en a aucun (nom inconnu, objet détruit ou pas encore inscrit).
objet_3d_recepteur_ptr obtenir_recepteur(std::uint32_t identifiant);

// Noms que tient la table : un par objet cliquable vivant, quel que soit le nombre d'objets créés avant.
std::size_t nombre_noms_tenus();

} // namespace objet_3d_recepteur_pkg
