// Fichiers XML du jeu : impression exacte sur une ligne, lecture tolérante aux blancs, écriture atomique.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "erreur_pkg.hpp"

namespace fichier_xml_pkg {

// Fichier absent, illisible ou qui n'est pas du XML bien formé.
DECLARER_ERREUR(ERREUR_FICHIER_ILLISIBLE, "FICHIER_XML_PKG.ERREUR_FICHIER_ILLISIBLE");
// Attribut absent, non numérique ou hors de ses bornes.
DECLARER_ERREUR(ERREUR_VALEUR_INVALIDE, "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE");
// Écriture impossible (disque plein, droits) : l'ancien fichier est resté intact.
DECLARER_ERREUR(ERREUR_ECRITURE_FICHIER, "FICHIER_XML_PKG.ERREUR_ECRITURE_FICHIER");

// Les premiers caractères d'un contenu fautif, pour un message : jamais plus d'une ligne courte.
std::string extrait(std::string_view contenu);

// Image décimale d'un entier : un blanc devant tout nombre positif ou nul.
std::string image_entier(std::int64_t n);

// Ajoute à parent un attribut entier écrit selon image_entier.
void ecrire_entier(pugi::xml_node noeud, const char* nom, std::int64_t valeur);

// Le document entier sur une ligne : balises ouvrante et fermante toujours, attributs par nom
// croissant, échappements du jeu, puis une fin de ligne.
std::string imprimer(const pugi::xml_node& racine);

// Écrit le contenu dans un fichier temporaire du même répertoire puis le renomme : une écriture
// interrompue laisse l'ancien fichier tel quel. Un lien est suivi jusqu'au fichier ordinaire qu'il vise, qui est
// remplacé ; un lien sans fichier ordinaire au bout, un répertoire, un tube ou un périphérique est refusé
// (ERREUR_ECRITURE_FICHIER) sans que rien ne soit créé.
void ecrire_fichier(const std::string& chemin, const std::string& contenu);

// Le fichier que ecrire_fichier remplacerait pour ce chemin : lui-même, ou le fichier visé par un lien. Lève
// ERREUR_ECRITURE_FICHIER comme ecrire_fichier pour une cible refusée ; permet de la refuser avant un long calcul.
std::string cible_ecriture(const std::string& chemin);

// Lot d'écritures, passé à ceux qui écrivent ses fichiers : chaque écriture prépare son temporaire sans le renommer ;
// valider les met tous sur le disque d'un seul coup puis les renomme. Détruit sans validation, il efface ses
// temporaires et les anciens fichiers restent.
class lot_ecriture {
public:
    lot_ecriture() = default;
    ~lot_ecriture();
    lot_ecriture(const lot_ecriture&) = delete;
    lot_ecriture& operator=(const lot_ecriture&) = delete;
    // Comme ecrire_fichier, le renommage en moins : il attend valider.
    void ecrire(const std::string& chemin, const std::string& contenu);
    void sauvegarder(const pugi::xml_node& racine, const std::string& chemin);
    // ERREUR_ECRITURE_FICHIER si le disque refuse ; les fichiers déjà renommés sont entiers.
    void valider();

private:
    std::vector<std::pair<std::string, std::string>> en_attente_;  // temporaire, cible
};

// Efface du répertoire les temporaires d'écriture laissés par un écrivain arrêté avant son renommage.
void nettoyer_temporaires(const std::string& repertoire);

// Imprime l'élément racine et l'écrit atomiquement.
void sauvegarder(const pugi::xml_node& racine, const std::string& chemin);

// Lit et analyse un fichier. Un document sans élément est rendu vide (document_element() nul) :
// c'est à l'appelant de lever son erreur de fichier vide.
pugi::xml_document analyser(const std::string& chemin);

// Entier décimal entouré de blancs éventuels, dans [minimum, maximum] ; sinon ERREUR_VALEUR_INVALIDE.
std::int64_t lire_entier(const pugi::xml_node& noeud, const char* nom, std::int64_t minimum,
                         std::int64_t maximum);

// Comme lire_entier, mais un attribut absent ou vide vaut nullopt.
std::optional<std::int64_t> lire_entier_facultatif(const pugi::xml_node& noeud, const char* nom,
                                                   std::int64_t minimum, std::int64_t maximum);

// Nombre décimal (entier ou à virgule) dans [minimum, maximum], absent ou vide : nullopt.
std::optional<double> lire_reel_facultatif(const pugi::xml_node& noeud, const char* nom, double minimum,
                                           double maximum);

}  // namespace fichier_xml_pkg
