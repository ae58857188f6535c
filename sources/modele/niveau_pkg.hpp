// Niveau de campagne : six parties sur les faces d'un cube, chemins d'aide et crédit d'aide.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "coeur_jeu_pkg.hpp"
#include "erreur_pkg.hpp"
#include "fichier_xml_pkg.hpp"
#include "grille_pkg.hpp"
#include "partie_pkg.hpp"

namespace niveau_pkg {

DECLARER_ERREUR(ERREUR_PARTIE_HORS_LIMITE_NIVEAU, "NIVEAU_PKG.ERREUR_PARTIE_HORS_LIMITE_NIVEAU");
DECLARER_ERREUR(ERREUR_CREATION_NIVEAU_XML_NIVEAU_NON_INITIALISE,
                "NIVEAU_PKG.ERREUR_CREATION_NIVEAU_XML_NIVEAU_NON_INITIALISE");

// Un fichier de sauvegarde illisible, absent ou qui n'est pas une partie : le message et fichier() le nomment, pour
// que le joueur sache lequel est en cause.
struct ERREUR_SAUVEGARDE_REFUSEE : erreur_pkg::erreur {
    ERREUR_SAUVEGARDE_REFUSEE(const std::string& fichier, const std::string& cause)
        : erreur_pkg::erreur("NIVEAU_PKG.ERREUR_SAUVEGARDE_REFUSEE", fichier + " : " + cause), fichier_(fichier) {}
    // Le nom du fichier, sans son répertoire.
    const std::string& fichier() const noexcept { return fichier_; }

private:
    std::string fichier_;
};

constexpr int NOMBRE_PARTIES = 6;

// Le niveau tient le crédit d'aide de ses six parties : c'est le compte d'aide que le cœur de jeu fait payer.
class niveau : public coeur_jeu_pkg::compte_aide {
public:
    // horloge : celle des chronomètres des six parties.
    void initialiser_niveau(const std::string& nom,
                            const horloge_pkg::horloge& horloge = horloge_pkg::horloge_systeme());
    void initialiser_chemins_aide();

    void changer_partie_courante(int num) { numero_courant = num; }
    // Hors de 1..6 : erreur de programmation (std::out_of_range).
    partie_pkg::partie_ptr obtenir_partie_courante() const;
    int obtenir_numero_partie_courante() const { return numero_courant; }
    partie_pkg::partie_ptr obtenir_partie(int num) const;

    int score_niveau() const;
    int score_niveau_avec_aide() const { return score_aide + score_niveau(); }
    bool est_termine() const;

    int obtenir_score_aide() const { return score_aide; }
    int obtenir_compteur_aide() const override { return compteur_aide; }
    void mettre_a_jour_score_aide();
    void mettre_a_jour_compteur_aide(int add) override;
    void vider_compteur_aide() override { compteur_aide = 0; }
    grille_pkg::chemin_ptr obtenir_chemin_aide_courant() const override;
    grille_pkg::chemin_ptr obtenir_chemin_aide(int i) const;
    void reinitialiser_chemin_aide(const case_simple_pkg::classe_case& premiere_case) override;
    // L'aide se paie sur la partie courante (ses points d'aide utilisés), et le crédit du niveau est recalculé
    // après chaque chemin validé ou retiré comme après chaque aide.
    void payer_aide(int cases_revelees) override;
    void compter_chemin_valide(int) override { mettre_a_jour_score_aide(); }
    void compter_chemin_supprime(int) override { mettre_a_jour_score_aide(); }
    void activer_triche() { triche_active = true; }

    // Depuis les grilles initiales de la campagne.
    void charger_les_six_parties_composant_le_niveau();
    // Depuis les sauvegardes d'un compte.
    void charger_les_six_parties_composant_le_niveau(const std::string& repertoire);
    // Dans le lot de la sauvegarde de la campagne.
    void sauvegarder_les_six_parties_composant_le_niveau(const std::string& repertoire,
                                                         fichier_xml_pkg::lot_ecriture& lot) const;

    // Nom de la partie i sans blancs, suivi de ".xml" (grille initiale) ou ".save.xml" (sauvegarde).
    std::string nom_fichier_initial(int i) const;
    std::string nom_fichier_sauvegarde(int i) const;

private:
    std::string nom_partie(int i) const;
    static std::size_t rang(int num);

    bool est_initialise = false;
    std::string nom_niveau;
    // 0 avant le premier choix : le premier passage à la partie 1 est bien un changement.
    int numero_courant = 0;
    std::array<partie_pkg::partie_ptr, NOMBRE_PARTIES> les_parties{};
    std::array<grille_pkg::chemin_ptr, NOMBRE_PARTIES> les_chemins_aide{};
    int compteur_aide = 0;
    int score_aide = 0;
    bool triche_active = false;
};

using niveau_ptr = std::shared_ptr<niveau>;

}  // namespace niveau_pkg
