// Tableau extensible indexé par un entier ; les cases jamais écrites valent l'élément nul.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// Les bornes suivent les indices écrits : le premier put alloue index .. index + minimal_size ;
// ensuite, avec pas = max(longueur × increment / 100, minimal_size), un indice au-dessus donne
// les bornes premier .. max(indice, premier + pas), un indice au-dessous min(indice, dernier − pas) .. dernier.
// Le pas se compte depuis la borne opposée : les fichiers et tables existants reposent sur ces bornes exactes.
// L'élément nul est Element{}.
template <typename Index, typename Element, std::size_t minimal_size, unsigned increment>
class generic_unbounded_array {
    static_assert(std::is_integral_v<Index>, "l'indice doit être un type entier");

public:
    // Rend l'élément à index ; std::out_of_range avant tout put ou hors des bornes.
    Element get(Index index) const {
        if (!contient(index)) {
            throw std::out_of_range("generic_unbounded_array::get : indice " + std::to_string(index) +
                                    " hors des bornes");
        }
        return vecteur_[decalage(index)];
    }

    void put(Index index, Element element) {
        if (vecteur_.empty()) {
            allouer(index, ajouter_sature(index, minimal_size));
        } else if (!contient(index)) {
            agrandir(index);
        }
        vecteur_[decalage(index)] = std::move(element);
    }

    void erase() { std::vector<Element>().swap(vecteur_); }

    void finalize() { erase(); }

    // Bornes courantes, incluses ; rien tant qu'aucun put n'a eu lieu.
    std::optional<std::pair<Index, Index>> bornes() const {
        if (vecteur_.empty()) return std::nullopt;
        return std::pair{premier_, dernier()};
    }

private:
    static constexpr Index plus_petit = std::numeric_limits<Index>::min();
    static constexpr Index plus_grand = std::numeric_limits<Index>::max();

    // Les écarts se calculent en arithmétique non signée modulaire : valable pour tout type
    // d'indice, signé ou non, tant que l'écart tient dans uintmax_t.
    static std::uintmax_t ecart(Index bas, Index haut) {
        return static_cast<std::uintmax_t>(haut) - static_cast<std::uintmax_t>(bas);
    }

    static Index ajouter_sature(Index base, std::uintmax_t n) {
        if (n >= ecart(base, plus_grand)) return plus_grand;
        return static_cast<Index>(static_cast<std::uintmax_t>(base) + n);
    }

    static Index retrancher_sature(Index base, std::uintmax_t n) {
        if (n >= ecart(plus_petit, base)) return plus_petit;
        return static_cast<Index>(static_cast<std::uintmax_t>(base) - n);
    }

    Index dernier() const { return ajouter_sature(premier_, vecteur_.size() - 1); }

    bool contient(Index index) const {
        return !vecteur_.empty() && index >= premier_ && ecart(premier_, index) < vecteur_.size();
    }

    std::size_t decalage(Index index) const { return static_cast<std::size_t>(ecart(premier_, index)); }

    void allouer(Index premier, Index dernier) {
        vecteur_.assign(static_cast<std::size_t>(ecart(premier, dernier)) + 1, Element{});
        premier_ = premier;
    }

    void agrandir(Index index) {
        const std::uintmax_t longueur = vecteur_.size();
        const std::uintmax_t pas = std::max<std::uintmax_t>(longueur * increment / 100, minimal_size);
        Index nouveau_premier = premier_;
        Index nouveau_dernier = dernier();
        if (index > nouveau_dernier) {
            nouveau_dernier = std::max(index, ajouter_sature(premier_, pas));
        } else {
            nouveau_premier = std::min(index, retrancher_sature(dernier(), pas));
        }
        // Le nouveau vecteur est complet avant l'échange : un échec d'allocation ne perd rien.
        std::vector<Element> nouveau(static_cast<std::size_t>(ecart(nouveau_premier, nouveau_dernier)) + 1);
        const auto debut = static_cast<std::ptrdiff_t>(ecart(nouveau_premier, premier_));
        std::move(vecteur_.begin(), vecteur_.end(), nouveau.begin() + debut);
        vecteur_.swap(nouveau);
        premier_ = nouveau_premier;
    }

    std::vector<Element> vecteur_;  // vide : aucun vecteur alloué
    Index premier_{};
};
