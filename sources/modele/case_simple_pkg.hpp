// Coordonnées d'une case et case simple, occupée ou non par un chemin.
#pragma once

#include <cstdint>
#include <memory>

#include <pugixml.hpp>

namespace case_simple_pkg {

// Colonne x et ligne y, comptées à partir de 1.
struct coordonnees {
    std::int32_t x = 1;
    std::int32_t y = 1;
    bool operator==(const coordonnees&) const = default;
};

bool coordonnees_egales(const coordonnees& coordonnees_1, const coordonnees& coordonnees_2);

// Élément "coordonnees" de c, ajouté en dernier enfant de parent (pugixml ne crée pas de nœud orphelin).
pugi::xml_node coordonnees_xml(const coordonnees& c, pugi::xml_node parent);

// Racine de la hiérarchie des cases, toujours manipulées par des poignées classe_case.
class case_simple {
public:
    case_simple() = default;
    virtual ~case_simple() = default;

    virtual void occuper();
    virtual void liberer();
    virtual bool est_occupe() const;
    virtual coordonnees obtenir_coordonnees() const;
    virtual void donner_coordonnees(const coordonnees& les_coordonnees);

    // Deux cases de types différents ne sont jamais égales, même placées au même endroit :
    // sinon une case terminale et une case simple libres en (x, y) se confondraient.
    friend bool operator==(const case_simple& case_1, const case_simple& case_2);

protected:
    case_simple(const case_simple&) = default;
    case_simple& operator=(const case_simple&) = default;

    // Compare les champs propres au type ; autre est du même type dynamique que *this.
    virtual bool champs_egaux(const case_simple& autre) const;

private:
    bool occupe = false;
    coordonnees les_coordonnees;
};

using classe_case = std::shared_ptr<case_simple>;

} // namespace case_simple_pkg
