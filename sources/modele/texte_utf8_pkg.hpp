// Textes en UTF-8 : caractères, comptage, minuscules, et passage depuis le latin-1.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace texte_utf8_pkg {

// Ce que donne un octet qui ne commence aucun caractère bien formé.
inline constexpr char32_t caractere_invalide = 0xFFFD;

// Le caractère qui commence à la position i, qui avance d'autant ; rien pour un octet mal formé (i avance d'un octet).
std::optional<char32_t> lire(std::string_view utf8, std::size_t& i);
// Les caractères du texte ; chaque octet mal formé compte pour un caractere_invalide.
std::vector<char32_t> decoder(std::string_view utf8);
std::string encoder(char32_t c);
bool est_valide(std::string_view utf8);
std::string depuis_latin1(std::string_view latin1);

std::size_t nombre_caracteres(std::string_view utf8);
// Le texte sans son dernier caractère (un « é » s'en va en entier) ; un texte vide reste vide.
std::string sans_dernier_caractere(std::string_view utf8);
// Capitales ASCII et latin-1 en minuscules ; le reste tel quel.
std::string minuscules(std::string_view utf8);
// Lettres latines suivies d'un accent combinant (forme décomposée, celle que donnent certains systèmes de fichiers
// ou claviers) composées en un seul caractère, comme en NFC, pour toutes les lettres accentuées du latin-1 et Ÿ ;
// le reste tel quel. « e\u0301 » devient « é ».
std::string composer(std::string_view utf8);

} // namespace texte_utf8_pkg
