// Case de la grille à l'écran : tuile texturée selon l'état de sa case, cliquable, qui envoie les événements de la grille.
#pragma once

#include "case_simple_pkg.hpp"
#include "erreur_pkg.hpp"
#include "objet_3d_recepteur_pkg.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace case_3d_pkg {

DECLARER_ERREUR(ERREUR_CASE_NON_INITIALISEE, "CASE_3D_PKG.ERREUR_CASE_NON_INITIALISEE");

// Noms des événements de la grille, gardés toute la vie du programme.
inline const std::string action_appuie = "appuie";
inline const std::string action_valider = "valider";
inline const std::string action_effacer = "effacer";
inline const std::string action_deplacer = "deplacer_curseur";
inline const std::string action_glisser = "glisser";

// Masque des boutons tenus pendant un mouvement quand seul le bouton gauche l'est.
inline constexpr std::uint8_t masque_gauche_seul = 1;

class case_affichable : public objet_3d_recepteur_pkg::objet_3d_recepteur {
public:
    // Inscrit la tuile pour la sélection et retient sa case ; la taille de la grille ne sert pas ici.
    virtual void initialiser(const case_simple_pkg::classe_case& case_modele, int taille_grille);

    // Tuile, loupe d'aide, puis contenu (le chiffre d'une case terminale) ; dans le repère de la tuile.
    void afficher() override;

    virtual void dessiner_case();
    virtual void dessiner_aide();
    virtual void afficher_aide() {}

    virtual case_simple_pkg::classe_case obtenir_case_affichee() const { return case_affichee_; }
    virtual void modifier_aide(bool aide) { aide_ = aide; }
    virtual bool obtenir_aide() const { return aide_; }
    // Partie gagnée : la tuile ne revient jamais en jeu.
    virtual void finir_case() { fini_ = true; }
    virtual bool case_est_fini() const { return fini_; }
    virtual void definir_texture_libre(const std::string& nom_texture) { texture_libre_ = nom_texture; }
    virtual void definir_texture_occupe(const std::string& nom_texture) { texture_occupee_ = nom_texture; }

    // Le dessin en deux temps, pour la grille qui lie chaque texture une fois pour toutes les tuiles qui la portent :
    // la tuile seule, sa texture déjà liée par l'appelant ; puis ce qui se dessine dessus (loupe, chiffre).
    void tracer_tuile();
    bool a_un_dessus() const { return aide_ || a_un_contenu(); }
    void afficher_dessus();

    bool est_initialise() const { return est_initialise_; }
    // Texture que dessiner_case liera pour l'état présent de la case.
    const std::string& texture_courante() const;

    void sourisappuie(const evenement_pkg::evenement& evenement) override;
    void sourisrelache(const evenement_pkg::evenement& evenement) override;
    void sourisentre(const evenement_pkg::evenement& evenement) override;

protected:
    // Ce qui se dessine par-dessus la loupe : rien pour une case ordinaire.
    virtual bool a_un_contenu() const { return false; }
    virtual void dessiner_contenu() {}

    std::string texture_libre_ = "case";
    std::string texture_occupee_ = "case_occupe";
    std::string texture_fini_ = "case_terminale_occupe";
    case_simple_pkg::classe_case case_affichee_;
    bool est_initialise_ = false;
    bool fini_ = false;
    bool aide_ = false;
};

using classe_case_affichable = std::shared_ptr<case_affichable>;

} // namespace case_3d_pkg
