#include "../document/DocumentTest.h"
#include "../geometry/GeometrieTest.h"
#include "lighting/GenerationMaillage.h"

#include <climits>

namespace {

// The face with its ray test prepared along its normal.
std::unique_ptr<CFace> Preparer(std::unique_ptr<CFace> f) {
    f->PreparerRayon(f->m_normale);
    return f;
}

// The kind's defaults; a quadrilateral l long and h high from the origin in y = 0.
std::unique_ptr<CFace> Preparee(const std::string& classe, double l = 2, double h = 2) {
    if (classe != "CFace4") {
        return Preparer(Face(classe));
    }
    return Preparer(
        Face(classe, {CVecteur(), CVecteur(l, 0, 0), CVecteur(l, 0, h), CVecteur(0, 0, h)}));
}

int Mailler(CFace& f, int budget = INT_MAX) {
    EXPECT_TRUE(f.GenererMaillage(&budget));
    return f.m_pNoeuds->Taille();
}

TEST(Maillage, DefaultSquareGridInIMajorOrder) {
    auto q = Preparee("CFace4");
    int budget = 1000000;
    ASSERT_TRUE(q->GenererMaillage(&budget));
    EXPECT_EQ(budget, 1000000 - 2401);
    const CMaillage& m = *q->m_pNoeuds;
    ASSERT_EQ(m.Taille(), 49 * 49);
    for (int k = 0; k < m.Taille(); ++k) {
        const CVecteur n = m.Noeud(k);
        EXPECT_NEAR(n.m_x, 0.04 * (k / 49 + 1), 1e-12);
        EXPECT_EQ(n.m_y, 0.0);
        EXPECT_NEAR(n.m_z, 0.04 * (k % 49 + 1), 1e-12);
        EXPECT_EQ(n.m_fValeur, 0.0f);
    }
    // A budget of 1 keeps the one node made, and fails.
    budget = 1;
    EXPECT_FALSE(q->GenererMaillage(&budget));
    EXPECT_EQ(budget, 0);
    ASSERT_EQ(q->m_pNoeuds->Taille(), 1);
    EXPECT_NEAR(q->m_pNoeuds->Noeud(0).m_x, 0.04, 1e-15);
}

TEST(Maillage, StepsOfEachKindAndSize) {
    for (auto& l : Table("tables/mesh_steps.txt")) {
        std::string classe;
        double lg = 0, h = 0, relative = 0, pas = 0;
        int nNoeuds = 0;
        l >> classe >> lg >> h >> relative >> nNoeuds >> pas;
        ASSERT_TRUE(Lue(l)) << l.str();
        auto f = Preparee(classe, lg, h);
        f->m_proprietes.m_dMailleRelative = relative;
        EXPECT_EQ(Mailler(*f), nNoeuds) << l.str();
        const CMaillage& m = *f->m_pNoeuds;
        if (pas > 0) {
            EXPECT_NEAR(m.Noeud(0).m_x, pas, 1e-12) << l.str();
            EXPECT_NEAR(m.Noeud(1).m_z - m.Noeud(0).m_z, pas, 1e-12) << l.str();
        }
        for (int k = 0; k < m.Taille(); ++k) {
            EXPECT_NE(f->Intercepte(m.Noeud(k), 0.0), 0); // strictly inside
        }
    }
    // The curved kinds: about one node per step squared, the step being 2 % of
    // the shorter side (2 m, and 1 m for the quarter ellipse).
    for (const auto& [classe, pas] : {std::pair{"CFace5", 0.04}, std::pair{"CFace6", 0.02}}) {
        auto f = Preparee(classe);
        EXPECT_NEAR(Mailler(*f) * pas * pas, f->Aire(), 0.05 * f->Aire()) << classe;
    }
}

TEST(Maillage, NoNodeInsideAnOpeningNorOnItsBorder) {
    auto mur = Preparee("CFace4");
    // One opening on the grid lines 0.4 and 0.8, one 0.6 mm inside 1.2 and 1.6.
    std::vector<std::unique_ptr<CFace>> fenetres;
    for (const auto& [a, b] : {std::pair{0.4, 0.8}, std::pair{1.2006, 1.5994}}) {
        auto f = Preparer(Face("CFace4", {CVecteur(a, 0, a), CVecteur(b, 0, a), CVecteur(b, 0, b),
                                          CVecteur(a, 0, b)}));
        mur->m_ouvertures.m_faces.push_back(f.get());
        fenetres.push_back(std::move(f));
    }
    // Rows and columns 10 to 20 fall in the first or on its border; 31 to 39
    // in the second, whose neighbours 0.6 mm away (0.0015 of its
    // side) are kept.
    EXPECT_EQ(Mailler(*mur), 2401 - 11 * 11 - 9 * 9);
    int nVoisins = 0;
    for (int k = 0; k < mur->m_pNoeuds->Taille(); ++k) {
        const CVecteur n = mur->m_pNoeuds->Noeud(k);
        EXPECT_FALSE(n.m_x > 0.39 && n.m_x < 0.81 && n.m_z > 0.39 && n.m_z < 0.81);
        nVoisins += (std::abs(n.m_x - 0.36) < 1e-9 || std::abs(n.m_x - 0.84) < 1e-9) &&
                    std::abs(n.m_z - 0.6) < 1e-9;
    }
    EXPECT_EQ(nVoisins, 2);

    // A degenerate face gets an empty mesh and keeps its budget.
    auto plat = Preparer(Face(
        "CFace4", {CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(4, 0, 0), CVecteur(3, 0, 0)}));
    int budget = 10;
    EXPECT_TRUE(plat->GenererMaillage(&budget));
    EXPECT_EQ(budget, 10);
    EXPECT_EQ(plat->m_pNoeuds->Taille(), 0);
}

TEST(Maillage, UnchangedByATranslationOfTheFace) {
    auto a = Preparee("CFace3");
    const CVecteur d(12.5, -3.25, 7.75);
    auto b = Preparer(Face("CFace3", {a->m_points[0] + d, a->m_points[1] + d, a->m_points[2] + d}));
    ASSERT_EQ(Mailler(*a), Mailler(*b));
    for (int k = 0; k < a->m_pNoeuds->Taille(); k += 37) {
        EXPECT_LT((b->m_pNoeuds->Noeud(k) - a->m_pNoeuds->Noeud(k) - d).Norme(), 1e-9);
    }
}

class Generation : public DocumentTest {
protected:
    CJournal m_j;
    // The result, then the message shown, and whether any mesh is left.
    void Generer() {
        NOTER(m_j, m_doc.GenererMaillages());
        for (const auto& m : m_ui.m_messages) {
            NOTER(m_j, m.strTexte, m.strTitre, m.icone, m.boutons);
        }
        m_ui.m_messages.clear();
        int nMailles = 0;
        for (CFace* f : m_doc.Faces()) {
            nMailles += f->m_pNoeuds != nullptr;
        }
        NOTER(m_j, nMailles);
    }
};

TEST_F(Generation, TheBudgetOfTheWeightAndTheWorkIsBoundedWhateverTheGeometry) {
    for (int n : {50, 1, 1000, 2000000000}) {
        NOTER(m_j, n, CGenerationMaillage::Budget(n));
    }
    AjouterNommee("a");
    Generer();
    m_j.Titre("weight 1: a mesh of 5000 nodes is refused, 4999 accepted");
    CFace* r = AjouterQuad("r", CVecteur(0, 0, 0), CVecteur(1, 0, 0), CVecteur(0, 0, 2));
    r->m_proprietes.m_bRecepteur = 1;
    r->m_proprietes.m_dMailleRelative = 1.99;
    m_doc.m_optionsCalcul.m_nPoidsMax = 1;
    Generer();
    CFace* trou = AjouterQuad("hole", CVecteur(0.01, 0, 0.01), CVecteur(0.03, 0, 0.01),
                              CVecteur(0.03, 0, 0.03), CVecteur(0.01, 0, 0.03));
    r->m_ouvertures.m_faces = {trou}; // takes exactly one node away
    Generer();
    NOTER(m_j, r->m_pNoeuds->Taille());
    m_j.Titre("a second receiver exhausting the budget releases the first one's mesh too");
    m_doc.Face(0)->m_proprietes.m_bRecepteur = 1;
    Generer();

    m_j.Titre("side, relative and absolute steps, covered by a larger opening: grids of "
              "billions of candidates are refused before they are walked; a large grid within "
              "the weight is not");
    m_doc.m_optionsCalcul.m_nPoidsMax = 50;
    for (auto& ligne : Table("tables/mesh_weights.txt")) {
        double l = 0, dRelative = 0, dAbsolue = 0;
        bool bCouverte = false;
        ligne >> l >> dRelative >> dAbsolue >> bCouverte;
        ASSERT_TRUE(Lue(ligne)) << ligne.str();
        m_doc.NouveauDocument();
        m_ui.m_messages.clear();
        r = AjouterQuad("r", CVecteur(0, 0, 0), CVecteur(l, 0, 0), CVecteur(0, 0, l));
        r->m_proprietes.m_bRecepteur = 1;
        r->m_proprietes.m_dMailleRelative = dRelative;
        r->m_proprietes.m_dMailleAbsolue = dAbsolue;
        if (bCouverte) {
            r->m_ouvertures.m_faces = {AjouterQuad("hole", CVecteur(-1, 0, -1),
                                                   CVecteur(l + 2, 0, 0), CVecteur(0, 0, l + 2))};
        }
        NOTER(m_j, l, dRelative, dAbsolue, bCouverte);
        Generer();
        NOTER(m_j, r->m_pNoeuds ? r->m_pNoeuds->Taille() : -1);
    }
    ExpectGolden("meshes.txt", m_j.m_texte);
}

} // namespace
