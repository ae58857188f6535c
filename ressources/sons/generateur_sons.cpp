// Fabrique les quatre sons du jeu (musique du menu en boucle et trois bruitages), toujours identiques.
#include "fichier_wav.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int frequence = 22050;
constexpr double pi = 3.14159265358979323846;
constexpr double deux_pi = 2.0 * pi;

struct stereo {
    std::vector<double> gauche, droite;
    explicit stereo(std::size_t n) : gauche(n), droite(n) {}
    std::size_t taille() const { return gauche.size(); }
};

double hertz(double note_midi) { return 440.0 * std::pow(2.0, (note_midi - 69.0) / 12.0); }

// Montée (ou descente) en cosinus surélevé : dérivée nulle aux deux bouts, donc aucun clic.
double rampe(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(pi * x);
}

// Panoramique à puissance constante, position 0 (gauche) à 1 (droite).
void poser(stereo& sortie, std::size_t i, double valeur, double position) {
    sortie.gauche[i] += valeur * std::cos(position * pi / 2.0);
    sortie.droite[i] += valeur * std::sin(position * pi / 2.0);
}

// Générateur pseudo-aléatoire fixe : le même fichier à chaque construction.
struct hasard {
    std::uint32_t etat;
    double suivant() {
        etat = etat * 1664525u + 1013904223u;
        return static_cast<double>(etat >> 8) / static_cast<double>(1u << 24);
    }
};

// ---------------------------------------------------------------------------------------------------------------
// Musique : tout est écrit sur un anneau de la longueur de la boucle (une note qui déborde de la fin reprend au
// début), chaque note part de zéro et y revient, et les effets à mémoire font deux tours : la fin rejoint donc le
// début échantillon par échantillon.

constexpr double duree_accord = 6.0;
constexpr int nombre_accords = 4;
constexpr std::size_t longueur_boucle = static_cast<std::size_t>(duree_accord * nombre_accords * frequence);

struct accord {
    double basse;
    std::array<double, 4> nappe;
    std::array<double, 4> arpege;
};

// Ré mineur 9, si bémol majeur 7, fa majeur 7, do sus 2 : une suite lente et ouverte.
constexpr std::array<accord, nombre_accords> suite{{
    {38, {50, 57, 60, 64}, {69, 72, 76, 77}},
    {34, {50, 53, 57, 62}, {65, 69, 74, 77}},
    {41, {52, 57, 60, 64}, {69, 72, 76, 79}},
    {36, {55, 60, 62, 67}, {67, 72, 74, 79}},
}};

// Une période d'onde de nappe : quelques harmoniques décroissantes, douces à l'oreille.
std::vector<double> table_nappe() {
    std::vector<double> table(4096);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const double phase = deux_pi * static_cast<double>(i) / static_cast<double>(table.size());
        for (int h = 1; h <= 6; ++h) {
            table[i] += std::sin(h * phase) / (h * h * 0.6 + 0.4);
        }
    }
    return table;
}

double lire_table(const std::vector<double>& table, double phase) {
    const double position = phase * static_cast<double>(table.size());
    const auto i = static_cast<std::size_t>(position);
    const double fraction = position - static_cast<double>(i);
    return table[i % table.size()] * (1.0 - fraction) + table[(i + 1) % table.size()] * fraction;
}

std::size_t sur_anneau(long i) {
    const long n = static_cast<long>(longueur_boucle);
    return static_cast<std::size_t>(((i % n) + n) % n);
}

