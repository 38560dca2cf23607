#include "FenetreTest.h"

#include "app/Aide.h"
#include "ui/VantrelView.h"
#include "view/Camera.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

// Receives the addresses the program hands to the desktop.
class CBureau : public QObject {
    Q_OBJECT
public:
    QList<QUrl> m_urls;

public slots:
    void Ouvrir(const QUrl& url) { m_urls << url; }
};

} // namespace

TEST_F(FenetreTest, CommandsFollowTheDocumentLive) {
    // No face: nothing to remove or declare.
    EXPECT_FALSE(Active(ID_SUPPRIMER_FACE));
    EXPECT_FALSE(Active(ID_RECEPTEUR));
    EXPECT_FALSE(Cochee(ID_RECEPTEUR));
    EXPECT_TRUE(Active(ID_NOUVEAU));
    EXPECT_TRUE(Active(ID_COORDONNEES));
    EXPECT_TRUE(Active(ID_AIDE));

    OuvrirMaison();
    EXPECT_TRUE(Active(ID_SUPPRIMER_FACE));
    EXPECT_TRUE(Active(ID_RECEPTEUR));
    EXPECT_TRUE(Active(ID_COTE_INVERSE));
    // The first face, the south wall, is a receiver.
    EXPECT_TRUE(Cochee(ID_RECEPTEUR));
    EXPECT_FALSE(Cochee(ID_COTE_INVERSE));

    Executer(ID_RECEPTEUR);
    EXPECT_FALSE(Cochee(ID_RECEPTEUR));
    EXPECT_EQ(m_doc.Face(-1)->m_proprietes.m_bRecepteur, 0);
    EXPECT_TRUE(m_doc.IsModified());
    Executer(ID_COTE_INVERSE);
    EXPECT_TRUE(Cochee(ID_COTE_INVERSE));

    // Any change of the document that redraws updates the marks: another face.
    g_nFaceSelectionnee = 1; // "south window 1", a receiver
    m_doc.RedessinerVues();
    EXPECT_TRUE(Cochee(ID_RECEPTEUR));
    EXPECT_FALSE(Cochee(ID_COTE_INVERSE));
}

TEST_F(FenetreTest, EveryCommandWorksOnAScene) {
    // With faces and no modeless window open, every command has its window
    // and every rule of the table but one allows it.
    OuvrirMaison();
    for (const CCommande& c : Commandes()) {
        // The lighting needs the sun window open.
        EXPECT_EQ(Active(c.nId), c.nId != ID_ECLAIREMENT) << c.szMenu;
    }
}

TEST_F(FenetreTest, RemoveTheFaceAsksFirst) {
    OuvrirMaison();
    const int nFaces = g_nFaces;
    m_ui.m_reponses.push_back(EReponse::Non);
    Executer(ID_SUPPRIMER_FACE);
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].strTexte, "Do you really want to remove this face ?   ");
    EXPECT_EQ(m_ui.m_messages[0].strTitre, "Removal confirmation");
    EXPECT_EQ(m_ui.m_messages[0].icone, EIcone::Question);
    EXPECT_EQ(m_ui.m_messages[0].boutons, EBoutons::OuiNon);
    EXPECT_EQ(g_nFaces, nFaces);
    EXPECT_FALSE(m_doc.IsModified());

    m_ui.m_reponses.push_back(EReponse::Oui);
    Executer(ID_SUPPRIMER_FACE);
    EXPECT_EQ(g_nFaces, nFaces - 1);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.Face(0)->m_proprietes.m_strNom, "south window 1");

    // Down to no face, the command disables itself.
    while (g_nFaces > 0) {
        m_ui.m_reponses.push_back(EReponse::Oui);
        Executer(ID_SUPPRIMER_FACE);
    }
    EXPECT_FALSE(Active(ID_SUPPRIMER_FACE));
}

TEST_F(FenetreTest, FaceDescriptionTogglesCarryCheckMarks) {
    Executer(ID_COORDONNEES);
    EXPECT_TRUE(Cochee(ID_COORDONNEES));
    EXPECT_EQ(m_doc.m_parametresAffichage.m_pageGeneral.m_bCoordonnees, 1);
    EXPECT_TRUE(m_doc.IsModified());
    Executer(ID_COTE_ETUDE);
    EXPECT_TRUE(Cochee(ID_COTE_ETUDE));
    Executer(ID_COORDONNEES);
    EXPECT_FALSE(Cochee(ID_COORDONNEES));
    EXPECT_EQ(m_doc.m_parametresAffichage.m_pageGeneral.m_bCoordonnees, 0);
}

