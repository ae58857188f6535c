// Liste simplement chaînée générique, positions comptées à partir de 1.
#pragma once

#include <cassert>
#include <iostream>
#include <memory>
#include <string>
#include <utility>

#include "erreur_pkg.hpp"

// Chaque instance listes_pkg<elt> est un paquet indépendant, avec ses propres exceptions.
// Une liste est une poignée sur son premier nœud (nulle pour la liste vide) : copier la
// poignée partage les nœuds, et les opérations qui modifient une liste la prennent par
// référence car le premier nœud peut changer. Les nœuds sont comptés par std::shared_ptr :
// une queue partagée reste valide tant qu'une poignée la désigne, et rien ne fuit.
template <typename elt>
class listes_pkg {
public:
    struct noeud;
    using liste = std::shared_ptr<noeud>;

    struct noeud {
        elt elem;
        liste suiv;

        noeud(elt e, liste s) : elem(std::move(e)), suiv(std::move(s)) {}
        noeud(const noeud&) = delete;
        noeud& operator=(const noeud&) = delete;

        // Libère la suite de la chaîne en boucle : la destruction en cascade des shared_ptr
        // épuiserait la pile sur une longue liste. On s'arrête au premier nœud encore
        // désigné par une autre poignée.
        ~noeud() {
            liste suite = std::move(suiv);
            while (suite && suite.use_count() == 1) {
                suite = std::move(suite->suiv);
            }
        }
    };

    DECLARER_ERREUR(ERREUR_LISTE_VIDE, "LISTES_PKG.ERREUR_LISTE_VIDE");
    DECLARER_ERREUR(ERREUR_POS_INTROUVABLE, "LISTES_PKG.ERREUR_POS_INTROUVABLE");
    DECLARER_ERREUR(ERREUR_ELEM_INTROUVABLE, "LISTES_PKG.ERREUR_ELEM_INTROUVABLE");

    listes_pkg() = delete;

    static liste liste_vide() { return nullptr; }

    static bool est_vide(const liste& l) { return l == nullptr; }

    static liste get_suiv(const liste& l) {
        assert(l && "get_suiv : tester est_vide avant");
        return l->suiv;
    }

    static void set_suiv(liste& l, liste s) {
        if (!l) throw ERREUR_LISTE_VIDE("set_suiv");
        assert(!atteint(s, l.get()) && "set_suiv : la suite reboucle sur la liste");
        l->suiv = std::move(s);
    }

    static elt get_elem(const liste& l) {
        assert(l && "get_elem : tester est_vide avant");
        return l->elem;
    }

    static elt obtenir_debut(const liste& l) {
        if (!l) throw ERREUR_LISTE_VIDE("obtenir_debut");
        return l->elem;
    }

    static elt obtenir_fin(const liste& l) {
        if (!l) throw ERREUR_LISTE_VIDE("obtenir_fin");
        return dernier_noeud(l)->elem;
    }

    static int obtenir_pos(const liste& l, const elt& e) {
        int pos = 1;
        for (const noeud* n = l.get(); n; n = n->suiv.get(), ++pos) {
            if (n->elem == e) return pos;
        }
        throw ERREUR_ELEM_INTROUVABLE("obtenir_pos");
    }

    // Écrit la position demandée puis la longueur avant de lever l'erreur : c'est la seule
    // trace d'un mauvais accès quand l'exception n'est pas rattrapée.
    static elt obtenir_elem(const liste& l, int pos) {
        if (const noeud* n = noeud_a(l, pos)) return n->elem;
        std::cout << image_entier(pos) << '\n' << image_entier(taille_liste(l)) << std::endl;
        throw ERREUR_POS_INTROUVABLE("obtenir_elem");
    }

    static void retirer_debut(liste& l) {
        assert(l && "retirer_debut : tester est_vide avant");
        l = l->suiv;
    }

    static void retirer_fin(liste& l) {
        if (!l) throw ERREUR_LISTE_VIDE("retirer_fin");
        if (!l->suiv) {
            l = nullptr;
            return;
        }
        noeud* avant_dernier = l.get();
        while (avant_dernier->suiv->suiv) avant_dernier = avant_dernier->suiv.get();
        avant_dernier->suiv = nullptr;
    }

    static void retirer_elem(liste& l, const elt& e) {
        if (!l) throw ERREUR_LISTE_VIDE("retirer_elem");
        noeud* precedent = nullptr;
        for (noeud* n = l.get(); n; precedent = n, n = n->suiv.get()) {
            if (n->elem == e) {
                delier(l, precedent);
                return;
            }
        }
        throw ERREUR_ELEM_INTROUVABLE("retirer_elem");
    }

