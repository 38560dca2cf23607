#include "ModelisationTest.h"

#include "modelling/InsertionFace.h"
#include "modelling/InversionFace.h"
#include "modelling/SelectionFace.h"
#include "modelling/SelectionMultiple.h"

namespace {

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
    NOTER(m_j, t.types, t.nType, t.strNom); // a quadrilateral without name
    t.strNom = "wall";
    NOTER(m_j, m_insertion.Inserer(t));
    NOTER(m_j, m_doc.LibelleFace(-1));
    for (int n = 0; n < 5; ++n) {
        t = m_insertion.Ouvrir();
        t.nType = n;
        NOTER(m_j, n, m_insertion.Inserer(t));
        NOTER(m_j, m_doc.Face(-1)->NomClasse());
    }
    g_nFaceSelectionnee = 2;
    NOTER(m_j, m_insertion.Inserer(m_insertion.Ouvrir()));
    NOTER(m_j, g_nFaceSelectionnee, m_doc.LibelleFace(-1));
    Noter("inserted: each at the selected position, default points and properties");
    for (std::size_t n : {31, 30}) {
        t = m_insertion.Ouvrir();
        t.strNom = std::string(n, 'n');
        NOTER(m_j, n, m_insertion.Inserer(t));
        NOTER(m_j, g_nFaces, m_doc.LibelleFace(-1));
    }
    ExpectGolden("modelling/insertion.txt", m_j.m_texte);
}

TEST_F(InsertionSelection, SelectionInversionMultipleSelectionAndCopyOfProperties) {
    for (const char* nom : {"a", "b", "c", "d"}) {
        Ajouter(nom);
    }
    g_nFaceSelectionnee = 1;
    CSelectionFace::CTampon s = m_selection.Ouvrir();
    NOTER(m_j, s.libelles, s.nChoix);
    for (int n : {2, -1}) { // -1: no entry chosen
        s.nChoix = n;
        m_selection.Selectionner(s);
        NOTER(m_j, n, g_nFaceSelectionnee, m_doc.IsModified());
    }
    m_j.Titre("inversion, then with itself: unchanged, yet confirmed");
    g_nFaceSelectionnee = 1;
    CInversionFace::CTampon t = m_inversion.Ouvrir();
    NOTER(m_j, t.libelles, t.nChoix);
    t.nChoix = 3;
    m_inversion.Inverser(t);
    NOTER(m_j, Noms(), m_doc.LibelleFace(-1));
    t.nChoix = 1;
    m_inversion.Inverser(t);
    m_doc.TerminerDialogueModal(true);
    NOTER(m_j, Noms(), m_doc.IsModified());

    m_j.Titre("copy of properties: cancelled copies nothing; neither marks the document");
    m_doc.NouveauDocument();
    CFace* a = Ajouter("a");
    CFace* b = Ajouter("b");
    CFace* c = Ajouter("c");
    CFace* d = Ajouter("d");
    g_nFaceSelectionnee = 1;
    b->m_proprietes.m_bRecepteur = 1;
    PreparerCopieProprietes(m_multiple);
    CSelectionMultiple::CTampon m = m_multiple.Ouvrir();
    NOTER(m_j, m.strConsigne);
    TerminerCopieProprietes(m_doc, m_multiple);
    NOTER(m_j, d->m_proprietes.m_strNom);
    m.selection = {false, false, true};
    m_multiple.Valider(m);
    TerminerCopieProprietes(m_doc, m_multiple);
    NOTER(m_j, d->m_proprietes.m_strNom, d->m_proprietes.m_bRecepteur, c->m_proprietes.m_bRecepteur,
          m_multiple.m_faces.size(), m_doc.IsModified());
    m_j.Titre("the list leaves out the selected face; past it, an entry is the next face");
    m_multiple.m_strConsigne = "Pick";
    m_multiple.m_faces = {d};
    m = m_multiple.Ouvrir();
    NOTER(m_j, m.strConsigne, m.libelles, m.selection);
    m.selection = {true, true, false};
    m_multiple.Valider(m);
    EXPECT_EQ(m_multiple.m_faces, (std::vector<CFace*>{a, c}));
    m_j.Titre("with a single face the list is empty, and a stale buffer designates nothing");
    m_doc.NouveauDocument();
    Ajouter("alone");
    m = m_multiple.Ouvrir();
    m.selection = {true};
    m_multiple.Valider(m);
    NOTER(m_j, m.libelles, m_multiple.m_faces.size());
    ExpectGolden("modelling/selection.txt", m_j.m_texte);
}

} // namespace
