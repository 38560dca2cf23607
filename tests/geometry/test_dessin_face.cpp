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
    CFace* faces[] = {t.get(), q.get(), s.get(), t2.get()};
    for (auto& l : Table("tables/picking.txt")) {
        int i = 0, x = 0, y = 0;
        bool bAretes = false;
        float valeur = 0;
        double x0 = 0;
        l >> i >> x >> y >> bAretes >> valeur >> x0;
        ASSERT_TRUE(Lue(l)) << l.str();
        const CVecteur r = faces[i]->PointProche(x, y, bAretes);
        EXPECT_EQ(r.m_fValeur, valeur) << l.str();
        if (valeur == 0) {
            EXPECT_EQ(r.m_x, x0) << l.str();
        }
    }
}

TEST_F(DessinFace, EdgeHitWithinThreePercentOfItsLength) {
    for (auto& l : Table("tables/edge_hits.txt")) {
        CPointEcran p, a, b;
        bool bTouchee = false;
        l >> p.x >> p.y >> a.x >> a.y >> b.x >> b.y >> bTouchee;
        ASSERT_TRUE(Lue(l)) << l.str();
        EXPECT_EQ(AreteTouchee(p, a, b), bTouchee) << l.str();
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
