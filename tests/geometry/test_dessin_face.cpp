#include "../view/VueTest.h"
#include "geometry/DessinFace.h"
#include "geometry/Face3.h"
#include "geometry/Face4.h"
#include "geometry/Face5.h"
#include "geometry/Face6.h"
#include "platform/DCEnregistreur.h"
#include "tests/platform/ImpressionEcran.h"
#include "view/Camera.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using CSegment = CDCEnregistreur::CSegment;

class DessinFace : public ::testing::Test {
protected:
    // Front view: origin at (400, 300), 64 pixels per metre, X right, Z up.
    void SetUp() override { InitialiserVue(CRectangle{0, 0, 800, 600}); }

    // The screen points of a drawing, as one polyline.
    static std::vector<CPointEcran> Chemin(const CDCEnregistreur& dc) {
        std::vector<CPointEcran> r;
        const auto segments = dc.Segments();
        if (!segments.empty()) {
            r.push_back(segments.front().a);
        }
        for (const CSegment& s : segments) {
            r.push_back(s.b);
        }
        return r;
    }

    CDCEnregistreur m_dc;
};

TEST_F(DessinFace, TriangleAndQuadrilateralOutlinesUseTheSelectedPen) {
    const CStylo jaune{CCouleur(255, 255, 0)};
    m_dc.SelectionnerStylo(jaune);
    CFace3 t;
    t.Dessiner(&m_dc, true);
    EXPECT_EQ(Chemin(m_dc),
              (std::vector<CPointEcran>{{400, 300}, {528, 300}, {464, 172}, {400, 300}}));
    EXPECT_EQ(m_dc.DeType(CDCEnregistreur::EType::Deplacement).size(), 1u);
    EXPECT_EQ(m_dc.Segments().back().stylo, jaune);
    EXPECT_EQ(t.m_ecran[2], (CPointEcran{464, 172}));

    m_dc.Effacer();
    CFace4 q;
    q.Dessiner(&m_dc, true);
    EXPECT_EQ(Chemin(m_dc), (std::vector<CPointEcran>{
                                {400, 300}, {528, 300}, {528, 172}, {400, 172}, {400, 300}}));
}

TEST_F(DessinFace, HiddenFaceDrawsNothingButIsStillProjected) {
    CFace4 q;
    q.m_proprietes.m_bMasquee = 1;
    g_ptOrigine = CPointEcran{100, 100};
    q.Dessiner(&m_dc, true);
    EXPECT_TRUE(m_dc.m_primitives.empty());
    EXPECT_EQ(q.m_ecran[1], (CPointEcran{228, 100}));
    EXPECT_EQ(q.PointProche(228, 100, false).m_fValeur, 0.0f); // pickable

    q.Dessiner(&m_dc, false); // the highlighted selection shows anyway
    EXPECT_EQ(m_dc.Segments().size(), 4u);
}

TEST_F(DessinFace, SectorComputesItsArcOnceAtItsFirstDrawing) {
    CFace5 s;                          // as read from a file: the arc is not current
    s.m_points[2] = CVecteur(0, 0, 1); // radii that differ
    ASSERT_FALSE(s.m_bContourAJour);
    s.Dessiner(&m_dc, true);
    EXPECT_TRUE(s.m_bContourAJour);
    EXPECT_NEAR(s.m_points[2].m_z, 2.0, 1e-15); // moved onto the circle before projection
    const auto chemin = Chemin(m_dc);
    ASSERT_EQ(chemin.size(), 40u); // P0, P1, 36 arc points, P2, P0
    EXPECT_EQ(chemin[0], (CPointEcran{400, 300}));
    EXPECT_EQ(chemin[1], (CPointEcran{528, 300}));
    EXPECT_EQ(chemin[2], (CPointEcran{527, 296})); // (1.99923, 0, 0.05553)
    EXPECT_EQ(chemin[38], (CPointEcran{400, 172}));
    EXPECT_EQ(chemin[39], (CPointEcran{400, 300}));

    // From now on the stored arc is drawn as it is.
    s.m_arc[0] = CVecteur(1, 0, 1);
    m_dc.Effacer();
    s.Dessiner(&m_dc, true);
    EXPECT_EQ(Chemin(m_dc)[2], (CPointEcran{464, 236}));
}

