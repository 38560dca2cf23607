#include "GeometrieTest.h"
#include "geometry/FaceCourbe.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace {

using V = CVecteur;

TEST(Faces, DefaultsOfEachKind) {
    const struct {
        const char* classe;
        int nPoints;
        const char* titre;
        double aire;
        bool bContourAJour;
    } cas[] = {
        {"CFace3", 3, "Coordinates of the three vertices of the triangle", 2, true},
        {"CFace4", 4, "Coordinates of the four vertices of the quadrilateral", 4, true},
        {"CFace5", 3, "Coordinates of the center and the ends of the acute arc", std::numbers::pi,
         false},
        {"CFace6", 3, "Coordinates of the center and the vertices of the ellipse",
         std::numbers::pi / 2, false},
    };
    for (const auto& c : cas) {
        auto f = CreerFace(c.classe);
        EXPECT_STREQ(f->NomClasse(), c.classe);
        EXPECT_EQ(f->m_nPoints, c.nPoints);
        EXPECT_EQ(f->m_strTitre, c.titre);
        EXPECT_NEAR(f->Aire(), c.aire, 1e-12);
        EXPECT_DOUBLE_EQ(f->AireNette(), f->Aire());
        EXPECT_EQ(f->m_bContourAJour, c.bContourAJour);
        ExpectProche(f->m_normale, 0, -1, 0);
        EXPECT_TRUE(f->EstValide());
        f->CreerCopie();
        EXPECT_STREQ(f->m_pCopie->NomClasse(), c.classe);
    }
    EXPECT_EQ(CreerFace("CFace7"), nullptr);
    // The trapezium (4 + 2) / 2 * 2.
    EXPECT_DOUBLE_EQ(Face("CFace4", {V(0, 0, 0), V(4, 0, 0), V(3, 0, 2), V(1, 0, 2)})->Aire(), 6);
}

TEST(Faces, ValidityAndCorrection) {
    const V o(0, 0, 0);
    const struct {
        const char* classe;
        std::vector<V> points;
        bool bValide;
        std::optional<V> p2; // P2 afterwards, when it must be checked
    } cas[] = {
        {"CFace3", {o, V(2, 0, 0), V(1, 0, 0)}, false, {}}, // collinear
        {"CFace3", {o, V(0.0005, 0, 0), V(0, 0, 1)}, false, {}},
        {"CFace3", {o, V(0.002, 0, 0), V(0, 0, 1)}, true, V(0, 0, 1)},
        {"CFace4", {o, V(2, 0, 0), V(0, 0, 2), V(2, 0, 2)}, false, {}}, // bow-tie
        {"CFace4", {o, V(2, 0, 0), V(2, 0.1, 2), V(0, 0, 2)}, false, V(2, 0.1, 2)},
        {"CFace4", {o, V(2, 0, 0), V(2, 1e-6, 2), V(0, 0, 2)}, true, V(2, 1e-6, 2)},
        {"CFace4", {o, V(2, 0, 0), V(0.5, 0, 0.5), V(0, 0, 2)}, false, {}},     // concave
        {"CFace4", {o, V(2, 0, 0), V(2, 0, 2), V(2, 0, 2)}, false, V(2, 0, 2)}, // a zero side
        {"CFace5", {o, V(2, 0, 0), V(0, 0, 1)}, true, V(0, 0, 2)},              // onto the circle
        {"CFace5", {o, V(1, 0, 0), V(-0.5, 0, 0.866)}, false, {}},              // 120 degrees
        {"CFace5", {o, V(1, 0, 0), V(0, 0, 1)}, true, V(0, 0, 1)},              // exactly 90
        {"CFace5", {o, V(1, 0, 0), V(3, 0, 0)}, false, {}},
        {"CFace5", {o, V(0.0005, 0, 0), V(0, 0, 1)}, false, {}},
        {"CFace6", {o, V(2, 0, 0), V(1, 0, 1)}, true, V(0, 0, 1)}, // axes made perpendicular
        {"CFace6", {o, V(2, 0, 0), V(4, 0, 0)}, false, {}},
    };
    for (const auto& c : cas) {
        auto f = CreerFace(c.classe);
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            f->m_points[i] = c.points[i];
        }
        f->CalculerNormale();
        EXPECT_EQ(f->EstValide(), c.bValide) << c.classe << " " << c.points[2].m_x;
        if (c.p2) {
            ExpectProche(f->m_points[2], c.p2->m_x, c.p2->m_y, c.p2->m_z);
        }
    }
}

