// Événement du jeu : la plate-forme y traduit les événements du système de fenêtres.
#pragma once

#include "case_simple_pkg.hpp"

#include <cstdint>
#include <string>
#include <variant>

namespace evenement_pkg {

// Codes de type : ceux que tous les récepteurs du jeu connaissent.
enum type_evenement : std::uint8_t {
    ACTIVATION = 1,        // la fenêtre gagne ou perd le focus
    TOUCHE_APPUYEE = 2,
    TOUCHE_RELACHEE = 3,
    SOURIS_BOUGE = 4,
    SOURIS_APPUIE = 5,
    SOURIS_RELACHE = 6,
    DEMANDE_QUITTER = 12,  // la fenêtre a été fermée
    REDIMENSIONNEMENT = 16,
    EXPOSITION = 17,       // la fenêtre doit être redessinée
    EVENEMENT_NOMME = 25,
    TEXTE_SAISI = 26,      // des caractères tapés, selon la disposition du clavier du joueur
};

// Symboles de touches (position de la touche sur un clavier américain).
namespace touches {
inline constexpr std::int32_t RETOUR_ARRIERE = 8;
inline constexpr std::int32_t TABULATION = 9;
inline constexpr std::int32_t ENTREE = 13;
inline constexpr std::int32_t ECHAP = 27;
inline constexpr std::int32_t ESPACE = 32;
inline constexpr std::int32_t SUPPRIMER = 127;
inline constexpr std::int32_t PAVE_0 = 256;  // pavé numérique 0 à 9 : 256 à 265
inline constexpr std::int32_t PAVE_1 = 257;
inline constexpr std::int32_t PAVE_POINT = 266;
inline constexpr std::int32_t PAVE_DIVISER = 267;
inline constexpr std::int32_t PAVE_MULTIPLIER = 268;
inline constexpr std::int32_t PAVE_MOINS = 269;
inline constexpr std::int32_t PAVE_PLUS = 270;
inline constexpr std::int32_t PAVE_ENTREE = 271;
inline constexpr std::int32_t PAVE_EGAL = 272;
inline constexpr std::int32_t HAUT = 273;
inline constexpr std::int32_t BAS = 274;
inline constexpr std::int32_t DROITE = 275;
inline constexpr std::int32_t GAUCHE = 276;
inline constexpr std::int32_t INSERER = 277;
inline constexpr std::int32_t DEBUT = 278;
inline constexpr std::int32_t FIN = 279;
inline constexpr std::int32_t PAGE_HAUT = 280;
inline constexpr std::int32_t PAGE_BAS = 281;
inline constexpr std::int32_t F1 = 282;  // F1 à F15 : 282 à 296
} // namespace touches

// Boutons de la souris ; la molette arrive comme un appui suivi d'un relâchement.
namespace boutons {
inline constexpr std::uint8_t GAUCHE = 1;
inline constexpr std::uint8_t MILIEU = 2;
inline constexpr std::uint8_t DROIT = 3;
inline constexpr std::uint8_t MOLETTE_HAUT = 4;
inline constexpr std::uint8_t MOLETTE_BAS = 5;
} // namespace boutons

// Charge utile d'un événement nommé : rien, une case ou un texte. Portée par valeur :
// l'événement la possède, personne n'a rien à libérer.
using donnee_evenement = std::variant<std::monostate, case_simple_pkg::coordonnees, std::string>;

struct evenement {
    std::uint8_t type = 0;

    // Clavier (types 2 et 3).
    std::int32_t touche = 0;
    bool majuscule = false;  // une touche Maj est tenue

    // Souris (types 4, 5 et 6) : numéro du bouton pour un appui ou un relâchement,
    // masque des boutons tenus (bit 0 = gauche) pour un mouvement.
    std::uint8_t bouton = 0;
    std::uint16_t x = 0;
    std::uint16_t y = 0;

    // Redimensionnement (type 16).
    std::int32_t largeur = 0;
    std::int32_t hauteur = 0;

    // Texte saisi (type 26) : en UTF-8, accents composés compris.
    std::string texte;

    // Événement nommé (type 25).
    std::int32_t code = 0;
    std::string nom;
    donnee_evenement donnee;
};

// Événement nommé (type 25) : ce qu'un écran rapporte de ce que le joueur y a fait, ou ce qu'un widget dit à son
// contrôleur. code : un entier porté en plus (la direction d'une flèche).
inline evenement nomme(std::string nom, donnee_evenement donnee = {}, std::int32_t code = 0) {
    evenement e;
    e.type = EVENEMENT_NOMME;
    e.nom = std::move(nom);
    e.donnee = std::move(donnee);
    e.code = code;
    return e;
}

// Nom d'un événement nommé ; chaîne vide pour tout autre événement.
inline std::string nom_de(const evenement& e) { return e.type == EVENEMENT_NOMME ? e.nom : std::string(); }

} // namespace evenement_pkg
