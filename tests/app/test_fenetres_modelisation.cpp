#include "FenetreTest.h"

#include "app/CommandesModelisation.h"
#include "document/Commandes.h"
#include "geometry/Face3.h"
#include "geometry/Face4.h"
#include "ui/VantrelView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

const char* const kNom30 = "South wall of the first floor.";

// The window shown on a triangle (0,0,0) (2,0,0) (1,0,2) and, beside it, a
// 2 x 2 square from x = 4 whose name has 30 characters.
class FenetresModelisation : public FenetreTest {
protected:
    CFace* m_pTriangle = nullptr;
    CFace* m_pCarre = nullptr;

    void SetUp() override {
        auto t = std::make_unique<CFace3>();
        t->m_proprietes.m_strNom = "triangle";
        auto c = std::make_unique<CFace4>();
        c->m_proprietes.m_strNom = kNom30;
        const double x[4] = {4, 6, 6, 4};
        const double z[4] = {0, 0, 2, 2};
        for (int i = 0; i < 4; ++i) {
            c->m_points[i] = CVecteur(x[i], 0, z[i]);
        }
        c->CalculerNormale();
        m_pTriangle = t.get();
        m_pCarre = c.get();
        m_doc.AjouterFace(std::move(t));
        m_doc.AjouterFace(std::move(c));
        m_fenetre.resize(900, 650);
        m_fenetre.show();
        // Settled before any of its windows takes the keyboard.
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_fenetre));
        m_doc.RedessinerVues();
    }

    QDialog* Fenetre(EFenetre f) const { return m_fenetre.Modelisation()->Fenetre(f); }
    QImage Peindre() {
        return m_fenetre.Vue()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // SHIFT and a click on a main point as the view last drew it.
    void Cliquer(CFace* pFace, int nPoint, Qt::MouseButton bouton) {
        Peindre();
        const CPointEcran p = pFace->m_ecran[nPoint];
        QTest::mouseClick(m_fenetre.Vue(), bouton, Qt::ShiftModifier, QPoint(p.x, p.y));
    }
    static QLineEdit* Edit(QWidget* pFenetre, const char* szNom) {
        auto* p = pFenetre->findChild<QLineEdit*>(QString::fromLatin1(szNom));
        EXPECT_NE(p, nullptr) << szNom;
        return p;
    }
    static void Taper(QWidget* pFenetre, const char* szNom, const QString& texte) {
        QLineEdit* pEdit = Edit(pFenetre, szNom);
        pEdit->setFocus();
        pEdit->selectAll();
        // Through the input method, as text beyond ASCII comes.
        QInputMethodEvent saisie;
        saisie.setCommitString(texte);
        QApplication::sendEvent(pEdit, &saisie);
    }
    static void Bouton(QWidget* pFenetre, const QString& texte) {
        for (QAbstractButton* p : pFenetre->findChildren<QAbstractButton*>()) {
            if (p->text() == texte) {
                // A check box answers over its box and its text only.
                QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(6, p->height() / 2));
                return;
            }
        }
        ADD_FAILURE() << "no button " << texte.toStdString();
    }
    // Pixels drawn with the working copies' pen.
    int PixelsCopie() {
        const QImage image = Peindre();
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                n += image.pixel(x, y) == qRgb(0, 192, 255) ? 1 : 0;
            }
        }
        return n;
    }
};

// The window takes the keyboard, as the window manager gives it.
void Activer(QWidget* pFenetre) {
    pFenetre->activateWindow();
    // A dialog shares its parent's activation: wait for its own.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == pFenetre; }));
}

void Page(QDialog* pFeuille, int nPage) {
    QTabBar* pOnglets = pFeuille->findChild<QTabWidget*>()->tabBar();
    QTest::mouseClick(pOnglets, Qt::LeftButton, {}, pOnglets->tabRect(nPage).center());
}

} // namespace

