#include "ui/VantrelView.h"

#include "document/VantrelDoc.h"
#include "geometry/Face4.h"
#include "modelling/PointsPrincipaux.h"
#include "platform/InteractionScriptee.h"
#include "view/Camera.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// A shown 400 x 300 view of a fresh document.
class VueTest : public ::testing::Test {
protected:
    CInteractionScriptee m_ui;
    CVantrelDoc m_doc{m_ui};
    CVantrelView m_vue{m_doc};

    void SetUp() override {
        m_vue.resize(400, 300);
        m_vue.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_vue));
        Peindre();
    }

    QImage Peindre() { return m_vue.grab().toImage(); }

    CFace* AjouterCarre(double x0) {
        auto f = std::make_unique<CFace4>();
        f->m_points[0] = CVecteur(x0, 0, 0);
        f->m_points[1] = CVecteur(x0 + 2, 0, 0);
        f->m_points[2] = CVecteur(x0 + 2, 0, 2);
        f->m_points[3] = CVecteur(x0, 0, 2);
        f->CalculerNormale();
        CFace* p = f.get();
        m_doc.AjouterFace(std::move(f));
        return p;
    }

    void Souris(QEvent::Type type, QPoint p, Qt::MouseButton bouton, Qt::MouseButtons boutons,
                Qt::KeyboardModifiers touches = Qt::NoModifier) {
        QMouseEvent e(type, QPointF(p), m_vue.mapToGlobal(QPointF(p)), bouton, boutons, touches);
        QApplication::sendEvent(&m_vue, &e);
    }

    void Molette(int nDelta) {
        QWheelEvent e(QPointF(200, 150), m_vue.mapToGlobal(QPointF(200, 150)), QPoint(),
                      QPoint(0, nDelta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&m_vue, &e);
    }
};

double Longueur(const CVecteur& v) {
    return v.Norme();
}

} // namespace

TEST_F(VueTest, ShowingResetsTheCameraOnTheClientArea) {
    EXPECT_FALSE(m_vue.InitialisationEnAttente());
    EXPECT_EQ(g_ptOrigine, (CPointEcran{200, 150}));
    EXPECT_EQ(g_dEchelle, 2048.0);
    EXPECT_EQ(g_axes[0].m_x, 64.0);
}

TEST_F(VueTest, RepaintsTheBackgroundAndTheSceneThroughTheCore) {
    const QImage image = Peindre();
    EXPECT_EQ(image.pixel(399, 0), qRgb(92, 92, 92));
    // The central trihedron's X axis: 64 pixels right of the origin, 2 wide.
    EXPECT_EQ(image.pixel(230, 150), qRgb(0, 192, 0));
    // The default title line is written in white at (12, 10).
    bool bBlanc = false;
    for (int y = 10; y < 28 && !bBlanc; ++y) {
        for (int x = 12; x < 120 && !bBlanc; ++x) {
            bBlanc = image.pixel(x, y) == qRgb(255, 255, 255);
        }
    }
    EXPECT_TRUE(bBlanc);
}

