#include "FenetreTest.h"

#include "ui/VantrelView.h"
#include "view/Camera.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <cstdio>
#include <fstream>

TEST_F(FenetreTest, ANewDocumentIsUntitled) {
    EXPECT_EQ(m_fenetre.windowTitle(), QStringLiteral("Vantrel - Untitled"));
    EXPECT_EQ(m_fenetre.TitreFichier(), QStringLiteral("Untitled"));
}

TEST_F(FenetreTest, OpeningTheHouseThenSavingItBackGivesTheSameBytes) {
    OuvrirMaison();
    ASSERT_EQ(m_ui.m_choixFichiers.size(), 1u);
    EXPECT_EQ(m_ui.m_choixFichiers[0].strFiltre, "Fichiers Vantrel (*.vtl)");
    EXPECT_EQ(m_ui.m_choixFichiers[0].strExtension, "vtl");
    EXPECT_GE(g_nFaces, 5);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_fenetre.windowTitle(), QStringLiteral("Vantrel - house.vtl"));
    EXPECT_TRUE(m_ui.m_questionsEnregistrement.empty());

    const std::string copie = Temporaire("copy.vtl");
    m_ui.m_fichiers.push_back(copie);
    Executer(ID_ENREGISTRER_SOUS);
    EXPECT_EQ(LireOctets(copie), LireOctets(m_strMaison));
    EXPECT_EQ(m_ui.m_choixFichiers.back().strNomInitial, m_strMaison);
    EXPECT_EQ(m_fenetre.windowTitle(), QStringLiteral("Vantrel - copy.vtl"));

    // "&Save" writes to the document's file without asking.
    std::remove(copie.c_str());
    Executer(ID_ENREGISTRER);
    EXPECT_EQ(m_ui.m_choixFichiers.size(), 2u);
    EXPECT_EQ(LireOctets(copie), LireOctets(m_strMaison));
    std::remove(copie.c_str());
}

TEST_F(FenetreTest, OpeningResetsTheCamera) {
    m_fenetre.resize(640, 480);
    m_fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_fenetre));
    m_fenetre.Vue()->grab();
    g_ptOrigine = CPointEcran{1, 2};
    g_dEchelle = 100;
    OuvrirMaison();
    EXPECT_EQ(g_dEchelle, 2048.0);
    EXPECT_EQ(g_ptOrigine,
              (CPointEcran{m_fenetre.Vue()->width() / 2, m_fenetre.Vue()->height() / 2}));
}

TEST_F(FenetreTest, NewAsksToSaveAModifiedDocument) {
    OuvrirMaison();
    Executer(ID_RECEPTEUR);
    ASSERT_TRUE(m_doc.IsModified());
    const int nFaces = g_nFaces;

    // Cancel keeps everything.
    m_ui.m_reponsesEnregistrement.push_back(EReponse::Annuler);
    Executer(ID_NOUVEAU);
    ASSERT_EQ(m_ui.m_questionsEnregistrement.size(), 1u);
    EXPECT_EQ(m_ui.m_questionsEnregistrement[0].strTexte, "Save changes to house.vtl?");
    EXPECT_EQ(m_ui.m_questionsEnregistrement[0].strTitre, "Vantrel");
    EXPECT_EQ(g_nFaces, nFaces);
    EXPECT_TRUE(m_doc.IsModified());

    // No drops the changes.
    m_ui.m_reponsesEnregistrement.push_back(EReponse::Non);
    Executer(ID_NOUVEAU);
    EXPECT_EQ(g_nFaces, 0);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(m_doc.Chemin().empty());
    EXPECT_EQ(m_fenetre.windowTitle(), QStringLiteral("Vantrel - Untitled"));
    EXPECT_EQ(m_doc.Titre(), "no title");

    // An unmodified document goes without a question.
    Executer(ID_NOUVEAU);
    EXPECT_EQ(m_ui.m_questionsEnregistrement.size(), 2u);
}

TEST_F(FenetreTest, YesSavesAnUntitledDocumentThroughSaveAs) {
    OuvrirMaison();
    Executer(ID_NOUVEAU); // unmodified: no question; an untitled, empty document
    Executer(ID_COTE_ETUDE);
    ASSERT_TRUE(m_doc.IsModified());
    const std::string chemin = Temporaire("untitled-saved.vtl");
    m_ui.m_reponsesEnregistrement.push_back(EReponse::Oui);
    m_ui.m_fichiers.push_back(m_strMaison); // the file to open, then where to save
    m_ui.m_fichiers.push_back(chemin);
    Executer(ID_OUVRIR);
    EXPECT_EQ(m_ui.m_questionsEnregistrement.back().strTexte, "Save changes to Untitled?");
    // The file is chosen first, then the question, then the name to save under.
    ASSERT_EQ(m_ui.m_choixFichiers.size(), 3u);
    EXPECT_EQ(m_ui.m_choixFichiers[2].strTitre, "Save As");
    EXPECT_EQ(m_ui.m_choixFichiers[2].strNomInitial, "Untitled.vtl");
    EXPECT_FALSE(LireOctets(chemin).empty());
    EXPECT_EQ(m_doc.Chemin(), m_strMaison);
    std::remove(chemin.c_str());
}

