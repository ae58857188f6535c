// Écriture vérifiée sur un descripteur.
#include "sortie_verifiee.hpp"

#include <cerrno>

#include <unistd.h>

namespace sortie_verifiee {

tampon_descripteur::tampon_descripteur(int fd) : fd_(fd) { setp(tampon_, tampon_ + sizeof tampon_); }

bool tampon_descripteur::vider() {
    // Une fois une écriture perdue, la suite n'aurait plus de sens : on l'écarte sans réessayer.
    for (const char* p = pbase(); erreur_ == 0 && p < pptr();) {
        const ssize_t n = ::write(fd_, p, static_cast<std::size_t>(pptr() - p));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) erreur_ = n < 0 ? errno : EIO;
        else p += n;
    }
    setp(tampon_, tampon_ + sizeof tampon_);
    return erreur_ == 0;
}

tampon_descripteur::int_type tampon_descripteur::overflow(int_type c) {
    if (!vider()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int tampon_descripteur::sync() { return vider() ? 0 : -1; }

flux::flux(int fd) : std::ostream(nullptr), tampon_(fd) { rdbuf(&tampon_); }

int flux::terminer() {
    flush();
    return tampon_.erreur();
}

}  // namespace sortie_verifiee
