#include "tests/platform/ImpressionEcran.h"
#include "view/ParametresAffichage.h"

#include <functional>
#include <string>

namespace {

using F = CFeuilleParametres;
constexpr auto G = F::kPageGeneral, Q = F::kPageQuadrillage, S = F::kPageSoleil;

// Each page checks its fields on leaving it and on OK; a refusal stores
// nothing of any page. Then OK stores the pages shown, and only those.
TEST(FeuilleParametres, PagesCheckOnLeavingAndOnOkAndStoreOnlyWhatWasShown) {
    CJournal j;
    const std::string str30(30, 'a');
    const std::tuple<const char*, F::EPage, std::function<void(F&)>> cas[] = {
        {"30-character title", G, [&](F& f) { f.m_general.strTitre = str30; }},
        {"31-character title", G, [&](F& f) { f.m_general.strTitre = str30 + "b"; }},
        {"repetition 1", Q, [](F& f) { f.m_quadrillage.strRepetition = "1"; }},
        {"repetition 100", Q, [](F& f) { f.m_quadrillage.strRepetition = "100"; }},
        {"repetition 0", Q, [](F& f) { f.m_quadrillage.strRepetition = "0"; }},
        {"repetition 101", Q, [](F& f) { f.m_quadrillage.strRepetition = "101"; }},
        {"second vector's Z", Q, [](F& f) { f.m_quadrillage.strVecteur2[2] = "up"; }},
        {"distance 1000", S, [](F& f) { f.m_soleil.strDistance = "1000"; }},
        {"distance 1000.5", S, [](F& f) { f.m_soleil.strDistance = "1000.5"; }},
        {"target's Y", S, [](F& f) { f.m_soleil.strCible[1] = ""; }},
    };
    for (const auto& [szCas, page, saisir] : cas) {
        CParametresAffichage p;
        F feuille(p);
        EXPECT_TRUE(feuille.Montrer(page));
        saisir(feuille);
        const CResultatValidation rQuitter = feuille.Quitter(page);
        const CResultatValidation rOk = feuille.Valider();
        NOTER(j, szCas, rQuitter, rOk, p.m_pageGeneral.m_strTitre,
              p.m_pageQuadrillage.m_nRepetition, p.m_pageSoleil.m_dDistance);
    }

    j.Titre("cancelled: the sheet goes without OK");
    CParametresAffichage p;
    p.m_pageGeneral.m_strTitre = "house";
    p.m_pageSoleil.m_dDistance = 25;
    {
        F feuille(p);
        feuille.Montrer(F::kPageGeneral);
        feuille.m_general.strTitre = "forgotten";
    }
    NOTER(j, p.m_pageGeneral.m_strTitre);
    j.Titre("shown again, a page keeps what was typed; a page never shown is not stored");
    F feuille(p);
    NOTER(j, feuille.Montrer(F::kPageGeneral), feuille.m_general.strTitre);
    feuille.m_general.bGrosNoeuds = true;
    NOTER(j, feuille.Montrer(F::kPageQuadrillage), feuille.m_quadrillage.strRepetition,
          feuille.m_quadrillage.strVecteur2);
    feuille.m_quadrillage.bAfficher = true;
    feuille.m_quadrillage.strRepetition = "3";
    feuille.m_quadrillage.strVecteur1[0] = "0.5";
    feuille.m_quadrillage.strCentre[2] = "2.25";
    NOTER(j, feuille.Montrer(F::kPageQuadrillage), feuille.m_quadrillage.strRepetition);
    feuille.m_soleil.strDistance = "5";
    NOTER(j, feuille.Valider());
    const CAffQuadrillage& q = p.m_pageQuadrillage;
    NOTER(j, p.m_pageGeneral.m_strTitre, p.m_pageGeneral.m_bGrosNoeuds, q.m_bAfficher,
          q.m_nRepetition, q.m_vecteur1, q.m_centre, p.m_pageSoleil.m_dDistance);
    ExpectGolden("view_parameters.txt", j.m_texte);
}

} // namespace
