#include "VueTest.h"
#include "view/Dessin.h"
#include "view/DonneesSoleil.h"
#include "view/Graphiques.h"
#include "view/ParametresAffichage.h"

#include <array>
#include <functional>
#include <vector>

namespace {

TEST(Affichage, Overlays) {
    CParametresAffichage p;
    CAffGeneral& g = p.m_pageGeneral;
    CAffQuadrillage& q = p.m_pageQuadrillage;
    CAffSoleil& s = p.m_pageSoleil;
    ExpectDessins("drawings/overlays.txt",
                  {{"texts, then turned off",
                    [&](CDC* dc) {
                        g.DessinerTextes(dc, "no face defined");
                        g.m_bElementsTextuels = 0;
                        g.DessinerTextes(dc, "x");
                    }},
                   {"central trihedron, then zoomed to 4096",
                    [&](CDC* dc) {
                        g.DessinerTriedreCentral(dc);
                        g_dEchelle = 4096;
                        Tourner(0, 0);
                        g.DessinerTriedreCentral(dc);
                    }},
                   {"informative trihedron zoomed with the origin moved: same size, same corner",
                    [&](CDC* dc) {
                        g_dEchelle = 4096;
                        Tourner(0, 0);
                        g_ptOrigine = CPointEcran{100, 50};
                        g.DessinerTriedreInformatif(dc, CRectangle{0, 0, 800, 600});
                    }},
                   {"informative trihedron lightening the X axis turned toward the viewer",
                    [&](CDC* dc) {
                        Tourner(0, -50);
                        g.DessinerTriedreInformatif(dc, CRectangle{0, 0, 800, 600});
                    }},
                   {"north along +X from above, then turned off",
                    [&](CDC* dc) {
                        VueDeDessus();
                        g.DessinerDirectionNord(dc, CVecteur(1, 0, 0));
                        g.m_bDirectionNord = 0;
                        g.DessinerDirectionNord(dc, CVecteur(1, 0, 0));
                    }},
                   {"grid hidden, then the default grid from above",
                    [&](CDC* dc) {
                        VueDeDessus();
                        q.Dessiner(dc);
                        q.m_bAfficher = 1;
                        q.Dessiner(dc);
                    }},
                   {"grid of one repetition about (1, 1, 0) without its centre",
                    [&](CDC* dc) {
                        VueDeDessus();
                        q.m_bSignaler = 0;
                        q.m_nRepetition = 1;
                        q.m_centre = CVecteur(1, 1, 0);
                        q.m_vecteur1 = CVecteur(0.5, 0, 0);
                        q.m_vecteur2 = CVecteur(0, 0.25, 0);
                        q.Dessiner(dc);
                    }},
                   {"close sun at 2 m just below the horizon line, then on it",
                    [&](CDC* dc) {
                        s.m_dDistance = 2.0;
                        s.Dessiner(dc, CDonneesSoleil{CVecteur(0.6, 0, 0.8), 4.99, 5});
                        s.Dessiner(dc, CDonneesSoleil{CVecteur(0.6, 0, 0.8), 5, 5});
                    }},
                   {"close sun on its target, without the sun, then without the ray", [&](CDC* dc) {
                        s.m_dDistance = 0;
                        s.m_pointCible = CVecteur(1, 5, 0);
                        s.m_bSoleilProche = 0;
                        s.Dessiner(dc, CDonneesSoleil{CVecteur(0, 0, 1), 45});
                        s.m_bSoleilProche = 1;
                        s.m_bRayonProche = 0;
                        s.Dessiner(dc, CDonneesSoleil{CVecteur(0, 0, 1), 45});
                    }}});
}

std::array<double, 24> DureesAvecMaximum(double m) {
    std::array<double, 24> d{};
    d[11] = m;
    d[0] = m / 2;
    return d;
}

std::vector<CPointBilan> Echantillons(double dEquivalentMax, int n) {
    std::vector<CPointBilan> r;
    for (int k = 0; k < n; ++k) {
        r.push_back(CPointBilan{k == 1 ? dEquivalentMax : 0.0, 30.0, -10.0 + 40.0 * k});
    }
    return r;
}

// The duration scale is the reversed problem's (pinned with the solar tools).
TEST(Graphiques, EquivalentScales) {
    for (const auto& [m, e] :
         {std::pair{-5.0, 20}, {20.0, 20}, {20.5, 50}, {50.0, 50}, {50.01, 100}}) {
        EXPECT_EQ(EchelleEquivalents(Echantillons(m, 3)), e) << m;
    }
}

TEST(Graphiques, Charts) {
    struct CEchantillonEssai {
        int m_nHeure, m_nMinute;
        double m_dEquivalent, m_dIncidence, m_dAltitude;
    };
    const CEchantillonEssai echantillons[3] = {
        {0, 0, 0, 30, -10}, {0, 30, 50, 30, 30}, {1, 0, 0, 30, 70}};
    ExpectDessins(
        "drawings/charts.txt",
        {{"reversed problem before computing",
          [](CDC* dc) { DessinerGraphiqueProblemeInverse(dc, DureesAvecMaximum(500), false); }},
         {"reversed problem of largest duration 90: scale 90",
          [](CDC* dc) { DessinerGraphiqueProblemeInverse(dc, DureesAvecMaximum(90), true); }},
         {"reversed problem of largest duration 91: scale 180",
          [](CDC* dc) { DessinerGraphiqueProblemeInverse(dc, DureesAvecMaximum(91), true); }},
         {"day report of two samples: no curve",
          [](CDC* dc) { DessinerGraphiqueBilan(dc, Echantillons(50, 2), 10); }},
         {"day report of largest equivalent 50: scale 50",
          [](CDC* dc) { DessinerGraphiqueBilan(dc, Echantillons(50, 3), 10); }},
         {"day report of largest equivalent 50.01: scale 100",
          [](CDC* dc) { DessinerGraphiqueBilan(dc, Echantillons(50.01, 3), 10); }},
         {"a whole day at 10 minutes: the abscissa accumulates to 535",
          [](CDC* dc) {
              DessinerGraphiqueBilan(dc, std::vector<CPointBilan>(144, CPointBilan{10, 10, 10}),
                                     10);
          }},
         {"the day report's own samples at 30 minutes",
          [&](CDC* dc) { DessinerGraphiqueBilan(dc, echantillons, 3, 30); }}});
}

} // namespace