TEST_F(DessinFace, QuarterEllipseArc) {
    CFace6 e;
    e.m_proprietes.m_bMasquee = 1;
    e.Dessiner(&m_dc, true); // hidden, yet the arc is brought up to date
    EXPECT_TRUE(e.m_bContourAJour);
    EXPECT_TRUE(m_dc.m_primitives.empty());
    e.Dessiner(&m_dc, false);
    const auto chemin = Chemin(m_dc);
    ASSERT_EQ(chemin.size(), 40u);
    EXPECT_EQ(chemin[2], (CPointEcran{527, 297})); // (1.99820, 0, 0.04244)
    EXPECT_EQ(chemin[38], (CPointEcran{400, 236}));
}

TEST_F(DessinFace, CoordinatesOfTheMainPoints) {
    CFace4 q;
    q.m_points[2] = CVecteur(2, -0.125, 2.005);
    q.Dessiner(&m_dc, true);
    m_dc.Effacer();
    q.DessinerCoordonnees(&m_dc);
    const auto textes = m_dc.DeType(CDCEnregistreur::EType::Texte);
    ASSERT_EQ(textes.size(), 4u);
    EXPECT_EQ(textes[0].strTexte, "0 : (0.00,0.00,0.00)");
    EXPECT_EQ(textes[0].x1, 410);
    EXPECT_EQ(textes[0].y1, 280);
    EXPECT_EQ(textes[1].strTexte, "1 : (2.00,0.00,0.00)");
    EXPECT_EQ(textes[1].x1, 538);
    // As "%.2f" rounds: 2.005 is stored just below and gives 2.00; -0.125 gives -0.12.
    EXPECT_EQ(textes[2].strTexte, "2 : (2.00,-0.12,2.00)");
    EXPECT_EQ(textes[3].strTexte, "3 : (0.00,0.00,2.00)");
    EXPECT_EQ(textes[3].y1, 152);

    CFace3 t;
    t.Dessiner(&m_dc, true);
    m_dc.Effacer();
    t.DessinerCoordonnees(&m_dc);
    EXPECT_EQ(m_dc.Textes().size(), 3u);
}

TEST_F(DessinFace, StudySideMarkerGoesHalfAMetreIntoTheStudySide) {
    VueDeDessus();
    CFace3 t; // normal (0,-1,0): from (1,0,0) to (1,-0.5,0)
    t.DessinerCoteEtude(&m_dc);
    EXPECT_EQ(m_dc.Segments(),
              (std::vector<CSegment>{{{464, 300}, {464, 332}, CStylo{CCouleur(0, 0, 0)}}}));
    m_dc.Effacer();
    t.m_proprietes.m_bCoteInverse = 1; // to (1,0.5,0)
    t.DessinerCoteEtude(&m_dc);
    EXPECT_EQ(m_dc.Segments().at(0).b, (CPointEcran{464, 268}));
}

