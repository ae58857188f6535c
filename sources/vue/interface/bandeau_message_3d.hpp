// Bandeau de message : une ou deux lignes sur une bande sombre, le temps que le joueur les lise ; ce que l'écran doit
// lui dire d'un refus ou d'une panne (sauvegarde illisible, disque plein...), en plus de la sortie standard.
#pragma once

#include "horloge_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace bandeau_message_3d {

enum class gravite { information, erreur };

// Assez pour lire deux lignes de texte ; le bandeau disparaît ensuite de lui-même.
inline constexpr horloge_pkg::duree duree_affichage = std::chrono::seconds(6);

class bandeau_message_affichable : public objet_3d_pkg::objet_affichable {
public:
    // largeur : la place du bandeau, dans le repère de son parent. Un texte trop long pour une ligne en prend deux,
    // coupé au blanc le plus proche du milieu ; chacune est encore réduite puis coupée s'il le faut.
    explicit bandeau_message_affichable(float largeur);

    // Montre le texte pendant duree_affichage, sur l'horloge des animations ; remplace le message précédent.
    void montrer(const std::string& texte, gravite g = gravite::erreur);
    void effacer() { fin_.reset(); }
    // Un message est montré, et son temps n'est pas fini.
    bool est_montre() const;
    // Le texte entier, tel que donné.
    const std::string& obtenir_texte() const { return texte_; }
    // Les lignes dessinées : une seule, ou deux.
    std::vector<std::string> obtenir_lignes() const;

    // Rien quand aucun message n'est montré.
    void afficher() override;
    // Une image au moment où le message doit disparaître.
    objet_3d_pkg::delai_image delai_prochaine_image() const override;

private:
    float largeur_;
    std::string texte_;
    std::shared_ptr<objet_texte_pkg::texte_affichable> premiere_;
    std::shared_ptr<objet_texte_pkg::texte_affichable> seconde_;
    bool deux_lignes_ = false;
    std::optional<horloge_pkg::duree> fin_;
};

// Celui des écrans de jeu (campagne, jeu libre, éditeur) : placé sur la bande du bas de leur cadre, entre les plaques
// « Menu » et « Retour », par-dessus le reste.
std::shared_ptr<bandeau_message_affichable> bandeau_du_cadre();

} // namespace bandeau_message_3d
