#include "document/VantrelDoc.h"
#include "geometry/Face3.h"
#include "platform/DCEnregistreur.h"
#include "platform/InteractionScriptee.h"
#include "tests/platform/ImpressionEcran.h"
#include "view/Camera.h"
#include "view/Souris.h"
#include "view/Vue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class EditeursMuets : public CEditeursOuverts {
public:
    void OuvrirPointsPrincipaux() override {}
    void OuvrirTransformations() override {}
    void PlacerPoint(const CVecteur&) override {}
    void PointChoisi(const CVecteur&) override {}
};

class Camera : public ::testing::Test {
protected:
    void SetUp() override { InitialiserVue(CRectangle{0, 0, 800, 600}); }

    EditeursMuets m_editeurs;
    CSouris m_souris{m_editeurs};
};

void ExpectAxe(const CVecteur& e, double x, double y, double z, double tol = 1e-9) {
    EXPECT_NEAR(e.m_x, x, tol);
    EXPECT_NEAR(e.m_y, y, tol);
    EXPECT_NEAR(e.m_z, z, tol);
}

TEST_F(Camera, ResetShowsTheFrontAt64PixelsPerMetre) {
    EXPECT_EQ(g_ptOrigine, (CPointEcran{400, 300}));
    EXPECT_EQ(g_dEchelle, 2048.0);
    EXPECT_EQ(CVecteur(1, 0, 0).Projeter(), (CPointEcran{464, 300}));
    EXPECT_EQ(CVecteur(0, 0, 1).Projeter(), (CPointEcran{400, 236}));
    EXPECT_EQ(CVecteur(0, 1, 0).Projeter(), (CPointEcran{400, 300}));

    // The centre is taken with truncating integer division.
    InitialiserVue(CRectangle{-5, 3, 0, 10});
    EXPECT_EQ(g_ptOrigine, (CPointEcran{-2, 6}));
}

TEST_F(Camera, ProjectionTruncatesTowardZero) {
    InitialiserVue(CRectangle{0, 0, 0, 0});
    // -0.7 pixel on both axes: a floor would give -1.
    EXPECT_EQ(CVecteur(-0.7 / 64, 0, 0.7 / 64).Projeter(), (CPointEcran{0, 0}));
    EXPECT_EQ(CVecteur(-1.7 / 64, 0, 0).Projeter().x, -1);
    EXPECT_EQ(CVecteur(1.7 / 64, 0, 0).Projeter().x, 1);
}

TEST_F(Camera, ProjectionSaturatesOutOfRangeAndNaN) {
    EXPECT_EQ(TronquerPixel(1e300), 67108864);
    EXPECT_EQ(TronquerPixel(-1e300), -67108864);
    EXPECT_EQ(TronquerPixel(std::nan("")), 0);
    EXPECT_EQ(TronquerPixel(-3.9), -3);
}

TEST_F(Camera, TurningWithoutDisplacementAppliesANewScale) {
    Tourner(37, -81); // an arbitrary orientation first
    const CVecteur avant[3] = {g_axes[0], g_axes[1], g_axes[2]};
    g_dEchelle = 3072;
    Tourner(0, 0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(g_axes[k].Norme(), 96.0, 1e-12);
        ExpectAxe(g_axes[k], avant[k].m_x * 1.5, avant[k].m_y * 1.5, avant[k].m_z * 1.5, 1e-12);
    }
    InitialiserVue(CRectangle{0, 0, 800, 600});
    g_dEchelle = 3072;
    Tourner(0, 0);
    EXPECT_EQ(g_axes[0].m_x, 96.0);
    EXPECT_EQ(g_axes[2].m_z, 96.0);
}

TEST_F(Camera, VerticalDragTurnsAboutTheScreenHorizontal) {
    Tourner(402, 0); // about a quarter turn: world Y comes up, Z toward the viewer
    const double a = 402 * 0.00390625;
    ExpectAxe(g_axes[0], 64, 0, 0);
    ExpectAxe(g_axes[1], 0, 64 * std::cos(a), 64 * std::sin(a));
    ExpectAxe(g_axes[2], 0, -64 * std::sin(a), 64 * std::cos(a));
}

