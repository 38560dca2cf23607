#include "DocumentTest.h"

namespace {

class Document : public DocumentTest {};

TEST_F(Document, FreshDocument) {
    EXPECT_EQ(g_pDoc, &m_doc);
    EXPECT_EQ(g_nFaces, 0);
    EXPECT_EQ(m_doc.Face(-1), nullptr);
    EXPECT_EQ(m_doc.Face(0), nullptr);
    EXPECT_EQ(m_doc.LibelleFace(-1), "no face defined");
    EXPECT_EQ(m_doc.Titre(), "no title");
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_FALSE(m_doc.m_bPointsPrincipauxOuverts || m_doc.m_bTransformationsOuvertes ||
                 m_doc.m_bPositionSoleilOuverte || m_doc.m_bEclairementOuvert);
}

TEST_F(Document, LabelsAndSelectedFace) {
    AjouterNommee("wall");
    AjouterNommee("roof");
    AjouterNommee("canopy");
    g_nFaceSelectionnee = 1;
    EXPECT_EQ(m_doc.LibelleFace(0), "(1/3) wall");
    EXPECT_EQ(m_doc.LibelleFace(-1), "(2/3) roof");
    EXPECT_EQ(m_doc.Face(-1), m_doc.Face(1));
    EXPECT_EQ(m_doc.Face(3), nullptr);
}

TEST_F(Document, InsertionTakesTheSelectedPosition) {
    AjouterNommee("a");
    AjouterNommee("b");
    g_nFaceSelectionnee = 1;
    auto f = std::make_unique<CFace3>();
    CFace* p = f.get();
    m_doc.InsererFace(std::move(f));
    EXPECT_EQ(g_nFaces, 3);
    EXPECT_EQ(m_doc.Face(-1), p);
    EXPECT_EQ(m_doc.LibelleFace(2), "(3/3) b");
}

TEST_F(Document, ListEntriesAroundTheSelectedFace) {
    for (int i = 0; i < 5; ++i) {
        AjouterNommee("f");
    }
    g_nFaceSelectionnee = 2;
    EXPECT_EQ(CVantrelDoc::FaceDeLEntree(0), 0);
    EXPECT_EQ(CVantrelDoc::FaceDeLEntree(1), 1);
    EXPECT_EQ(CVantrelDoc::FaceDeLEntree(2), 3);
    EXPECT_EQ(CVantrelDoc::FaceDeLEntree(3), 4);
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(CVantrelDoc::EntreeDeLaFace(CVantrelDoc::FaceDeLEntree(j)), j);
    }
}

TEST_F(Document, RemovalAsksAndKeepsEverythingOnNo) {
    AjouterNommee("a");
    m_doc.SupprimerFace();
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].strTexte, "Do you really want to remove this face ?   ");
    EXPECT_EQ(m_ui.m_messages[0].strTitre, "Removal confirmation");
    EXPECT_EQ(m_ui.m_messages[0].icone, EIcone::Question);
    EXPECT_EQ(m_ui.m_messages[0].boutons, EBoutons::OuiNon);
    EXPECT_EQ(g_nFaces, 1);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_ui.m_nRedessins, 1); // redrawn in every case
}

TEST_F(Document, RemovalSelectionRules) {
    for (const char* nom : {"a", "b", "c", "d"}) {
        AjouterNommee(nom);
    }
    // In the middle: the same index designates the next face.
    g_nFaceSelectionnee = 1;
    m_ui.m_reponses.push_back(EReponse::Oui);
    m_doc.SupprimerFace();
    EXPECT_EQ(g_nFaces, 3);
    EXPECT_EQ(g_nFaceSelectionnee, 1);
    EXPECT_EQ(m_doc.Face(-1)->m_proprietes.m_strNom, "c");
    EXPECT_TRUE(m_doc.IsModified());
    // The last one: the selection goes back to the first face.
    g_nFaceSelectionnee = 2;
    m_ui.m_reponses.push_back(EReponse::Oui);
    m_doc.SupprimerFace();
    EXPECT_EQ(g_nFaces, 2);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
    EXPECT_EQ(m_doc.Face(-1)->m_proprietes.m_strNom, "a");
    // Down to none.
    m_ui.m_reponses.push_back(EReponse::Oui);
    m_doc.SupprimerFace();
    m_ui.m_reponses.push_back(EReponse::Oui);
    m_doc.SupprimerFace();
    EXPECT_EQ(g_nFaces, 0);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
    EXPECT_EQ(m_doc.m_faces.size(), 0u);
}

