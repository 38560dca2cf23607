#include "view/ParametresAffichage.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using EPage = CFeuilleParametres::EPage;

struct CCas {
    const char* szCas;
    EPage page;
    std::function<void(CFeuilleParametres&)> saisir;
    int nChampRefuse; // -1: accepted
    const char* szMessage;
};

} // namespace

TEST(FeuilleParametres, EachPageChecksItsFieldsOnLeavingAndOnOk) {
    const std::string str30(30, 'a');
    const CCas cas[] = {
        {"30-character title", CFeuilleParametres::kPageGeneral,
         [&](CFeuilleParametres& f) { f.m_general.strTitre = str30; }, -1, ""},
        {"31-character title", CFeuilleParametres::kPageGeneral,
         [&](CFeuilleParametres& f) { f.m_general.strTitre = str30 + "b"; },
         CParametresAffichage::kChampTitre, "Please enter no more than 30 characters."},
        {"repetition 1", CFeuilleParametres::kPageQuadrillage,
         [](CFeuilleParametres& f) { f.m_quadrillage.strRepetition = "1"; }, -1, ""},
        {"repetition 100", CFeuilleParametres::kPageQuadrillage,
         [](CFeuilleParametres& f) { f.m_quadrillage.strRepetition = "100"; }, -1, ""},
        {"repetition 0", CFeuilleParametres::kPageQuadrillage,
         [](CFeuilleParametres& f) { f.m_quadrillage.strRepetition = "0"; },
         CParametresAffichage::kChampRepetition, "Please enter an integer between 1 and 100."},
        {"repetition 101", CFeuilleParametres::kPageQuadrillage,
         [](CFeuilleParametres& f) { f.m_quadrillage.strRepetition = "101"; },
         CParametresAffichage::kChampRepetition, "Please enter an integer between 1 and 100."},
        {"second vector's Z", CFeuilleParametres::kPageQuadrillage,
         [](CFeuilleParametres& f) { f.m_quadrillage.strVecteur2[2] = "up"; },
         CParametresAffichage::kChampVecteur2 + 2, "Please enter a number."},
        {"distance 1000", CFeuilleParametres::kPageSoleil,
         [](CFeuilleParametres& f) { f.m_soleil.strDistance = "1000"; }, -1, ""},
        {"distance 1000.5", CFeuilleParametres::kPageSoleil,
         [](CFeuilleParametres& f) { f.m_soleil.strDistance = "1000.5"; },
         CParametresAffichage::kChampDistance, "Please enter a number between 0 and 1000."},
        {"target's Y", CFeuilleParametres::kPageSoleil,
         [](CFeuilleParametres& f) { f.m_soleil.strCible[1] = ""; },
         CParametresAffichage::kChampCible + 1, "Please enter a number."},
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(c.szCas);
        CParametresAffichage p;
        CFeuilleParametres feuille(p);
        EXPECT_TRUE(feuille.Montrer(c.page));
        c.saisir(feuille);
        const CResultatValidation rQuitter = feuille.Quitter(c.page);
        const CResultatValidation rOk = feuille.Valider();
        if (c.nChampRefuse < 0) {
            EXPECT_FALSE(rQuitter);
            EXPECT_FALSE(rOk);
        } else {
            ASSERT_TRUE(rQuitter && rOk);
            EXPECT_EQ(rQuitter->nChamp, c.nChampRefuse);
            EXPECT_EQ(rQuitter->strMessage, c.szMessage);
            EXPECT_EQ(rOk->nChamp, c.nChampRefuse);
            // Nothing of any page is stored.
            const CParametresAffichage defaut;
            EXPECT_EQ(p.m_pageGeneral.m_strTitre, defaut.m_pageGeneral.m_strTitre);
            EXPECT_EQ(p.m_pageQuadrillage.m_nRepetition, 10);
            EXPECT_EQ(p.m_pageSoleil.m_dDistance, 10.0);
        }
    }
}

TEST(FeuilleParametres, OkStoresThePagesShownAndOnlyThose) {
    CParametresAffichage p;
    p.m_pageGeneral.m_strTitre = "house";
    p.m_pageSoleil.m_dDistance = 25;
    {
        // Cancel: the sheet goes without OK.
        CFeuilleParametres feuille(p);
        feuille.Montrer(CFeuilleParametres::kPageGeneral);
        feuille.m_general.strTitre = "forgotten";
    }
    EXPECT_EQ(p.m_pageGeneral.m_strTitre, "house");

    CFeuilleParametres feuille(p);
    ASSERT_TRUE(feuille.Montrer(CFeuilleParametres::kPageGeneral));
    EXPECT_EQ(feuille.m_general.strTitre, "house");
    feuille.m_general.bGrosNoeuds = true;
    ASSERT_TRUE(feuille.Montrer(CFeuilleParametres::kPageQuadrillage));
    EXPECT_EQ(feuille.m_quadrillage.strRepetition, "10");
    EXPECT_EQ(feuille.m_quadrillage.strVecteur2[1], "1");
    feuille.m_quadrillage.bAfficher = true;
    feuille.m_quadrillage.strRepetition = "3";
    feuille.m_quadrillage.strVecteur1[0] = "0.5";
    feuille.m_quadrillage.strCentre[2] = "2.25";
    // Shown again: the buffers keep what was typed.
    EXPECT_FALSE(feuille.Montrer(CFeuilleParametres::kPageQuadrillage));
    EXPECT_EQ(feuille.m_quadrillage.strRepetition, "3");
    // The "Sun" page was never shown: a stray buffer value is not stored.
    feuille.m_soleil.strDistance = "5";
    ASSERT_FALSE(feuille.Valider());

    EXPECT_EQ(p.m_pageGeneral.m_strTitre, "house");
    EXPECT_EQ(p.m_pageGeneral.m_bGrosNoeuds, 1);
    EXPECT_EQ(p.m_pageQuadrillage.m_bAfficher, 1);
    EXPECT_EQ(p.m_pageQuadrillage.m_nRepetition, 3);
    EXPECT_EQ(p.m_pageQuadrillage.m_vecteur1.m_x, 0.5);
    EXPECT_EQ(p.m_pageQuadrillage.m_centre.m_z, 2.25);
    EXPECT_EQ(p.m_pageSoleil.m_dDistance, 25.0);
}
