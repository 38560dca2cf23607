#include "ui/VantrelView.h"

#include "document/VantrelDoc.h"
#include "modelling/Exemples.h"
#include "platform/InteractionScriptee.h"
#include "view/Camera.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

// A shown 400 x 300 view of two 2 x 2 squares, on screen from x = 200 to
// 328 and from x = 392 to 520.
class VueTest : public ::testing::Test {
protected:
    CInteractionScriptee m_ui;
    CVantrelDoc m_doc{m_ui};
    CVantrelView m_vue{m_doc};

    void SetUp() override {
        for (const double x : {0.0, 3.0}) {
            AjouterQuadrilatere(m_doc, "", {x, 0, 0}, {x + 2, 0, 0}, {x + 2, 0, 2}, {x, 0, 2});
        }
        m_vue.resize(400, 300);
        m_vue.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_vue));
        m_vue.grab();
    }
    void Souris(QEvent::Type type, QPoint p, Qt::MouseButton bouton) {
        const Qt::MouseButtons tenus = type == QEvent::MouseButtonRelease ? Qt::NoButton : bouton;
        QMouseEvent e(type, QPointF(p), m_vue.mapToGlobal(QPointF(p)),
                      type == QEvent::MouseMove ? Qt::NoButton : bouton, tenus, Qt::NoModifier);
        QApplication::sendEvent(&m_vue, &e);
    }
};

} // namespace

TEST_F(VueTest, RepaintsTheBackgroundAndTheSceneThroughTheCore) {
    const QImage image = m_vue.grab().toImage();
    EXPECT_EQ(image.pixel(399, 0), qRgb(92, 92, 92));
    // The central trihedron's X axis: 64 pixels right of the origin, 2 wide.
    EXPECT_EQ(image.pixel(230, 149), qRgb(0, 192, 0));
    EXPECT_EQ(image.pixel(230, 148), qRgb(92, 92, 92));
    // The left edge of the second square.
    EXPECT_EQ(image.pixel(392, 100), qRgb(255, 255, 255));
}

TEST_F(VueTest, TheMouseMovesTurnsAndZoomsTheCamera) {
    enum EGeste { Glisser, DoubleClic, Molette };
    struct CCas {
        EGeste geste;
        Qt::MouseButton bouton;
        QPoint de, a; // for the wheel, a's y is the angle
        double dAvant;
        CPointEcran origine;
        double dApres;
    };
    const CCas cas[] = {
        {Glisser, Qt::RightButton, {100, 100}, {130, 90}, 2048, {230, 140}, 2048},
        {Glisser, Qt::LeftButton, {100, 100}, {140, 100}, 2048, {200, 150}, 2048},
        {Glisser, Qt::NoButton, {100, 100}, {130, 90}, 2048, {200, 150}, 2048},
        {DoubleClic, Qt::LeftButton, {50, 50}, {}, 2048, {200, 150}, 3072},
        {DoubleClic, Qt::RightButton, {50, 50}, {}, 3072, {200, 150}, 3072 * 0.6666666666666666},
        {Molette, Qt::NoButton, {200, 150}, {0, -120}, 2048, {200, 150}, 1988},
        {Molette, Qt::NoButton, {200, 150}, {0, -120}, 60.5, {200, 150}, 60.5}, // its lower bound
    };
    for (const CCas& c : cas) {
        SCOPED_TRACE(std::to_string(c.geste) + " " + std::to_string(c.bouton));
        m_vue.InitialiserVue();
        g_dEchelle = c.dAvant;
        if (c.geste == Glisser) {
            Souris(QEvent::MouseButtonPress, c.de, c.bouton);
            Souris(QEvent::MouseMove, c.a, c.bouton);
            Souris(QEvent::MouseButtonRelease, c.a, c.bouton);
        } else if (c.geste == DoubleClic) {
            Souris(QEvent::MouseButtonDblClick, c.de, c.bouton);
        } else {
            QWheelEvent e(QPointF(c.de), m_vue.mapToGlobal(QPointF(c.de)), QPoint(), c.a,
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&m_vue, &e);
        }
        EXPECT_EQ(g_ptOrigine, c.origine);
        EXPECT_DOUBLE_EQ(g_dEchelle, c.dApres);
        // The left drag turns X about the vertical: it gets depth, not length.
        EXPECT_EQ(g_axes[0].m_y != 0, c.geste == Glisser && c.bouton == Qt::LeftButton);
        EXPECT_NEAR(g_axes[0].Norme(), c.geste == Glisser ? 64 : g_axes[0].Norme(), 1e-9);
    }
}

TEST_F(VueTest, ResizingKeepsTheOrigin) {
    g_ptOrigine = CPointEcran{210, 150};
    m_vue.resize(600, 500);
    m_vue.grab();
    EXPECT_EQ(g_ptOrigine, (CPointEcran{210, 150}));
}
