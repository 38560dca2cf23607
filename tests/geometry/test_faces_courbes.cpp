#include "geometry/Face5.h"
#include "geometry/Face6.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

void Placer(CFace& f, const CVecteur& p0, const CVecteur& p1, const CVecteur& p2) {
    f.m_points[0] = p0;
    f.m_points[1] = p1;
    f.m_points[2] = p2;
    f.CalculerNormale();
}

void ExpectProche(const CVecteur& v, double x, double y, double z, double tol = 1e-12) {
    EXPECT_NEAR(v.m_x, x, tol);
    EXPECT_NEAR(v.m_y, y, tol);
    EXPECT_NEAR(v.m_z, z, tol);
}

TEST(FacesCourbes, Defaults) {
    CFace5 s;
    EXPECT_STREQ(s.NomClasse(), "CFace5");
    EXPECT_EQ(s.m_strTitre, "Coordinates of the center and the ends of the acute arc");
    EXPECT_FALSE(s.m_bContourAJour);
    EXPECT_NEAR(s.Aire(), std::numbers::pi, 1e-12);
    ExpectProche(s.m_normale, 0, -1, 0);

    CFace6 e;
    EXPECT_STREQ(e.NomClasse(), "CFace6");
    EXPECT_EQ(e.m_strTitre, "Coordinates of the center and the vertices of the ellipse");
    EXPECT_FALSE(e.m_bContourAJour);
    EXPECT_NEAR(e.Aire(), std::numbers::pi / 2, 1e-12);
}

TEST(FacesCourbes, SectorCorrectionPutsBothEndsOnTheCircle) {
    CFace5 s;
    Placer(s, CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(0, 0, 1));
    EXPECT_TRUE(s.EstValide());
    ExpectProche(s.m_points[2], 0, 0, 2);
}

TEST(FacesCourbes, SectorAngleLimits) {
    CFace5 s;
    Placer(s, CVecteur(0, 0, 0), CVecteur(1, 0, 0), CVecteur(-0.5, 0, 0.866));
    EXPECT_FALSE(s.EstValide()); // 120 degrees
    Placer(s, CVecteur(0, 0, 0), CVecteur(1, 0, 0), CVecteur(0, 0, 1));
    EXPECT_TRUE(s.EstValide()); // exactly 90
    Placer(s, CVecteur(0, 0, 0), CVecteur(1, 0, 0), CVecteur(3, 0, 0));
    EXPECT_FALSE(s.EstValide()); // aligned radii
    Placer(s, CVecteur(0, 0, 0), CVecteur(0.0005, 0, 0), CVecteur(0, 0, 1));
    EXPECT_FALSE(s.EstValide());
}

TEST(FacesCourbes, QuarterEllipseCorrectionMakesTheAxesPerpendicular) {
    CFace6 e;
    Placer(e, CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(1, 0, 1));
    EXPECT_TRUE(e.EstValide());
    ExpectProche(e.m_points[2], 0, 0, 1);
    Placer(e, CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(4, 0, 0));
    EXPECT_FALSE(e.EstValide());
}

TEST(FacesCourbes, FirstArcPoints) {
    CFace5 s;
    s.CalculerArc();
    EXPECT_TRUE(s.m_bContourAJour);
    const double n = std::sqrt(72.0 * 72.0 + 4.0);
    ExpectProche(s.m_arc[0], 2 * 72 / n, 0, 2 * 2 / n);
    EXPECT_NEAR(s.m_arc[0].m_x, 1.99923, 1e-5);
    EXPECT_NEAR(s.m_arc[0].m_z, 0.05553, 1e-5);
    // Every arc point lies on the circle.
    for (const auto& p : s.m_arc) {
        EXPECT_NEAR(p.Norme(), 2.0, 1e-12);
    }

    CFace6 e;
    e.CalculerArc();
    const double t = 0.04245395477824045;
    ExpectProche(e.m_arc[0], 2 * std::cos(t), 0, std::sin(t));
    EXPECT_NEAR(e.m_arc[0].m_x, 1.99820, 1e-5);
    EXPECT_NEAR(e.m_arc[0].m_z, 0.04244, 1e-5);
    for (const auto& p : e.m_arc) {
        EXPECT_NEAR(p.m_x * p.m_x / 4 + p.m_z * p.m_z, 1.0, 1e-12);
    }
}

TEST(FacesCourbes, InvalidFaceCollapsesItsArcOntoTheCentre) {
    CFace5 s;
    Placer(s, CVecteur(1, 1, 1), CVecteur(2, 1, 1), CVecteur(0, 1, 1.8));
    s.CalculerArc();
    EXPECT_TRUE(s.m_bContourAJour);
    for (const auto& p : s.m_arc) {
        ExpectProche(p, 1, 1, 1, 0);
    }
    // Once corrected, the next arc follows the circle again.
    Placer(s, CVecteur(1, 1, 1), CVecteur(2, 1, 1), CVecteur(1, 1, 3));
    s.CalculerArc();
    ExpectProche(s.m_points[2], 1, 1, 2);
    EXPECT_NEAR((s.m_arc[17] - s.m_points[0]).Norme(), 1.0, 1e-12);
}

TEST(FacesCourbes, SectorInsideRuleAroundTheDisc) {
    CFace5 s;
    s.PreparerRayon(s.m_normale);
    EXPECT_NEAR(s.m_repere[1].m_fValeur, 0.0f, 1e-7f); // right angle
    EXPECT_NE(s.Intercepte(CVecteur(1.4, 0, 1.4), 0.0), 0);
    EXPECT_EQ(s.Intercepte(CVecteur(1.42, 0, 1.42), 0.0), 0);
    EXPECT_EQ(s.Intercepte(CVecteur(-0.1, 0, 1), 0.0), 0);
}

TEST(FacesCourbes, NarrowSectorCoefficientIsTwiceTheCosine) {
    CFace5 s;
    const double a = 60 * std::numbers::pi / 180;
    Placer(s, CVecteur(0, 0, 0), CVecteur(1, 0, 0), CVecteur(std::cos(a), 0, std::sin(a)));
    s.PreparerRayon(s.m_normale);
    EXPECT_FLOAT_EQ(s.m_repere[1].m_fValeur, 1.0f);
    // Inside the disc between the radii, at distance 0.95 from the centre.
    const double m = 30 * std::numbers::pi / 180;
    EXPECT_NE(s.Intercepte(CVecteur(0.95 * std::cos(m), 0, 0.95 * std::sin(m)), 0.0), 0);
    EXPECT_EQ(s.Intercepte(CVecteur(1.02 * std::cos(m), 0, 1.02 * std::sin(m)), 0.0), 0);
    EXPECT_NEAR(s.Aire(), std::numbers::pi / 6, 1e-12);
}

TEST(FacesCourbes, QuarterEllipseInsideRule) {
    CFace6 e;
    e.PreparerRayon(e.m_normale);
    EXPECT_NE(e.Intercepte(CVecteur(1.4, 0, 0.7), 0.0), 0); // 0.49 + 0.49
    EXPECT_EQ(e.Intercepte(CVecteur(1.42, 0, 0.71), 0.0), 0);
    EXPECT_EQ(e.Intercepte(CVecteur(1.4, 0, 0.7), 0.03), 0); // the margin
}

TEST(FacesCourbes, CopyIsOfTheSameKind) {
    CFace6 e;
    e.CreerCopie();
    EXPECT_STREQ(e.m_pCopie->NomClasse(), "CFace6");
    CFace5 s;
    s.CreerCopie();
    EXPECT_STREQ(s.m_pCopie->NomClasse(), "CFace5");
}

} // namespace
