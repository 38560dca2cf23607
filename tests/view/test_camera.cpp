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
    void Vue() { NOTER(m_j, g_dEchelle, g_ptOrigine.x, g_ptOrigine.y, g_axes); }

    EditeursMuets m_editeurs;
    CSouris m_souris{m_editeurs};
    CJournal m_j;
};

TEST_F(Camera, ProjectionTurningDragsAndZoom) {
    m_j.Titre("the reset view, projected; pixels truncated toward zero and saturated");
    Vue();
    for (const CVecteur& v : {CVecteur(1, 0, 0), CVecteur(0, 0, 1), CVecteur(0, 1, 0)}) {
        NOTER(m_j, v, v.Projeter().x, v.Projeter().y);
    }
    InitialiserVue(CRectangle{0, 0, 0, 0});
    for (const CVecteur& v :
         {CVecteur(-0.7 / 64, 0, 0.7 / 64), CVecteur(-1.7 / 64, 0, 0), CVecteur(1.7 / 64, 0, 0)}) {
        NOTER(m_j, v, v.Projeter().x, v.Projeter().y);
    }
    for (double d : {1e300, -1e300, std::nan(""), -3.9}) {
        NOTER(m_j, d, TronquerPixel(d));
    }
    InitialiserVue(CRectangle{-5, 3, 0, 10}); // the centre by truncating division
    Vue();

    m_j.Titre("about a quarter turn: world Y comes up, Z toward the viewer");
    InitialiserVue(CRectangle{0, 0, 800, 600});
    Tourner(402, 0);
    Vue();
    m_j.Titre("without displacement a new scale lengthens the axes and keeps their directions");
    Tourner(37, -81);
    Vue();
    g_dEchelle = 3072;
    Tourner(0, 0);
    Vue();

    m_j.Titre("a left drag of 402 pixels turns a quarter turn");
    InitialiserVue(CRectangle{0, 0, 800, 600});
    NOTER(m_j, m_souris.BoutonEnfonce(true, 100, 50, false));
    NOTER(m_j, m_souris.Deplacement(502, 50, true, false), m_souris.m_ptSouris.x);
    Vue();
    m_j.Titre("the right button moves, both buttons only turn, no button does nothing");
    InitialiserVue(CRectangle{0, 0, 800, 600});
    m_souris.BoutonEnfonce(false, 10, 10, false);
    NOTER(m_j, m_souris.Deplacement(15, 7, false, true));
    Vue();
    NOTER(m_j, m_souris.Deplacement(40, 7, true, true));
    Vue();
    NOTER(m_j, m_souris.Deplacement(50, 50, false, false));
    NOTER(m_j, m_souris.m_ptSouris.x, m_souris.m_ptSouris.y);

    m_j.Titre("double clicks zoom in and out, without bound");
    InitialiserVue(CRectangle{0, 0, 800, 600});
    NOTER(m_j, m_souris.DoubleClic(true));
    Vue();
    m_souris.DoubleClic(false);
    Vue();
    g_dEchelle = 2.0;
    m_souris.DoubleClic(false);
    NOTER(m_j, g_dEchelle);
    m_j.Titre("the wheel never takes the scale to 3 or below, and renormalises all the same");
    for (const auto& [e, n] : {std::pair{2048.0, 120}, {60.5, -120}, {63.5, -120}, {3.5, -1}}) {
        g_dEchelle = e;
        NOTER(m_j, e, n, m_souris.Molette(n));
        Vue();
    }
    ExpectGolden("camera.txt", m_j.m_texte);
}

} // namespace
