#include "ModelisationTest.h"

#include "modelling/InsertionFace.h"
#include "modelling/InversionFace.h"
#include "modelling/SelectionFace.h"
#include "modelling/SelectionMultiple.h"

#include <vector>

namespace {

class InsertionSelection : public ModelisationTest {
protected:
    CInsertionFace m_insertion{m_doc};
    CSelectionFace m_selection{m_doc};
    CInversionFace m_inversion{m_doc};
    CSelectionMultiple m_multiple{m_doc};
};

TEST_F(InsertionSelection, InsertionOpensOnAQuadrilateralWithoutName) {
    m_insertion.m_nType = 3;
    m_insertion.m_strNom = "kept from last time";
    const CInsertionFace::CTampon t = m_insertion.Ouvrir();
    EXPECT_EQ(t.types, (std::vector<std::string>{"Acute sector", "Quadrilateral", "Quarter ellipse",
                                                 "Triangular"}));
    EXPECT_EQ(t.nType, 1);
    EXPECT_EQ(t.strNom, "no name");
    EXPECT_EQ(m_insertion.m_nType, 1);
}

TEST_F(InsertionSelection, InsertionIntoAnEmptyDocument) {
    CInsertionFace::CTampon t = m_insertion.Ouvrir();
    t.strNom = "wall";
    EXPECT_FALSE(m_insertion.Inserer(t));
    ASSERT_EQ(g_nFaces, 1);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
    const CFace* f = m_doc.Face(-1);
    EXPECT_STREQ(f->NomClasse(), "CFace4");
    EXPECT_EQ(m_doc.LibelleFace(0), "(1/1) wall");
    // Default points and properties; only the name was set.
    ExpectEgal(f->m_points[2], 2, 0, 2);
    EXPECT_EQ(f->m_proprietes.m_dAbsorptivite, 100.0);
    EXPECT_EQ(f->m_proprietes.m_bRecepteur, 0);
}

TEST_F(InsertionSelection, EachKindOfTheList) {
    const char* classes[] = {"CFace5", "CFace4", "CFace6", "CFace3"};
    for (int n = 0; n < 4; ++n) {
        CInsertionFace::CTampon t = m_insertion.Ouvrir();
        t.nType = n;
        ASSERT_FALSE(m_insertion.Inserer(t));
        EXPECT_STREQ(m_doc.Face(-1)->NomClasse(), classes[n]);
    }
    CInsertionFace::CTampon t = m_insertion.Ouvrir();
    t.nType = 4;
    EXPECT_TRUE(m_insertion.Inserer(t));
    EXPECT_EQ(g_nFaces, 4);
}

TEST_F(InsertionSelection, InsertionAtTheSelectedPosition) {
    for (const char* nom : {"a", "b", "c", "d", "e"}) {
        Ajouter(nom);
    }
    g_nFaceSelectionnee = 2;
    ASSERT_FALSE(m_insertion.Inserer(m_insertion.Ouvrir()));
    EXPECT_EQ(g_nFaces, 6);
    EXPECT_EQ(g_nFaceSelectionnee, 2);
    EXPECT_EQ(m_doc.LibelleFace(-1), "(3/6) no name");
    EXPECT_EQ(m_doc.LibelleFace(3), "(4/6) c");
    EXPECT_EQ(Noms(), "a,b,no name,c,d,e");
}

TEST_F(InsertionSelection, NameLongerThanThirtyIsRefused) {
    Ajouter("a");
    CInsertionFace::CTampon t = m_insertion.Ouvrir();
    t.strNom = std::string(31, 'n');
    const CResultatValidation r = m_insertion.Inserer(t);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->nChamp, CInsertionFace::ChampNom);
    EXPECT_EQ(r->strMessage, "Please enter no more than 30 characters.");
    EXPECT_EQ(g_nFaces, 1);
    t.strNom.pop_back();
    EXPECT_FALSE(m_insertion.Inserer(t));
    EXPECT_EQ(m_doc.Face(-1)->m_proprietes.m_strNom, std::string(30, 'n'));
}

