// Menu principal : titre, sept entrées empilées et champ d'étoiles, avec la ligne du clavier.
#pragma once

#include "bouton_menu_pkg.hpp"
#include "fond_etoile_3d.hpp"
#include "listes_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <memory>

namespace menu_3d_pkg {

using liste_boutons_menu_pkg = listes_pkg<bouton_menu_pkg::classe_bouton_menu>;

inline constexpr int nombre_entrees = 7;

class menu_affichable : public objet_3d_pkg::objet_affichable {
public:
    // Construit le menu la première fois ; ensuite sans effet.
    virtual void initialiser();
    // L'entrée que la souris a allumée en dernier devient la ligne du clavier : une seule reste allumée.
    virtual void gerer_conflit_controleur();
    virtual int obtenir_ligne_courante() const { return num_ligne_; }
    virtual void modifier_ligne_courante(int ligne);

    // Le champ d'étoiles, puis les entrées et le titre.
    void afficher() override;

    bool est_initialise() const { return est_initialise_; }
    // Entrée de la ligne (1 en haut).
    bouton_menu_pkg::classe_bouton_menu obtenir_entree(int ligne) const;

private:
    bool est_initialise_ = false;
    int num_ligne_ = 1;
    std::shared_ptr<fond_etoile_3d::fond_etoile_3d_affichable> fond_;
    liste_boutons_menu_pkg::liste elements_menu_ = liste_boutons_menu_pkg::liste_vide();
};

} // namespace menu_3d_pkg