TEST_F(FenetreTest, BarsShowAndHideWithTheirCheckMarks) {
    m_fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_fenetre));
    EXPECT_TRUE(Cochee(ID_BARRE_OUTILS));
    EXPECT_TRUE(Cochee(ID_BARRE_ETAT));
    Executer(ID_BARRE_OUTILS);
    EXPECT_FALSE(m_fenetre.BarreOutils()->isVisible());
    EXPECT_FALSE(Cochee(ID_BARRE_OUTILS));
    Executer(ID_BARRE_ETAT);
    EXPECT_FALSE(m_fenetre.statusBar()->isVisible());
    EXPECT_FALSE(Cochee(ID_BARRE_ETAT));
    Executer(ID_BARRE_OUTILS);
    EXPECT_TRUE(m_fenetre.BarreOutils()->isVisible());
    EXPECT_TRUE(Cochee(ID_BARRE_OUTILS));
    // Hidden some other way (its context menu), the mark follows.
    m_fenetre.BarreOutils()->hide();
    EXPECT_FALSE(Cochee(ID_BARRE_OUTILS));
}

TEST_F(FenetreTest, StandardOrientationResetsTheCamera) {
    m_fenetre.resize(640, 480);
    m_fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_fenetre));
    m_fenetre.Vue()->grab();
    g_ptOrigine = CPointEcran{3, 4};
    g_dEchelle = 500;
    Tourner(40, 40);
    Executer(ID_ORIENTATION_STANDARD);
    EXPECT_EQ(g_ptOrigine,
              (CPointEcran{m_fenetre.Vue()->width() / 2, m_fenetre.Vue()->height() / 2}));
    EXPECT_EQ(g_dEchelle, 2048.0);
    EXPECT_EQ(g_axes[0].m_x, 64.0);
    EXPECT_EQ(g_axes[0].m_y, 0.0);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(FenetreTest, HelpSiteAndContactGoToTheDesktop) {
    CBureau bureau;
    for (const char* szSchema : {"file", "https", "mailto"}) {
        QDesktopServices::setUrlHandler(QString::fromLatin1(szSchema), &bureau, "Ouvrir");
    }
    Executer(ID_AIDE);
    Executer(ID_SITE);
    Executer(ID_CONTACT);
    for (const char* szSchema : {"file", "https", "mailto"}) {
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(szSchema));
    }
    ASSERT_EQ(bureau.m_urls.size(), 3);
    // The user guide that comes with the program.
    EXPECT_TRUE(bureau.m_urls[0].isLocalFile());
    EXPECT_TRUE(QFileInfo(bureau.m_urls[0].toLocalFile()).isFile());
    EXPECT_EQ(QFileInfo(bureau.m_urls[0].toLocalFile()).fileName(), QStringLiteral("guide.html"));
    EXPECT_EQ(bureau.m_urls[1], QUrl(QString::fromLatin1(kAdresseSite)));
    EXPECT_EQ(bureau.m_urls[2].toString(),
              QStringLiteral("mailto:") + QString::fromLatin1(kAdresseAuteur));
}

#include "test_commandes.moc"

TEST_F(FenetreTest, ComputationOptionsFromTheMenuMarkTheDocumentOnlyWhenValidated) {
    const auto taper = [](QDialog* pDialogue, const QString& annee) {
        auto* pEdit = pDialogue->findChild<QLineEdit*>(QStringLiteral("strAnnee"));
        ASSERT_NE(pEdit, nullptr);
        pEdit->selectAll();
        QTest::keyClicks(pEdit, annee);
    };
    ExecuterModal(ID_OPTIONS_CALCUL, [&](QDialog* pDialogue) {
        taper(pDialogue, QStringLiteral("2010"));
        pDialogue->reject();
    });
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_optionsCalcul.m_nAnnee, 2003);
    ExecuterModal(ID_OPTIONS_CALCUL, [&](QDialog* pDialogue) {
        taper(pDialogue, QStringLiteral("2010"));
        QTest::keyClick(pDialogue->findChild<QLineEdit*>(QStringLiteral("strAnnee")),
                        Qt::Key_Return);
    });
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_optionsCalcul.m_nAnnee, 2010);
    // While the sun window is open the options are out of reach.
    m_doc.m_bPositionSoleilOuverte = true;
    m_doc.RedessinerVues();
    EXPECT_FALSE(Active(ID_OPTIONS_CALCUL));
    m_doc.m_bPositionSoleilOuverte = false;
}

