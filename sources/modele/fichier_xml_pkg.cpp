// Impression, lecture et écriture atomique des documents XML du jeu.
#include "fichier_xml_pkg.hpp"

#include "lecture_fichier_pkg.hpp"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <deque>
#include <filesystem>
#include <regex>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {
// Écrit tout le contenu sur fd ; faux en cas d'échec (errno dit pourquoi).
bool tout_ecrire(int fd, const std::string& contenu) {
    std::size_t ecrits = 0;
    while (ecrits < contenu.size()) {
        const ssize_t n = ::write(fd, contenu.data() + ecrits, contenu.size() - ecrits);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        ecrits += static_cast<std::size_t>(n);
    }
    return true;
}
}  // namespace

namespace {
// « .<nom>.<processus>.<rang>.tmp », le nom des temporaires de ecrire_fichier ; le processus est le groupe 1.
const std::regex& forme_temporaire() {
    static const std::regex forme(R"(\..+\.([0-9]{1,9})\.[0-9]{1,10}\.tmp)");
    return forme;
}

[[noreturn]] void refuser_ecriture(const std::string& quoi, const std::string& chemin, int numero_erreur) {
    throw ERREUR_ECRITURE_FICHIER("impossible " + quoi + " " + chemin + " (" + std::strerror(numero_erreur) + ")");
}

// Ce que le renommage remplacerait s'il n'était pas un fichier ordinaire : un nœud du système (/dev/full), un tube
// qu'un autre programme lit, un répertoire ou un lien n'est jamais changé en fichier ordinaire.
[[noreturn]] void refuser_cible(const std::string& chemin, const std::string& quoi) {
    throw ERREUR_ECRITURE_FICHIER("impossible d'écrire " + chemin + " (" + quoi +
                                  " : seul un fichier ordinaire est remplacé)");
}

std::string nature(mode_t mode) {
    if (S_ISDIR(mode)) return "répertoire";
    if (S_ISFIFO(mode)) return "tube nommé";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "périphérique";
    if (S_ISSOCK(mode)) return "socket";
    return "fichier spécial";
}

// Le répertoire sur le disque après un renommage : sinon, après une coupure, le nouveau nom peut s'y perdre.
void synchroniser_repertoire(const std::string& chemin) {
    const std::filesystem::path parent = std::filesystem::path(chemin).parent_path();
    const lecture_fichier_pkg::descripteur repertoire(
        ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (repertoire.fd() >= 0) ::fsync(repertoire.fd());
}

void remplacer(const std::string& temporaire, const std::string& chemin) {
    // Un écrivain dont le temporaire a disparu (effacé par un autre) le voit ici et le dit.
    if (::rename(temporaire.c_str(), chemin.c_str()) != 0) {
        const int numero = errno;
        ::unlink(temporaire.c_str());
        refuser_ecriture("de remplacer", chemin, numero);
    }
}
}  // namespace

lot_ecriture::~lot_ecriture() {
    for (const auto& [temporaire, cible] : en_attente_) ::unlink(temporaire.c_str());
}

void lot_ecriture::valider() {
    if (en_attente_.empty()) return;
    // Toutes les écritures d'abord lancées ensemble, puis attendues fichier par fichier : les validations du journal
    // du disque se partagent entre les fichiers du lot au lieu d'une par fichier, et l'attente ne porte que sur nos
    // fichiers, jamais sur ce que les autres programmes écrivent sur le même disque (syncfs attendait tout le
    // système de fichiers : plus d'une seconde sous charge).
    std::deque<lecture_fichier_pkg::descripteur> temporaires;
    for (const auto& [temporaire, cible] : en_attente_) {
        const int fd = ::open(temporaire.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) refuser_ecriture("d'écrire", cible, errno);
        temporaires.emplace_back(fd);
        ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);  // un simple départ : l'échec se verra à fdatasync
    }
    for (std::size_t k = 0; k < temporaires.size(); ++k) {
        if (::fdatasync(temporaires[k].fd()) != 0) refuser_ecriture("d'écrire", en_attente_[k].second, errno);
    }
    // Sur un renommage refusé, le destructeur efface les temporaires qui restent (les autres sont déjà partis).
    for (const auto& [temporaire, cible] : en_attente_) remplacer(temporaire, cible);
    synchroniser_repertoire(en_attente_.back().second);
    en_attente_.clear();
}

