#include "geometry/Face3.h"
#include "geometry/Face4.h"
#include "geometry/Face5.h"
#include "geometry/Face6.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void Placer(CFace& f, std::initializer_list<CVecteur> points) {
    int i = 0;
    for (const auto& p : points) {
        f.m_points[i++] = p;
    }
    f.CalculerNormale();
}

void ExpectProche(const CVecteur& v, double x, double y, double z, double tol = 1e-12) {
    EXPECT_NEAR(v.m_x, x, tol);
    EXPECT_NEAR(v.m_y, y, tol);
    EXPECT_NEAR(v.m_z, z, tol);
}

TEST(FacesDroites, DefaultsNormalsAndAreas) {
    CFace3 t;
    EXPECT_EQ(t.m_nPoints, 3);
    EXPECT_STREQ(t.NomClasse(), "CFace3");
    EXPECT_EQ(t.m_strTitre, "Coordinates of the three vertices of the triangle");
    EXPECT_TRUE(t.m_bContourAJour);
    ExpectProche(t.m_normale, 0, -1, 0);
    EXPECT_DOUBLE_EQ(t.Aire(), 2.0);
    EXPECT_TRUE(t.EstValide());

    CFace4 q;
    EXPECT_EQ(q.m_nPoints, 4);
    EXPECT_EQ(q.m_strTitre, "Coordinates of the four vertices of the quadrilateral");
    ExpectProche(q.m_normale, 0, -1, 0);
    EXPECT_DOUBLE_EQ(q.Aire(), 4.0);
    EXPECT_TRUE(q.EstValide());
    ExpectProche(q.m_points[2], 2, 0, 2, 0);
}

TEST(FacesDroites, AreaOfTheQuadrilateralIsTheSumOfItsTwoTriangles) {
    CFace4 q;
    Placer(q, {CVecteur(0, 0, 0), CVecteur(4, 0, 0), CVecteur(3, 0, 2), CVecteur(1, 0, 2)});
    EXPECT_DOUBLE_EQ(q.Aire(), 6.0); // trapezium (4 + 2) / 2 * 2
}

TEST(FacesDroites, RayTestCoordinatesOnTheOwnNormal) {
    CFace3 t;
    t.PreparerRayon(t.m_normale);
    EXPECT_NE(t.m_repere[0].m_fValeur, 0.0f);
    ExpectProche(t.m_points[0].DansRepere(t.m_points[0], t.m_repere), 0, 0, 0);
    ExpectProche(t.m_points[1].DansRepere(t.m_points[0], t.m_repere), 1, 0, 0);
    ExpectProche(t.m_points[2].DansRepere(t.m_points[0], t.m_repere), 0, 1, 0);
    // The determinant is kept as a 32-bit float: E0 . (n x E2) = 4 here.
    EXPECT_EQ(t.m_repere[0].m_fValeur, 4.0f);
}

TEST(FacesDroites, DirectionInThePlaneCannotBeTested) {
    CFace3 t;
    t.PreparerRayon(CVecteur(1, 0, 0));
    EXPECT_EQ(t.m_repere[0].m_fValeur, 0.0f);
    EXPECT_EQ(t.Intercepte(CVecteur(1, 0, 0.5), 0.0), 0);
    EXPECT_EQ(t.Intercepte(CVecteur(1, 5, 0.5), 0.0), 0);
}

TEST(FacesDroites, SideOfThePointAlongTheDirection) {
    CFace3 t;
    t.PreparerRayon(t.m_normale);
    const CVecteur p(1, 0, 0.5);
    EXPECT_EQ(t.Intercepte(p + t.m_normale, 0.0), 1);
    EXPECT_EQ(t.Intercepte(p - t.m_normale, 0.0), -1);
    EXPECT_EQ(t.Intercepte(p, 0.0), 1); // a point of the face itself
    EXPECT_EQ(t.Intercepte(CVecteur(3, -1, 0.5), 0.0), 0);
}

