// Impression, lecture et écriture atomique des documents XML du jeu.
#include "fichier_xml_pkg.hpp"

#include "lecture_fichier_pkg.hpp"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace fichier_xml_pkg {

namespace {

void echapper(std::string& sortie, const char* texte) {
    for (const char* p = texte; *p; ++p) {
        switch (*p) {
            case '&': sortie += "&amp;"; break;
            case '<': sortie += "&lt;"; break;
            case '>': sortie += "&gt;"; break;
            case '"': sortie += "&quot;"; break;
            case '\t': sortie += "&#9;"; break;
            case '\n': sortie += "&#10;"; break;
            case '\r': sortie += "&#13;"; break;
            default: sortie += *p;
        }
    }
}

void imprimer_noeud(std::string& sortie, const pugi::xml_node& noeud) {
    if (noeud.type() == pugi::node_pcdata || noeud.type() == pugi::node_cdata) {
        echapper(sortie, noeud.value());
        return;
    }
    if (noeud.type() != pugi::node_element) return;

    std::vector<pugi::xml_attribute> attributs(noeud.attributes_begin(), noeud.attributes_end());
    std::stable_sort(attributs.begin(), attributs.end(), [](const auto& a, const auto& b) {
        return std::strcmp(a.name(), b.name()) < 0;
    });
    sortie += '<';
    sortie += noeud.name();
    for (const auto& attribut : attributs) {
        sortie += ' ';
        sortie += attribut.name();
        sortie += "=\"";
        echapper(sortie, attribut.value());
        sortie += '"';
    }
    sortie += '>';
    for (const auto& enfant : noeud.children()) imprimer_noeud(sortie, enfant);
    sortie += "</";
    sortie += noeud.name();
    sortie += '>';
}

std::string description(const pugi::xml_node& noeud, const char* nom) {
    return std::string("attribut \"") + nom + "\" de l'élément \"" + extrait(noeud.name()) + "\"";
}

// Valeur de l'attribut sans ses blancs de tête et de queue ; nullopt s'il est absent ou vide.
std::optional<std::string> valeur_nettoyee(const pugi::xml_node& noeud, const char* nom) {
    const pugi::xml_attribute attribut = noeud.attribute(nom);
    if (!attribut) return std::nullopt;
    std::string valeur = attribut.value();
    const auto blanc = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!valeur.empty() && blanc(valeur.back())) valeur.pop_back();
    const auto debut = std::find_if_not(valeur.begin(), valeur.end(), blanc);
    valeur.erase(valeur.begin(), debut);
    if (valeur.empty()) return std::nullopt;
    return valeur;
}

}  // namespace

std::string extrait(std::string_view contenu) {
    constexpr std::size_t longueur = 40;
    std::string court;
    for (const char c : contenu.substr(0, longueur)) {
        // Ni caractère de contrôle ni octet nul dans un message.
        court += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    }
    return contenu.size() > longueur ? court + "..." : court;
}

std::string image_entier(std::int64_t n) { return (n < 0 ? "" : " ") + std::to_string(n); }

void ecrire_entier(pugi::xml_node noeud, const char* nom, std::int64_t valeur) {
    noeud.append_attribute(nom).set_value(image_entier(valeur).c_str());
}

std::string imprimer(const pugi::xml_node& racine) {
    std::string sortie;
    imprimer_noeud(sortie, racine);
    sortie += '\n';
    return sortie;
}

void ecrire_fichier(const std::string& chemin, const std::string& contenu) {
    // Temporaire caché dans le même répertoire : le renommage reste atomique, et une liste de
    // fichiers ne montre pas un reste d'écriture interrompue.
    const std::filesystem::path cible(chemin);
    const std::string temporaire = (cible.parent_path() / ("." + cible.filename().string() + ".tmp")).string();
    {
        std::ofstream flux(temporaire, std::ios::binary | std::ios::trunc);
        if (flux) {
            flux.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
            flux.flush();
        }
        if (!flux) {
            const std::string cause = std::strerror(errno);
            flux.close();
            std::remove(temporaire.c_str());
            throw ERREUR_ECRITURE_FICHIER("impossible d'écrire " + chemin + " (" + cause + ")");
        }
    }
    std::error_code erreur;
    std::filesystem::rename(temporaire, chemin, erreur);
    if (erreur) {
        std::remove(temporaire.c_str());
        throw ERREUR_ECRITURE_FICHIER("impossible de remplacer " + chemin + " (" + erreur.message() + ")");
    }
}