    static void retirer_pos(liste& l, int pos) {
        if (pos < 1 || !l) throw ERREUR_POS_INTROUVABLE("retirer_pos");
        noeud* precedent = nullptr;
        noeud* n = l.get();
        for (int compteur = 1; n && compteur < pos; ++compteur) {
            precedent = n;
            n = n->suiv.get();
        }
        if (!n) throw ERREUR_POS_INTROUVABLE("retirer_pos");
        delier(l, precedent);
    }

    static liste inverser(const liste& l) {
        liste resultat;
        for (const noeud* n = l.get(); n; n = n->suiv.get()) {
            resultat = std::make_shared<noeud>(n->elem, std::move(resultat));
        }
        return resultat;
    }

    static liste clone(const liste& l) {
        liste resultat;
        liste* fin = &resultat;
        for (const noeud* n = l.get(); n; n = n->suiv.get()) fin = &ajouter_apres(*fin, n->elem);
        return resultat;
    }

    static bool existe(const liste& l, const elt& e) {
        for (const noeud* n = l.get(); n; n = n->suiv.get()) {
            if (n->elem == e) return true;
        }
        return false;
    }

    static int taille_liste(const liste& l) {
        int taille = 0;
        for (const noeud* n = l.get(); n; n = n->suiv.get()) ++taille;
        return taille;
    }

    // Une position inférieure à 1 insère en tête, une position au-delà de la longueur
    // ajoute en fin : ajout_pos n'échoue jamais.
    static void ajout_pos(liste& l, int pos, const elt& e) {
        noeud* precedent = nullptr;
        noeud* n = l.get();
        for (int compteur = 1; n && compteur < pos; ++compteur) {
            precedent = n;
            n = n->suiv.get();
        }
        // Le nœud est créé avant de toucher aux liens : si la copie de e échoue, l est intacte.
        liste nouveau = std::make_shared<noeud>(e, nullptr);
        liste& lien = precedent ? precedent->suiv : l;
        nouveau->suiv = std::move(lien);
        lien = std::move(nouveau);
    }

    static void ajout_debut(liste& l, const elt& e) { ajout_pos(l, 1, e); }

    static void ajout_fin(liste& l, const elt& e) { ajout_pos(l, taille_liste(l) + 1, e); }

    // Les éléments de l1 absents de l2 (doublons de l1 conservés), puis ceux de l2 pas
    // encore présents dans le résultat.
    static liste union_listes(const liste& l1, const liste& l2) {
        liste resultat;
        liste* fin = &resultat;
        for (const noeud* n = l1.get(); n; n = n->suiv.get()) {
            if (!existe(l2, n->elem)) fin = &ajouter_apres(*fin, n->elem);
        }
        for (const noeud* n = l2.get(); n; n = n->suiv.get()) {
            if (!existe(resultat, n->elem)) fin = &ajouter_apres(*fin, n->elem);
        }
        return resultat;
    }

    static void construire_liste(liste& l, const elt& e) { l = std::make_shared<noeud>(e, nullptr); }

    // Lâche la poignée : les nœuds encore désignés ailleurs survivent, les autres sont libérés.
    static void liberer_ressources(liste& l) { l = nullptr; }

private:
    static const noeud* dernier_noeud(const liste& l) {
        const noeud* n = l.get();
        while (n->suiv) n = n->suiv.get();
        return n;
    }

    static const noeud* noeud_a(const liste& l, int pos) {
        if (pos < 1) return nullptr;
        const noeud* n = l.get();
        for (int compteur = 1; n && compteur < pos; ++compteur) n = n->suiv.get();
        return n;
    }

    static bool atteint(const liste& depart, const noeud* cible) {
        for (const noeud* n = depart.get(); n; n = n->suiv.get()) {
            if (n == cible) return true;
        }
        return false;
    }

    // Retire de l le nœud qui suit precedent, ou le premier si precedent est nul.
    static void delier(liste& l, noeud* precedent) {
        liste& lien = precedent ? precedent->suiv : l;
        lien = liste(lien->suiv);
    }

    // Accroche un nouveau nœud au lien vide fin et rend son propre lien suivant.
    static liste& ajouter_apres(liste& fin, const elt& e) {
        fin = std::make_shared<noeud>(e, nullptr);
        return fin->suiv;
    }

    // Image décimale d'un entier : un blanc devant s'il n'est pas négatif.
    static std::string image_entier(int n) { return (n < 0 ? "" : " ") + std::to_string(n); }
};
