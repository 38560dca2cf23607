#include "ModelisationTest.h"

#include "modelling/InsertionParallelepipede.h"
#include "modelling/InsertionPrisme.h"

#include <cmath>

namespace {

class Generation : public ModelisationTest {
protected:
    CInsertionPrisme m_prisme{m_doc};
    CInsertionParallelepipede m_boite{m_doc};

    CFace* Nommee(const std::string& nom) {
        for (int i = 0; i < g_nFaces; ++i) {
            if (m_doc.Face(i)->m_proprietes.m_strNom == nom) {
                return m_doc.Face(i);
            }
        }
        return nullptr;
    }
};

TEST_F(Generation, DefaultsAtEveryOpening) {
    m_prisme.m_nCotes = 12;
    m_prisme.m_strNom = "tower";
    const CInsertionPrisme::CTampon p = m_prisme.Ouvrir();
    EXPECT_EQ(p.strNom, "prism");
    EXPECT_EQ(p.nCotes, 6);
    ExpectEgal(p.hauteur, 0, 0, 2);
    ExpectEgal(p.sommetBase, 1, 0, 0);
    ExpectEgal(p.centreBase, 0, 0, 0);
    m_boite.m_sommet2 = CVecteur(5, 5, 5);
    const CInsertionParallelepipede::CTampon b = m_boite.Ouvrir();
    EXPECT_EQ(b.strNom, "box");
    ExpectEgal(b.sommet1, 0, 0, 0);
    ExpectEgal(b.sommet2, 2, 2, 2);
}

TEST_F(Generation, DefaultPrismIsAHexagonFacingOutward) {
    const CResultatInsertion r = m_prisme.Inserer(m_prisme.Ouvrir());
    EXPECT_EQ(r.nIssue, EIssueInsertion::Inseree);
    EXPECT_FALSE(r.refus);
    EXPECT_EQ(Noms(), "prism 1,prism 2,prism 3,prism 4,prism 5,prism 6");
    EXPECT_EQ(g_nFaceSelectionnee, 0);

    const CFace* f6 = m_doc.Face(5);
    EXPECT_STREQ(f6->NomClasse(), "CFace4");
    ExpectEgal(f6->m_points[0], 1, 0, 0); // no rotation for the first vertex
    ExpectProche(f6->m_points[1], 0.5, std::sqrt(3.0) / 2, 0);
    ExpectProche(f6->m_points[2], 0.5, std::sqrt(3.0) / 2, 2);
    ExpectEgal(f6->m_points[3], 1, 0, 2);
    ExpectProche(f6->m_normale, std::sqrt(3.0) / 2, 0.5, 0);

    // The last face closes the polygon through the 360 degree rotation.
    const CFace* f1 = m_doc.Face(0);
    ExpectProche(f1->m_points[0], 0.5, -std::sqrt(3.0) / 2, 0);
    ExpectProche(f1->m_points[1], 1, 0, 0);
    ExpectProche(f1->m_normale, std::sqrt(3.0) / 2, -0.5, 0);
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(m_doc.Face(i)->EstValide()) << i;
    }
}

TEST_F(Generation, PrismFieldChecks) {
    CInsertionPrisme::CTampon t = m_prisme.Ouvrir();
    t.strNom = std::string(28, 'p');
    CResultatInsertion r = m_prisme.Inserer(t);
    EXPECT_EQ(r.nIssue, EIssueInsertion::ChampRefuse);
    ASSERT_TRUE(r.refus);
    EXPECT_EQ(r.refus->nChamp, CInsertionPrisme::ChampNom);
    EXPECT_EQ(r.refus->strMessage, "Please enter no more than 27 characters.");

    t = m_prisme.Ouvrir();
    for (int n : {2, 100}) {
        t.nCotes = n;
        r = m_prisme.Inserer(t);
        EXPECT_EQ(r.nIssue, EIssueInsertion::ChampRefuse);
        ASSERT_TRUE(r.refus);
        EXPECT_EQ(r.refus->nChamp, CInsertionPrisme::ChampCotes);
        EXPECT_EQ(r.refus->strMessage, "Please enter an integer between 3 and 99.");
    }
    EXPECT_EQ(g_nFaces, 0);

    // The longest name with the largest number still fits a face name.
    t.strNom = std::string(27, 'p');
    t.nCotes = 99;
    EXPECT_EQ(m_prisme.Inserer(t).nIssue, EIssueInsertion::Inseree);
    EXPECT_EQ(g_nFaces, 99);
    EXPECT_EQ(m_doc.Face(98)->m_proprietes.m_strNom, std::string(27, 'p') + " 99");
    EXPECT_EQ(m_doc.Face(0)->m_proprietes.m_strNom, std::string(27, 'p') + " 1");
}

