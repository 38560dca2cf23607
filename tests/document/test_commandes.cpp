#include "document/Commandes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The enabling rules written as data: the least number of faces, and for
// each of the flags P, T, S, L whether it must be off (-1), on (1) or does
// not matter (0).
struct Regle {
    int nId;
    int nMinFaces;
    int p, t, s, l;
};

const Regle kRegles[] = {
    {ID_NOUVEAU, 0, 0, 0, 0, 0},
    {ID_OUVRIR, 0, 0, 0, 0, 0},
    {ID_ENREGISTRER, 0, 0, 0, 0, 0},
    {ID_ENREGISTRER_SOUS, 0, 0, 0, 0, 0},
    {ID_QUITTER, 0, 0, 0, 0, 0},
    {ID_BARRE_OUTILS, 0, 0, 0, 0, 0},
    {ID_BARRE_ETAT, 0, 0, 0, 0, 0},
    {ID_ORIENTATION_STANDARD, 0, 0, 0, 0, 0},
    {ID_COORDONNEES, 0, 0, 0, 0, 0},
    {ID_COTE_ETUDE, 0, 0, 0, 0, 0},
    {ID_PARAMETRES_AFFICHAGE, 0, 0, 0, 0, 0},
    {ID_CONFIGURATION_GEOGRAPHIQUE, 0, 0, 0, -1, 0},
    {ID_SELECTIONNER_FACE, 1, -1, -1, 0, 0},
    {ID_INSERER_FACE, 0, -1, -1, 0, -1},
    {ID_SUPPRIMER_FACE, 1, -1, -1, 0, -1},
    {ID_INSERER_PRISME, 0, -1, -1, 0, -1},
    {ID_INSERER_PARALLELEPIPEDE, 0, -1, -1, 0, -1},
    {ID_INVERSER_FACE, 2, -1, -1, 0, -1},
    {ID_RECEPTEUR, 1, 0, 0, 0, -1},
    {ID_COTE_INVERSE, 1, 0, 0, 0, -1},
    {ID_PROPRIETES, 1, 0, 0, 0, -1},
    {ID_COPIER_PROPRIETES, 2, 0, 0, 0, -1},
    {ID_OUVERTURES, 2, 0, 0, 0, -1},
    {ID_POINTS_PRINCIPAUX, 1, 0, -1, 0, -1},
    {ID_TRANSFORMATIONS, 1, -1, 0, 0, -1},
    {ID_POSITION_SOLEIL, 0, 0, 0, 0, 0},
    {ID_ECLAIREMENT, 1, -1, -1, 1, 0},
    {ID_BILAN_JOURNALIER, 1, -1, -1, -1, 0},
    {ID_GEOMETRIE_FACE, 1, 0, 0, 0, 0},
    {ID_CALCULS_PRATIQUES, 0, 0, 0, 0, 0},
    {ID_INFORMATIONS_SOLAIRES, 0, 0, 0, -1, 0},
    {ID_PROBLEME_INVERSE, 0, 0, 0, -1, 0},
    {ID_OPTIONS_CALCUL, 0, 0, 0, -1, 0},
    {ID_AIDE, 0, 0, 0, 0, 0},
    {ID_SITE, 0, 0, 0, 0, 0},
    {ID_CONTACT, 0, 0, 0, 0, 0},
    {ID_A_PROPOS, 0, 0, 0, 0, 0},
};

bool Condition(int exigence, bool drapeau) {
    return exigence == 0 || (exigence == 1) == drapeau;
}

TEST(Commandes, EnablingOverEveryFlagCombination) {
    ASSERT_EQ(Commandes().size(), std::size(kRegles));
    EXPECT_EQ(Commande(12345), nullptr);
    EXPECT_FALSE(EstActive(12345, {}));
    for (const Regle& r : kRegles) {
        ASSERT_NE(Commande(r.nId), nullptr) << r.nId;
        for (int n = 0; n <= 3; ++n) {
            for (int bits = 0; bits < 16; ++bits) {
                CEtatCommandes e;
                e.nFaces = n;
                e.bPointsPrincipaux = bits & 1;
                e.bTransformations = bits & 2;
                e.bPositionSoleil = bits & 4;
                e.bEclairement = bits & 8;
                const bool attendu = n >= r.nMinFaces && Condition(r.p, e.bPointsPrincipaux) &&
                                     Condition(r.t, e.bTransformations) &&
                                     Condition(r.s, e.bPositionSoleil) &&
                                     Condition(r.l, e.bEclairement);
                EXPECT_EQ(EstActive(r.nId, e), attendu)
                    << Commande(r.nId)->szMenu << " n=" << n << " flags=" << bits;
            }
        }
    }
}

TEST(Commandes, CheckMarks) {
    CEtatCommandes e;
    for (int id : {ID_NOUVEAU, ID_PROPRIETES, ID_BILAN_JOURNALIER, ID_A_PROPOS}) {
        EXPECT_FALSE(EstCochee(id, e).has_value());
    }
    e.bRecepteur = true;
    e.bCoteInverse = true;
    e.nFaces = 0; // the face flags count only when there is a face
    EXPECT_EQ(EstCochee(ID_RECEPTEUR, e), false);
    EXPECT_EQ(EstCochee(ID_COTE_INVERSE, e), false);
    e.nFaces = 1;
    EXPECT_EQ(EstCochee(ID_RECEPTEUR, e), true);
    EXPECT_EQ(EstCochee(ID_COTE_INVERSE, e), true);
    const std::pair<int, bool CEtatCommandes::*> drapeaux[] = {
        {ID_POINTS_PRINCIPAUX, &CEtatCommandes::bPointsPrincipaux},
        {ID_TRANSFORMATIONS, &CEtatCommandes::bTransformations},
        {ID_POSITION_SOLEIL, &CEtatCommandes::bPositionSoleil},
        {ID_ECLAIREMENT, &CEtatCommandes::bEclairement},
        {ID_COORDONNEES, &CEtatCommandes::bCoordonnees},
        {ID_COTE_ETUDE, &CEtatCommandes::bCoteEtude},
        {ID_BARRE_OUTILS, &CEtatCommandes::bBarreOutils},
        {ID_BARRE_ETAT, &CEtatCommandes::bBarreEtat},
    };
    for (auto [id, drapeau] : drapeaux) {
        CEtatCommandes x;
        x.*drapeau = false;
        EXPECT_EQ(EstCochee(id, x), false) << id;
        x.*drapeau = true;
        EXPECT_EQ(EstCochee(id, x), true) << id;
    }
}

} // namespace