void sauvegarder(const pugi::xml_node& racine, const std::string& chemin) {
    ecrire_fichier(chemin, imprimer(racine));
}

pugi::xml_document analyser(const std::string& chemin) {
    std::string contenu;
    try {
        contenu = lecture_fichier_pkg::lire_fichier(chemin, lecture_fichier_pkg::TAILLE_MAX_XML);
    } catch (const lecture_fichier_pkg::ERREUR_LECTURE_REFUSEE& e) {
        throw ERREUR_FICHIER_ILLISIBLE(e.detail());
    }
    // Un fichier vide ou blanc est un document sans élément ; tout autre contenu qui ne commence pas par une
    // balise (texte, octet nul) n'est pas du XML.
    const auto premier = contenu.find_first_not_of(" \t\r\n");
    if (premier != std::string::npos && contenu[premier] != '<' && contenu.compare(0, 3, "\xEF\xBB\xBF") != 0) {
        throw ERREUR_FICHIER_ILLISIBLE(chemin + " n'est pas un document XML (commence par \"" +
                                       extrait(contenu.substr(premier)) + "\")");
    }

    pugi::xml_document document;
    const pugi::xml_parse_result resultat =
        document.load_buffer(contenu.data(), contenu.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!resultat && resultat.status != pugi::status_no_document_element) {
        throw ERREUR_FICHIER_ILLISIBLE(chemin + " n'est pas un document XML bien formé (" +
                                       resultat.description() + ", octet" +
                                       image_entier(resultat.offset) + ")");
    }
    return document;
}

std::optional<std::int64_t> lire_entier_facultatif(const pugi::xml_node& noeud, const char* nom,
                                                   std::int64_t minimum, std::int64_t maximum) {
    const auto valeur = valeur_nettoyee(noeud, nom);
    if (!valeur) return std::nullopt;
    std::int64_t resultat = 0;
    const char* fin = valeur->data() + valeur->size();
    const auto [arret, code] = std::from_chars(valeur->data() + (valeur->front() == '+'), fin, resultat);
    if (code != std::errc() || arret != fin) {
        throw ERREUR_VALEUR_INVALIDE(description(noeud, nom) + " : \"" + extrait(*valeur) + "\" n'est pas un entier");
    }
    if (resultat < minimum || resultat > maximum) {
        throw ERREUR_VALEUR_INVALIDE(description(noeud, nom) + " :" + image_entier(resultat) +
                                     " hors de [" + std::to_string(minimum) + ", " +
                                     std::to_string(maximum) + "]");
    }
    return resultat;
}

std::int64_t lire_entier(const pugi::xml_node& noeud, const char* nom, std::int64_t minimum,
                         std::int64_t maximum) {
    const auto valeur = lire_entier_facultatif(noeud, nom, minimum, maximum);
    if (!valeur) throw ERREUR_VALEUR_INVALIDE(description(noeud, nom) + " absent ou vide");
    return *valeur;
}

std::optional<double> lire_reel_facultatif(const pugi::xml_node& noeud, const char* nom, double minimum,
                                           double maximum) {
    const auto valeur = valeur_nettoyee(noeud, nom);
    if (!valeur) return std::nullopt;
    double resultat = 0.0;
    const char* fin = valeur->data() + valeur->size();
    const auto [arret, code] = std::from_chars(valeur->data() + (valeur->front() == '+'), fin, resultat);
    if (code != std::errc() || arret != fin || !std::isfinite(resultat)) {
        throw ERREUR_VALEUR_INVALIDE(description(noeud, nom) + " : \"" + extrait(*valeur) + "\" n'est pas un nombre");
    }
    if (resultat < minimum || resultat > maximum) {
        throw ERREUR_VALEUR_INVALIDE(description(noeud, nom) + " : \"" + extrait(*valeur) + "\" hors limites");
    }
    return resultat;
}

}  // namespace fichier_xml_pkg