TEST(Faces, RayTestCoefficients) {
    auto t = Face("CFace3");
    t->PreparerRayon(t->m_normale);
    // The determinant is kept as a 32-bit float: E0 . (n x E2) = 4 here.
    EXPECT_EQ(t->m_repere[0].m_fValeur, 4.0f);
    ExpectProche(t->m_points[0].DansRepere(t->m_points[0], t->m_repere), 0, 0, 0);
    ExpectProche(t->m_points[1].DansRepere(t->m_points[0], t->m_repere), 1, 0, 0);
    ExpectProche(t->m_points[2].DansRepere(t->m_points[0], t->m_repere), 0, 1, 0);
    t->PreparerRayon(V(1, 0, 0)); // a direction in the plane
    EXPECT_EQ(t->m_repere[0].m_fValeur, 0.0f);

    auto carre = Face("CFace4", {V(0, 0, 0), V(1, 0, 0), V(1, 0, 1), V(0, 0, 1)});
    carre->PreparerRayon(carre->m_normale);
    EXPECT_EQ(carre->m_repere[1].m_fValeur, 0.0f);
    EXPECT_EQ(carre->m_repere[2].m_fValeur, 0.0f);
    ExpectProche(V(0.5, 0, 0.5).DansRepere(carre->m_points[0], carre->m_repere), 0.5, 0.5, 0,
                 1e-15);
    // The far corner of the kite is at (a2, b2) = (0.5, 1): k1 = 0.5, k2 = 0; a degenerate
    // direction keeps them.
    auto cerf = Face("CFace4", {V(0, 0, 0), V(2, 0, 0), V(1, 0, 2), V(0, 0, 2)});
    cerf->PreparerRayon(cerf->m_normale);
    EXPECT_FLOAT_EQ(cerf->m_repere[1].m_fValeur, 0.5f);
    EXPECT_FLOAT_EQ(cerf->m_repere[2].m_fValeur, 0.0f);
    cerf->PreparerRayon(V(0, 0, 1));
    EXPECT_EQ(cerf->m_repere[0].m_fValeur, 0.0f);
    EXPECT_FLOAT_EQ(cerf->m_repere[1].m_fValeur, 0.5f);

    auto s = Face("CFace5");
    s->PreparerRayon(s->m_normale);
    EXPECT_NEAR(s->m_repere[1].m_fValeur, 0.0f, 1e-7f); // right angle
    const double a = std::numbers::pi / 3;
    auto etroit = Face("CFace5", {V(0, 0, 0), V(1, 0, 0), V(std::cos(a), 0, std::sin(a))});
    etroit->PreparerRayon(etroit->m_normale);
    EXPECT_FLOAT_EQ(etroit->m_repere[1].m_fValeur, 1.0f); // twice the cosine
    EXPECT_NEAR(etroit->Aire(), std::numbers::pi / 6, 1e-12);
}

TEST(Faces, WhichSideOfTheFaceAPointLies) {
    const double r = std::sqrt(2.0);
    const double m = std::numbers::pi / 6;
    const std::vector<V> carre = {V(0, 0, 0), V(1, 0, 0), V(1, 0, 1), V(0, 0, 1)};
    const std::vector<V> cerf = {V(0, 0, 0), V(2, 0, 0), V(1, 0, 2), V(0, 0, 2)};
    const std::vector<V> toit = {V(0, 0, 3), V(1, 0, 3), V(1, 1, 3), V(0, 1, 3)};
    const std::vector<V> etroit = {V(0, 0, 0), V(1, 0, 0), V(0.5, 0, std::sqrt(0.75))};
    const V normale(0, 0, 0); // the face's own normal
    const struct {
        const char* classe;
        std::vector<V> points;
        V dir, p;
        double marge;
        int attendu;
    } cas[] = {
        {"CFace3", {}, normale, V(1, -1, 0.5), 0, 1},
        {"CFace3", {}, normale, V(1, 1, 0.5), 0, -1},
        {"CFace3", {}, normale, V(1, 0, 0.5), 0, 1}, // a point of the face itself
        {"CFace3", {}, normale, V(3, -1, 0.5), 0, 0},
        {"CFace3", {}, V(1, 0, 0), V(1, 0, 0.5), 0, 0}, // direction in the plane
        {"CFace3", {}, V(1, 0, 0), V(1, 5, 0.5), 0, 0},
        {"CFace4", {}, normale, V(1, 0, 1), 0, 1},
        {"CFace4", carre, normale, V(0.9995, 0, 0.5), 0.001, 0},
        {"CFace4", carre, normale, V(0.9995, 0, 0.5), 0, 1},
        {"CFace4", cerf, normale, V(1.6, 0, 1), 0, 0},
        {"CFace4", cerf, normale, V(1.2, 0, 1), 0, 1},
        // A roof at z = 3 and a sun at 45 degrees.
        {"CFace4", toit, V(1 / r, 0, 1 / r), V(-2.5, 0.5, 0), 0, -1},
        {"CFace4", toit, V(1 / r, 0, 1 / r), V(-1.5, 0.5, 0), 0, 0},
        {"CFace4", toit, V(1 / r, 0, 1 / r), V(1.5, 0.5, 4), 0, 1},
        {"CFace5", {}, normale, V(1.4, 0, 1.4), 0, 1}, // 0.98 of the radius squared
        {"CFace5", {}, normale, V(1.42, 0, 1.42), 0, 0},
        {"CFace5", {}, normale, V(-0.1, 0, 1), 0, 0},
        {"CFace5", etroit, normale, V(0.95 * std::cos(m), 0, 0.95 * std::sin(m)), 0, 1},
        {"CFace5", etroit, normale, V(1.02 * std::cos(m), 0, 1.02 * std::sin(m)), 0, 0},
        {"CFace6", {}, normale, V(1.4, 0, 0.7), 0, 1}, // 0.49 + 0.49
        {"CFace6", {}, normale, V(1.42, 0, 0.71), 0, 0},
        {"CFace6", {}, normale, V(1.4, 0, 0.7), 0.03, 0},
    };
    for (const auto& c : cas) {
        auto f = CreerFace(c.classe);
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            f->m_points[i] = c.points[i];
        }
        f->CalculerNormale();
        f->PreparerRayon(c.dir.Norme() == 0 ? f->m_normale : c.dir);
        EXPECT_EQ(f->Intercepte(c.p, c.marge), c.attendu)
            << c.classe << " (" << c.p.m_x << ", " << c.p.m_y << ", " << c.p.m_z << ")";
        // Without openings the base test answers 0.
        EXPECT_EQ(f->CFace::Intercepte(c.p, c.marge), 0);
    }
}