TEST(FacesDroites, BaseTestWithoutOpeningsAnswersZero) {
    CFace4 q;
    q.PreparerRayon(q.m_normale);
    EXPECT_EQ(q.CFace::Intercepte(CVecteur(1, 0, 1), 0.0), 0);
    EXPECT_EQ(q.Intercepte(CVecteur(1, 0, 1), 0.0), 1);
    EXPECT_DOUBLE_EQ(q.AireNette(), q.Aire());
}

TEST(FacesDroites, TriangleValidity) {
    CFace3 t;
    Placer(t, {CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(1, 0, 0)});
    EXPECT_FALSE(t.EstValide()); // collinear
    Placer(t, {CVecteur(0, 0, 0), CVecteur(0.0005, 0, 0), CVecteur(0, 0, 1)});
    EXPECT_FALSE(t.EstValide()); // side under 1 mm
    Placer(t, {CVecteur(0, 0, 0), CVecteur(0.002, 0, 0), CVecteur(0, 0, 1)});
    EXPECT_TRUE(t.EstValide());
}

TEST(FacesDroites, QuadrilateralValidity) {
    CFace4 q;
    Placer(q, {CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(0, 0, 2), CVecteur(2, 0, 2)});
    EXPECT_FALSE(q.EstValide()); // bow-tie
    Placer(q, {CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(2, 0.1, 2), CVecteur(0, 0, 2)});
    EXPECT_FALSE(q.EstValide()); // lifted corner
    Placer(q, {CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(2, 1e-6, 2), CVecteur(0, 0, 2)});
    EXPECT_TRUE(q.EstValide());
    Placer(q, {CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(0.5, 0, 0.5), CVecteur(0, 0, 2)});
    EXPECT_FALSE(q.EstValide()); // not convex
    Placer(q, {CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(2, 0, 2), CVecteur(2, 0, 2)});
    EXPECT_FALSE(q.EstValide()); // a zero side
    // Validation never moves the points of the straight kinds.
    ExpectProche(q.m_points[3], 2, 0, 2, 0);
}

TEST(FacesDroites, NoKindAcceptsACoordinateBeyondTheBound) {
    // A scene file refuses such coordinates, so no edit may store them.
    const struct {
        double dDecalage; // added to every X, the fourth point's too
        bool bValide;
    } cas[] = {{kCoordonneeMax - 10, true},
               {-kCoordonneeMax + 10, true},
               {kCoordonneeMax + 10, false},
               {1e300, false},
               {std::nan(""), false}};
    for (const auto& c : cas) {
        CFace3 t;
        CFace4 q;
        CFace5 s;
        CFace6 e;
        for (CFace* f : std::initializer_list<CFace*>{&t, &q, &s, &e}) {
            for (CVecteur& p : f->m_points) {
                p.m_x += c.dDecalage;
            }
            EXPECT_EQ(f->EstValide(), c.bValide) << f->NomClasse() << " " << c.dDecalage;
        }
    }
}

TEST(FacesDroites, SquareShapeCoefficientsAndMargin) {
    CFace4 q;
    Placer(q, {CVecteur(0, 0, 0), CVecteur(1, 0, 0), CVecteur(1, 0, 1), CVecteur(0, 0, 1)});
    q.PreparerRayon(q.m_normale);
    EXPECT_EQ(q.m_repere[1].m_fValeur, 0.0f);
    EXPECT_EQ(q.m_repere[2].m_fValeur, 0.0f);
    const CVecteur c = CVecteur(0.5, 0, 0.5).DansRepere(q.m_points[0], q.m_repere);
    EXPECT_NEAR(c.m_x, 0.5, 1e-15);
    EXPECT_NEAR(c.m_y, 0.5, 1e-15);
    EXPECT_EQ(q.Intercepte(CVecteur(0.9995, 0, 0.5), 0.001), 0);
    EXPECT_NE(q.Intercepte(CVecteur(0.9995, 0, 0.5), 0.0), 0);
}

TEST(FacesDroites, KiteShapeCoefficients) {
    CFace4 q;
    Placer(q, {CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(1, 0, 2), CVecteur(0, 0, 2)});
    q.PreparerRayon(q.m_normale);
    EXPECT_FLOAT_EQ(q.m_repere[1].m_fValeur, 0.5f);
    EXPECT_FLOAT_EQ(q.m_repere[2].m_fValeur, 0.0f);
    EXPECT_EQ(q.Intercepte(CVecteur(1.6, 0, 1), 0.0), 0);
    EXPECT_NE(q.Intercepte(CVecteur(1.2, 0, 1), 0.0), 0);
}