// Nappes et basse d'un accord : fondu de 3 s avec l'accord voisin, qui se croise en puissance constante.
void ecrire_nappes(stereo& anneau, const accord& a, double debut, const std::vector<double>& table, hasard& h) {
    constexpr double fondu = 3.0;
    const double depart = debut - fondu / 2.0;
    const double longueur = duree_accord + fondu;
    const auto nombre = static_cast<long>(longueur * frequence);
    const long premier = std::lround(depart * frequence);

    for (std::size_t v = 0; v < a.nappe.size(); ++v) {
        const double base = 0.2 + 0.6 * static_cast<double>(v) / (a.nappe.size() - 1.0);
        const double decalage = h.suivant();
        // Deux oscillateurs légèrement désaccordés : la nappe respire.
        const std::array<double, 2> frequences{hertz(a.nappe[v] - 0.06), hertz(a.nappe[v] + 0.06)};
        std::array<double, 2> phases{h.suivant(), h.suivant()};
        for (long k = 0; k < nombre; ++k) {
            const double t = static_cast<double>(k) / frequence;
            const double enveloppe = std::sin(pi / 2.0 * rampe(t / fondu)) * std::cos(pi / 2.0 * rampe((t - longueur + fondu) / fondu));
            double valeur = 0.0;
            for (std::size_t o = 0; o < 2; ++o) {
                valeur += lire_table(table, phases[o]);
                phases[o] = std::fmod(phases[o] + frequences[o] / frequence, 1.0);
            }
            const std::size_t i = sur_anneau(premier + k);
            // Le panoramique suit le temps de la boucle (période 12 s) : périodique lui aussi.
            const double temps_boucle = static_cast<double>(i) / frequence;
            const double position = base + 0.15 * std::sin(deux_pi * (temps_boucle / 12.0 + decalage));
            poser(anneau, i, 0.05 * enveloppe * valeur, position);
        }
    }
    const double f = hertz(a.basse);
    for (long k = 0; k < nombre; ++k) {
        const double t = static_cast<double>(k) / frequence;
        const double enveloppe = std::sin(pi / 2.0 * rampe(t / fondu)) * std::cos(pi / 2.0 * rampe((t - longueur + fondu) / fondu));
        const double valeur = std::sin(deux_pi * f * t) + 0.2 * std::sin(2.0 * deux_pi * f * t);
        poser(anneau, sur_anneau(premier + k), 0.16 * enveloppe * valeur, 0.5);
    }
}

// Arpège en croches à 80 à la noire, cloches douces qui tournent d'un côté à l'autre.
void ecrire_arpege(stereo& anneau, const accord& a, double debut, hasard& h) {
    constexpr double pas = 0.375;
    constexpr double duree_note = 2.0;
    constexpr std::array<int, 16> motif{0, 2, 1, 3, -1, 2, 3, 1, 0, 2, 1, 3, 2, -1, 3, 1};
    for (std::size_t n = 0; n < motif.size(); ++n) {
        if (motif[n] < 0) {
            continue;
        }
        const double f = hertz(a.arpege[static_cast<std::size_t>(motif[n])]);
        const double force = 0.75 + 0.25 * h.suivant();
        const double position = 0.5 + 0.35 * std::sin(deux_pi * static_cast<double>(n) / 16.0);
        const long premier = std::lround((debut + pas * static_cast<double>(n)) * frequence);
        for (long k = 0; k < static_cast<long>(duree_note * frequence); ++k) {
            const double t = static_cast<double>(k) / frequence;
            const double enveloppe = rampe(t / 0.006) * std::exp(-t / 0.45) * rampe((duree_note - t) / 0.3);
            const double valeur = std::sin(deux_pi * f * t) + 0.25 * std::sin(2.0 * deux_pi * f * t)
                                  + 0.06 * std::sin(3.0 * deux_pi * f * t);
            poser(anneau, sur_anneau(premier + k), 0.07 * force * enveloppe * valeur, position);
        }
    }
}