// The curved kind of the given points, its arc computed.
std::unique_ptr<CFaceCourbe> Courbe(const char* szClasse, std::initializer_list<V> points = {}) {
    std::unique_ptr<CFaceCourbe> f(static_cast<CFaceCourbe*>(Face(szClasse, points).release()));
    f->CalculerArc();
    EXPECT_TRUE(f->m_bContourAJour);
    return f;
}

TEST(Faces, ArcPoints) {
    auto s = Courbe("CFace5");
    const double n = std::sqrt(72.0 * 72.0 + 4.0);
    ExpectProche(s->m_arc[0], 2 * 72 / n, 0, 2 * 2 / n); // (1.99923, 0, 0.05553)
    for (const auto& p : s->m_arc) {
        EXPECT_NEAR(p.Norme(), 2.0, 1e-12);
    }
    auto e = Courbe("CFace6");
    const double t = 0.04245395477824045;
    ExpectProche(e->m_arc[0], 2 * std::cos(t), 0, std::sin(t)); // (1.99820, 0, 0.04244)
    for (const auto& p : e->m_arc) {
        EXPECT_NEAR(p.m_x * p.m_x / 4 + p.m_z * p.m_z, 1.0, 1e-12);
    }

    // An invalid sector collapses its arc onto the centre until corrected.
    auto k = Courbe("CFace5", {V(1, 1, 1), V(2, 1, 1), V(0, 1, 1.8)});
    for (const auto& p : k->m_arc) {
        ExpectProche(p, 1, 1, 1, 0);
    }
    k->m_points[2] = V(1, 1, 3);
    k->CalculerNormale();
    k->CalculerArc();
    ExpectProche(k->m_points[2], 1, 1, 2);
    EXPECT_NEAR((k->m_arc[17] - k->m_points[0]).Norme(), 1.0, 1e-12);
}

TEST(Faces, TransferToAndFromTheCopyAndMeshRelease) {
    auto t = Face("CFace3");
    t->CreerCopie();
    t->m_points[3] = V(7, 8, 9, 1.5f);
    t->TransfererPoints(true);
    ExpectProche(t->m_pCopie->m_points[3], 7, 8, 9, 0);
    EXPECT_EQ(t->m_pCopie->m_points[3].m_fValeur, 1.5f);
    EXPECT_FALSE(t->m_pCopie->m_bContourAJour);
    t->m_pCopie->m_points[2] = V(1, 0, -2);
    t->TransfererPoints(false);
    ExpectProche(t->m_points[2], 1, 0, -2, 0);
    ExpectProche(t->m_normale, 0, 1, 0); // recomputed
    EXPECT_FALSE(t->m_bContourAJour);

    t->m_pNoeuds = std::make_unique<CMaillage>();
    t->DetruireMaillage();
    t->DetruireMaillage(); // twice is harmless
    EXPECT_EQ(t->m_pNoeuds, nullptr);
}

TEST(Faces, AreaAndRayTestAreUnchangedByATranslationOfTheScene) {
    const V d(123.25, -47.5, 9.75);
    auto a = Face("CFace4");
    auto b = Face("CFace4", {d, V(2, 0, 0) + d, V(2, 0, 2) + d, V(0, 0, 2) + d});
    EXPECT_NEAR(a->Aire(), b->Aire(), 1e-12);
    a->PreparerRayon(V(0.3, -0.8, 0.52));
    b->PreparerRayon(V(0.3, -0.8, 0.52));
    // Sample points kept away from the borders, where rounding may differ.
    for (int i = 0; i < 49; ++i) {
        const V p((i % 7) * 0.37 - 0.3, -1, (i / 7) * 0.37 - 0.3);
        EXPECT_EQ(a->Intercepte(p, 0.0), b->Intercepte(p + d, 0.0)) << i;
    }
}

} // namespace

TEST(Faces, NoKindAcceptsACoordinateBeyondTheBound) {
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
        for (const std::string& classe : NomsClassesFaces()) {
            auto f = CreerFace(classe);
            for (CVecteur& p : f->m_points) {
                p.m_x += c.dDecalage;
            }
            EXPECT_EQ(f->EstValide(), c.bValide) << f->NomClasse() << " " << c.dDecalage;
        }
    }
}