TEST_F(InsertionSelection, SelectionListsEveryFaceOnTheSelectedOne) {
    Ajouter("a");
    Ajouter("b");
    Ajouter("c");
    g_nFaceSelectionnee = 1;
    CSelectionFace::CTampon t = m_selection.Ouvrir();
    EXPECT_EQ(t.libelles, (std::vector<std::string>{"(1/3) a", "(2/3) b", "(3/3) c"}));
    EXPECT_EQ(t.nChoix, 1);
    t.nChoix = 2;
    m_selection.Selectionner(t);
    EXPECT_EQ(g_nFaceSelectionnee, 2);
    t.nChoix = -1; // no entry chosen
    m_selection.Selectionner(t);
    EXPECT_EQ(g_nFaceSelectionnee, 2);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(InsertionSelection, InversionExchangesTheChosenAndTheSelectedPositions) {
    for (const char* nom : {"a", "b", "c", "d"}) {
        Ajouter(nom);
    }
    g_nFaceSelectionnee = 1;
    CInversionFace::CTampon t = m_inversion.Ouvrir();
    EXPECT_EQ(t.libelles.size(), 4u);
    EXPECT_EQ(t.libelles[1], "(2/4) b");
    EXPECT_EQ(t.nChoix, 0);
    t.nChoix = 3;
    m_inversion.Inverser(t);
    EXPECT_EQ(Noms(), "a,d,c,b");
    EXPECT_EQ(g_nFaceSelectionnee, 1);
    EXPECT_EQ(m_doc.LibelleFace(-1), "(2/4) d");
}

TEST_F(InsertionSelection, InvertingWithItselfChangesNothingButIsConfirmed) {
    Ajouter("a");
    Ajouter("b");
    g_nFaceSelectionnee = 1;
    CInversionFace::CTampon t = m_inversion.Ouvrir();
    t.nChoix = 1;
    m_inversion.Inverser(t);
    m_doc.TerminerDialogueModal(true); // the command's end after "Invert"
    EXPECT_EQ(Noms(), "a,b");
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(InsertionSelection, MultipleSelectionSkipsTheSelectedFace) {
    CFace* a = Ajouter("a");
    Ajouter("b");
    CFace* c = Ajouter("c");
    CFace* d = Ajouter("d");
    g_nFaceSelectionnee = 1;
    m_multiple.m_strConsigne = "Pick";
    m_multiple.m_faces = {d};
    CSelectionMultiple::CTampon t = m_multiple.Ouvrir();
    EXPECT_EQ(t.strConsigne, "Pick");
    EXPECT_EQ(t.libelles, (std::vector<std::string>{"(1/4) a", "(3/4) c", "(4/4) d"}));
    EXPECT_EQ(t.selection, (std::vector<bool>{false, false, true}));
    // Entries after the selected position stand for the next face.
    t.selection = {true, true, false};
    m_multiple.Valider(t);
    EXPECT_EQ(m_multiple.m_faces, (std::vector<CFace*>{a, c}));
}

TEST_F(InsertionSelection, MultipleSelectionWithASingleFace) {
    Ajouter("alone");
    CSelectionMultiple::CTampon t = m_multiple.Ouvrir();
    EXPECT_TRUE(t.libelles.empty());
    t.selection = {true}; // a stale buffer designates nothing
    m_multiple.Valider(t);
    EXPECT_TRUE(m_multiple.m_faces.empty());
}

TEST_F(InsertionSelection, CopyOfPropertiesWhateverTheButton) {
    CFace* a = Ajouter("source");
    CFace* b = Ajouter("b");
    CFace* c = Ajouter("c");
    a->m_proprietes.m_bRecepteur = 1;
    PreparerCopieProprietes(m_multiple);
    CSelectionMultiple::CTampon t = m_multiple.Ouvrir();
    EXPECT_EQ(t.strConsigne, "Copy the properties of the selected face to...");
    // Cancelled: the list is still empty, nothing is copied.
    TerminerCopieProprietes(m_doc, m_multiple);
    EXPECT_EQ(b->m_proprietes.m_strNom, "b");
    // Validated on the second entry.
    t.selection = {false, true};
    m_multiple.Valider(t);
    TerminerCopieProprietes(m_doc, m_multiple);
    EXPECT_EQ(c->m_proprietes.m_strNom, "source (c)");
    EXPECT_EQ(c->m_proprietes.m_bRecepteur, 1);
    EXPECT_EQ(b->m_proprietes.m_bRecepteur, 0);
    EXPECT_TRUE(m_multiple.m_faces.empty());
    EXPECT_FALSE(m_doc.IsModified());
}

} // namespace