// Écho qui rebondit entre les deux oreilles ; deux tours d'anneau pour que la boucle retombe sur ses pieds.
stereo echo_ping_pong(const stereo& sec) {
    const auto retard = static_cast<long>(0.5625 * frequence);
    constexpr double retour = 0.45;
    stereo humide(sec.taille());
    for (int tour = 0; tour < 2; ++tour) {
        for (long i = 0; i < static_cast<long>(sec.taille()); ++i) {
            const std::size_t avant = sur_anneau(i - retard);
            const std::size_t ici = static_cast<std::size_t>(i);
            humide.gauche[ici] = 0.5 * (sec.gauche[avant] + sec.droite[avant]) + retour * humide.droite[avant];
            humide.droite[ici] = retour * humide.gauche[avant];
        }
    }
    return humide;
}

// Souffle lointain : bruit filtré passe-bas, qui enfle trois fois par boucle.
void ecrire_souffle(stereo& anneau, hasard& h) {
    const double coefficient = 1.0 - std::exp(-deux_pi * 350.0 / frequence);
    std::vector<double> bruit_gauche(anneau.taille()), bruit_droite(anneau.taille());
    for (std::size_t i = 0; i < anneau.taille(); ++i) {
        bruit_gauche[i] = 2.0 * h.suivant() - 1.0;
        bruit_droite[i] = 2.0 * h.suivant() - 1.0;
    }
    // Deux filtres en cascade, deux tours chacun : l'état du filtre en fin de boucle est celui du début.
    for (std::vector<double>* bruit : {&bruit_gauche, &bruit_droite}) {
        for (int etage = 0; etage < 2; ++etage) {
            std::vector<double> filtre(bruit->size());
            double memoire = 0.0;
            for (int tour = 0; tour < 2; ++tour) {
                for (std::size_t i = 0; i < bruit->size(); ++i) {
                    memoire += coefficient * ((*bruit)[i] - memoire);
                    filtre[i] = memoire;
                }
            }
            *bruit = std::move(filtre);
        }
    }
    for (std::size_t i = 0; i < anneau.taille(); ++i) {
        const double temps_boucle = static_cast<double>(i) / frequence;
        const double houle = 0.6 + 0.4 * std::sin(deux_pi * 3.0 * temps_boucle / (duree_accord * nombre_accords));
        anneau.gauche[i] += 0.35 * houle * bruit_gauche[i];
        anneau.droite[i] += 0.35 * houle * bruit_droite[i];
    }
}

stereo musique_menu() {
    const std::vector<double> table = table_nappe();
    hasard h{20240611u};
    stereo anneau(longueur_boucle);
    stereo cloches(longueur_boucle);
    for (int c = 0; c < nombre_accords; ++c) {
        const auto& a = suite[static_cast<std::size_t>(c)];
        ecrire_nappes(anneau, a, c * duree_accord, table, h);
        ecrire_arpege(cloches, a, c * duree_accord, h);
    }
    const stereo echo = echo_ping_pong(cloches);
    for (std::size_t i = 0; i < longueur_boucle; ++i) {
        anneau.gauche[i] += cloches.gauche[i] + 0.5 * echo.gauche[i];
        anneau.droite[i] += cloches.droite[i] + 0.5 * echo.droite[i];
    }
    ecrire_souffle(anneau, h);

    // La boucle commence là où le signal est le plus proche du silence : le premier départ ne claque pas.
    std::size_t debut = 0;
    for (std::size_t i = 1; i < longueur_boucle; ++i) {
        if (std::abs(anneau.gauche[i]) + std::abs(anneau.droite[i])
            < std::abs(anneau.gauche[debut]) + std::abs(anneau.droite[debut])) {
            debut = i;
        }
    }
    const auto decalage = static_cast<std::ptrdiff_t>(debut);
    std::rotate(anneau.gauche.begin(), anneau.gauche.begin() + decalage, anneau.gauche.end());
    std::rotate(anneau.droite.begin(), anneau.droite.begin() + decalage, anneau.droite.end());
    return anneau;
}

// ---------------------------------------------------------------------------------------------------------------
// Bruitages : courts, chacun avec une attaque et une extinction adoucies.

