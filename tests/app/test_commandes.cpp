#include "FenetreTest.h"

#include "app/Aide.h"
#include "ui/VantrelView.h"
#include "view/Camera.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
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

TEST_F(FenetreTest, CommandsWhoseWindowsAreNotThereYetStayDisabled) {
    OuvrirMaison();
    for (const int nId :
         {ID_PARAMETRES_AFFICHAGE, ID_CONFIGURATION_GEOGRAPHIQUE, ID_SELECTIONNER_FACE,
          ID_INSERER_FACE, ID_INSERER_PRISME, ID_INSERER_PARALLELEPIPEDE, ID_INVERSER_FACE,
          ID_PROPRIETES, ID_COPIER_PROPRIETES, ID_OUVERTURES, ID_POINTS_PRINCIPAUX,
          ID_TRANSFORMATIONS, ID_GEOMETRIE_FACE, ID_CALCULS_PRATIQUES, ID_INFORMATIONS_SOLAIRES,
          ID_PROBLEME_INVERSE}) {
        EXPECT_FALSE(Active(nId)) << nId;
    }
    for (const int nId : {ID_NOUVEAU,
                          ID_OUVRIR,
                          ID_ENREGISTRER,
                          ID_ENREGISTRER_SOUS,
                          ID_QUITTER,
                          ID_BARRE_OUTILS,
                          ID_BARRE_ETAT,
                          ID_ORIENTATION_STANDARD,
                          ID_COORDONNEES,
                          ID_COTE_ETUDE,
                          ID_SUPPRIMER_FACE,
                          ID_RECEPTEUR,
                          ID_COTE_INVERSE,
                          ID_AIDE,
                          ID_SITE,
                          ID_CONTACT,
                          ID_A_PROPOS,
                          ID_OPTIONS_CALCUL,
                          ID_POSITION_SOLEIL,
                          ID_BILAN_JOURNALIER}) {
        EXPECT_TRUE(Active(nId)) << nId;
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
