#include "FenetreTest.h"

#include "app/CommandesEtude.h"
#include "app/CommandesModelisation.h"
#include "geometry/Face3.h"
#include "modelling/Exemples.h"
#include "ui/FenetreEclairement.h"
#include "ui/FenetrePositionSoleil.h"
#include "ui/VantrelView.h"

namespace {

// The windows shown on a triangle (0,0,0) (2,0,0) (1,0,2) and, beside it, a
// 2 x 2 receiver square from x = 4 whose name has 30 characters.
class Fenetres : public FenetreTest, protected Gestes {
protected:
    CFace* m_pTriangle = nullptr;
    CFace* m_pCarre = nullptr;

    void SetUp() override {
        Scene();
        m_fenetre.resize(900, 650);
        m_fenetre.show();
        // Settled before any of its windows takes the keyboard.
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_fenetre));
    }
    void Scene() {
        auto t = std::make_unique<CFace3>();
        t->m_proprietes.m_strNom = "triangle";
        m_pTriangle = t.get();
        m_doc.AjouterFace(std::move(t));
        m_pCarre = AjouterQuadrilatere(m_doc, "South wall of the first floor.", {4, 0, 0},
                                       {6, 0, 0}, {6, 0, 2}, {4, 0, 2});
        m_pCarre->m_proprietes.m_bRecepteur = 1;
        m_doc.RedessinerVues();
    }

    QDialog* Fenetre(EFenetre f) const {
        switch (f) {
        case EFenetre::PositionSoleil:
            return m_fenetre.Etude()->FenetrePositionSoleil();
        case EFenetre::Eclairement:
            return m_fenetre.Etude()->FenetreEclairement();
        default:
            return m_fenetre.Modelisation()->Fenetre(f);
        }
    }
    QImage Peindre() {
        return m_fenetre.Vue()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // SHIFT and a click on a main point as the view last drew it.
    void Pointer(CFace* pFace, int nPoint, Qt::MouseButton bouton) {
        Peindre();
        const CPointEcran p = pFace->m_ecran[nPoint];
        QTest::mouseClick(m_fenetre.Vue(), bouton, Qt::ShiftModifier, QPoint(p.x, p.y));
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

} // namespace

TEST_F(Fenetres, MainPointsWindowEditsTheSelectedFace) {
    Executer(ID_POINTS_PRINCIPAUX);
    QDialog* f = Fenetre(EFenetre::PointsPrincipaux);
    ASSERT_NE(f, nullptr);
    Activer(f);
    EXPECT_FALSE(Widget<QLineEdit>(f, "points3X")->isVisible()); // three columns for a triangle
    // Stored as typed, shown rounded to 7 decimals.
    Taper(f, "points1X", "1.123456789");
    Cliquer(f, "valider");
    EXPECT_EQ(m_pTriangle->m_points[1].m_x, 1.123456789);
    EXPECT_EQ(Texte(f, "points1X"), "1.1234567");
    EXPECT_TRUE(m_doc.IsModified());
    // Three collinear points: refused, and the columns come back.
    Taper(f, "points2Z", "0");
    Cliquer(f, "valider");
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].strTexte, "The geometry proposed is not valid   ");
    EXPECT_EQ(Texte(f, "points2Z"), "2");
    EXPECT_EQ(m_pTriangle->m_points[2].m_z, 2.0);
    // A right click on the square's P2 fills the focused column only.
    Widget<QLineEdit>(f, "points2Y")->setFocus();
    Pointer(m_pCarre, 2, Qt::RightButton);
    EXPECT_EQ(Texte(f, "points2X") + ' ' + Texte(f, "points2Z"), "6 2");
    EXPECT_EQ(Texte(f, "points1X") + ' ' + Texte(f, "points0X"), "1.1234567 0");
    EXPECT_EQ(m_pTriangle->m_points[2].m_x, 1.0);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
}

TEST_F(Fenetres, TransformationsMoveTheCopiesThenValidate) {
    g_nFaceSelectionnee = 1;
    Executer(ID_TRANSFORMATIONS);
    QDialog* f = Fenetre(EFenetre::Transformations);
    ASSERT_NE(f, nullptr);
    Activer(f);
    Cliquer(f, "Translation");
    Cliquer(f, "Translation");
    EXPECT_EQ(m_pCarre->m_pCopie->m_points[2].m_z, 4.0);
    EXPECT_GT(PixelsCopie(), 20);
    Cliquer(f, "<< Restore");
    EXPECT_EQ(m_pCarre->m_pCopie->m_points[2].m_z, 2.0);
    EXPECT_FALSE(m_doc.IsModified());

    // "Group": the triangle joins the set through the multiple selection.
    const auto attente = QuandModal([](QDialog* pSelection) {
        Activer(pSelection);
        EXPECT_EQ(Texte(pSelection, "strConsigne"), "Select other faces to transform...");
        EXPECT_EQ(Widget<QListWidget>(pSelection, "selection")->item(0)->text(), "(1/2) triangle");
        Jouer(pSelection, "selection=0");
        Cliquer(pSelection, "Validate");
    });
    Cliquer(f, "Group");
    ASSERT_NE(m_pTriangle->m_pCopie, nullptr);
    Activer(f);

    // A duplicate of each, one metre up; the square's name is cut at 30.
    Cliquer(f, "bDupliquer");
    Cliquer(f, "Translation");
    Cliquer(f, "Validate >>");
    ASSERT_EQ(g_nFaces, 4);
    EXPECT_EQ(m_doc.Face(2)->m_proprietes.m_strNom, "triangle (c)");
    EXPECT_EQ(m_doc.Face(3)->m_proprietes.m_strNom, "South wall of the first floor.");
    EXPECT_EQ(m_doc.Face(3)->m_points[2].m_z, 3.0);
    EXPECT_EQ(m_pCarre->m_points[2].m_z, 2.0);
    EXPECT_TRUE(m_doc.IsModified());
    // A right click on a main point sets the centre, the focused group.
    Widget<QLineEdit>(f, "centreY")->setFocus();
    Pointer(m_pTriangle, 1, Qt::RightButton);
    EXPECT_EQ(Texte(f, "centreX") + ' ' + Texte(f, "vecteurZ"), "2 1");
}

