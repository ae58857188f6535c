// Construction instrumentée seulement (TESSALINE_SANITISEURS) : les bibliothèques chargées en cours de route ne
// sont jamais déchargées. Mesa décharge son moteur de rendu logiciel (swrast_dri.so) quand SDL ferme l'écran,
// avant que LeakSanitizer ne cherche les fuites à la sortie : les blocs que Mesa ne libère pas seraient alors
// attribués à « <unknown module> », et la liste des suppressions (tests/singe/suppressions_lsan.txt) ne pourrait
// pas les désigner par leur bibliothèque. Ce dlclose du programme passe devant celui de la bibliothèque C.
extern "C" int dlclose(void*) { return 0; }