TEST(FacesDroites, DegenerateDirectionKeepsTheOldCoefficients) {
    CFace4 q;
    Placer(q, {CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(1, 0, 2), CVecteur(0, 0, 2)});
    q.PreparerRayon(q.m_normale);
    q.PreparerRayon(CVecteur(0, 0, 1));
    EXPECT_EQ(q.m_repere[0].m_fValeur, 0.0f);
    EXPECT_FLOAT_EQ(q.m_repere[1].m_fValeur, 0.5f);
}

TEST(FacesDroites, SlantedRayFindsTheCrossing) {
    // A horizontal square roof at z = 3, lit by a sun at 45 degrees.
    CFace4 q;
    Placer(q, {CVecteur(0, 0, 3), CVecteur(1, 0, 3), CVecteur(1, 1, 3), CVecteur(0, 1, 3)});
    const CVecteur soleil = CVecteur(1, 0, 1) / std::sqrt(2.0);
    q.PreparerRayon(soleil);
    EXPECT_EQ(q.Intercepte(CVecteur(-2.5, 0.5, 0), 0.0), -1); // roof between point and sun
    EXPECT_EQ(q.Intercepte(CVecteur(-1.5, 0.5, 0), 0.0), 0);  // ray passes beside it
    EXPECT_EQ(q.Intercepte(CVecteur(1.5, 0.5, 4), 0.0), 1);   // point above the roof
}

TEST(FacesDroites, TransferToAndFromTheCopy) {
    CFace3 t;
    t.CreerCopie();
    ASSERT_NE(t.m_pCopie, nullptr);
    EXPECT_STREQ(t.m_pCopie->NomClasse(), "CFace3");
    t.m_points[3] = CVecteur(7, 8, 9, 1.5f);
    t.TransfererPoints(true);
    ExpectProche(t.m_pCopie->m_points[3], 7, 8, 9, 0);
    EXPECT_EQ(t.m_pCopie->m_points[3].m_fValeur, 1.5f);
    EXPECT_FALSE(t.m_pCopie->m_bContourAJour);

    t.m_pCopie->m_points[2] = CVecteur(1, 0, -2);
    t.TransfererPoints(false);
    ExpectProche(t.m_points[2], 1, 0, -2, 0);
    ExpectProche(t.m_normale, 0, 1, 0); // recomputed
    EXPECT_FALSE(t.m_bContourAJour);
}

TEST(FacesDroites, DetruireMaillageTwiceIsHarmless) {
    CFace4 q;
    q.m_pNoeuds = std::make_unique<CMaillage>();
    q.m_pNoeuds->Ajouter(CVecteur(1, 0, 1));
    q.DetruireMaillage();
    EXPECT_EQ(q.m_pNoeuds, nullptr);
    q.DetruireMaillage();
    EXPECT_EQ(q.m_pNoeuds, nullptr);
}

TEST(FacesDroites, AreaAndRayTestAreUnchangedByATranslationOfTheScene) {
    CFace4 a;
    CFace4 b;
    const CVecteur d(123.25, -47.5, 9.75);
    for (int i = 0; i < 4; ++i) {
        b.m_points[i] = a.m_points[i] + d;
    }
    b.CalculerNormale();
    EXPECT_NEAR(a.Aire(), b.Aire(), 1e-12);
    a.PreparerRayon(CVecteur(0.3, -0.8, 0.52));
    b.PreparerRayon(CVecteur(0.3, -0.8, 0.52));
    // Sample points kept away from the borders, where rounding may differ.
    for (int i = 0; i < 7; ++i) {
        for (int j = 0; j < 7; ++j) {
            const double x = i * 0.37 - 0.3;
            const double z = j * 0.37 - 0.3;
            const CVecteur p(x, -1, z);
            EXPECT_EQ(a.Intercepte(p, 0.0), b.Intercepte(p + d, 0.0)) << x << " " << z;
        }
    }
}

} // namespace
