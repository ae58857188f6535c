// Sons WAV forgés par les tests : en-têtes qui mentent sur leur durée, leur codage ou la longueur de leurs blocs.
#pragma once

#include <cstdint>
#include <string>

namespace sons_forges {

inline void petit_boutiste(std::string& s, std::uint32_t v, int octets) {
    for (int k = 0; k < octets; ++k) s += static_cast<char>((v >> (8 * k)) & 0xFF);
}

// Son WAV : fréquence, canaux, bits par échantillon, octets de données réellement présents, longueur annoncée
// du bloc "data" (par défaut, la vraie) et codage (1 : PCM).
inline std::string wav(std::uint32_t frequence, std::uint32_t canaux, std::uint32_t bits, std::uint32_t octets,
                       std::int64_t annonce = -1, std::uint32_t codage = 1) {
    std::string s = "RIFF";
    petit_boutiste(s, 36 + octets, 4);
    s += "WAVEfmt ";
    petit_boutiste(s, 16, 4);
    petit_boutiste(s, codage, 2);
    petit_boutiste(s, canaux, 2);
    petit_boutiste(s, frequence, 4);
    petit_boutiste(s, frequence * canaux * bits / 8, 4);
    petit_boutiste(s, canaux * bits / 8, 2);
    petit_boutiste(s, bits, 2);
    s += "data";
    petit_boutiste(s, annonce < 0 ? octets : static_cast<std::uint32_t>(annonce), 4);
    s += std::string(octets, '\0');
    return s;
}

}  // namespace sons_forges