TEST_F(FenetresModelisation, ViewParametersCheckEachPageAndStoreOnlyOnOk) {
    struct CCas {
        const char* szCas;
        std::function<void(QDialog*)> gestes; // ends with OK or Cancel
        const char* szMessage;                // the refusal seen, if any
        bool bModifie;
    };
    const CCas cas[] = {
        {"31 characters, then Grid",
         [](QDialog* f) {
             Taper(f, "strTitre", QString(31, QLatin1Char('a')));
             Page(f, 1);
             EXPECT_EQ(f->findChild<QTabWidget*>()->currentIndex(), 0);
             EXPECT_EQ(QApplication::focusWidget(), Edit(f, "strTitre"));
             Bouton(f, "Cancel");
         },
         "Please enter no more than 30 characters.", false},
        {"a character the file cannot hold",
         [](QDialog* f) {
             Taper(f, "strTitre", QString::fromUtf8("Maison \u03a9"));
             Bouton(f, "OK");
             Bouton(f, "Cancel");
         },
         "The character \"?\" (U+03A9) cannot be stored: it is not in the Windows-1252 "
         "character set.",
         false},
        {"distance out of range",
         [](QDialog* f) {
             Page(f, 2);
             Taper(f, "strDistance", "1000.5");
             Bouton(f, "OK");
             EXPECT_EQ(f->findChild<QTabWidget*>()->currentIndex(), 2);
             Bouton(f, "Cancel");
         },
         "Please enter a number between 0 and 1000.", false},
        {"OK on two pages",
         [](QDialog* f) {
             Taper(f, "strTitre", QString::fromUtf8("Caf\u00e9 \u20ac"));
             Page(f, 1);
             EXPECT_EQ(Edit(f, "strVecteur2Y")->text(), "1");
             Bouton(f, "Display the grid");
             Taper(f, "strRepetition", "5");
             Bouton(f, "OK");
         },
         "", true},
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(c.szCas);
        m_ui.m_messages.clear();
        m_doc.SetModifiedFlag(false);
        ExecuterModal(ID_PARAMETRES_AFFICHAGE, [&](QDialog* f) {
            Activer(f);
            c.gestes(f);
        });
        ASSERT_EQ(m_ui.m_messages.size(), *c.szMessage ? 1u : 0u);
        if (*c.szMessage) {
            EXPECT_EQ(m_ui.m_messages[0].strTexte, c.szMessage);
        }
        EXPECT_EQ(m_doc.IsModified(), c.bModifie);
        const CParametresAffichage& p = m_doc.m_parametresAffichage;
        EXPECT_EQ(p.m_pageGeneral.m_strTitre, c.bModifie ? "Caf\xe9 \x80" : "no title");
        EXPECT_EQ(p.m_pageQuadrillage.m_nRepetition, c.bModifie ? 5 : 10);
        EXPECT_EQ(p.m_pageQuadrillage.m_bAfficher, c.bModifie ? 1 : 0);
    }
}

TEST_F(FenetresModelisation, MainPointsWindowEditsTheSelectedFace) {
    Executer(ID_POINTS_PRINCIPAUX);
    QDialog* f = Fenetre(EFenetre::PointsPrincipaux);
    ASSERT_NE(f, nullptr);
    Activer(f);
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(Cochee(ID_POINTS_PRINCIPAUX));
    EXPECT_FALSE(Active(ID_TRANSFORMATIONS));
    EXPECT_FALSE(Active(ID_SUPPRIMER_FACE));
    EXPECT_EQ(Edit(f, "strTitre")->text(), "Coordinates of the three vertices of the triangle");
    EXPECT_FALSE(Edit(f, "points3X")->isVisible()); // three columns for a triangle
    EXPECT_EQ(Edit(f, "points2Z")->text(), "2");

    // Stored as typed, shown rounded to 7 decimals.
    Taper(f, "points1X", "1.123456789");
    Bouton(f, "Validate >>");
    EXPECT_EQ(m_pTriangle->m_points[1].m_x, 1.123456789);
    EXPECT_EQ(Edit(f, "points1X")->text(), "1.1234567");
    EXPECT_TRUE(m_doc.IsModified());

    // "See" moves the copy only, and the view draws it.
    Taper(f, "points2Z", "3");
    Bouton(f, "See");
    EXPECT_EQ(m_pTriangle->m_pCopie->m_points[2].m_z, 3.0);
    EXPECT_EQ(m_pTriangle->m_points[2].m_z, 2.0);
    EXPECT_GT(PixelsCopie(), 20);

    // Three collinear points: refused, and the columns come back.
    Taper(f, "points2Z", "0");
    Bouton(f, "Validate >>");
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].strTexte, "The geometry proposed is not valid   ");
    EXPECT_EQ(m_ui.m_messages[0].strTitre, "Impossible");
    EXPECT_EQ(Edit(f, "points2Z")->text(), "2");
    EXPECT_EQ(m_pTriangle->m_points[2].m_z, 2.0);

    // A right click on the square's P2 fills the focused column only.
    Edit(f, "points0Y")->setFocus();
    Cliquer(m_pCarre, 2, Qt::RightButton);
    EXPECT_EQ(Edit(f, "points0X")->text(), "6");
    EXPECT_EQ(Edit(f, "points0Z")->text(), "2");
    EXPECT_EQ(Edit(f, "points1X")->text(), "1.1234567");
    EXPECT_EQ(m_pTriangle->m_points[0].m_x, 0.0);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
}

