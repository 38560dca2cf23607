#include "geometry/Face3.h"
#include "geometry/Face4.h"
#include "geometry/Face5.h"
#include "geometry/Face6.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

std::unique_ptr<CFace4> Rectangle(double l, double h) {
    auto f = std::make_unique<CFace4>();
    f->m_points[0] = CVecteur(0, 0, 0);
    f->m_points[1] = CVecteur(l, 0, 0);
    f->m_points[2] = CVecteur(l, 0, h);
    f->m_points[3] = CVecteur(0, 0, h);
    f->CalculerNormale();
    return f;
}

int Mailler(CFace& f, int budget = INT_MAX) {
    f.PreparerRayon(f.m_normale);
    EXPECT_TRUE(f.GenererMaillage(&budget));
    return f.m_pNoeuds->Taille();
}

TEST(Maillage, DefaultSquareGridInIMajorOrder) {
    CFace4 q;
    q.PreparerRayon(q.m_normale);
    int budget = 1000000;
    ASSERT_TRUE(q.GenererMaillage(&budget));
    const CMaillage& m = *q.m_pNoeuds;
    ASSERT_EQ(m.Taille(), 2401);
    EXPECT_EQ(budget, 1000000 - 2401);
    for (int i = 1; i <= 49; ++i) {
        for (int j = 1; j <= 49; ++j) {
            const CVecteur n = m.Noeud((i - 1) * 49 + (j - 1));
            EXPECT_NEAR(n.m_x, 0.04 * i, 1e-12);
            EXPECT_EQ(n.m_y, 0.0);
            EXPECT_NEAR(n.m_z, 0.04 * j, 1e-12);
            EXPECT_EQ(n.m_fValeur, 0.0f);
        }
    }
}

TEST(Maillage, DefaultKindsNodeCounts) {
    CFace3 t;
    EXPECT_EQ(Mailler(t), 1344);
    // Every node lies strictly inside the face.
    const CMaillage& m = *t.m_pNoeuds;
    t.PreparerRayon(t.m_normale);
    for (int k = 0; k < m.Taille(); ++k) {
        EXPECT_NE(t.Intercepte(m.Noeud(k), 0.0), 0);
    }
    CFace5 s;
    CFace6 e;
    EXPECT_GT(Mailler(s), 0);
    EXPECT_GT(Mailler(e), 0);
    // Nodes cover the area evenly: about one node per step squared, the step
    // being 2 % of the shorter side (2 m, and 1 m for the quarter ellipse).
    EXPECT_NEAR(s.m_pNoeuds->Taille() * 0.04 * 0.04, s.Aire(), 0.05 * s.Aire());
    EXPECT_NEAR(e.m_pNoeuds->Taille() * 0.02 * 0.02, e.Aire(), 0.05 * e.Aire());
}

TEST(Maillage, StepIsClampedToFiveTimesTheAbsoluteSize) {
    auto f = Rectangle(20, 20);
    f->m_proprietes.m_dMailleRelative = 10;
    EXPECT_EQ(Mailler(*f), 99 * 99);
    const CMaillage& m = *f->m_pNoeuds;
    EXPECT_NEAR(m.Noeud(0).m_x, 0.2, 1e-12);
    EXPECT_NEAR(m.Noeud(1).m_z - m.Noeud(0).m_z, 0.2, 1e-12);
}

TEST(Maillage, StepIsRaisedToAFifthOfTheAbsoluteSize) {
    auto f = Rectangle(0.5, 0.5);
    f->m_proprietes.m_dMailleRelative = 0.1;
    EXPECT_EQ(Mailler(*f), 62 * 62);
    EXPECT_NEAR(f->m_pNoeuds->Noeud(0).m_x, 0.008, 1e-15);
}