TEST_F(Document, RemovedFaceLeavesEveryOpeningsList) {
    CFace* mur1 = AjouterNommee("wall 1");
    CFace* mur2 = AjouterNommee("wall 2");
    CFace* fenetre = AjouterNommee("window");
    CFace* autre = AjouterNommee("other");
    mur1->m_ouvertures.m_faces = {fenetre, autre};
    mur2->m_ouvertures.m_faces = {fenetre, fenetre};
    g_nFaceSelectionnee = 2;
    m_ui.m_reponses.push_back(EReponse::Oui);
    m_doc.SupprimerFace();
    EXPECT_EQ(mur1->m_ouvertures.m_faces, std::vector<CFace*>{autre});
    EXPECT_TRUE(mur2->m_ouvertures.m_faces.empty());
}

TEST_F(Document, ToggleReceiverAndStudySide) {
    AjouterNommee("a");
    m_doc.BasculerRecepteur();
    EXPECT_EQ(m_doc.Face(-1)->m_proprietes.m_bRecepteur, 1);
    EXPECT_TRUE(m_doc.IsModified());
    m_doc.BasculerRecepteur();
    EXPECT_EQ(m_doc.Face(-1)->m_proprietes.m_bRecepteur, 0);
    m_doc.BasculerCoteInverse();
    EXPECT_EQ(m_doc.Face(-1)->m_proprietes.m_bCoteInverse, 1);
    EXPECT_EQ(m_ui.m_nRedessins, 3);
}

TEST_F(Document, CopyPropertiesDoesNotMarkModified) {
    CFace* a = AjouterNommee("source");
    CFace* b = AjouterNommee("b");
    CFace* c = AjouterNommee("c");
    a->m_proprietes.m_bRecepteur = 1;
    a->m_proprietes.m_dAbsorptivite = 60;
    m_doc.CopierProprietesVers({});
    EXPECT_EQ(b->m_proprietes.m_strNom, "b");
    m_doc.CopierProprietesVers({c});
    EXPECT_EQ(c->m_proprietes.m_strNom, "source (c)");
    EXPECT_EQ(c->m_proprietes.m_bRecepteur, 1);
    EXPECT_EQ(c->m_proprietes.m_dAbsorptivite, 60);
    EXPECT_EQ(b->m_proprietes.m_strNom, "b");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(Document, NewKeepsTheViewParametersButTheTitle) {
    AjouterNommee("a");
    m_doc.m_parametresAffichage.m_pageGeneral.m_strTitre = "House";
    m_doc.m_parametresAffichage.m_pageQuadrillage.m_nRepetition = 4;
    m_doc.m_parametresAffichage.m_pageGeneral.m_bCoordonnees = 1;
    m_doc.SetModifiedFlag();
    m_doc.NouveauDocument();
    EXPECT_EQ(g_nFaces, 0);
    EXPECT_TRUE(m_doc.m_faces.empty());
    EXPECT_EQ(m_doc.Titre(), "no title");
    EXPECT_EQ(m_doc.m_parametresAffichage.m_pageQuadrillage.m_nRepetition, 4);
    EXPECT_EQ(m_doc.m_parametresAffichage.m_pageGeneral.m_bCoordonnees, 1);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(Document, DeleteContentsClosesTheModelessWindowsAndTheirState) {
    CFace* a = AjouterNommee("a");
    a->CreerCopie();
    a->m_pNoeuds = std::make_unique<CMaillage>();
    m_doc.m_bPointsPrincipauxOuverts = true;
    m_doc.m_bPositionSoleilOuverte = true;
    m_doc.m_bEclairementOuvert = true;
    m_doc.SupprimerContenu();
    EXPECT_FALSE(m_doc.m_bPointsPrincipauxOuverts);
    EXPECT_FALSE(m_doc.m_bPositionSoleilOuverte);
    EXPECT_FALSE(m_doc.m_bEclairementOuvert);
    const std::vector<EFenetre> attendu = {EFenetre::PointsPrincipaux, EFenetre::Eclairement,
                                           EFenetre::PositionSoleil};
    EXPECT_EQ(m_ui.m_fenetresFermees, attendu);
}

TEST_F(Document, DeleteContentsTrustsTheListNotTheCount) {
    AjouterNommee("a");
    AjouterNommee("b");
    g_nFaces = 57; // as a failed load may leave it
    m_doc.SupprimerContenu();
    EXPECT_TRUE(m_doc.m_faces.empty());
    EXPECT_EQ(g_nFaces, 0);
}

TEST_F(Document, ModalDialogEnd) {
    m_doc.TerminerDialogueModal(false);
    EXPECT_FALSE(m_doc.IsModified());
    m_doc.TerminerDialogueModal(true);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_ui.m_nRedessins, 2);
}

} // namespace