TEST_F(DessinFace, MainPointHitWithinTwentySquaredPixels) {
    CFace3 t;
    t.m_points[0] = CVecteur(0, 0, 0, 0.0f);
    t.Dessiner(&m_dc, true);                                    // P0 at (400, 300)
    EXPECT_EQ(t.PointProche(404, 302, false).m_fValeur, -1.0f); // 16 + 4 = 20
    const CVecteur r = t.PointProche(404, 301, false);          // 17
    EXPECT_EQ(r.m_fValeur, 0.0f);
    EXPECT_EQ(r.m_x, 0.0);
    const CVecteur p1 = t.PointProche(526, 298, false);
    EXPECT_EQ(p1.m_fValeur, 0.0f);
    EXPECT_EQ(p1.m_x, 2.0); // a copy of P1
    // The middle of an edge: a miss for points only, a hit with the edges.
    EXPECT_EQ(t.PointProche(464, 300, false).m_fValeur, -1.0f);
    const CVecteur arete = t.PointProche(464, 300, true);
    EXPECT_EQ(arete.m_fValeur, 0.0f);
    EXPECT_EQ(arete.m_x, 0.0);
    EXPECT_EQ(t.PointProche(300, 100, true).m_fValeur, 1.0f);
}

TEST_F(DessinFace, EdgeHitWithinThreePercentOfItsLength) {
    const CPointEcran a{0, 0};
    const CPointEcran b{100, 0};
    EXPECT_TRUE(AreteTouchee(CPointEcran{50, 3}, a, b));
    EXPECT_TRUE(AreteTouchee(CPointEcran{50, -3}, a, b));
    EXPECT_FALSE(AreteTouchee(CPointEcran{50, 4}, a, b));
    EXPECT_TRUE(AreteTouchee(CPointEcran{100, 0}, a, b));
    EXPECT_FALSE(AreteTouchee(CPointEcran{101, 0}, a, b)); // beyond B
    EXPECT_FALSE(AreteTouchee(CPointEcran{-1, 0}, a, b));  // before A
    // Squared length below 5 is never hit, even on the line; 9 is.
    EXPECT_FALSE(AreteTouchee(CPointEcran{1, 0}, a, CPointEcran{2, 0}));
    EXPECT_FALSE(AreteTouchee(CPointEcran{1, 1}, a, CPointEcran{2, 1}));
    EXPECT_TRUE(AreteTouchee(CPointEcran{1, 0}, a, CPointEcran{3, 0}));
    // Far coordinates do not overflow.
    EXPECT_TRUE(
        AreteTouchee(CPointEcran{0, 0}, CPointEcran{-60000000, 0}, CPointEcran{60000000, 0}));

    // Through a face: a 100-pixel side of a quadrilateral.
    CFace4 q;
    q.m_ecran[0] = CPointEcran{0, 0};
    q.m_ecran[1] = CPointEcran{100, 0};
    q.m_ecran[2] = CPointEcran{100, 100};
    q.m_ecran[3] = CPointEcran{0, 100};
    EXPECT_EQ(q.PointProche(50, 3, true).m_fValeur, 0.0f);
    EXPECT_EQ(q.PointProche(50, 4, true).m_fValeur, 1.0f);
    EXPECT_EQ(q.PointProche(97, 50, true).m_fValeur, 0.0f); // side P1P2
    EXPECT_EQ(q.PointProche(3, 50, true).m_fValeur, 0.0f);  // side P3P0
}

TEST_F(DessinFace, TheArcOfASectorIsNotPicked) {
    CFace5 s;
    s.Dessiner(&m_dc, true);                                  // (400,300), (528,300), (400,172)
    EXPECT_EQ(s.PointProche(490, 209, true).m_fValeur, 1.0f); // on the arc at 45 degrees
    EXPECT_EQ(s.PointProche(464, 236, true).m_fValeur, 1.0f); // on the chord
    EXPECT_EQ(s.PointProche(464, 301, true).m_fValeur, 0.0f); // radius P0P1
    EXPECT_EQ(s.PointProche(401, 236, true).m_fValeur, 0.0f); // radius P2P0
    EXPECT_EQ(s.PointProche(400, 174, false).m_fValeur, 0.0f);

    CFace3 t; // the same points as a triangle: the chord is its edge
    t.m_points[2] = CVecteur(0, 0, 2);
    t.Dessiner(&m_dc, true);
    EXPECT_EQ(t.PointProche(464, 236, true).m_fValeur, 0.0f);
}

} // namespace
