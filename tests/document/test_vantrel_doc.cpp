#include "DocumentTest.h"

namespace {

class Document : public DocumentTest {};

TEST_F(Document, LabelsListEntriesAndInsertion) {
    EXPECT_EQ(g_pDoc, &m_doc);
    EXPECT_EQ(m_doc.Face(-1), nullptr);
    EXPECT_EQ(m_doc.LibelleFace(-1), "no face defined");
    EXPECT_EQ(m_doc.Titre(), "no title");
    for (const char* nom : {"wall", "roof", "canopy", "d", "e"}) {
        AjouterNommee(nom);
    }
    g_nFaceSelectionnee = 1;
    EXPECT_EQ(m_doc.LibelleFace(0), "(1/5) wall");
    EXPECT_EQ(m_doc.LibelleFace(-1), "(2/5) roof");
    EXPECT_EQ(m_doc.Face(-1), m_doc.Face(1));
    EXPECT_EQ(m_doc.Face(5), nullptr);
    auto f = std::make_unique<CFace3>();
    CFace* p = f.get();
    m_doc.InsererFace(std::move(f)); // at the selected position
    EXPECT_EQ(m_doc.Face(-1), p);
    EXPECT_EQ(m_doc.LibelleFace(2), "(3/6) roof");
    // The lists without the selected face.
    g_nFaceSelectionnee = 2;
    for (const auto& [entree, face] : {std::pair{0, 0}, {1, 1}, {2, 3}, {3, 4}}) {
        EXPECT_EQ(CVantrelDoc::FaceDeLEntree(entree), face);
        EXPECT_EQ(CVantrelDoc::EntreeDeLaFace(face), entree);
    }
}

TEST_F(Document, RemovalAsksThenFollowsTheSelectionRules) {
    CFace* a = AjouterNommee("a");
    CFace* b = AjouterNommee("b");
    CFace* c = AjouterNommee("c");
    AjouterNommee("d");
    a->m_ouvertures.m_faces = {b, c};
    c->m_ouvertures.m_faces = {b, b};
    g_nFaceSelectionnee = 1;
    m_doc.SupprimerFace();
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].strTexte, "Do you really want to remove this face ?   ");
    EXPECT_EQ(m_ui.m_messages[0].strTitre, "Removal confirmation");
    EXPECT_EQ(m_ui.m_messages[0].icone, EIcone::Question);
    EXPECT_EQ(m_ui.m_messages[0].boutons, EBoutons::OuiNon);
    EXPECT_EQ(g_nFaces, 4); // "No" keeps everything
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_ui.m_nRedessins, 1); // redrawn in every case
    // In the middle: the same index designates the next face; the removed
    // face leaves every openings list.
    m_ui.m_reponses.push_back(EReponse::Oui);
    m_doc.SupprimerFace();
    EXPECT_EQ(g_nFaceSelectionnee, 1);
    EXPECT_EQ(m_doc.Face(-1), c);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(a->m_ouvertures.m_faces, std::vector<CFace*>{c});
    EXPECT_TRUE(c->m_ouvertures.m_faces.empty());
    // The last one: back to the first face; then down to none.
    g_nFaceSelectionnee = 2;
    for (int nReste : {2, 1, 0}) {
        m_ui.m_reponses.push_back(EReponse::Oui);
        m_doc.SupprimerFace();
        EXPECT_EQ(g_nFaces, nReste);
        EXPECT_EQ(g_nFaceSelectionnee, 0);
    }
    EXPECT_TRUE(m_doc.m_faces.empty());
}

TEST_F(Document, TogglesCopiesAndModalEnds) {
    CFace* a = AjouterNommee("source");
    CFace* b = AjouterNommee("b");
    m_doc.BasculerRecepteur();
    EXPECT_EQ(a->m_proprietes.m_bRecepteur, 1);
    EXPECT_TRUE(m_doc.IsModified());
    m_doc.BasculerRecepteur();
    m_doc.BasculerCoteInverse();
    EXPECT_EQ(a->m_proprietes.m_bRecepteur * 10 + a->m_proprietes.m_bCoteInverse, 1);
    EXPECT_EQ(m_ui.m_nRedessins, 3);
    m_doc.SetModifiedFlag(false);
    a->m_proprietes.m_dAbsorptivite = 60;
    m_doc.CopierProprietesVers({});
    EXPECT_EQ(b->m_proprietes.m_strNom, "b");
    m_doc.CopierProprietesVers({b});
    EXPECT_EQ(b->m_proprietes.m_strNom, "source (c)");
    EXPECT_EQ(b->m_proprietes.m_dAbsorptivite, 60);
    EXPECT_FALSE(m_doc.IsModified());
    m_doc.TerminerDialogueModal(false);
    EXPECT_FALSE(m_doc.IsModified());
    m_doc.TerminerDialogueModal(true);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_ui.m_nRedessins, 7);
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
    EXPECT_EQ(g_nFaces, 0);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_FALSE(m_doc.m_bPointsPrincipauxOuverts || m_doc.m_bTransformationsOuvertes ||
                 m_doc.m_bPositionSoleilOuverte || m_doc.m_bEclairementOuvert);
    EXPECT_TRUE(m_doc.m_transformations.m_groupe.m_faces.empty());
    EXPECT_EQ(m_ui.m_fenetresFermees,
              (std::vector<EFenetre>{EFenetre::PointsPrincipaux, EFenetre::Transformations,
                                     EFenetre::Eclairement, EFenetre::PositionSoleil}));
    // The title goes; the other view parameters, the site and the options stay.
    EXPECT_EQ(m_doc.Titre(), "no title");
    EXPECT_EQ(m_doc.m_parametresAffichage.m_pageQuadrillage.m_nRepetition, 4);
    EXPECT_EQ(m_doc.m_configurationGeographique.m_strLieu, "SYDNEY");
    EXPECT_EQ(m_doc.m_optionsCalcul.m_nAnnee, 2020);
}

TEST_F(Document, SettingsFromADamagedFileStayUsable) {
    // Values no dialog accepts, as a file written by hand may hold.
    m_doc.m_optionsCalcul.m_nPasMinutes = 0;
    EXPECT_EQ(m_doc.m_optionsCalcul.PasMinutes(), 1);
    m_doc.m_optionsCalcul.m_nPasMinutes = 2147483647;
    EXPECT_EQ(m_doc.m_optionsCalcul.PasMinutes(), 1440);
    m_doc.m_positionSoleil.Avancer();
    EXPECT_EQ(m_doc.m_positionSoleil.m_nHeure * 60 + m_doc.m_positionSoleil.m_nMinute, 720);
    m_doc.m_optionsCalcul.m_nAnnee = 2147483647;
    m_doc.m_positionSoleil.CalculerPosition(); // no integer overflow
    EXPECT_GE(m_doc.m_positionSoleil.m_dAltitude, -90);
    EXPECT_LE(m_doc.m_positionSoleil.m_dAltitude, 90);
}

} // namespace
