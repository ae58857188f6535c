#include "lecture_fichier_pkg.hpp"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lecture_fichier_pkg {

namespace {
[[noreturn]] void refuser(const std::string& chemin, const std::string& cause) {
    throw ERREUR_LECTURE_REFUSEE(chemin + " : " + cause);
}
}  // namespace

std::string lire_fichier(const std::string& chemin, std::size_t taille_max) {
    // O_NONBLOCK : ouvrir un tube nommé sans écrivain ne doit pas attendre ; il est refusé juste après.
    const descripteur fichier(::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fichier.fd() < 0) refuser(chemin, std::string("impossible d'ouvrir (") + std::strerror(errno) + ")");
    struct stat etat{};
    if (::fstat(fichier.fd(), &etat) != 0) refuser(chemin, std::strerror(errno));
    if (S_ISDIR(etat.st_mode)) refuser(chemin, "est un répertoire");
    if (!S_ISREG(etat.st_mode)) refuser(chemin, "n'est pas un fichier ordinaire");
    if (static_cast<std::size_t>(etat.st_size) > taille_max) {
        refuser(chemin, "trop grand (" + std::to_string(etat.st_size) + " octets, " + std::to_string(taille_max) +
                            " au plus)");
    }
    std::string contenu;
    contenu.resize(static_cast<std::size_t>(etat.st_size));
    std::size_t lus = 0;
    // Le fichier peut grandir pendant la lecture : on s'arrête à la taille vue, bornée.
    while (lus < contenu.size()) {
        const ssize_t n = ::read(fichier.fd(), contenu.data() + lus, contenu.size() - lus);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) refuser(chemin, std::strerror(errno));
        if (n == 0) break;
        lus += static_cast<std::size_t>(n);
    }
    contenu.resize(lus);
    return contenu;
}

std::optional<dimensions> dimensions_png(std::string_view contenu) {
    // Signature, longueur du premier bloc, « IHDR », puis largeur et hauteur en gros-boutiste.
    if (contenu.size() < 24 || contenu.substr(0, 8) != "\x89PNG\r\n\x1a\n" || contenu.substr(12, 4) != "IHDR") {
        return std::nullopt;
    }
    const auto entier = [&](std::size_t debut) {
        std::uint32_t n = 0;
        for (std::size_t i = 0; i < 4; ++i) n = (n << 8) | static_cast<unsigned char>(contenu[debut + i]);
        return n;
    };
    return dimensions{entier(16), entier(20)};
}

descripteur::~descripteur() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace lecture_fichier_pkg
