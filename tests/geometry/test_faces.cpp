#include "GeometrieTest.h"
#include "geometry/FaceCourbe.h"
#include "tests/platform/ImpressionEcran.h"

#include <cmath>
#include <vector>

namespace {

using V = CVecteur;

// The curved kind of the given points, its arc computed.
std::unique_ptr<CFaceCourbe> Courbe(const char* szClasse, const std::vector<V>& points = {}) {
    std::unique_ptr<CFaceCourbe> f(static_cast<CFaceCourbe*>(Face(szClasse, points).release()));
    f->CalculerArc();
    EXPECT_TRUE(f->m_bContourAJour);
    return f;
}

// Each kind's defaults, ray-test coefficients, arc and copy, as a golden text.
TEST(Faces, DefaultsRayCoefficientsArcsAndCopies) {
    CJournal j;
    for (const std::string& classe : NomsClassesFaces()) {
        auto f = CreerFace(classe);
        NOTER(j, f->NomClasse(), f->m_nPoints, f->m_strTitre, f->Aire(), f->AireNette(),
              f->m_bContourAJour, f->m_normale, f->EstValide());
        f->CreerCopie();
        EXPECT_STREQ(f->m_pCopie->NomClasse(), f->NomClasse());
    }
    EXPECT_EQ(CreerFace("CFace7"), nullptr);
    // The trapezium (4 + 2) / 2 * 2.
    EXPECT_DOUBLE_EQ(Face("CFace4", {V(0, 0, 0), V(4, 0, 0), V(3, 0, 2), V(1, 0, 2)})->Aire(), 6);

    j.Titre("ray coefficients: the determinant as a 32-bit float, then k1, k2; with the "
            "face's normal, then a direction in the plane");
    for (auto& l : Table("tables/ray_faces.txt")) {
        std::string classe;
        l >> classe;
        auto f = Face(classe, Points(l));
        ASSERT_TRUE(Lue(l)) << l.str();
        for (const V& d : {f->m_normale, V(1, 0, 0), V(0, 0, 1)}) {
            f->PreparerRayon(d);
            NOTER(j, classe, d, f->m_repere[0].m_fValeur, f->m_repere[1].m_fValeur,
                  f->m_repere[2].m_fValeur, f->Aire());
        }
        f->PreparerRayon(f->m_normale);
        for (const V& p : {f->m_points[0], f->m_points[1], f->m_points[2], V(0.5, 0, 0.5)}) {
            NOTER(j, p, p.DansRepere(f->m_points[0], f->m_repere));
        }
    }

    j.Titre("arc points: first point, then the radii or the ellipse equation at every point");
    for (const char* classe : {"CFace5", "CFace6"}) {
        auto c = Courbe(classe);
        std::vector<double> rayons;
        for (const auto& p : c->m_arc) {
            rayons.push_back(p.m_x * p.m_x / 4 + p.m_z * p.m_z * (classe[5] == '5' ? 0.25 : 1));
        }
        NOTER(j, classe, c->m_arc[0], rayons);
    }
    j.Titre("an invalid sector collapses its arc onto the centre until corrected");
    auto k = Courbe("CFace5", {V(1, 1, 1), V(2, 1, 1), V(0, 1, 1.8)});
    NOTER(j, k->m_arc[0], k->m_arc[17]);
    k->m_points[2] = V(1, 1, 3);
    k->CalculerNormale();
    k->CalculerArc();
    NOTER(j, k->m_points[2], (k->m_arc[17] - k->m_points[0]).Norme());

    j.Titre("points to and from the working copy; the mesh released twice");
    auto t = Face("CFace3");
    t->CreerCopie();
    t->m_points[3] = V(7, 8, 9, 1.5f);
    t->TransfererPoints(true);
    NOTER(j, t->m_pCopie->m_points[3], t->m_pCopie->m_points[3].m_fValeur,
          t->m_pCopie->m_bContourAJour);
    t->m_pCopie->m_points[2] = V(1, 0, -2);
    t->TransfererPoints(false);
    NOTER(j, t->m_points[2], t->m_normale, t->m_bContourAJour);
    t->m_pNoeuds = std::make_unique<CMaillage>();
    t->DetruireMaillage();
    t->DetruireMaillage();
    NOTER(j, t->m_pNoeuds == nullptr);
    ExpectGolden("faces.txt", j.m_texte);
}

// Validity, and P2 afterwards: a sector's end is brought onto its circle,
// an ellipse's axes made perpendicular.
TEST(Faces, ValidityAndCorrection) {
    CJournal j;
    for (auto& l : Table("tables/face_validity.txt")) {
        std::string classe;
        l >> classe;
        const std::vector<V> points = Points(l);
        ASSERT_TRUE(Lue(l)) << l.str();
        auto f = Face(classe, points);
        NOTER(j, classe, points, f->EstValide(), f->m_points[2]);
    }
    ExpectGolden("face_validity.txt", j.m_texte);
}

TEST(Faces, WhichSideOfTheFaceAPointLies) {
    for (auto& l : Table("tables/face_sides.txt")) {
        std::string classe;
        V dir, p;
        double marge = 0;
        int attendu = 0;
        l >> classe >> dir >> p >> marge >> attendu;
        auto f = Face(classe, Points(l));
        ASSERT_TRUE(Lue(l)) << l.str();
        f->PreparerRayon(dir.Norme() == 0 ? f->m_normale : dir);
        EXPECT_EQ(f->Intercepte(p, marge), attendu) << l.str();
        // Without openings the base test answers 0.
        EXPECT_EQ(f->CFace::Intercepte(p, marge), 0);
    }
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
