#include "document/VantrelDoc.h"
#include "geometry/Face3.h"
#include "platform/InteractionScriptee.h"
#include "tests/platform/ImpressionEcran.h"
#include "view/Camera.h"
#include "view/Souris.h"
#include "view/Vue.h"

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

TEST_F(Camera, ProjectionOfTheResetViewTruncatesAndSaturates) {
    EXPECT_EQ(g_dEchelle, 2048.0);
    EXPECT_EQ(CVecteur(1, 0, 0).Projeter(), (CPointEcran{464, 300}));
    EXPECT_EQ(CVecteur(0, 0, 1).Projeter(), (CPointEcran{400, 236}));
    EXPECT_EQ(CVecteur(0, 1, 0).Projeter(), (CPointEcran{400, 300}));
    // Toward zero: -0.7 pixel gives 0, not -1.
    InitialiserVue(CRectangle{0, 0, 0, 0});
    EXPECT_EQ(CVecteur(-0.7 / 64, 0, 0.7 / 64).Projeter(), (CPointEcran{0, 0}));
    EXPECT_EQ(CVecteur(-1.7 / 64, 0, 0).Projeter().x, -1);
    EXPECT_EQ(CVecteur(1.7 / 64, 0, 0).Projeter().x, 1);
    EXPECT_EQ(TronquerPixel(1e300), 67108864);
    EXPECT_EQ(TronquerPixel(-1e300), -67108864);
    EXPECT_EQ(TronquerPixel(std::nan("")), 0);
    EXPECT_EQ(TronquerPixel(-3.9), -3);
    // The centre is taken with truncating integer division.
    InitialiserVue(CRectangle{-5, 3, 0, 10});
    EXPECT_EQ(g_ptOrigine, (CPointEcran{-2, 6}));
}

TEST_F(Camera, Turning) {
    Tourner(402, 0); // about a quarter turn: world Y comes up, Z toward the viewer
    const double a = 402 * 0.00390625;
    ExpectAxe(g_axes[0], 64, 0, 0);
    ExpectAxe(g_axes[1], 0, 64 * std::cos(a), 64 * std::sin(a));
    ExpectAxe(g_axes[2], 0, -64 * std::sin(a), 64 * std::cos(a));
    // Without displacement, a new scale lengthens the axes and keeps their directions.
    Tourner(37, -81);
    const CVecteur avant[3] = {g_axes[0], g_axes[1], g_axes[2]};
    g_dEchelle = 3072;
    Tourner(0, 0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(g_axes[k].Norme(), 96.0, 1e-12);
        ExpectAxe(g_axes[k], avant[k].m_x * 1.5, avant[k].m_y * 1.5, avant[k].m_z * 1.5, 1e-12);
    }
}

TEST_F(Camera, DragsTurnOrMove) {
    EXPECT_FALSE(m_souris.BoutonEnfonce(true, 100, 50, false));
    EXPECT_TRUE(m_souris.Deplacement(502, 50, true, false)); // 402 pixels: a quarter turn
    EXPECT_EQ(m_souris.m_ptSouris, (CPointEcran{502, 50}));
    EXPECT_NEAR(std::atan2(g_axes[0].m_y, g_axes[0].m_x), 1.57, 0.001);
    EXPECT_NEAR(g_axes[0].Norme(), 64, 1e-12);
    ExpectAxe(g_axes[2], 0, 0, 64);
    EXPECT_EQ(g_ptOrigine, (CPointEcran{400, 300}));

    InitialiserVue(CRectangle{0, 0, 800, 600});
    m_souris.BoutonEnfonce(false, 10, 10, false);
    EXPECT_TRUE(m_souris.Deplacement(15, 7, false, true)); // the right button moves
    EXPECT_EQ(g_ptOrigine, (CPointEcran{405, 297}));
    EXPECT_EQ(g_axes[0].m_x, 64);
    EXPECT_TRUE(m_souris.Deplacement(40, 7, true, true)); // both buttons only turn
    EXPECT_EQ(g_ptOrigine, (CPointEcran{405, 297}));
    EXPECT_LT(g_axes[0].m_x, 64);
    EXPECT_FALSE(m_souris.Deplacement(50, 50, false, false));
    EXPECT_EQ(m_souris.m_ptSouris, (CPointEcran{40, 7}));
}

TEST_F(Camera, ZoomByDoubleClicksAndWheel) {
    EXPECT_TRUE(m_souris.DoubleClic(true));
    EXPECT_EQ(g_dEchelle, 3072.0);
    EXPECT_NEAR(g_axes[1].m_y, 96, 1e-12);
    m_souris.DoubleClic(false);
    EXPECT_EQ(g_dEchelle, 3072.0 * 0.6666666666666666);
    g_dEchelle = 2.0;
    m_souris.DoubleClic(false); // without bound
    EXPECT_LT(g_dEchelle, 2.0);

    // The wheel never takes the scale to 3 or below.
    g_dEchelle = 2048;
    const double cas[][3] = {
        {2048, 120, 2108}, {60.5, -120, 60.5}, {63.5, -120, 3.5}, {3.5, -1, 3.5}};
    for (const auto& c : cas) {
        g_dEchelle = c[0];
        EXPECT_TRUE(m_souris.Molette(static_cast<int>(c[1])));
        EXPECT_EQ(g_dEchelle, c[2]) << c[0];
        EXPECT_NEAR(g_axes[0].Norme(), c[2] / 32, 1e-12); // renormalised all the same
    }
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
    EXPECT_EQ(g_nFaceSelectionnee + ui.m_nRedessins, 0);
    m_souris.BoutonEnfonce(true, 400, 300, true);
    EXPECT_EQ(g_nFaceSelectionnee, 1);
    EXPECT_EQ(ui.m_nRedessins, 1);
}

} // namespace