namespace {

class DocumentReglages : public DocumentTest {};

TEST_F(DocumentReglages, NewKeepsTheSiteAndTheOptions) {
    m_doc.m_configurationGeographique.m_strLieu = "SYDNEY";
    m_doc.m_configurationGeographique.m_dLatitude = -33.9;
    m_doc.m_optionsCalcul.m_nAnnee = 2020;
    m_doc.m_optionsCalcul.m_nPasMinutes = 30;
    m_doc.NouveauDocument();
    EXPECT_EQ(m_doc.m_configurationGeographique.m_strLieu, "SYDNEY");
    EXPECT_EQ(m_doc.m_configurationGeographique.m_dLatitude, -33.9);
    EXPECT_EQ(m_doc.m_optionsCalcul.m_nAnnee, 2020);
    EXPECT_EQ(m_doc.m_optionsCalcul.m_nPasMinutes, 30);
}

TEST_F(DocumentReglages, DeleteContentsEmptiesTheTransformationGroup) {
    AjouterNommee("a");
    CFace* b = AjouterNommee("b");
    m_doc.m_transformations.Ouvrir();
    m_doc.m_transformations.m_groupe.m_faces = {b};
    b->CreerCopie();
    m_doc.SupprimerContenu();
    EXPECT_FALSE(m_doc.m_bTransformationsOuvertes);
    EXPECT_TRUE(m_doc.m_transformations.m_groupe.m_faces.empty());
}

TEST_F(DocumentReglages, SettingsFromADamagedFileStayUsable) {
    // Values no dialog accepts, as a file written by hand may hold.
    m_doc.m_optionsCalcul.m_nPasMinutes = 0;
    EXPECT_EQ(m_doc.m_optionsCalcul.PasMinutes(), 1);
    m_doc.m_optionsCalcul.m_nPasMinutes = 2147483647;
    EXPECT_EQ(m_doc.m_optionsCalcul.PasMinutes(), 1440);
    m_doc.m_positionSoleil.Avancer();
    EXPECT_EQ(m_doc.m_positionSoleil.m_nHeure, 12);
    EXPECT_EQ(m_doc.m_positionSoleil.m_nMinute, 0);
    m_doc.m_optionsCalcul.m_nAnnee = 2147483647;
    m_doc.m_positionSoleil.CalculerPosition(); // no integer overflow
    EXPECT_GE(m_doc.m_positionSoleil.m_dAltitude, -90);
    EXPECT_LE(m_doc.m_positionSoleil.m_dAltitude, 90);
}

} // namespace