TEST_F(FenetreTest, StudyToolsFromTheMenu) {
    OuvrirMaison();
    const auto edit = [](QDialog* pDialogue, const char* szNom) {
        auto* pEdit = pDialogue->findChild<QLineEdit*>(QString::fromLatin1(szNom));
        EXPECT_NE(pEdit, nullptr) << szNom;
        return pEdit;
    };
    const auto bouton = [](QDialog* pDialogue, const char* szNom) {
        auto* pBouton = pDialogue->findChild<QPushButton*>(QString::fromLatin1(szNom));
        EXPECT_NE(pBouton, nullptr) << szNom;
        return pBouton;
    };
    // The tools compute and leave the document unmodified.
    ExecuterModal(ID_INFORMATIONS_SOLAIRES, [&](QDialog* pDialogue) {
        EXPECT_EQ(pDialogue->windowTitle(), "Solar information");
        EXPECT_EQ(edit(pDialogue, "strDureeJour")->text(), "8.16");
        QTest::mouseClick(bouton(pDialogue, "fermer"), Qt::LeftButton);
    });
    ExecuterModal(ID_PROBLEME_INVERSE, [&](QDialog* pDialogue) {
        EXPECT_EQ(pDialogue->windowTitle(), "Reversed problem");
        QTest::mouseClick(bouton(pDialogue, "calculer"), Qt::LeftButton);
        QTest::keyClick(pDialogue, Qt::Key_Escape);
    });
    EXPECT_TRUE(m_doc.m_problemeInverse.m_bCalcule);
    EXPECT_EQ(m_doc.m_problemeInverse.m_dDurees[4], 134.0);
    ExecuterModal(ID_CALCULS_PRATIQUES, [&](QDialog* pDialogue) {
        EXPECT_EQ(pDialogue->windowTitle(), "Practical calculations");
        EXPECT_EQ(edit(pDialogue, "strInclinaisonHiver")->text(), "21.1");
        QTest::mouseClick(bouton(pDialogue, "fermer"), Qt::LeftButton);
    });
    EXPECT_FALSE(m_doc.IsModified());

    // The site: cancelled, nothing changes; validated, the document is modified.
    ExecuterModal(ID_CONFIGURATION_GEOGRAPHIQUE, [&](QDialog* pDialogue) {
        EXPECT_EQ(pDialogue->windowTitle(), "Geographical configuration");
        pDialogue->findChild<QComboBox*>(QStringLiteral("nLieu"))->setCurrentIndex(97);
        QTest::mouseClick(bouton(pDialogue, "annuler"), Qt::LeftButton);
    });
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_configurationGeographique.m_strLieu, "PARIS");
    ExecuterModal(ID_CONFIGURATION_GEOGRAPHIQUE, [&](QDialog* pDialogue) {
        pDialogue->findChild<QComboBox*>(QStringLiteral("nLieu"))->setCurrentIndex(97);
        QTest::mouseClick(bouton(pDialogue, "valider"), Qt::LeftButton);
    });
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_configurationGeographique.m_strLieu, "SYDNEY");
    EXPECT_EQ(m_doc.m_configurationGeographique.m_dLatitude, -33.9);

    // While the sun window is open only the practical calculations remain.
    m_doc.m_bPositionSoleilOuverte = true;
    m_doc.RedessinerVues();
    EXPECT_FALSE(Active(ID_CONFIGURATION_GEOGRAPHIQUE));
    EXPECT_FALSE(Active(ID_INFORMATIONS_SOLAIRES));
    EXPECT_FALSE(Active(ID_PROBLEME_INVERSE));
    EXPECT_TRUE(Active(ID_CALCULS_PRATIQUES));
    m_doc.m_bPositionSoleilOuverte = false;
}
