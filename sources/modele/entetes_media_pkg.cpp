// Lecture des en-têtes PNG (bloc IHDR) et WAV (blocs RIFF) sans rien décoder.
#include "entetes_media_pkg.hpp"

#include <string>

namespace entetes_media_pkg {

namespace {

std::uint32_t grand_boutiste_32(std::string_view s, std::size_t i) {
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < 4; ++k) v = (v << 8) | static_cast<unsigned char>(s[i + k]);
    return v;
}

std::uint32_t petit_boutiste(std::string_view s, std::size_t i, std::size_t n) {
    std::uint32_t v = 0;
    for (std::size_t k = n; k-- > 0;) v = (v << 8) | static_cast<unsigned char>(s[i + k]);
    return v;
}

struct format_son {
    std::uint32_t code = 0, canaux = 0, frequence = 0, bits = 0;
};

format_son lire_format(std::string_view bloc) {
    if (bloc.size() < 16) throw ERREUR_SON_INVALIDE("bloc \"fmt \" trop court");
    const format_son f{petit_boutiste(bloc, 0, 2), petit_boutiste(bloc, 2, 2), petit_boutiste(bloc, 4, 4),
                       petit_boutiste(bloc, 14, 2)};
    // 1 : PCM, 3 : flottants, 0xFFFE : format étendu (PCM ou flottants le plus souvent).
    if (f.code != 1 && f.code != 3 && f.code != 0xFFFE) {
        throw ERREUR_SON_INVALIDE("codage " + std::to_string(f.code) + " : seuls le PCM et les flottants sont lus");
    }
    if (f.canaux < 1 || f.canaux > 8) throw ERREUR_SON_INVALIDE(std::to_string(f.canaux) + " canaux");
    if (f.bits != 8 && f.bits != 16 && f.bits != 24 && f.bits != 32) {
        throw ERREUR_SON_INVALIDE(std::to_string(f.bits) + " bits par échantillon");
    }
    if (f.frequence == 0) throw ERREUR_SON_INVALIDE("fréquence nulle");
    return f;
}

}  // namespace

std::optional<dimensions> dimensions_png(std::string_view contenu) {
    // Signature, longueur du premier bloc, « IHDR », puis largeur et hauteur.
    if (contenu.size() < 24 || contenu.substr(0, 8) != "\x89PNG\r\n\x1a\n" || contenu.substr(12, 4) != "IHDR") {
        return std::nullopt;
    }
    return dimensions{grand_boutiste_32(contenu, 16), grand_boutiste_32(contenu, 20)};
}

void verifier_wav(std::string_view contenu, double duree_max_secondes) {
    if (contenu.size() < 12 || contenu.substr(0, 4) != "RIFF" || contenu.substr(8, 4) != "WAVE") {
        throw ERREUR_SON_INVALIDE("pas d'en-tête RIFF WAVE");
    }
    // Le décodeur réserve la longueur annoncée d'un bloc avant de le lire : aucune ne doit dépasser le fichier.
    format_son format;
    bool format_lu = false, donnees_lues = false;
    std::uint64_t octets_donnees = 0;
    for (std::size_t i = 12; i + 8 <= contenu.size();) {
        const std::string_view type = contenu.substr(i, 4);
        const std::uint64_t longueur = petit_boutiste(contenu, i + 4, 4);
        const std::size_t debut = i + 8;
        if (longueur > contenu.size() - debut) {
            throw ERREUR_SON_INVALIDE("bloc \"" + std::string(type) + "\" de " + std::to_string(longueur) +
                                      " octets, plus long que le fichier");
        }
        if (type == "fmt " && !format_lu) {
            format = lire_format(contenu.substr(debut, static_cast<std::size_t>(longueur)));
            format_lu = true;
        } else if (type == "data" && !donnees_lues) {
            octets_donnees = longueur;
            donnees_lues = true;
        }
        i = debut + static_cast<std::size_t>(longueur) + (longueur & 1);  // blocs alignés sur deux octets
    }
    if (!format_lu || !donnees_lues) throw ERREUR_SON_INVALIDE("bloc \"fmt \" ou \"data\" absent");
    const double secondes =
        static_cast<double>(octets_donnees) / (format.canaux * (format.bits / 8)) / format.frequence;
    if (secondes > duree_max_secondes) {
        throw ERREUR_SON_INVALIDE(std::to_string(static_cast<long long>(secondes)) + " s, au plus " +
                                  std::to_string(static_cast<long long>(duree_max_secondes)) + " s");
    }
}

}  // namespace entetes_media_pkg
