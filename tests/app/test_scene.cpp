#include "FenetreTest.h"

#include "app/CommandesModelisation.h"
#include "ui/VantrelView.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTest>

#include <cstdio>
#include <string>
#include <utility>

namespace {

template <class T>
T* W(QWidget* pFenetre, const char* szNom) {
    T* p = pFenetre == nullptr ? nullptr : pFenetre->findChild<T*>(QString::fromLatin1(szNom));
    EXPECT_NE(p, nullptr) << szNom;
    return p;
}

// Each "field=text" of the list, ", " apart, typed in the field of that name
// as a user does: select all, type.
void Taper(QWidget* pFenetre, const char* szSaisies) {
    for (const QString& saisie : QString::fromLatin1(szSaisies).split(QStringLiteral(", "))) {
        const qsizetype n = saisie.indexOf(QLatin1Char('='));
        auto* pEdit = W<QLineEdit>(pFenetre, qPrintable(saisie.left(n)));
        ASSERT_NE(pEdit, nullptr);
        pEdit->setFocus();
        pEdit->selectAll();
        QTest::keyClick(pEdit, Qt::Key_Delete);
        QTest::keyClicks(pEdit, saisie.mid(n + 1));
    }
}

// A click on the button, check box, tab or list entry that shows this text.
void Cliquer(QWidget* pFenetre, const char* szTexte) {
    const QString texte = QString::fromLatin1(szTexte);
    for (QAbstractButton* p : pFenetre->findChildren<QAbstractButton*>()) {
        if (p->text() == texte && p->isVisible()) {
            // A check box answers over its box and its text only.
            QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(6, p->height() / 2));
            return;
        }
    }
    for (QTabBar* p : pFenetre->findChildren<QTabBar*>()) {
        for (int i = 0; i < p->count(); ++i) {
            if (p->tabText(i) == texte) {
                QTest::mouseClick(p, Qt::LeftButton, {}, p->tabRect(i).center());
                return;
            }
        }
    }
    for (QListWidget* p : pFenetre->findChildren<QListWidget*>()) {
        const QList<QListWidgetItem*> entrees = p->findItems(texte, Qt::MatchExactly);
        if (!entrees.isEmpty()) {
            QTest::mouseClick(p->viewport(), Qt::LeftButton, {},
                              p->visualItemRect(entrees[0]).center());
            return;
        }
    }
    ADD_FAILURE() << "nothing shows " << szTexte;
}

// Picks a drop-down entry with the keyboard.
void Choisir(QWidget* pFenetre, const char* szNom, const char* szEntree) {
    auto* pListe = W<QComboBox>(pFenetre, szNom);
    const int n = pListe->findText(QString::fromLatin1(szEntree));
    ASSERT_GE(n, 0) << szEntree;
    pListe->setFocus();
    while (pListe->currentIndex() != n) {
        QTest::keyClick(pListe, pListe->currentIndex() < n ? Qt::Key_Down : Qt::Key_Up);
    }
}

// A picture for the user guide, in the artefacts folder.
void Garder(QWidget* pFenetre, const char* szNom) {
    const QString dossier = QStringLiteral(VANTREL_ARTEFACTS);
    ASSERT_TRUE(QDir().mkpath(dossier));
    const QString chemin = QDir(dossier).filePath(QString::fromLatin1(szNom));
    ASSERT_TRUE(pFenetre->grab().save(chemin));
    std::printf("Screenshot: %s\n", qPrintable(chemin));
}

} // namespace