TEST_F(Generation, PrismGeometricChecksAreSilentAndExactAtTheThreshold) {
    const CInsertionPrisme::CTampon defaut = m_prisme.Ouvrir();
    auto issue = [&](CVecteur h, CVecteur v, CVecteur c) {
        CInsertionPrisme::CTampon t = defaut;
        t.hauteur = h;
        t.sommetBase = v;
        t.centreBase = c;
        return m_prisme.Inserer(t).nIssue;
    };
    const CVecteur o(0, 0, 0);
    EXPECT_EQ(issue(o, CVecteur(1, 0, 0), o), EIssueInsertion::GeometrieRefusee);
    EXPECT_EQ(issue(CVecteur(0, 0, 2), CVecteur(1, 1, 1), CVecteur(1, 1, 1)),
              EIssueInsertion::GeometrieRefusee);
    EXPECT_EQ(issue(CVecteur(0, 0, 2), CVecteur(0, 0, 5), o), EIssueInsertion::GeometrieRefusee);
    // Nearly parallel: the sine is 0.0099995, just under the limit.
    EXPECT_EQ(issue(CVecteur(0, 0, 1), CVecteur(0.01, 0, 1), o), EIssueInsertion::GeometrieRefusee);
    EXPECT_EQ(issue(CVecteur(0, 0, 0.0099999999), CVecteur(1, 0, 0), o),
              EIssueInsertion::GeometrieRefusee);
    EXPECT_EQ(g_nFaces, 0);
    EXPECT_TRUE(m_ui.m_messages.empty());

    // Exactly 0.01 passes, for each of the three checks.
    EXPECT_EQ(issue(CVecteur(0, 0, 0.01), CVecteur(1, 0, 0), o), EIssueInsertion::Inseree);
    EXPECT_EQ(issue(CVecteur(0, 0, 2), CVecteur(0.01, 0, 0), o), EIssueInsertion::Inseree);
    EXPECT_EQ(issue(CVecteur(0, 0, 1), CVecteur(0.01, 0, std::sqrt(0.9999)), o),
              EIssueInsertion::Inseree);
    EXPECT_EQ(g_nFaces, 18);
}

TEST_F(Generation, PrismAboutAnOffAxisCentre) {
    // Square prism about the vertical line through (5, 5): the vertex need
    // not lie at the centre's height.
    CInsertionPrisme::CTampon t = m_prisme.Ouvrir();
    t.nCotes = 4;
    t.sommetBase = CVecteur(6, 5, 1);
    t.centreBase = CVecteur(5, 5, 0);
    t.hauteur = CVecteur(0, 0, 3);
    ASSERT_EQ(m_prisme.Inserer(t).nIssue, EIssueInsertion::Inseree);
    const CFace* f4 = Nommee("prism 4");
    ASSERT_NE(f4, nullptr);
    ExpectProche(f4->m_points[1], 5, 6, 1);
    ExpectProche(f4->m_points[2], 5, 6, 4);
    ExpectProche(f4->m_normale, std::sqrt(0.5), std::sqrt(0.5), 0);
}

