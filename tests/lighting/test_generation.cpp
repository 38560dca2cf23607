#include "../document/DocumentTest.h"

namespace {

class Generation : public DocumentTest {
protected:
    // A 1 x 2 receiver whose mesh has exactly 50 x 100 nodes.
    CFace* Recepteur5000() {
        CFace* f = AjouterQuad("r", CVecteur(0, 0, 0), CVecteur(1, 0, 0), CVecteur(1, 0, 2),
                               CVecteur(0, 0, 2));
        f->m_proprietes.m_bRecepteur = 1;
        f->m_proprietes.m_dMailleRelative = 1.99;
        return f;
    }

    void ExpectRefus(const char* szTexte) {
        ASSERT_EQ(m_ui.m_messages.size(), 1u);
        EXPECT_EQ(m_ui.m_messages[0].strTexte, szTexte);
        EXPECT_EQ(m_ui.m_messages[0].strTitre, "Computation not allowed");
        EXPECT_EQ(m_ui.m_messages[0].icone, EIcone::Stop);
        EXPECT_EQ(m_ui.m_messages[0].boutons, EBoutons::Ok);
        for (CFace* f : m_doc.Faces()) {
            EXPECT_EQ(f->m_pNoeuds, nullptr);
        }
    }
};

TEST_F(Generation, BudgetOfTheWeight) {
    EXPECT_EQ(CGenerationMaillage::Budget(50), 250000);
    EXPECT_EQ(CGenerationMaillage::Budget(1), 5000);
    EXPECT_EQ(CGenerationMaillage::Budget(1000), 5000000);
    EXPECT_EQ(CGenerationMaillage::Budget(2000000000), 2147483647); // no overflow
}

TEST_F(Generation, WeightOneAcceptsAtMost4999Nodes) {
    CFace* r = Recepteur5000();
    m_doc.m_optionsCalcul.m_nPoidsMax = 1;
    EXPECT_FALSE(m_doc.GenererMaillages());
    ExpectRefus(
        "The processor weight required for this computation would exceed the maximum weight   \n"
        "Reduce your mesh or increase the maximum weight allowed   ");

    // A small opening takes exactly one node away.
    CFace* trou = AjouterQuad("hole", CVecteur(0.01, 0, 0.01), CVecteur(0.03, 0, 0.01),
                              CVecteur(0.03, 0, 0.03), CVecteur(0.01, 0, 0.03));
    r->m_ouvertures.m_faces = {trou};
    m_ui.m_messages.clear();
    EXPECT_TRUE(m_doc.GenererMaillages());
    EXPECT_TRUE(m_ui.m_messages.empty());
    EXPECT_EQ(r->m_pNoeuds->Taille(), 4999);
    EXPECT_EQ(trou->m_pNoeuds, nullptr); // not a receiver
}

TEST_F(Generation, SecondReceiverExhaustingTheBudgetReleasesTheFirst) {
    CFace* a = AjouterNommee("a");
    a->m_proprietes.m_bRecepteur = 1;
    Recepteur5000();
    m_doc.m_optionsCalcul.m_nPoidsMax = 1;
    EXPECT_FALSE(m_doc.GenererMaillages());
    ExpectRefus(CGenerationMaillage::kMessagePoids);
}

TEST_F(Generation, TheWorkIsBoundedWhateverTheGeometry) {
    // Grids of billions of candidates that would make few or no nodes are
    // refused before they are walked; a large grid within the weight is not.
    const struct {
        double dCote;          // side of the square receiver, m
        double dRelative;      // %
        double dAbsolue;       // m
        bool bCouverte;        // by an opening larger than the face
        const char* szMessage; // null: accepted
    } cas[] = {
        {2, 0.0001, 0.0001, true, CGenerationMaillage::kMessagePoids},
        {2, 0.0001, 0.0001, false, CGenerationMaillage::kMessagePoids},
        {1e6, 2, 0.04, false, CGenerationMaillage::kMessagePoids},
        {2, 0.1, 0.01, true, CGenerationMaillage::kMessageAucunNoeud}, // 1003 x 1003, walked
        {40, 2, 0.04, false, nullptr},                                 // 199 x 199 nodes
    };
    for (const auto& c : cas) {
        m_doc.NouveauDocument();
        m_ui.m_messages.clear();
        const double l = c.dCote;
        CFace* r = AjouterQuad("r", CVecteur(0, 0, 0), CVecteur(l, 0, 0), CVecteur(l, 0, l),
                               CVecteur(0, 0, l));
        r->m_proprietes.m_bRecepteur = 1;
        r->m_proprietes.m_dMailleRelative = c.dRelative;
        r->m_proprietes.m_dMailleAbsolue = c.dAbsolue;
        if (c.bCouverte) {
            r->m_ouvertures.m_faces = {
                AjouterQuad("hole", CVecteur(-1, 0, -1), CVecteur(l + 1, 0, -1),
                            CVecteur(l + 1, 0, l + 1), CVecteur(-1, 0, l + 1))};
        }
        EXPECT_EQ(m_doc.GenererMaillages(), c.szMessage == nullptr) << l;
        if (c.szMessage != nullptr) {
            ExpectRefus(c.szMessage);
        } else {
            EXPECT_EQ(r->m_pNoeuds->Taille(), 199 * 199);
        }
    }
}

TEST_F(Generation, NoReceiverMeansNoNode) {
    AjouterNommee("a");
    AjouterNommee("b");
    EXPECT_FALSE(m_doc.GenererMaillages());
    ExpectRefus("No face declared as a receiver (mesh not generated)   \n"
                "Declare the faces of interest as receivers   ");
}

TEST_F(Generation, ReceiversLightingWindowBuildsAndReleasesTheMeshes) {
    CFace* a = AjouterNommee("a");
    a->m_proprietes.m_bRecepteur = 1;
    m_doc.OuvrirPositionSoleil();
    EXPECT_TRUE(m_doc.BasculerEclairement());
    EXPECT_TRUE(m_doc.m_bEclairementOuvert);
    EXPECT_EQ(a->m_pNoeuds->Taille(), 2401);
    EXPECT_EQ(m_doc.m_eclairementRecepteurs.m_dEquivalent, 0); // nothing computed yet
    m_doc.ChoisirAutoCalcul(true);
    // 21 march 12:00 at the default site: the sun is south, in front of the
    // wall that faces -Y.
    EXPECT_EQ(m_doc.m_eclairementRecepteurs.m_dEquivalent, 100);
    // Each move of the sun recomputes while "Auto Compute" is on.
    m_doc.m_positionSoleil.m_nHeure = 0;
    m_doc.m_positionSoleil.Calculer();
    m_doc.ActualiserEclairement();
    EXPECT_EQ(m_doc.m_eclairementRecepteurs.m_dEquivalent, 0);
    // Closing the sun window closes the lighting window and frees the meshes.
    m_doc.FermerPositionSoleil();
    EXPECT_FALSE(m_doc.m_bEclairementOuvert);
    EXPECT_EQ(a->m_pNoeuds, nullptr);
    EXPECT_EQ(m_doc.m_positionSoleil.m_bInitialise, 0);
}

} // namespace
