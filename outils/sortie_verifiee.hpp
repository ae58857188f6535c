// Sortie standard du compagnon : chaque écriture est vérifiée et la cause du premier échec retenue (disque plein,
// descripteur fermé, taille de fichier permise dépassée), pour que le compagnon le dise au lieu de finir avec 0.
#pragma once

#include <ostream>
#include <streambuf>

namespace sortie_verifiee {

// Code de sortie du compagnon quand son résultat n'a pas pu être écrit (sortie standard ou fichier de --sortie) :
// distinct de ceux des sous-commandes.
constexpr int CODE_ECRITURE_IMPOSSIBLE = 5;

// Tampon qui écrit sur un descripteur par write ; après un échec, il n'écrit plus rien et garde errno.
class tampon_descripteur : public std::streambuf {
public:
    explicit tampon_descripteur(int fd);
    int erreur() const { return erreur_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool vider();
    int fd_;
    int erreur_ = 0;
    char tampon_[4096];
};

// Flux sur un descripteur : un échec met le flux en erreur, comme tout ostream.
class flux : public std::ostream {
public:
    explicit flux(int fd);
    // Vide le tampon ; 0 si tout a été écrit, sinon le numéro d'erreur (errno) du premier échec.
    int terminer();

private:
    tampon_descripteur tampon_;
};

}  // namespace sortie_verifiee
