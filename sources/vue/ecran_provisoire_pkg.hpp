// Écran d'attente des modes dont les écrans ne sont pas encore construits : un motif de cases teinté.
#pragma once

#include "objet_3d_pkg.hpp"

namespace ecran_provisoire_pkg {

class ecran_provisoire : public objet_3d_pkg::objet_affichable {
public:
    void definir_teinte(float r, float g, float b);
    void afficher() override;

private:
    float r_ = 0.3f;
    float g_ = 0.6f;
    float b_ = 0.9f;
};

} // namespace ecran_provisoire_pkg