// A scene built as the user guide's "Building a scene" tells it, from the
// menus, the accelerators and the dialogs alone, saved and read back.
// It also takes that section's pictures; after a change of these windows,
// refresh the copies beside the guide with
//   QT_QPA_PLATFORM=offscreen build/dev/tests/app/test_app --gtest_filter='*SceneBuilt*'
//   cp build/dev/tests/app/artefacts/guide-scene*.png app/aide/
TEST_F(FenetreTest, ASceneBuiltFromTheMenusComesBackFromItsFile) {
    m_fenetre.resize(1024, 720);
    m_fenetre.move(0, 0);
    m_fenetre.show();
    Raccourci(Qt::Key_N);

    ExecuterModal(ID_INSERER_PARALLELEPIPEDE, [](QDialog* d) {
        Taper(d, "strNom=block, sommet1X=5, sommet1Y=-3, sommet2X=8, sommet2Y=0, sommet2Z=4");
        Garder(d, "guide-scene-box.png");
        Cliquer(d, "Insert");
    });
    const auto insererFace = [this](const char* szNom) { // "strNom=..."
        RaccourciModal(Qt::Key_I, [&](QDialog* d) {
            EXPECT_EQ(W<QComboBox>(d, "nType")->currentText(), "Quadrilateral");
            Taper(d, szNom);
            Cliquer(d, "Insert");
        });
    };
    insererFace("strNom=wall");
    RaccourciModal(Qt::Key_P, [](QDialog* d) {
        Cliquer(d, "Face declared as a receiver");
        Taper(d, "dAbsorptivite=85, dMailleRelative=1");
        Garder(d, "guide-scene-receiver.png");
        Cliquer(d, "Validate");
    });

    // The window: a second quadrilateral, brought inside the wall.
    insererFace("strNom=window");
    Raccourci(Qt::Key_F);
    QDialog* pPoints = m_fenetre.Modelisation()->Fenetre(EFenetre::PointsPrincipaux);
    ASSERT_NE(pPoints, nullptr);
    Taper(pPoints, "points0X=0.5, points0Z=0.5, points1X=1.5, points1Z=0.5, "
                   "points2X=1.5, points2Z=1.5, points3X=0.5, points3Z=1.5");
    Garder(pPoints, "guide-scene-points.png");
    Cliquer(pPoints, "Validate >>");
    Cliquer(pPoints, "Close");
    RaccourciModal(Qt::Key_Y, [](QDialog* d) {
        Choisir(d, "nChoix", "(2/8) wall");
        Cliquer(d, "Select");
    });
    RaccourciModal(Qt::Key_V, [](QDialog* d) {
        Cliquer(d, "(1/8) window");
        Taper(d, "dTransmittiviteForcee=80");
        Cliquer(d, "Force the transmittivity of openings");
        Garder(d, "guide-scene-openings.png");
        Cliquer(d, "Validate");
    });

    // The wall counts without its window.
    ExecuterModal(ID_GEOMETRIE_FACE, [](QDialog* d) {
        for (const auto& [szNom, szAire] :
             {std::pair("dAire", "4"), {"dAireOuvertures", "1"}, {"dAireRetenue", "3"}}) {
            EXPECT_EQ(W<QLineEdit>(d, szNom)->text().toStdString(), szAire);
        }
        Cliquer(d, "Close");
    });

    // The next panel of the wall, two metres along X.
    Raccourci(Qt::Key_T);
    QDialog* pTransformations = m_fenetre.Modelisation()->Fenetre(EFenetre::Transformations);
    ASSERT_NE(pTransformations, nullptr);
    Taper(pTransformations, "vecteurX=2, vecteurZ=0");
    Cliquer(pTransformations, "Duplicate");
    Cliquer(pTransformations, "Translation");
    Garder(pTransformations, "guide-scene-duplicate.png");
    Cliquer(pTransformations, "Validate >>");
    Cliquer(pTransformations, "Close");

    RaccourciModal(Qt::Key_A, [](QDialog* d) {
        Taper(d, "strTitre=First scene");
        Cliquer(d, "Grid");
        Cliquer(d, "Display the grid");
        Taper(d, "strCentreX=4, strCentreY=-2, strRepetition=6");
        Garder(d, "guide-scene-grid.png");
        Cliquer(d, "OK");
    });
    // Turned to show the grid, the scene in the middle.
    Glisser(m_fenetre.Vue(), Qt::LeftButton, QPoint(300, 265), QPoint(240, 340));
    Glisser(m_fenetre.Vue(), Qt::RightButton, QPoint(500, 300), QPoint(300, 360));
    Garder(&m_fenetre, "guide-scene.png");

    // Saved, dropped, read back.
    const std::string chemin = Temporaire("first scene.vtl");
    m_ui.m_fichiers.push_back(chemin);
    Executer(ID_ENREGISTRER_SOUS);
    EXPECT_EQ(m_doc.Chemin(), chemin);
    EXPECT_FALSE(m_doc.IsModified());
    Raccourci(Qt::Key_N);
    EXPECT_TRUE(m_ui.m_questionsEnregistrement.empty());
    ASSERT_EQ(g_nFaces, 0);
    m_ui.m_fichiers.push_back(chemin);
    Raccourci(Qt::Key_O);
    EXPECT_EQ(m_doc.Chemin(), chemin);
    EXPECT_TRUE(m_ui.m_messages.empty());

    std::string noms;
    for (int i = 0; i < g_nFaces; ++i) {
        noms += m_doc.Face(i)->m_proprietes.m_strNom + ",";
    }
    EXPECT_EQ(noms, "window,wall,block 1,block 2,block 3,block 4,block 5,block 6,wall (c),");
    struct CAttendu {
        int nFace, bRecepteur;
        double dAbsorptivite, dMailleRelative, dTransmittivite;
        const char* szCoins; // P0 and P2, opposite corners
        std::size_t nOuvertures;
    };
    const CAttendu attendus[] = {
        {0, 0, 100, 2, 80, "0.5 0 0.5, 1.5 0 1.5", 0},
        {1, 1, 85, 1, 0, "0 0 0, 2 0 2", 1},
        {2, 0, 100, 2, 0, "8 -3 0, 8 0 4", 0}, // block 1, the side at x = 8
        {8, 1, 85, 1, 0, "2 0 0, 4 0 2", 0},
    };
    const auto texte = [](const CVecteur& p) {
        return QStringLiteral("%1 %2 %3").arg(p.m_x).arg(p.m_y).arg(p.m_z);
    };
    for (const CAttendu& a : attendus) {
        SCOPED_TRACE(a.nFace);
        const CFace& f = *m_doc.Face(a.nFace);
        EXPECT_EQ(f.m_proprietes.m_bRecepteur, a.bRecepteur);
        EXPECT_EQ(f.m_proprietes.m_dAbsorptivite, a.dAbsorptivite);
        EXPECT_EQ(f.m_proprietes.m_dMailleRelative, a.dMailleRelative);
        EXPECT_EQ(f.m_proprietes.m_dTransmittivite, a.dTransmittivite);
        EXPECT_EQ((texte(f.m_points[0]) + ", " + texte(f.m_points[2])).toStdString(), a.szCoins);
        EXPECT_EQ(f.m_ouvertures.m_faces.size(), a.nOuvertures);
    }
    const COuvertures& ouvertures = m_doc.Face(1)->m_ouvertures;
    ASSERT_EQ(ouvertures.m_faces.size(), 1u);
    EXPECT_EQ(ouvertures.m_faces[0], m_doc.Face(0));
    EXPECT_EQ(ouvertures.m_nMode, 1);
    EXPECT_EQ(ouvertures.m_dTransmittiviteForcee, 80);
    EXPECT_EQ(m_doc.Face(0)->m_proprietes.m_correlationTransmittivite.m_nMode, 0);
    const CParametresAffichage& vue = m_doc.m_parametresAffichage;
    EXPECT_EQ(vue.m_pageGeneral.m_strTitre, "First scene");
    EXPECT_EQ(vue.m_pageQuadrillage.m_bAfficher, 1);
    EXPECT_EQ(vue.m_pageQuadrillage.m_nRepetition, 6);
    EXPECT_EQ(vue.m_pageQuadrillage.m_centre.m_x, 4);
    EXPECT_EQ(vue.m_pageQuadrillage.m_centre.m_y, -2);
}
