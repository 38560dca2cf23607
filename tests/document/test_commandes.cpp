#include "document/Commandes.h"
#include "tests/platform/ImpressionEcran.h"

#include <string>

namespace {

// The enabling and check-mark table: for each command, whether it is enabled
// with 0 to 3 faces under each of the 16 combinations of the open windows
// (bit 0 main points, 1 transformations, 2 sun position, 3 lighting), then
// its check mark with each state flag set alone ('-' for none), and with
// every flag set but no face.
TEST(Commandes, EnablingAndCheckMarksOverEveryFlagCombination) {
    EXPECT_EQ(Commande(12345), nullptr);
    EXPECT_FALSE(EstActive(12345, {}));
    bool CEtatCommandes::*const drapeaux[] = {
        &CEtatCommandes::bPointsPrincipaux, &CEtatCommandes::bTransformations,
        &CEtatCommandes::bPositionSoleil,   &CEtatCommandes::bEclairement,
        &CEtatCommandes::bRecepteur,        &CEtatCommandes::bCoteInverse,
        &CEtatCommandes::bCoordonnees,      &CEtatCommandes::bCoteEtude,
        &CEtatCommandes::bBarreOutils,      &CEtatCommandes::bBarreEtat};
    const auto coche = [](int nId, const CEtatCommandes& e) {
        const auto c = EstCochee(nId, e);
        return c ? (*c ? '1' : '0') : '-';
    };
    std::string texte;
    for (const CCommande& c : Commandes()) {
        ASSERT_EQ(Commande(c.nId), &c);
        texte += std::string(c.szMenu) + " |";
        for (int n = 0; n <= 3; ++n) {
            texte += ' ';
            for (int bits = 0; bits < 16; ++bits) {
                // A step to undo and one to redo: what the windows allow.
                CEtatCommandes e{.bAnnuler = true, .bRetablir = true};
                e.nFaces = n;
                for (int k = 0; k < 4; ++k) {
                    e.*drapeaux[k] = (bits >> k) & 1;
                }
                texte += EstActive(c.nId, e) ? '1' : '0';
            }
        }
        texte += " | ";
        CEtatCommandes tous{.nFaces = 0};
        for (auto d : drapeaux) {
            CEtatCommandes e{.nFaces = 1, .bBarreOutils = false, .bBarreEtat = false};
            e.*d = true;
            texte += coche(c.nId, e);
            tous.*d = true;
        }
        texte += std::string(" ") + coche(c.nId, CEtatCommandes{.nFaces = 1}) + coche(c.nId, tous) +
                 "\n";
    }
    ExpectGolden("commands.txt", texte);
}

} // namespace