stereo son_court(double duree, double attaque, double extinction, double (*onde)(double), double position) {
    const auto nombre = static_cast<std::size_t>(duree * frequence);
    stereo sortie(nombre);
    for (std::size_t k = 0; k < nombre; ++k) {
        const double t = static_cast<double>(k) / frequence;
        const double enveloppe = rampe(t / attaque) * rampe((duree - t) / extinction);
        poser(sortie, k, enveloppe * onde(t), position);
    }
    return sortie;
}

// Petit « toc » boisé, très amorti.
double onde_deplacement(double t) {
    return 0.45 * std::exp(-t / 0.014) * std::sin(deux_pi * 1150.0 * t)
           + 0.12 * std::exp(-t / 0.006) * std::sin(deux_pi * 2300.0 * t);
}

// Bourdonnement grave qui descend un peu : onde carrée adoucie et une seconde voix qui bat contre elle.
double onde_erreur(double t) {
    double valeur = 0.0;
    for (const double fondamentale : {98.0, 101.0}) {
        // Phase intégrée d'une fréquence qui glisse de la fondamentale vers 84 % d'elle en 0,3 s.
        const double phase = deux_pi * fondamentale * (t - 0.16 * t * t / (2.0 * 0.3));
        for (int h = 1; h <= 11; h += 2) {
            valeur += std::sin(h * phase) / h;
        }
    }
    return 0.22 * valeur;
}

// Carillon clair : mi puis si une quinte au-dessus, le second un peu après le premier.
double cloche(double t, double f) {
    if (t < 0.0) {
        return 0.0;
    }
    return rampe(t / 0.003) * std::exp(-t / 0.12)
           * (std::sin(deux_pi * f * t) + 0.35 * std::sin(2.0 * deux_pi * f * t) + 0.1 * std::sin(3.0 * deux_pi * f * t));
}

double onde_valider(double t) {
    return 0.3 * cloche(t, hertz(88)) + 0.3 * cloche(t - 0.085, hertz(95));
}

std::vector<std::int16_t> en_entiers(const stereo& son, double gain) {
    std::vector<std::int16_t> entrelaces;
    entrelaces.reserve(2 * son.taille());
    for (std::size_t i = 0; i < son.taille(); ++i) {
        for (const double valeur : {son.gauche[i], son.droite[i]}) {
            entrelaces.push_back(static_cast<std::int16_t>(std::lround(std::clamp(gain * valeur, -1.0, 1.0) * 32767.0)));
        }
    }
    return entrelaces;
}

// La musique est ramenée à une crête de -3 dB, quelle que soit la somme des voix.
double gain_pour_crete(const stereo& son, double crete) {
    double maximum = 0.0;
    for (std::size_t i = 0; i < son.taille(); ++i) {
        maximum = std::max({maximum, std::abs(son.gauche[i]), std::abs(son.droite[i])});
    }
    return maximum > 0.0 ? crete / maximum : 1.0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage : " << argv[0] << " <répertoire des sons>" << std::endl;
        return EXIT_FAILURE;
    }
    const std::string dossier = std::string(argv[1]) + "/";
    const stereo musique = musique_menu();
    const bool ecrits =
        fichier_wav::ecrire_wav_stereo(dossier + "menu.wav", frequence, en_entiers(musique, gain_pour_crete(musique, 0.7)))
        && fichier_wav::ecrire_wav_stereo(dossier + "deplacement.wav", frequence,
                                          en_entiers(son_court(0.09, 0.0015, 0.02, onde_deplacement, 0.5), 1.0))
        && fichier_wav::ecrire_wav_stereo(dossier + "erreur.wav", frequence,
                                          en_entiers(son_court(0.3, 0.008, 0.08, onde_erreur, 0.5), 1.0))
        && fichier_wav::ecrire_wav_stereo(dossier + "valider.wav", frequence,
                                          en_entiers(son_court(0.45, 0.002, 0.05, onde_valider, 0.5), 1.0));
    if (!ecrits) {
        std::cerr << "écriture impossible dans " << dossier << std::endl;
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
