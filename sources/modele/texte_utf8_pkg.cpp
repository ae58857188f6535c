// Textes en UTF-8 : décodage strict (formes trop longues refusées), encodage, minuscules latin-1.
#include "texte_utf8_pkg.hpp"

#include <array>

namespace texte_utf8_pkg {

std::optional<char32_t> lire(std::string_view utf8, std::size_t& i) {
    const auto tete = static_cast<unsigned char>(utf8[i]);
    const std::size_t longueur = tete < 0x80                   ? 1
                                 : tete >= 0xC2 && tete <= 0xDF ? 2
                                 : tete >= 0xE0 && tete <= 0xEF ? 3
                                 : tete >= 0xF0 && tete <= 0xF4 ? 4
                                                                : 0;
    bool valide = longueur > 0 && i + longueur <= utf8.size();
    char32_t point = longueur == 1 ? tete : tete & (0x7F >> longueur);
    for (std::size_t k = 1; valide && k < longueur; ++k) {
        const auto suite = static_cast<unsigned char>(utf8[i + k]);
        valide = (suite & 0xC0) == 0x80;
        point = (point << 6) | (suite & 0x3F);
    }
    // Formes trop longues refusées : E0 80 80 ne doit pas passer pour un caractère nul.
    constexpr std::array<char32_t, 5> minimum{0, 0, 0x80, 0x800, 0x10000};
    valide = valide && point >= minimum.at(longueur) && point <= 0x10FFFF && (point < 0xD800 || point > 0xDFFF);
    i += valide ? longueur : 1;
    if (!valide) return std::nullopt;
    return point;
}

std::vector<char32_t> decoder(std::string_view utf8) {
    std::vector<char32_t> caracteres;
    for (std::size_t i = 0; i < utf8.size();) caracteres.push_back(lire(utf8, i).value_or(caractere_invalide));
    return caracteres;
}

std::string encoder(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

bool est_valide(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        if (!lire(utf8, i)) return false;
    }
    return true;
}

std::string depuis_latin1(std::string_view latin1) {
    std::string utf8;
    for (const char c : latin1) utf8 += encoder(static_cast<unsigned char>(c));
    return utf8;
}

std::size_t nombre_caracteres(std::string_view utf8) { return decoder(utf8).size(); }

std::string sans_dernier_caractere(std::string_view utf8) {
    std::size_t debut_dernier = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        debut_dernier = i;
        lire(utf8, i);
    }
    return std::string(utf8.substr(0, debut_dernier));
}

std::string minuscules(std::string_view utf8) {
    std::string resultat;
    for (char32_t c : decoder(utf8)) {
        // Capitales latin-1 de À à Þ, sauf le signe ×.
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c += 0x20;
        resultat += encoder(c);
    }
    return resultat;
}

namespace {
// Lettre, accent combinant, lettre composée : les décompositions canoniques du latin-1 (et de Ÿ).
struct composition {
    char32_t lettre;
    char32_t accent;
    char32_t composee;
};
constexpr composition compositions[] = {
    {U'A', 0x0300, 0x00C0}, {U'A', 0x0301, 0x00C1}, {U'A', 0x0302, 0x00C2}, {U'A', 0x0303, 0x00C3},
    {U'A', 0x0308, 0x00C4}, {U'A', 0x030A, 0x00C5}, {U'C', 0x0327, 0x00C7}, {U'E', 0x0300, 0x00C8},
    {U'E', 0x0301, 0x00C9}, {U'E', 0x0302, 0x00CA}, {U'E', 0x0308, 0x00CB}, {U'I', 0x0300, 0x00CC},
    {U'I', 0x0301, 0x00CD}, {U'I', 0x0302, 0x00CE}, {U'I', 0x0308, 0x00CF}, {U'N', 0x0303, 0x00D1},
    {U'O', 0x0300, 0x00D2}, {U'O', 0x0301, 0x00D3}, {U'O', 0x0302, 0x00D4}, {U'O', 0x0303, 0x00D5},
    {U'O', 0x0308, 0x00D6}, {U'U', 0x0300, 0x00D9}, {U'U', 0x0301, 0x00DA}, {U'U', 0x0302, 0x00DB},
    {U'U', 0x0308, 0x00DC}, {U'Y', 0x0301, 0x00DD}, {U'a', 0x0300, 0x00E0}, {U'a', 0x0301, 0x00E1},
    {U'a', 0x0302, 0x00E2}, {U'a', 0x0303, 0x00E3}, {U'a', 0x0308, 0x00E4}, {U'a', 0x030A, 0x00E5},
    {U'c', 0x0327, 0x00E7}, {U'e', 0x0300, 0x00E8}, {U'e', 0x0301, 0x00E9}, {U'e', 0x0302, 0x00EA},
    {U'e', 0x0308, 0x00EB}, {U'i', 0x0300, 0x00EC}, {U'i', 0x0301, 0x00ED}, {U'i', 0x0302, 0x00EE},
    {U'i', 0x0308, 0x00EF}, {U'n', 0x0303, 0x00F1}, {U'o', 0x0300, 0x00F2}, {U'o', 0x0301, 0x00F3},
    {U'o', 0x0302, 0x00F4}, {U'o', 0x0303, 0x00F5}, {U'o', 0x0308, 0x00F6}, {U'u', 0x0300, 0x00F9},
    {U'u', 0x0301, 0x00FA}, {U'u', 0x0302, 0x00FB}, {U'u', 0x0308, 0x00FC}, {U'y', 0x0301, 0x00FD},
    {U'y', 0x0308, 0x00FF}, {U'Y', 0x0308, 0x0178}
};
} // namespace

std::string composer(std::string_view utf8) {
    const std::vector<char32_t> caracteres = decoder(utf8);
    std::string compose;
    compose.reserve(utf8.size());
    for (std::size_t k = 0; k < caracteres.size(); ++k) {
        char32_t c = caracteres[k];
        if (k + 1 < caracteres.size()) {
            for (const composition& p : compositions) {
                if (p.lettre == c && p.accent == caracteres[k + 1]) {
                    c = p.composee;
                    ++k;
                    break;
                }
            }
        }
        compose += encoder(c);
    }
    return compose;
}

} // namespace texte_utf8_pkg