void nettoyer_temporaires(const std::string& repertoire) {
    std::error_code erreur;
    for (std::filesystem::directory_iterator e(repertoire, erreur), fin; !erreur && e != fin; e.increment(erreur)) {
        // Le nôtre, et seulement s'il reste d'un écrivain qui n'existe plus.
        const std::string nom = e->path().filename().string();
        std::smatch morceaux;
        if (!std::regex_match(nom, morceaux, forme_temporaire())) continue;
        const pid_t ecrivain = static_cast<pid_t>(std::stol(morceaux[1].str()));
        if (ecrivain == ::getpid() || ::kill(ecrivain, 0) == 0 || errno != ESRCH) continue;
        std::error_code inutile;
        std::filesystem::remove(e->path(), inutile);
    }
}

std::string cible_ecriture(const std::string& chemin) {
    struct stat noeud {};
    // Nom nouveau, ou chemin inaccessible que l'ouverture du temporaire refusera avec sa cause.
    if (::lstat(chemin.c_str(), &noeud) != 0 || S_ISREG(noeud.st_mode)) return chemin;
    if (!S_ISLNK(noeud.st_mode)) refuser_cible(chemin, nature(noeud.st_mode));
    struct stat vise {};
    if (::stat(chemin.c_str(), &vise) != 0) refuser_cible(chemin, "lien sans fichier au bout");
    if (!S_ISREG(vise.st_mode)) refuser_cible(chemin, "lien vers un " + nature(vise.st_mode));
    std::error_code erreur;
    const std::filesystem::path fichier = std::filesystem::canonical(chemin, erreur);
    if (erreur) refuser_ecriture("d'écrire", chemin, erreur.value());
    return fichier.string();
}

namespace {
// Le contenu dans un temporaire caché du même répertoire, propre à cet écrivain (processus et rang) et créé en
// exclusivité : deux écrivains de la même cible ne se partagent jamais leur temporaire, et le renommage reste
// atomique. Au bout d'un lien, c'est le fichier visé qui sera remplacé, dans son propre répertoire : le lien reste.
// Rend le temporaire et le fichier qu'il remplacera.
std::pair<std::string, std::string> preparer_temporaire(const std::string& chemin, const std::string& contenu,
                                                        bool mettre_sur_le_disque) {
    static std::atomic<unsigned> rang{0};
    const std::string vraie_cible = cible_ecriture(chemin);
    const std::filesystem::path cible(vraie_cible);
    const std::string temporaire =
        (cible.parent_path() / ("." + cible.filename().string() + "." + std::to_string(::getpid()) + "." +
                                std::to_string(rang++) + ".tmp"))
            .string();
    const lecture_fichier_pkg::descripteur fichier(
        ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (fichier.fd() < 0) refuser_ecriture("d'écrire", chemin, errno);
    if (!tout_ecrire(fichier.fd(), contenu) || (mettre_sur_le_disque && ::fdatasync(fichier.fd()) != 0)) {
        const int numero = errno;
        ::unlink(temporaire.c_str());
        refuser_ecriture("d'écrire", chemin, numero);
    }
    return {temporaire, vraie_cible};
}
}  // namespace

void ecrire_fichier(const std::string& chemin, const std::string& contenu) {
    // Sur le disque avant le renommage : après une coupure de courant, le nom ne désigne jamais un fichier vide.
    const auto [temporaire, cible] = preparer_temporaire(chemin, contenu, true);
    remplacer(temporaire, cible);
    synchroniser_repertoire(cible);
}

// Le lot met ses fichiers sur le disque d'un coup, à la validation.
void lot_ecriture::ecrire(const std::string& chemin, const std::string& contenu) {
    en_attente_.push_back(preparer_temporaire(chemin, contenu, false));
}

void lot_ecriture::sauvegarder(const pugi::xml_node& racine, const std::string& chemin) {
    ecrire(chemin, imprimer(racine));
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