TEST_F(Generation, DefaultBoxIsTheCubeFacingOutward) {
    ASSERT_EQ(m_boite.Inserer(m_boite.Ouvrir()).nIssue, EIssueInsertion::Inseree);
    EXPECT_EQ(Noms(), "box 1,box 2,box 3,box 4,box 5,box 6");
    const CFace* bas = m_doc.Face(5);
    ExpectEgal(bas->m_points[0], 0, 0, 0);
    ExpectEgal(bas->m_points[1], 0, 2, 0);
    ExpectEgal(bas->m_points[2], 2, 2, 0);
    ExpectEgal(bas->m_points[3], 2, 0, 0);
    ExpectEgal(bas->m_normale, 0, 0, -1);
    const double normales[6][3] = {{1, 0, 0},  {-1, 0, 0}, {0, 1, 0},
                                   {0, -1, 0}, {0, 0, 1},  {0, 0, -1}};
    for (int i = 0; i < 6; ++i) {
        const CFace* f = m_doc.Face(i);
        ExpectEgal(f->m_normale, normales[i][0], normales[i][1], normales[i][2]);
        // Every corner is on the face's side of the cube.
        for (const CVecteur& p : f->m_points) {
            EXPECT_EQ((p - CVecteur(1, 1, 1)).Scalaire(f->m_normale), 1.0) << i;
        }
    }
}

TEST_F(Generation, BoxInsertedAtTheSelectedPosition) {
    Ajouter("one");
    Ajouter("two");
    Ajouter("three");
    g_nFaceSelectionnee = 1;
    ASSERT_EQ(m_boite.Inserer(m_boite.Ouvrir()).nIssue, EIssueInsertion::Inseree);
    EXPECT_EQ(g_nFaces, 9);
    EXPECT_EQ(Noms(), "one,box 1,box 2,box 3,box 4,box 5,box 6,two,three");
    EXPECT_EQ(g_nFaceSelectionnee, 1);
    EXPECT_EQ(m_doc.LibelleFace(-1), "(2/9) box 1");
}

TEST_F(Generation, AnyTwoOppositeCornersGiveTheSameBox) {
    const CVecteur lo(-1, 0.5, 2), hi(3, 1.75, 4.25);
    auto generer = [&](CVecteur a, CVecteur b) {
        m_doc.NouveauDocument();
        CInsertionParallelepipede::CTampon t = m_boite.Ouvrir();
        t.sommet1 = a;
        t.sommet2 = b;
        EXPECT_EQ(m_boite.Inserer(t).nIssue, EIssueInsertion::Inseree);
        std::vector<double> v;
        for (int i = 0; i < g_nFaces; ++i) {
            for (const CVecteur& p : m_doc.Face(i)->m_points) {
                v.insert(v.end(), {p.m_x, p.m_y, p.m_z});
            }
        }
        return v;
    };
    const std::vector<double> reference = generer(lo, hi);
    EXPECT_EQ(generer(hi, lo), reference);
    EXPECT_EQ(generer(CVecteur(3, 0.5, 4.25), CVecteur(-1, 1.75, 2)), reference);
    EXPECT_EQ(generer(CVecteur(-1, 1.75, 4.25), CVecteur(3, 0.5, 2)), reference);
}

TEST_F(Generation, BoxChecks) {
    CInsertionParallelepipede::CTampon t = m_boite.Ouvrir();
    t.strNom = std::string(28, 'b');
    const CResultatInsertion r = m_boite.Inserer(t);
    EXPECT_EQ(r.nIssue, EIssueInsertion::ChampRefuse);
    ASSERT_TRUE(r.refus);
    EXPECT_EQ(r.refus->strMessage, "Please enter no more than 27 characters.");

    t = m_boite.Ouvrir();
    t.sommet1 = CVecteur(1, 1, 1);
    t.sommet2 = CVecteur(1.0099, 1, 1);
    EXPECT_EQ(m_boite.Inserer(t).nIssue, EIssueInsertion::GeometrieRefusee);
    EXPECT_EQ(g_nFaces, 0);
    EXPECT_TRUE(m_ui.m_messages.empty());
    // A distance of exactly 0.01 passes (a flat box, generated as it is).
    t.sommet1 = CVecteur(0, 0, 0);
    t.sommet2 = CVecteur(0.01, 0, 0);
    EXPECT_EQ(m_boite.Inserer(t).nIssue, EIssueInsertion::Inseree);
    EXPECT_EQ(g_nFaces, 6);
}

} // namespace