TEST_F(VueTest, LeftDragTurnsRightDragMoves) {
    Souris(QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
    Souris(QEvent::MouseMove, QPoint(140, 100), Qt::NoButton, Qt::LeftButton);
    Souris(QEvent::MouseButtonRelease, QPoint(140, 100), Qt::LeftButton, Qt::NoButton);
    EXPECT_NE(g_axes[0].m_y, 0.0); // X now has depth: turned about the vertical
    EXPECT_NEAR(Longueur(g_axes[0]), 64.0, 1e-9);
    EXPECT_EQ(g_ptOrigine, (CPointEcran{200, 150}));

    Souris(QEvent::MouseButtonPress, QPoint(100, 100), Qt::RightButton, Qt::RightButton);
    Souris(QEvent::MouseMove, QPoint(130, 90), Qt::NoButton, Qt::RightButton);
    Souris(QEvent::MouseButtonRelease, QPoint(130, 90), Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(g_ptOrigine, (CPointEcran{230, 140}));
    // A move with no button does nothing.
    Souris(QEvent::MouseMove, QPoint(10, 10), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(g_ptOrigine, (CPointEcran{230, 140}));
}

TEST_F(VueTest, DoubleClicksAndTheWheelZoom) {
    Souris(QEvent::MouseButtonDblClick, QPoint(50, 50), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(g_dEchelle, 3072.0);
    EXPECT_DOUBLE_EQ(Longueur(g_axes[2]), 96.0);
    Souris(QEvent::MouseButtonDblClick, QPoint(50, 50), Qt::RightButton, Qt::RightButton);
    EXPECT_DOUBLE_EQ(g_dEchelle, 3072.0 * 0.6666666666666666);
    Molette(-120);
    EXPECT_DOUBLE_EQ(g_dEchelle, 3072.0 * 0.6666666666666666 - 60.0);
    // The wheel's lower bound.
    g_dEchelle = 60.5;
    Molette(-120);
    EXPECT_EQ(g_dEchelle, 60.5);
}

TEST_F(VueTest, ResizingKeepsTheOriginAndStandardOrientationResetsIt) {
    Souris(QEvent::MouseButtonPress, QPoint(100, 100), Qt::RightButton, Qt::RightButton);
    Souris(QEvent::MouseMove, QPoint(110, 100), Qt::NoButton, Qt::RightButton);
    Souris(QEvent::MouseButtonRelease, QPoint(110, 100), Qt::RightButton, Qt::NoButton);
    m_vue.resize(600, 500);
    Peindre();
    EXPECT_EQ(g_ptOrigine, (CPointEcran{210, 150}));
    m_vue.InitialiserVue();
    EXPECT_EQ(g_ptOrigine, (CPointEcran{300, 250}));
}

TEST_F(VueTest, AResetBeforeTheViewIsShownWaitsForItsSize) {
    CVantrelView cachee(m_doc);
    cachee.resize(100, 80);
    cachee.InitialiserVue();
    EXPECT_TRUE(cachee.InitialisationEnAttente());
    EXPECT_EQ(g_ptOrigine, (CPointEcran{200, 150}));
    cachee.grab();
    EXPECT_FALSE(cachee.InitialisationEnAttente());
    EXPECT_EQ(g_ptOrigine, (CPointEcran{50, 40}));
}

TEST_F(VueTest, ShiftOrCtrlClickOnAnEdgeSelectsTheFace) {
    AjouterCarre(0); // on screen from x = 200 to 328
    AjouterCarre(3); // from x = 392 to 520: its left edge at x = 392
    Peindre();
    // Without a modifier the click only starts a drag.
    Souris(QEvent::MouseButtonPress, QPoint(392, 100), Qt::LeftButton, Qt::LeftButton);
    Souris(QEvent::MouseButtonRelease, QPoint(392, 100), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
    const int nRedessins = m_ui.m_nRedessins;
    Souris(QEvent::MouseButtonPress, QPoint(392, 100), Qt::LeftButton, Qt::LeftButton,
           Qt::ShiftModifier);
    EXPECT_EQ(g_nFaceSelectionnee, 1);
    EXPECT_EQ(m_ui.m_nRedessins, nRedessins + 1);
    Souris(QEvent::MouseButtonRelease, QPoint(392, 100), Qt::LeftButton, Qt::NoButton);
    Souris(QEvent::MouseButtonPress, QPoint(264, 150), Qt::LeftButton, Qt::LeftButton,
           Qt::ControlModifier);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
}

TEST_F(VueTest, ClickSelectionReopensTheMainPointsEditorOnTheNewFace) {
    CFace* a = AjouterCarre(0);
    CFace* b = AjouterCarre(3);
    OuvrirPointsPrincipaux(m_doc, *a);
    Peindre();
    Souris(QEvent::MouseButtonPress, QPoint(392, 100), Qt::LeftButton, Qt::LeftButton,
           Qt::ShiftModifier);
    EXPECT_EQ(g_nFaceSelectionnee, 1);
    EXPECT_TRUE(m_doc.m_bPointsPrincipauxOuverts);
    EXPECT_EQ(a->m_pCopie, nullptr);
    EXPECT_NE(b->m_pCopie, nullptr);
}

TEST_F(VueTest, RightClickOnAMainPointGoesToTheTransformations) {
    AjouterCarre(0);
    AjouterCarre(3);
    m_doc.m_transformations.Ouvrir();
    m_doc.m_transformations.m_nChamp = CTransformations::ChampCentre;
    Peindre();
    // P2 of the second square, (5, 0, 2), is at (520, 22).
    Souris(QEvent::MouseButtonPress, QPoint(521, 23), Qt::RightButton, Qt::RightButton,
           Qt::ShiftModifier);
    EXPECT_EQ(g_nFaceSelectionnee, 0); // the right button selects nothing
    EXPECT_EQ(m_doc.m_transformations.m_centre.m_x, 5.0);
    EXPECT_EQ(m_doc.m_transformations.m_centre.m_z, 2.0);
}
