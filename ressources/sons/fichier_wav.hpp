// Écriture d'un fichier WAV PCM 16 bits stéréo : pour le générateur de sons et les sons d'essai des tests.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace fichier_wav {

// Échantillons entrelacés gauche, droite ; les entiers sont écrits petit-boutistes quelle que soit la machine.
inline bool ecrire_wav_stereo(const std::string& chemin, int frequence, const std::vector<std::int16_t>& entrelaces) {
    std::ofstream sortie(chemin, std::ios::binary | std::ios::trunc);
    const auto ecrire = [&sortie](std::uint32_t valeur, int octets) {
        for (int i = 0; i < octets; ++i) {
            sortie.put(static_cast<char>((valeur >> (8 * i)) & 0xFFu));
        }
    };
    const std::uint32_t taille_donnees = static_cast<std::uint32_t>(entrelaces.size() * 2);
    sortie.write("RIFF", 4);
    ecrire(36 + taille_donnees, 4);
    sortie.write("WAVEfmt ", 8);
    ecrire(16, 4);                                        // taille du bloc de format
    ecrire(1, 2);                                         // PCM
    ecrire(2, 2);                                         // stéréo
    ecrire(static_cast<std::uint32_t>(frequence), 4);
    ecrire(static_cast<std::uint32_t>(frequence) * 4, 4); // octets par seconde
    ecrire(4, 2);                                         // octets par trame
    ecrire(16, 2);                                        // bits par échantillon
    sortie.write("data", 4);
    ecrire(taille_donnees, 4);
    for (const std::int16_t echantillon : entrelaces) {
        ecrire(static_cast<std::uint16_t>(echantillon), 2);
    }
    return static_cast<bool>(sortie.flush());
}

} // namespace fichier_wav
