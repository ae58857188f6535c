// Écran de la campagne : pièces posées une fois, tenues à jour d'après la campagne, dessinées selon l'état.
#include "campagne_3d_pkg.hpp"

#include "gestionnaire_texture_pkg.hpp"

namespace campagne_3d_pkg {

void campagne_affichable::initialiser(campagne_pkg::campagne_ptr campagne_modele) {
    if (est_initialise_) return;
    modele_ = std::move(campagne_modele);
    const niveau_pkg::niveau_ptr niveau = modele_->obtenir_niveau_courant();
    // Une campagne neuve (autre compte, « Nouveau ») rebâtit tout : rien de l'ancienne ne reste à animer.
    for (auto l = obtenir_sous_objets(); !objet_3d_pkg::l_obj3d::est_vide(l); l = obtenir_sous_objets()) {
        supprimer_sous_objet(objet_3d_pkg::l_obj3d::get_elem(l));
    }

    le_niveau_courant_ = std::make_shared<niveau_3d_pkg::niveau_affichable>();
    le_niveau_courant_->initialiser(niveau);
    un_fond_ = std::make_shared<fond_pkg::fond_affichable>();
    un_fond_->initialiser();
    un_fond_->positionner_objet3d({0.0f, 0.0f, -5.0f});
    ecran_fin_ = std::make_shared<panneau_fin::panneau_fin_affichable>();
    ecran_fin_->initialiser(niveau, modele_);
    ecran_fin_->definir_echelle(1.6f);
    ecran_fin_->positionner_objet3d({-0.6f, 0.0f, -5.2f});
    ecran_fin_campagne_ = std::make_shared<panneau_fin_campagne::panneau_fin_campagne_affichable>();
    ecran_fin_campagne_->initialiser(modele_);
    ecran_fin_campagne_->definir_echelle(1.6f);
    ecran_fin_campagne_->positionner_objet3d({-0.6f, 0.0f, -5.2f});
    element_droite_ = std::make_shared<interface_partie_droite_pkg::interface_partie_droite_affichable>();
    element_droite_->initialiser(niveau);
    element_droite_->positionner_objet3d({0.0f, 0.0f, -4.9f});
    element_gauche_ = std::make_shared<interface_partie_gauche_pkg::interface_partie_gauche_affichable>();
    element_gauche_->initialiser(modele_);
    element_gauche_->positionner_objet3d({0.0f, 0.0f, -4.9f});
    ecran_aide_ = std::make_shared<interface_partie_aide::interface_partie_aide_affichable>();
    ecran_aide_->initialiser();
    ecran_aide_->positionner_objet3d({0.0f, 0.0f, -5.2f});
    ecran_aide_actif_ = false;
    le_dock_ = std::make_shared<interface_dock_pkg::interface_dock_affichable>();
    le_dock_->initialiser();
    le_dock_->ajouter_bouton("Charger", "bouton_charger");
    le_dock_->ajouter_bouton("Sauvegarder", "bouton_sauvegarder");
    le_dock_->ajouter_bouton("Abandonner", "bouton_abandonner");
    le_dock_->ajouter_bouton("Nouveau", "bouton_nouveau");
    le_dock_->positionner_objet3d({-0.1f, -2.8f, -5.1f});

    // Sous-objets pour que l'arbre anime le cube et le dock ; l'écran dessine lui-même chaque pièce.
    ajouter_sous_objet(le_niveau_courant_);
    ajouter_sous_objet(ecran_fin_);
    ajouter_sous_objet(ecran_fin_campagne_);
    ajouter_sous_objet(le_dock_);
    est_initialise_ = true;
}

void campagne_affichable::mettre_a_jour(coeur_jeu_pkg::etat etat_jeu) {
    if (!est_initialise_) return;
    le_niveau_courant_->mettre_a_jour();
    element_droite_->mettre_a_jour_niveau_courant(modele_->obtenir_niveau_courant());
    element_droite_->mettre_a_jour_etat_zoom(le_niveau_courant_->zoom_actif());
    element_droite_->mettre_a_jour(etat_jeu);
    element_gauche_->mettre_a_jour();
}

void campagne_affichable::changer_niveau() {
    if (est_initialise_) le_niveau_courant_->initialiser(modele_->obtenir_niveau_courant());
}

void campagne_affichable::mettre_a_jour_planete() {
    for (int i = 1; i < modele_->obtenir_numero_niveau_courant(); ++i) element_droite_->planete_decouverte(i);
}

void campagne_affichable::charger_textures() const {
    auto& textures = gestionnaire_texture_pkg::obtenir_textures();
    gestionnaire_texture_pkg::initialiser_textures_partie(textures);
    // Une planète de plus par appel, jusqu'à celle du niveau courant ; rien une fois toutes chargées.
    const int n = modele_->obtenir_numero_niveau_courant();
    for (int i = 0; i <= n; ++i) gestionnaire_texture_pkg::initialiser_planetes_textures(textures, n);
}

void campagne_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_CAMPAGNE_AFFICHABLE_NON_INITIALISEE();
    charger_textures();
    preparer_affichage();
    const niveau_pkg::niveau_ptr niveau = modele_->obtenir_niveau_courant();
    if (ecran_aide_actif_) {
        // La page d'aide remplace le cube : il n'est ni dessiné ni cliquable.
        ecran_aide_->afficher();
        le_dock_->afficher();
        un_fond_->afficher();
        element_droite_->afficher();
    } else if (modele_->est_termine()) {
        ecran_fin_campagne_->afficher();
        le_dock_->afficher();
        un_fond_->afficher();
        element_droite_->afficher();
    } else if (niveau->est_termine()) {
        element_droite_->planete_decouverte(modele_->obtenir_numero_niveau_courant());
        ecran_fin_->mettre_a_jour_niveau_courant(niveau);
        ecran_fin_->afficher();
        le_dock_->afficher();
        un_fond_->afficher();
    } else {
        le_niveau_courant_->afficher();
        le_dock_->afficher();
        un_fond_->afficher();
        element_droite_->afficher();
    }
    element_gauche_->afficher();
    message_->afficher();
    terminer_affichage();
}

objet_3d_pkg::delai_image campagne_affichable::delai_prochaine_image() const {
    return objet_3d_pkg::au_plus_tot(objet_affichable::delai_prochaine_image(), message_->delai_prochaine_image());
}

} // namespace campagne_3d_pkg
