#include "DocumentTest.h"

namespace {

class Document : public DocumentTest {
protected:
    CJournal m_j;
    void Etat() {
        NOTER(m_j, g_nFaces, g_nFaceSelectionnee, m_doc.IsModified(), m_ui.m_nRedessins);
    }
};

TEST_F(Document, LabelsRemovalTogglesCopiesAndModalEnds) {
    EXPECT_EQ(g_pDoc, &m_doc);
    NOTER(m_j, m_doc.Face(-1) == nullptr, m_doc.LibelleFace(-1), m_doc.Titre());
    for (const char* nom : {"wall", "roof", "canopy", "d", "e"}) {
        AjouterNommee(nom);
    }
    g_nFaceSelectionnee = 1;
    NOTER(m_j, m_doc.LibelleFace(0), m_doc.LibelleFace(-1), m_doc.Face(5) == nullptr);
    EXPECT_EQ(m_doc.Face(-1), m_doc.Face(1));
    auto f = std::make_unique<CFace3>();
    CFace* p = f.get();
    m_doc.InsererFace(std::move(f)); // at the selected position
    EXPECT_EQ(m_doc.Face(-1), p);
    NOTER(m_j, m_doc.LibelleFace(2));
    // The lists without the selected face.
    g_nFaceSelectionnee = 2;
    for (int n : {0, 1, 2, 3, 4}) {
        NOTER(m_j, n, CVantrelDoc::FaceDeLEntree(n), CVantrelDoc::EntreeDeLaFace(n));
    }

    m_j.Titre("removal asks; No keeps everything; redrawn in every case");
    m_doc.NouveauDocument();
    CFace* a = AjouterNommee("a");
    CFace* b = AjouterNommee("b");
    CFace* c = AjouterNommee("c");
    AjouterNommee("d");
    a->m_ouvertures.m_faces = {b, c};
    c->m_ouvertures.m_faces = {b, b};
    g_nFaceSelectionnee = 1;
    m_doc.SupprimerFace();
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    const auto& m = m_ui.m_messages[0];
    NOTER(m_j, m.strTexte, m.strTitre, m.icone, m.boutons);
    Etat();
    m_j.Titre("in the middle: the same index designates the next face, which leaves the openings");
    m_ui.m_reponses.push_back(EReponse::Oui);
    m_doc.SupprimerFace();
    Etat();
    EXPECT_EQ(m_doc.Face(-1), c);
    EXPECT_EQ(a->m_ouvertures.m_faces, std::vector<CFace*>{c});
    EXPECT_TRUE(c->m_ouvertures.m_faces.empty());
    m_j.Titre("the last one: back to the first face; then down to none");
    g_nFaceSelectionnee = 2;
    for (int i = 0; i < 3; ++i) {
        m_ui.m_reponses.push_back(EReponse::Oui);
        m_doc.SupprimerFace();
        Etat();
    }
    EXPECT_TRUE(m_doc.m_faces.empty());

    m_j.Titre("toggles, a copy of properties, and the ends of modal dialogs");
    m_doc.SetModifiedFlag(false);
    a = AjouterNommee("source");
    b = AjouterNommee("b");
    m_doc.BasculerRecepteur();
    NOTER(m_j, a->m_proprietes.m_bRecepteur, a->m_proprietes.m_bCoteInverse);
    Etat();
    m_doc.BasculerRecepteur();
    m_doc.BasculerCoteInverse();
    NOTER(m_j, a->m_proprietes.m_bRecepteur, a->m_proprietes.m_bCoteInverse);
    m_doc.SetModifiedFlag(false);
    a->m_proprietes.m_dAbsorptivite = 60;
    m_doc.CopierProprietesVers({});
    NOTER(m_j, b->m_proprietes.m_strNom);
    m_doc.CopierProprietesVers({b});
    NOTER(m_j, b->m_proprietes.m_strNom, b->m_proprietes.m_dAbsorptivite);
    Etat();
    m_doc.TerminerDialogueModal(false);
    Etat();
    m_doc.TerminerDialogueModal(true);
    Etat();
    ExpectGolden("document.txt", m_j.m_texte);
}

TEST_F(Document, NewAndDeleteContents) {
    CFace* a = AjouterNommee("a");
    CFace* b = AjouterNommee("b");
    m_doc.m_parametresAffichage.m_pageGeneral.m_strTitre = "House";
    m_doc.m_parametresAffichage.m_pageQuadrillage.m_nRepetition = 4;
    m_doc.m_configurationGeographique.m_strLieu = "SYDNEY";
    m_doc.m_optionsCalcul.m_nAnnee = 2020;
    a->CreerCopie();
    a->m_pNoeuds = std::make_unique<CMaillage>();
    m_doc.m_transformations.Ouvrir();
    m_doc.m_transformations.m_groupe.m_faces = {b};
    m_doc.m_bPointsPrincipauxOuverts = true;
    m_doc.m_bPositionSoleilOuverte = true;
    m_doc.m_bEclairementOuvert = true;
    m_doc.SetModifiedFlag();
    g_nFaces = 57; // as a failed load may leave it: the list is trusted, not the count
    m_doc.NouveauDocument();
    EXPECT_TRUE(m_doc.m_faces.empty());
    EXPECT_TRUE(m_doc.m_transformations.m_groupe.m_faces.empty());
    // The title goes; the other view parameters, the site and the options stay.
    NOTER(m_j, g_nFaces, m_doc.IsModified(), m_doc.m_bPointsPrincipauxOuverts,
          m_doc.m_bTransformationsOuvertes, m_doc.m_bPositionSoleilOuverte,
          m_doc.m_bEclairementOuvert, m_ui.m_fenetresFermees, m_doc.Titre(),
          m_doc.m_parametresAffichage.m_pageQuadrillage.m_nRepetition,
          m_doc.m_configurationGeographique.m_strLieu, m_doc.m_optionsCalcul.m_nAnnee);

    m_j.Titre("settings no dialog accepts, as a file written by hand may hold, stay usable");
    COptionsCalcul& o = m_doc.m_optionsCalcul;
    for (int n : {0, 2147483647}) {
        o.m_nPasMinutes = n;
        NOTER(m_j, n, o.PasMinutes());
    }
    m_doc.m_positionSoleil.Avancer();
    NOTER(m_j, m_doc.m_positionSoleil.m_nHeure, m_doc.m_positionSoleil.m_nMinute);
    o.m_nAnnee = 2147483647;
    m_doc.m_positionSoleil.CalculerPosition(); // no integer overflow
    NOTER(m_j, m_doc.m_positionSoleil.m_dAzimut, m_doc.m_positionSoleil.m_dAltitude);
    ExpectGolden("new_document.txt", m_j.m_texte);
}

} // namespace
