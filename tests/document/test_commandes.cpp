#include "document/Commandes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
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

TEST(Commandes, EveryCommandHasItsRuleAndTexts) {
    ASSERT_EQ(Commandes().size(), std::size(kRegles));
    for (const Regle& r : kRegles) {
        const CCommande* c = Commande(r.nId);
        ASSERT_NE(c, nullptr) << r.nId;
        EXPECT_NE(std::string(c->szMenu), "");
        EXPECT_NE(std::string(c->szInvite), "");
        EXPECT_NE(std::string(c->szBulle), "");
    }
    EXPECT_EQ(Commande(12345), nullptr);
    EXPECT_FALSE(EstActive(12345, {}));
}

TEST(Commandes, EnablingOverEveryFlagCombination) {
    for (const Regle& r : kRegles) {
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

TEST(Commandes, AcceleratorsAreCtrlLetters) {
    const std::map<char, int> attendus = {
        {'A', 32772}, {'C', 32785}, {'D', 32773}, {'E', 32790}, {'F', 32788}, {'G', 32775},
        {'H', 32797}, {'I', 32776}, {'J', 32791}, {'K', 57664}, {'L', 32789}, {'M', 32771},
        {'N', 57600}, {'O', 57601}, {'P', 32784}, {'R', 32782}, {'S', 57603}, {'T', 32787},
        {'U', 32774}, {'V', 32786}, {'W', 32783}, {'X', 32778}, {'Y', 32777}};
    std::map<char, int> trouves;
    for (const CCommande& c : Commandes()) {
        if (c.cTouche != 0) {
            EXPECT_TRUE(trouves.emplace(c.cTouche, c.nId).second) << c.cTouche;
        }
    }
    EXPECT_EQ(trouves, attendus);
}

TEST(Commandes, ExactTexts) {
    EXPECT_STREQ(Commande(ID_POSITION_SOLEIL)->szInvite,
                 "Compute the sun position for a specified time (necessary stage before the "
                 "lighting computation)");
    EXPECT_STREQ(Commande(ID_COPIER_PROPRIETES)->szBulle, "Copy the properties face");
    EXPECT_STREQ(Commande(ID_INFORMATIONS_SOLAIRES)->szBulle, "Solar informations");
    EXPECT_STREQ(Commande(ID_ORIENTATION_STANDARD)->szMenu, "Standard orientation\tCtrl + M");
    EXPECT_STREQ(Commande(ID_NOUVEAU)->szMenu, "&New\tCtrl+N");
    EXPECT_EQ(std::string(Commande(ID_CONTACT)->szInvite),
              std::string("Prepare an e-mail intended to the author : ") + kAdresseAuteur);
    EXPECT_STREQ(kTexteRepos,
                 "Use the mouse for orientating, moving, enlarging or reducing the drawing");
}

TEST(Commandes, MenusHoldEveryCommandOnce) {
    std::multiset<int> vus;
    std::vector<std::string> titres;
    for (const CMenu& m : Menus()) {
        titres.push_back(m.szTitre);
        int profondeur = 0;
        for (const CEntreeMenu& e : m.entrees) {
            if (e.type == CEntreeMenu::Commande) {
                ASSERT_NE(Commande(e.nId), nullptr);
                vus.insert(e.nId);
            } else if (e.type == CEntreeMenu::SousMenu) {
                ++profondeur;
            } else if (e.type == CEntreeMenu::FinSousMenu) {
                --profondeur;
            }
            EXPECT_GE(profondeur, 0);
        }
        EXPECT_EQ(profondeur, 0);
    }
    EXPECT_EQ(titres, (std::vector<std::string>{"&File", "&View", "&Modelling", "&Run", "&?"}));
    for (const CCommande& c : Commandes()) {
        EXPECT_EQ(vus.count(c.nId), 1u) << c.szMenu;
    }
}

TEST(Commandes, ToolbarOrder) {
    const std::vector<int> attendu = {57600, 57601, 57603, 0,     32771, 32773, 32774, 32772,
                                      0,     32775, 0,     32777, 32776, 32778, 0,     32782,
                                      32783, 0,     32784, 32786, 32788, 32787, 0,     32789,
                                      32790, 32791, 0,     32797, 57664};
    const auto barre = BarreOutils();
    EXPECT_EQ(std::vector<int>(barre.begin(), barre.end()), attendu);
    int boutons = 0;
    for (int id : barre) {
        boutons += id != 0;
    }
    EXPECT_EQ(boutons, 22);
}

} // namespace