TEST_F(Camera, HorizontalDragOf402PixelsIsAboutAQuarterTurn) {
    EXPECT_FALSE(m_souris.BoutonEnfonce(true, 100, 50, false));
    EXPECT_TRUE(m_souris.Deplacement(502, 50, true, false));
    EXPECT_EQ(m_souris.m_ptSouris, (CPointEcran{502, 50}));
    // World X now points away from the viewer, Z stays up.
    EXPECT_NEAR(std::atan2(g_axes[0].m_y, g_axes[0].m_x), 1.57, 0.001);
    EXPECT_NEAR(g_axes[0].Norme(), 64, 1e-12);
    ExpectAxe(g_axes[2], 0, 0, 64);
    EXPECT_EQ(g_ptOrigine, (CPointEcran{400, 300}));
}

TEST_F(Camera, RightDragMovesTheOriginAndBothButtonsOnlyTurn) {
    m_souris.BoutonEnfonce(false, 10, 10, false);
    EXPECT_TRUE(m_souris.Deplacement(15, 7, false, true));
    EXPECT_EQ(g_ptOrigine, (CPointEcran{405, 297}));
    EXPECT_EQ(g_axes[0].m_x, 64);

    EXPECT_TRUE(m_souris.Deplacement(40, 7, true, true));
    EXPECT_EQ(g_ptOrigine, (CPointEcran{405, 297}));
    EXPECT_LT(g_axes[0].m_x, 64); // turned

    EXPECT_FALSE(m_souris.Deplacement(50, 50, false, false));
    EXPECT_EQ(m_souris.m_ptSouris, (CPointEcran{40, 7}));
}

TEST_F(Camera, DoubleClicksZoomWithoutBound) {
    EXPECT_TRUE(m_souris.DoubleClic(true));
    EXPECT_EQ(g_dEchelle, 3072.0);
    EXPECT_NEAR(g_axes[1].m_y, 96, 1e-12);
    m_souris.DoubleClic(false);
    EXPECT_EQ(g_dEchelle, 3072.0 * 0.6666666666666666);
    g_dEchelle = 2.0;
    m_souris.DoubleClic(false);
    EXPECT_LT(g_dEchelle, 2.0);
}

TEST_F(Camera, WheelNeverTakesTheScaleTo3OrBelow) {
    EXPECT_TRUE(m_souris.Molette(120));
    EXPECT_EQ(g_dEchelle, 2108.0);
    g_dEchelle = 60.5;
    EXPECT_TRUE(m_souris.Molette(-120)); // would give 0.5
    EXPECT_EQ(g_dEchelle, 60.5);
    EXPECT_NEAR(g_axes[0].Norme(), 60.5 / 32, 1e-12); // renormalised all the same
    g_dEchelle = 63.5;
    m_souris.Molette(-120); // 3.5
    EXPECT_EQ(g_dEchelle, 3.5);
    m_souris.Molette(-1); // exactly 3.0: refused
    EXPECT_EQ(g_dEchelle, 3.5);
}

TEST_F(Camera, ClickWithoutModifierSelectsNothing) {
    CInteractionScriptee ui;
    CVantrelDoc doc(ui);
    doc.AjouterFace(std::make_unique<CFace3>());
    doc.AjouterFace(std::make_unique<CFace3>());
    CDCEnregistreur dc;
    doc.Face(0)->Dessiner(&dc, true);
    doc.Face(1)->Dessiner(&dc, true);
    m_souris.BoutonEnfonce(true, 400, 300, false);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
    EXPECT_EQ(ui.m_nRedessins, 0);
    m_souris.BoutonEnfonce(true, 400, 300, true);
    EXPECT_EQ(g_nFaceSelectionnee, 1);
    EXPECT_EQ(ui.m_nRedessins, 1);
}

} // namespace