TEST(Maillage, StepsAreEqualAlongBothSides) {
    auto f = Rectangle(1, 2);
    f->m_proprietes.m_dMailleRelative = 1.99;
    EXPECT_EQ(Mailler(*f), 50 * 100);
    const CMaillage& m = *f->m_pNoeuds;
    EXPECT_NEAR(m.Noeud(1).m_z - m.Noeud(0).m_z, 0.0199, 1e-15);
    EXPECT_NEAR(m.Noeud(100).m_x - m.Noeud(0).m_x, 0.0199, 1e-15);
}

TEST(Maillage, ExhaustedBudgetKeepsTheLastNode) {
    CFace4 q;
    q.PreparerRayon(q.m_normale);
    int budget = 1;
    EXPECT_FALSE(q.GenererMaillage(&budget));
    EXPECT_EQ(budget, 0);
    ASSERT_EQ(q.m_pNoeuds->Taille(), 1);
    EXPECT_NEAR(q.m_pNoeuds->Noeud(0).m_x, 0.04, 1e-15);
}

TEST(Maillage, NoNodeInsideAnOpeningNorOnItsBorder) {
    CFace4 mur;
    CFace4 fenetre;
    fenetre.m_points[0] = CVecteur(0.4, 0, 0.4);
    fenetre.m_points[1] = CVecteur(0.8, 0, 0.4);
    fenetre.m_points[2] = CVecteur(0.8, 0, 0.8);
    fenetre.m_points[3] = CVecteur(0.4, 0, 0.8);
    fenetre.CalculerNormale();
    fenetre.PreparerRayon(fenetre.m_normale);
    mur.m_ouvertures.m_faces = {&fenetre};
    // The nodes of rows and columns 10 to 20 fall in the opening or on its
    // border (0.4 and 0.8), which the negative margin also rejects.
    EXPECT_EQ(Mailler(mur), 2401 - 11 * 11);
    const CMaillage& m = *mur.m_pNoeuds;
    bool bAvant = false;
    bool bApres = false;
    for (int k = 0; k < m.Taille(); ++k) {
        const CVecteur n = m.Noeud(k);
        EXPECT_FALSE(n.m_x > 0.39 && n.m_x < 0.81 && n.m_z > 0.39 && n.m_z < 0.81);
        bAvant |= std::abs(n.m_x - 0.36) < 1e-9 && std::abs(n.m_z - 0.6) < 1e-9;
        bApres |= std::abs(n.m_x - 0.84) < 1e-9 && std::abs(n.m_z - 0.6) < 1e-9;
    }
    EXPECT_TRUE(bAvant);
    EXPECT_TRUE(bApres);
}

TEST(Maillage, DegenerateFaceGetsAnEmptyMeshAndKeepsItsBudget) {
    auto f = Rectangle(2, 2);
    f->m_points[2] = CVecteur(4, 0, 0); // everything on one line
    f->m_points[3] = CVecteur(3, 0, 0);
    f->CalculerNormale();
    f->PreparerRayon(f->m_normale);
    int budget = 10;
    EXPECT_TRUE(f->GenererMaillage(&budget));
    EXPECT_EQ(budget, 10);
    ASSERT_NE(f->m_pNoeuds, nullptr);
    EXPECT_EQ(f->m_pNoeuds->Taille(), 0);
}

TEST(Maillage, MeshIsUnchangedByATranslationOfTheFace) {
    CFace3 a;
    CFace3 b;
    const CVecteur d(12.5, -3.25, 7.75);
    for (int i = 0; i < 3; ++i) {
        b.m_points[i] = a.m_points[i] + d;
    }
    b.CalculerNormale();
    ASSERT_EQ(Mailler(a), Mailler(b));
    for (int k = 0; k < a.m_pNoeuds->Taille(); k += 37) {
        const CVecteur ecart = b.m_pNoeuds->Noeud(k) - a.m_pNoeuds->Noeud(k) - d;
        EXPECT_LT(ecart.Norme(), 1e-9);
    }
}

} // namespace
