// Arbre générique à quatre fils dont chaque nœud connaît son père : l'arbre des marches du générateur.
#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "erreur_pkg.hpp"

// nom_instance::valeur donne le nom complet de l'instance, préfixe des noms de ses exceptions :
// chaque instance a ainsi ses propres exceptions, comme un paquet générique instancié.
template <typename element, typename nom_instance>
class arbre_quadrique_generique_avec_paternite_pkg {
public:
    struct noeud;
    using arbre = std::shared_ptr<noeud>;

    struct noeud {
        element valeur;
        arbre sous_arbre_1, sous_arbre_2, sous_arbre_3, sous_arbre_4;
        // Lien faible : le père possède ses fils, pas l'inverse.
        std::weak_ptr<noeud> pere;
    };

    struct ERREUR_ARBRE_VIDE : erreur_pkg::erreur {
        explicit ERREUR_ARBRE_VIDE(const std::string& detail = "")
            : erreur_pkg::erreur(std::string(nom_instance::valeur) + ".ERREUR_ARBRE_VIDE", detail) {}
    };
    struct ERREUR_ARBRE_N_EST_PAS_FEUILLE : erreur_pkg::erreur {
        explicit ERREUR_ARBRE_N_EST_PAS_FEUILLE(const std::string& detail = "")
            : erreur_pkg::erreur(std::string(nom_instance::valeur) + ".ERREUR_ARBRE_N_EST_PAS_FEUILLE", detail) {}
    };

    arbre_quadrique_generique_avec_paternite_pkg() = delete;

    static arbre arbre_vide() { return nullptr; }
    static arbre initialiser_arbre(const arbre&) { return nullptr; }
    static bool est_vide(const arbre& a) { return a == nullptr; }

    static arbre creer_arbre(const element& nouvel_element, arbre sous_arbre_1, arbre sous_arbre_2,
                             arbre sous_arbre_3, arbre sous_arbre_4, const arbre& pere = nullptr) {
        auto a = std::make_shared<noeud>();
        a->valeur = nouvel_element;
        a->sous_arbre_1 = std::move(sous_arbre_1);
        a->sous_arbre_2 = std::move(sous_arbre_2);
        a->sous_arbre_3 = std::move(sous_arbre_3);
        a->sous_arbre_4 = std::move(sous_arbre_4);
        a->pere = pere;
        return a;
    }

    static bool est_feuille(const arbre& a) {
        exiger(a, "est_feuille");
        return !a->sous_arbre_1 && !a->sous_arbre_2 && !a->sous_arbre_3 && !a->sous_arbre_4;
    }
    static bool possede_un_pere(const arbre& a) {
        exiger(a, "possede_un_pere");
        return !a->pere.expired();
    }
    static element recuperer_element_de_racine(const arbre& a) {
        exiger(a, "recuperer_element_de_racine");
        return a->valeur;
    }
    static arbre recuperer_sous_arbre_1(const arbre& a) { exiger(a, "recuperer_sous_arbre_1"); return a->sous_arbre_1; }
    static arbre recuperer_sous_arbre_2(const arbre& a) { exiger(a, "recuperer_sous_arbre_2"); return a->sous_arbre_2; }
    static arbre recuperer_sous_arbre_3(const arbre& a) { exiger(a, "recuperer_sous_arbre_3"); return a->sous_arbre_3; }
    static arbre recuperer_sous_arbre_4(const arbre& a) { exiger(a, "recuperer_sous_arbre_4"); return a->sous_arbre_4; }
    static arbre recuperer_pere(const arbre& a) {
        exiger(a, "recuperer_pere");
        return a->pere.lock();
    }
    static arbre recuperer_doyen(const arbre& a) {
        exiger(a, "recuperer_doyen");
        arbre doyen = a;
        for (arbre p = doyen->pere.lock(); p; p = p->pere.lock()) doyen = p;
        return doyen;
    }

    static void remplacer_sous_arbre_1(const arbre& a, const arbre& nouveau) { attacher(a, nouveau)->sous_arbre_1 = nouveau; }
    static void remplacer_sous_arbre_2(const arbre& a, const arbre& nouveau) { attacher(a, nouveau)->sous_arbre_2 = nouveau; }
    static void remplacer_sous_arbre_3(const arbre& a, const arbre& nouveau) { attacher(a, nouveau)->sous_arbre_3 = nouveau; }
    static void remplacer_sous_arbre_4(const arbre& a, const arbre& nouveau) { attacher(a, nouveau)->sous_arbre_4 = nouveau; }

    static arbre obtenir_copie(const arbre& a) { return construire_copie_des_sous_arbres(a, nullptr); }

    static int nombre_maximum_noeuds_a_partir_de_racine(const arbre& a) {
        if (!a) return 0;
        return 1 + std::max({nombre_maximum_noeuds_a_partir_de_racine(a->sous_arbre_4),
                             nombre_maximum_noeuds_a_partir_de_racine(a->sous_arbre_3),
                             nombre_maximum_noeuds_a_partir_de_racine(a->sous_arbre_2),
                             nombre_maximum_noeuds_a_partir_de_racine(a->sous_arbre_1)});
    }
    static int obtenir_hauteur(const arbre& a) { return a ? nombre_maximum_noeuds_a_partir_de_racine(a) - 1 : 0; }

    static bool existe(const element& e, const arbre& a) {
        if (!a) return false;
        return a->valeur == e || existe(e, a->sous_arbre_1) || existe(e, a->sous_arbre_2) ||
               existe(e, a->sous_arbre_3) || existe(e, a->sous_arbre_4);
    }
    static int nombre_de_feuilles(const arbre& a) {
        if (!a) return 0;
        if (est_feuille(a)) return 1;
        return nombre_de_feuilles(a->sous_arbre_1) + nombre_de_feuilles(a->sous_arbre_2) +
               nombre_de_feuilles(a->sous_arbre_3) + nombre_de_feuilles(a->sous_arbre_4);
    }
    static int nombre_de_sous_arbres(const arbre& a) {
        if (!a) return 0;
        return (a->sous_arbre_1 != nullptr) + (a->sous_arbre_2 != nullptr) + (a->sous_arbre_3 != nullptr) +
               (a->sous_arbre_4 != nullptr);
    }
    // Les nœuds partent avec la dernière poignée qui les désigne ; le lien du père n'est pas effacé.
    static arbre liberer_ressources(arbre& arbre_a_liberer) {
        arbre_a_liberer.reset();
        return nullptr;
    }

private:
    static void exiger(const arbre& a, const char* operation) {
        if (!a) throw ERREUR_ARBRE_VIDE(operation);
    }
    static const arbre& attacher(const arbre& a, const arbre& nouveau) {
        exiger(a, "remplacer_sous_arbre");
        if (nouveau) nouveau->pere = a;
        return a;
    }
    static arbre construire_copie_des_sous_arbres(const arbre& a, const arbre& le_pere) {
        if (!a) return nullptr;
        auto copie = creer_arbre(a->valeur, nullptr, nullptr, nullptr, nullptr, le_pere);
        copie->sous_arbre_1 = construire_copie_des_sous_arbres(a->sous_arbre_1, copie);
        copie->sous_arbre_2 = construire_copie_des_sous_arbres(a->sous_arbre_2, copie);
        copie->sous_arbre_3 = construire_copie_des_sous_arbres(a->sous_arbre_3, copie);
        copie->sous_arbre_4 = construire_copie_des_sous_arbres(a->sous_arbre_4, copie);
        return copie;
    }
};