TEST_F(FenetreTest, AFailedSaveKeepsTheDocumentAndStopsTheCommand) {
    OuvrirMaison();
    Executer(ID_RECEPTEUR);
    m_ui.m_fichiers.push_back(Temporaire("no-such-folder/house.vtl"));
    Executer(ID_ENREGISTRER_SOUS);
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].icone, EIcone::Stop);
    EXPECT_EQ(m_ui.m_messages[0].strTitre, "Vantrel");
    EXPECT_NE(m_ui.m_messages[0].strTexte.find("no-such-folder"), std::string::npos);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.Chemin(), m_strMaison);

    // Answered Yes, the save question saves; when that fails nothing is dropped.
    m_ui.m_reponsesEnregistrement.push_back(EReponse::Non);
    Executer(ID_NOUVEAU);
    Executer(ID_COTE_ETUDE);
    m_ui.m_reponsesEnregistrement.push_back(EReponse::Oui);
    m_ui.m_fichiers.push_back(m_strMaison); // the file to open, then where to save
    m_ui.m_fichiers.push_back(Temporaire("no-such-folder/other.vtl"));
    Executer(ID_OUVRIR);
    EXPECT_EQ(m_ui.m_messages.size(), 2u);
    EXPECT_TRUE(m_doc.Chemin().empty());
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(g_nFaces, 0);
}

TEST_F(FenetreTest, AFileThatCannotBeReadIsReportedAndLeavesANewDocument) {
    OuvrirMaison();
    const std::string abime = Temporaire("damaged.vtl");
    std::ofstream(abime, std::ios::binary) << "not a scene";
    m_ui.m_fichiers.push_back(abime);
    Executer(ID_OUVRIR);
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].icone, EIcone::Stop);
    EXPECT_EQ(
        m_ui.m_messages[0].strTexte.rfind("The document \"damaged.vtl\" could not be opened.", 0),
        0u)
        << m_ui.m_messages[0].strTexte;
    EXPECT_EQ(g_nFaces, 0);
    EXPECT_TRUE(m_doc.Chemin().empty()); // "&Save" cannot write over house.vtl
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_fenetre.windowTitle(), QStringLiteral("Vantrel - Untitled"));
    std::remove(abime.c_str());
}

TEST_F(FenetreTest, ClosingAsksToSaveAndCancelKeepsTheWindow) {
    OuvrirMaison();
    Executer(ID_RECEPTEUR);
    m_fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_fenetre));
    m_ui.m_reponsesEnregistrement.push_back(EReponse::Annuler);
    EXPECT_FALSE(m_fenetre.close());
    EXPECT_TRUE(m_fenetre.isVisible());
    EXPECT_GT(g_nFaces, 0);

    m_ui.m_reponsesEnregistrement.push_back(EReponse::Non);
    Executer(ID_QUITTER);
    EXPECT_FALSE(m_fenetre.isVisible());
    EXPECT_EQ(m_ui.m_questionsEnregistrement.size(), 2u);
    EXPECT_EQ(g_nFaces, 0); // the contents are deleted on the way out
}

TEST_F(FenetreTest, ADroppedFileOpensLikeOpen) {
    m_fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_fenetre));
    Executer(ID_COTE_ETUDE); // modified: the drop asks first
    m_ui.m_reponsesEnregistrement.push_back(EReponse::Non);
    QMimeData donnees;
    donnees.setUrls({QUrl::fromLocalFile(QString::fromStdString(m_strMaison))});
    const QPoint p(m_fenetre.width() / 2, m_fenetre.height() / 2);
    QDragEnterEvent entree(p, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&m_fenetre, &entree);
    EXPECT_TRUE(entree.isAccepted());
    QDropEvent depot(QPointF(p), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&m_fenetre, &depot);
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_doc.Chemin() == m_strMaison; }, 5000));
    EXPECT_EQ(m_ui.m_questionsEnregistrement.size(), 1u);
    EXPECT_GT(g_nFaces, 0);
}