TEST_F(FenetresModelisation, TransformationsMoveTheCopiesThenValidate) {
    g_nFaceSelectionnee = 1;
    Executer(ID_TRANSFORMATIONS);
    QDialog* f = Fenetre(EFenetre::Transformations);
    ASSERT_NE(f, nullptr);
    Activer(f);
    EXPECT_TRUE(Cochee(ID_TRANSFORMATIONS));
    EXPECT_FALSE(Active(ID_POINTS_PRINCIPAUX));
    EXPECT_EQ(Edit(f, "vecteurZ")->text(), "1");
    EXPECT_EQ(Edit(f, "dAngle")->text(), "90");

    Bouton(f, "Translation");
    Bouton(f, "Translation");
    EXPECT_EQ(m_pCarre->m_pCopie->m_points[2].m_z, 4.0);
    EXPECT_GT(PixelsCopie(), 20);
    Bouton(f, "<< Restore");
    EXPECT_EQ(m_pCarre->m_pCopie->m_points[2].m_z, 2.0);
    EXPECT_FALSE(m_doc.IsModified());

    // "Group": the triangle joins the set through the multiple selection.
    QTimer::singleShot(0, f, [] {
        auto* pSelection = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(pSelection, nullptr);
        Activer(pSelection);
        EXPECT_EQ(Edit(pSelection, "strConsigne")->text(), "Select other faces to transform...");
        auto* pListe = pSelection->findChild<QListWidget*>();
        ASSERT_EQ(pListe->count(), 1);
        EXPECT_EQ(pListe->item(0)->text(), "(1/2) triangle");
        QTest::mouseClick(pListe->viewport(), Qt::LeftButton, {},
                          pListe->visualItemRect(pListe->item(0)).center());
        Bouton(pSelection, "Validate");
    });
    Bouton(f, "Group");
    ASSERT_NE(m_pTriangle->m_pCopie, nullptr);
    Activer(f);

    // A duplicate of each, one metre up; the square's name is cut at 30.
    Bouton(f, "Duplicate");
    Bouton(f, "Translation");
    Bouton(f, "Validate >>");
    ASSERT_EQ(g_nFaces, 4);
    EXPECT_EQ(m_doc.Face(2)->m_proprietes.m_strNom, "triangle (c)");
    EXPECT_EQ(m_doc.Face(3)->m_proprietes.m_strNom, "South wall of the first floor.");
    EXPECT_EQ(m_doc.Face(3)->m_points[2].m_z, 3.0);
    EXPECT_EQ(m_pCarre->m_points[2].m_z, 2.0);
    EXPECT_TRUE(m_doc.IsModified());

    // A right click on a main point sets the centre, the focused group.
    Edit(f, "centreY")->setFocus();
    Cliquer(m_pTriangle, 1, Qt::RightButton);
    EXPECT_EQ(Edit(f, "centreX")->text(), "2");
    EXPECT_EQ(Edit(f, "vecteurZ")->text(), "1");
    // A homothety of factor 0 collapses the faces: refused, copies reset.
    Taper(f, "dFacteur", "0");
    Bouton(f, "Homothetie");
    Bouton(f, "Validate >>");
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].strTexte, "The geometry proposed is not valid   ");
    EXPECT_EQ(m_pCarre->m_pCopie->m_points[0].m_x, 4.0);
    EXPECT_EQ(g_nFaces, 4);
}

TEST_F(FenetresModelisation, EveryWayOfClosingRunsTheClosingSteps) {
    struct CCas {
        const char* szCas;
        std::function<void(QDialog*)> fermer;
        bool bRouvert; // a click selection opens the window again on the new face
    };
    const CCas cas[] = {
        {"its button", [](QDialog* f) { Bouton(f, "Close"); }, false},
        {"the close box", [](QDialog* f) { f->close(); }, false},
        {"Escape", [](QDialog* f) { QTest::keyClick(f, Qt::Key_Escape); }, false},
        {"&New", [this](QDialog*) { Executer(ID_NOUVEAU); }, false},
        {"a click selection", [this](QDialog*) { Cliquer(m_pCarre, 3, Qt::LeftButton); }, true},
    };
    for (const EFenetre fenetre : {EFenetre::PointsPrincipaux, EFenetre::Transformations}) {
        const int nId =
            fenetre == EFenetre::PointsPrincipaux ? ID_POINTS_PRINCIPAUX : ID_TRANSFORMATIONS;
        const bool& bOuverte = fenetre == EFenetre::PointsPrincipaux
                                   ? m_doc.m_bPointsPrincipauxOuverts
                                   : m_doc.m_bTransformationsOuvertes;
        for (const CCas& c : cas) {
            SCOPED_TRACE(std::string(c.szCas) + (nId == ID_TRANSFORMATIONS ? " (T)" : " (P)"));
            if (g_nFaces == 0) {
                SetUp(); // after "&New"
            }
            g_nFaceSelectionnee = 0;
            Executer(nId);
            QPointer<QDialog> pAvant = Fenetre(fenetre);
            ASSERT_TRUE(pAvant && bOuverte);
            c.fermer(pAvant);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(pAvant.isNull());
            EXPECT_EQ(bOuverte, c.bRouvert);
            EXPECT_EQ(Cochee(nId), c.bRouvert);
            QDialog* pApres = Fenetre(fenetre);
            EXPECT_EQ(pApres != nullptr, c.bRouvert);
            if (c.bRouvert) {
                EXPECT_TRUE(pApres->isVisible());
                EXPECT_EQ(g_nFaceSelectionnee, 1);
                EXPECT_NE(m_pCarre->m_pCopie, nullptr);
                EXPECT_EQ(m_pTriangle->m_pCopie, nullptr);
                Executer(nId); // the command again closes it
                EXPECT_EQ(Fenetre(fenetre), nullptr);
            }
            for (int i = 0; i < g_nFaces; ++i) {
                EXPECT_EQ(m_doc.Face(i)->m_pCopie, nullptr);
            }
        }
    }
}
