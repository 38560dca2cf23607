#include "ModelisationTest.h"

#include "modelling/InsertionParallelepipede.h"
#include "modelling/InsertionPrisme.h"

namespace {

using EIssue = EIssueInsertion;

class Generation : public ModelisationTest {
protected:
    CInsertionPrisme m_prisme{m_doc};
    CInsertionParallelepipede m_boite{m_doc};
};

TEST_F(Generation, PrismsAndBoxes) {
    m_prisme.m_nCotes = 12; // the dialog opens on the defaults every time
    m_prisme.m_strNom = "tower";
    m_boite.m_sommet2 = CVecteur(5, 5, 5);
    ASSERT_EQ(m_prisme.Inserer(m_prisme.Ouvrir()).nIssue, EIssue::Inseree);
    // Prism 6 from (1, 0, 0) to (0.5, 0.866, 0), normal (cos 30, sin 30, 0).
    EXPECT_EQ(m_doc.Face(5)->m_points[0].m_x, 1.0); // the golden text shows 15 digits
    Noter("the default hexagonal prism, facing outward");
    m_doc.NouveauDocument();
    ASSERT_EQ(m_boite.Inserer(m_boite.Ouvrir()).nIssue, EIssue::Inseree);
    Noter("the default box, the cube [0, 2]^3 facing outward");
    m_doc.NouveauDocument();

    CInsertionPrisme::CTampon t = m_prisme.Ouvrir();
    t.nCotes = 4;
    t.sommetBase = CVecteur(6, 5, 1); // not at the centre's height
    t.centreBase = CVecteur(5, 5, 0);
    t.hauteur = CVecteur(0, 0, 3);
    ASSERT_EQ(m_prisme.Inserer(t).nIssue, EIssue::Inseree);
    Noter("a square prism about the vertical line through (5, 5)");
    m_doc.NouveauDocument();

    Ajouter("one");
    Ajouter("two");
    Ajouter("three");
    g_nFaceSelectionnee = 1;
    ASSERT_EQ(m_boite.Inserer(m_boite.Ouvrir()).nIssue, EIssue::Inseree);
    EXPECT_EQ(Noms(), "one,box 1,box 2,box 3,box 4,box 5,box 6,two,three");
    EXPECT_EQ(m_doc.LibelleFace(-1), "(2/9) box 1");
    ExpectGolden("modelling/generation.txt", m_j.m_texte);
}

TEST_F(Generation, AnyTwoOppositeCornersGiveTheSameBox) {
    const CVecteur lo(-1, 0.5, 2), hi(3, 1.75, 4.25);
    auto generer = [&](CVecteur a, CVecteur b) {
        m_doc.NouveauDocument();
        CInsertionParallelepipede::CTampon t = m_boite.Ouvrir();
        t.sommet1 = a;
        t.sommet2 = b;
        EXPECT_EQ(m_boite.Inserer(t).nIssue, EIssue::Inseree);
        return DecrireFaces();
    };
    const std::string reference = generer(lo, hi);
    EXPECT_EQ(generer(hi, lo), reference);
    EXPECT_EQ(generer(CVecteur(3, 0.5, 4.25), CVecteur(-1, 1.75, 2)), reference);
    EXPECT_EQ(generer(CVecteur(-1, 1.75, 4.25), CVecteur(3, 0.5, 2)), reference);
}

TEST_F(Generation, FieldChecksShowAMessageGeometricChecksAreSilent) {
    CInsertionPrisme::CTampon t = m_prisme.Ouvrir();
    const auto inserer = [&](const auto& tampon, auto& dialogue) {
        const CResultatInsertion k = dialogue.Inserer(tampon);
        NOTER(m_j, tampon.strNom, k.nIssue, k.refus, g_nFaces);
    };
    for (const auto& [nom, nCotes] :
         {std::pair{"ppppppppppppppppppppppppppp!", 6}, {"p", 2}, {"p", 100}}) {
        t.strNom = nom;
        t.nCotes = nCotes;
        inserer(t, m_prisme);
    }
    CInsertionParallelepipede::CTampon b = m_boite.Ouvrir();
    b.strNom = std::string(28, 'b');
    inserer(b, m_boite);

    m_j.Titre("height and base vertex: geometry refused below 0.01, accepted at exactly 0.01");
    for (auto& l : Table("tables/prism_geometry.txt")) {
        CVecteur h, v;
        l >> h >> v;
        ASSERT_TRUE(Lue(l)) << l.str();
        t = m_prisme.Ouvrir();
        t.hauteur = h;
        t.sommetBase = v;
        NOTER(m_j, h, v);
        inserer(t, m_prisme);
    }
    m_j.Titre("a box 0.0099 long, then a flat box, generated as it is");
    b.strNom = "b";
    b.sommet1 = CVecteur(1, 1, 1);
    b.sommet2 = CVecteur(1.0099, 1, 1);
    inserer(b, m_boite);
    b.sommet1 = CVecteur();
    b.sommet2 = CVecteur(0.01, 0, 0);
    inserer(b, m_boite);
    NOTER(m_j, m_ui.m_messages.size());

    m_j.Titre("the longest name with the largest number still fits a face name");
    m_doc.NouveauDocument();
    t = m_prisme.Ouvrir();
    t.strNom = std::string(27, 'p');
    t.nCotes = 99;
    inserer(t, m_prisme);
    NOTER(m_j, m_doc.Face(98)->m_proprietes.m_strNom, m_doc.Face(0)->m_proprietes.m_strNom);
    ExpectGolden("modelling/checks.txt", m_j.m_texte);
}

} // namespace
