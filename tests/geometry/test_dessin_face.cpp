#include "../view/VueTest.h"
#include "GeometrieTest.h"
#include "geometry/DessinFace.h"
#include "geometry/FaceCourbe.h"

#include <functional>

namespace {

// Front view: origin at (400, 300), 64 pixels per metre, X right, Z up.
class DessinFace : public ::testing::Test {
protected:
    void SetUp() override { InitialiserVue(CRectangle{0, 0, 800, 600}); }
    CDCEnregistreur m_dc;
};

TEST_F(DessinFace, OutlinesCoordinatesAndStudySide) {
    ExpectDessins("drawings/faces.txt",
                  {
                      {"triangle in yellow, then quadrilateral",
                       [](CDC* dc) {
                           dc->SelectionnerStylo(CStylo{CCouleur(255, 255, 0)});
                           Face("CFace3")->Dessiner(dc, true);
                           Face("CFace4")->Dessiner(dc, true);
                       }},
                      {"hidden quadrilateral, then highlighted",
                       [](CDC* dc) {
                           auto q = Face("CFace4");
                           q->m_proprietes.m_bMasquee = 1;
                           q->Dessiner(dc, true);
                           q->Dessiner(dc, false);
                       }},
                      {"sector read from a file with unequal radii, then its stored arc moved",
                       [](CDC* dc) {
                           auto s = Face("CFace5");
                           s->m_points[2] = CVecteur(0, 0, 1);
                           s->Dessiner(dc, true);
                           EXPECT_NEAR(s->m_points[2].m_z, 2.0, 1e-15);
                           static_cast<CFaceCourbe&>(*s).m_arc[0] = CVecteur(1, 0, 1);
                           s->Dessiner(dc, true);
                       }},
                      {"hidden quarter ellipse, then highlighted",
                       [](CDC* dc) {
                           auto e = Face("CFace6");
                           e->m_proprietes.m_bMasquee = 1;
                           e->Dessiner(dc, true); // the arc is brought up to date all the same
                           EXPECT_TRUE(e->m_bContourAJour);
                           e->Dessiner(dc, false);
                       }},
                      {"coordinates: 2.005 is stored just below and -0.125 rounds to even",
                       [](CDC* dc) {
                           auto q = Face("CFace4");
                           q->m_points[2] = CVecteur(2, -0.125, 2.005);
                           CDCEnregistreur brouillon;
                           q->Dessiner(&brouillon, true);
                           q->DessinerCoordonnees(dc);
                           auto t = Face("CFace3");
                           t->Dessiner(&brouillon, true);
                           t->DessinerCoordonnees(dc);
                       }},
                      {"study side from above, then reversed",
                       [](CDC* dc) {
                           VueDeDessus();
                           auto t = Face("CFace3");
                           t->DessinerCoteEtude(dc);
                           t->m_proprietes.m_bCoteInverse = 1;
                           t->DessinerCoteEtude(dc);
                       }},
                  });
}

TEST_F(DessinFace, PickingMainPointsAndEdges) {
    auto t = Face("CFace3");
    auto q = Face("CFace4");
    auto s = Face("CFace5");
    auto t2 = Face("CFace3", {CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(0, 0, 2)});
    for (CFace* f : {t.get(), q.get(), s.get(), t2.get()}) {
        f->Dessiner(&m_dc, true);
    }
    q->m_proprietes.m_bMasquee = 1;
    g_ptOrigine = CPointEcran{100, 100};
    q->Dessiner(&m_dc, true); // hidden, yet projected: still pickable
    EXPECT_EQ(q->m_ecran[1], (CPointEcran{228, 100}));
    const struct {
        CFace* f;
        int x, y;
        bool bAretes;
        float valeur; // 0 hit, 1 miss, -1 miss of a point when points alone are tested
        double x0;    // of the point returned on a hit
    } cas[] = {
        {t.get(), 404, 302, false, -1, 0}, // 16 + 4 = 20 squared pixels
        {t.get(), 404, 301, false, 0, 0},  // 17
        {t.get(), 526, 298, false, 0, 2},  // a copy of P1
        {t.get(), 464, 300, false, -1, 0}, // the middle of an edge
        {t.get(), 464, 300, true, 0, 0},
        {t.get(), 300, 100, true, 1, 0},
        {q.get(), 228, 100, false, 0, 2},
        {s.get(), 490, 209, true, 1, 0}, // the arc at 45 degrees
        {s.get(), 464, 236, true, 1, 0}, // the chord
        {s.get(), 464, 301, true, 0, 0}, // radius P0P1
        {s.get(), 401, 236, true, 0, 0}, // radius P2P0
        {s.get(), 400, 174, false, 0, 0},
        {t2.get(), 464, 236, true, 0, 0}, // the same chord is a triangle's edge
    };
    for (const auto& c : cas) {
        const CVecteur r = c.f->PointProche(c.x, c.y, c.bAretes);
        EXPECT_EQ(r.m_fValeur, c.valeur) << c.f->NomClasse() << " " << c.x << "," << c.y;
        if (c.valeur == 0) {
            EXPECT_EQ(r.m_x, c.x0) << c.x << "," << c.y;
        }
    }
}

TEST_F(DessinFace, EdgeHitWithinThreePercentOfItsLength) {
    const struct {
        CPointEcran p, a, b;
        bool bTouchee;
    } cas[] = {
        {{50, 3}, {0, 0}, {100, 0}, true},
        {{50, -3}, {0, 0}, {100, 0}, true},
        {{50, 4}, {0, 0}, {100, 0}, false},
        {{0, 0}, {0, 0}, {100, 0}, true}, // both ends belong to the edge
        {{100, 0}, {0, 0}, {100, 0}, true},
        {{101, 0}, {0, 0}, {100, 0}, false}, // beyond B
        {{-1, 0}, {0, 0}, {100, 0}, false},  // before A
        {{1, 0}, {0, 0}, {2, 0}, false},     // squared length below 5: never hit
        {{1, 1}, {0, 0}, {2, 1}, false},
        {{1, 0}, {0, 0}, {3, 0}, true},
        {{0, 0}, {-60000000, 0}, {60000000, 0}, true}, // no overflow
    };
    for (const auto& c : cas) {
        EXPECT_EQ(AreteTouchee(c.p, c.a, c.b), c.bTouchee) << c.p.x << "," << c.p.y;
    }
    // Through the sides of a quadrilateral of 100 pixels.
    auto q = Face("CFace4");
    const CPointEcran coins[4] = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    std::copy(std::begin(coins), std::end(coins), q->m_ecran);
    for (const auto& [x, y, v] : {std::tuple{50, 3, 0.0f}, std::tuple{50, 4, 1.0f},
                                  std::tuple{97, 50, 0.0f}, std::tuple{3, 50, 0.0f}}) {
        EXPECT_EQ(q->PointProche(x, y, true).m_fValeur, v) << x << "," << y;
    }
}

} // namespace