TEST_F(Fenetres, EveryWayOfClosingAModelessWindowRunsItsClosingSteps) {
    struct CFenetreCas {
        EFenetre fenetre;
        int nId;
        bool CVantrelDoc::*pbOuverte;
    };
    const CFenetreCas fenetres[] = {
        {EFenetre::PositionSoleil, ID_POSITION_SOLEIL, &CVantrelDoc::m_bPositionSoleilOuverte},
        {EFenetre::Eclairement, ID_ECLAIREMENT, &CVantrelDoc::m_bEclairementOuvert},
        {EFenetre::PointsPrincipaux, ID_POINTS_PRINCIPAUX,
         &CVantrelDoc::m_bPointsPrincipauxOuverts},
        {EFenetre::Transformations, ID_TRANSFORMATIONS, &CVantrelDoc::m_bTransformationsOuvertes},
    };
    enum EFacon { Bouton, CaseFermeture, Echap, Commande, Nouveau, ClicSelection };
    for (const CFenetreCas& w : fenetres) {
        const bool bEtude = w.nId == ID_POSITION_SOLEIL || w.nId == ID_ECLAIREMENT;
        for (const EFacon facon :
             {Bouton, CaseFermeture, Echap, Commande, Nouveau, ClicSelection}) {
            SCOPED_TRACE(std::to_string(w.nId) + " " + std::to_string(facon));
            // A click selection opens the modelling windows again on the new face.
            const bool bRouvert = facon == ClicSelection && !bEtude;
            if (g_nFaces == 0) {
                Scene(); // after "&New"
            }
            g_nFaceSelectionnee = 0;
            Executer(w.nId == ID_ECLAIREMENT ? ID_POSITION_SOLEIL : w.nId);
            if (bEtude) {
                Executer(ID_ECLAIREMENT); // goes with the sun window
            }
            QPointer<QDialog> pAvant = Fenetre(w.fenetre);
            ASSERT_TRUE(pAvant && m_doc.*w.pbOuverte);
            switch (facon) {
            case Bouton:
                Cliquer(pAvant, "fermer");
                break;
            case CaseFermeture:
                pAvant->close();
                break;
            case Echap:
                QTest::keyClick(pAvant, Qt::Key_Escape);
                break;
            case Commande:
                Executer(w.nId);
                break;
            case Nouveau:
                Executer(ID_NOUVEAU);
                break;
            case ClicSelection:
                Pointer(m_pCarre, 3, Qt::LeftButton);
                break;
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const bool bFerme = !(facon == ClicSelection && bEtude);
            EXPECT_EQ(pAvant.isNull(), bFerme);
            EXPECT_EQ(m_doc.*w.pbOuverte, !bFerme || bRouvert);
            EXPECT_EQ(Cochee(w.nId), !bFerme || bRouvert);
            EXPECT_EQ(Fenetre(w.fenetre) != nullptr, !bFerme || bRouvert);
            if (bRouvert) {
                EXPECT_TRUE(Fenetre(w.fenetre)->isVisible());
                EXPECT_EQ(g_nFaceSelectionnee, 1);
                EXPECT_TRUE(m_pCarre->m_pCopie != nullptr && m_pTriangle->m_pCopie == nullptr);
            }
            // The lighting goes with the sun, not the other way round.
            EXPECT_EQ(m_doc.m_bEclairementOuvert, bEtude && !bFerme);
            EXPECT_EQ(m_doc.m_bPositionSoleilOuverte,
                      bEtude && (!bFerme || w.nId == ID_ECLAIREMENT) && facon != Nouveau);
            if (Fenetre(EFenetre::PositionSoleil) != nullptr) {
                Executer(ID_POSITION_SOLEIL);
            }
            if (bRouvert) {
                Executer(w.nId); // the command again closes it
            }
            for (int i = 0; i < g_nFaces; ++i) {
                EXPECT_EQ(m_doc.Face(i)->m_pCopie, nullptr);
                EXPECT_EQ(m_doc.Face(i)->m_pNoeuds, nullptr);
            }
        }
    }
}
