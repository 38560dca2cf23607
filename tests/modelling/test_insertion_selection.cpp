#include "ModelisationTest.h"

#include "modelling/InsertionFace.h"
#include "modelling/InversionFace.h"
#include "modelling/SelectionFace.h"
#include "modelling/SelectionMultiple.h"

#include <vector>

namespace {

using Libelles = std::vector<std::string>;

class InsertionSelection : public ModelisationTest {
protected:
    CInsertionFace m_insertion{m_doc};
    CSelectionFace m_selection{m_doc};
    CInversionFace m_inversion{m_doc};
    CSelectionMultiple m_multiple{m_doc};
};

TEST_F(InsertionSelection, InsertionOfEachKindAtTheSelectedPosition) {
    m_insertion.m_nType = 3;
    m_insertion.m_strNom = "kept from last time";
    CInsertionFace::CTampon t = m_insertion.Ouvrir();
    EXPECT_EQ(t.types,
              (Libelles{"Acute sector", "Quadrilateral", "Quarter ellipse", "Triangular"}));
    EXPECT_EQ(t.nType, 1); // a quadrilateral without name
    EXPECT_EQ(t.strNom, "no name");
    t.strNom = "wall";
    EXPECT_FALSE(m_insertion.Inserer(t));
    EXPECT_EQ(m_doc.LibelleFace(-1), "(1/1) wall");
    const char* classes[] = {"CFace5", "CFace4", "CFace6", "CFace3"};
    for (int n = 0; n < 4; ++n) {
        t = m_insertion.Ouvrir();
        t.nType = n;
        ASSERT_FALSE(m_insertion.Inserer(t));
        EXPECT_STREQ(m_doc.Face(-1)->NomClasse(), classes[n]);
    }
    t.nType = 4;
    EXPECT_TRUE(m_insertion.Inserer(t));
    g_nFaceSelectionnee = 2;
    ASSERT_FALSE(m_insertion.Inserer(m_insertion.Ouvrir()));
    EXPECT_EQ(g_nFaceSelectionnee, 2);
    EXPECT_EQ(m_doc.LibelleFace(-1), "(3/6) no name");
    Noter("inserted: each at the selected position, default points and properties");

    t = m_insertion.Ouvrir();
    t.strNom = std::string(31, 'n');
    const CResultatValidation r = m_insertion.Inserer(t);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->nChamp, CInsertionFace::ChampNom);
    EXPECT_EQ(r->strMessage, "Please enter no more than 30 characters.");
    EXPECT_EQ(g_nFaces, 6);
    t.strNom.pop_back();
    EXPECT_FALSE(m_insertion.Inserer(t));
    EXPECT_EQ(m_doc.Face(-1)->m_proprietes.m_strNom, std::string(30, 'n'));
    ExpectGolden("modelling/insertion.txt", m_strNotes);
}

TEST_F(InsertionSelection, SelectionAndInversion) {
    for (const char* nom : {"a", "b", "c", "d"}) {
        Ajouter(nom);
    }
    g_nFaceSelectionnee = 1;
    CSelectionFace::CTampon s = m_selection.Ouvrir();
    EXPECT_EQ(s.libelles, (Libelles{"(1/4) a", "(2/4) b", "(3/4) c", "(4/4) d"}));
    EXPECT_EQ(s.nChoix, 1);
    s.nChoix = 2;
    m_selection.Selectionner(s);
    EXPECT_EQ(g_nFaceSelectionnee, 2);
    s.nChoix = -1; // no entry chosen
    m_selection.Selectionner(s);
    EXPECT_EQ(g_nFaceSelectionnee, 2);
    EXPECT_FALSE(m_doc.IsModified());

    g_nFaceSelectionnee = 1;
    CInversionFace::CTampon t = m_inversion.Ouvrir();
    EXPECT_EQ(t.libelles[1], "(2/4) b");
    EXPECT_EQ(t.nChoix, 0);
    t.nChoix = 3;
    m_inversion.Inverser(t);
    EXPECT_EQ(Noms(), "a,d,c,b");
    EXPECT_EQ(m_doc.LibelleFace(-1), "(2/4) d");
    t.nChoix = 1; // with itself: unchanged, yet confirmed
    m_inversion.Inverser(t);
    m_doc.TerminerDialogueModal(true);
    EXPECT_EQ(Noms(), "a,d,c,b");
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(InsertionSelection, MultipleSelectionAndCopyOfProperties) {
    CFace* a = Ajouter("a");
    CFace* b = Ajouter("b");
    CFace* c = Ajouter("c");
    CFace* d = Ajouter("d");
    g_nFaceSelectionnee = 1;
    // Copy of properties: cancelled copies nothing; neither marks the document modified.
    b->m_proprietes.m_bRecepteur = 1;
    PreparerCopieProprietes(m_multiple);
    CSelectionMultiple::CTampon t = m_multiple.Ouvrir();
    EXPECT_EQ(t.strConsigne, "Copy the properties of the selected face to...");
    TerminerCopieProprietes(m_doc, m_multiple);
    EXPECT_EQ(d->m_proprietes.m_strNom, "d");
    t.selection = {false, false, true};
    m_multiple.Valider(t);
    TerminerCopieProprietes(m_doc, m_multiple);
    EXPECT_EQ(d->m_proprietes.m_strNom, "b (c)");
    EXPECT_EQ(d->m_proprietes.m_bRecepteur, 1);
    EXPECT_EQ(c->m_proprietes.m_bRecepteur, 0);
    EXPECT_TRUE(m_multiple.m_faces.empty());
    EXPECT_FALSE(m_doc.IsModified());

    m_multiple.m_strConsigne = "Pick";
    m_multiple.m_faces = {d};
    t = m_multiple.Ouvrir();
    EXPECT_EQ(t.strConsigne, "Pick");
    EXPECT_EQ(t.libelles, (Libelles{"(1/4) a", "(3/4) c", "(4/4) b (c)"})); // not the selected face
    EXPECT_EQ(t.selection, (std::vector<bool>{false, false, true}));
    t.selection = {true, true, false}; // past the selected position: the next face
    m_multiple.Valider(t);
    EXPECT_EQ(m_multiple.m_faces, (std::vector<CFace*>{a, c}));

    // With a single face the list is empty, and a stale buffer designates nothing.
    m_doc.NouveauDocument();
    Ajouter("alone");
    t = m_multiple.Ouvrir();
    EXPECT_TRUE(t.libelles.empty());
    t.selection = {true};
    m_multiple.Valider(t);
    EXPECT_TRUE(m_multiple.m_faces.empty());
}

} // namespace
