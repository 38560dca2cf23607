#include "VueTest.h"
#include "platform/DCEnregistreur.h"
#include "tests/platform/ImpressionEcran.h"
#include "view/Camera.h"
#include "view/Dessin.h"
#include "view/DonneesSoleil.h"
#include "view/ParametresAffichage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using EType = CDCEnregistreur::EType;
using CSegment = CDCEnregistreur::CSegment;

class Affichage : public ::testing::Test {
protected:
    void SetUp() override { InitialiserVue(CRectangle{0, 0, 800, 600}); }

    CDCEnregistreur m_dc{CRectangle{0, 0, 800, 600}};
    CParametresAffichage m_parametres;
};

TEST_F(Affichage, TextualElements) {
    m_parametres.m_pageGeneral.DessinerTextes(&m_dc, "no face defined");
    const auto textes = m_dc.DeType(EType::Texte);
    ASSERT_EQ(textes.size(), 2u);
    EXPECT_EQ(textes[0].strTexte, "Document title : no title");
    EXPECT_EQ((CPointEcran{textes[0].x1, textes[0].y1}), (CPointEcran{12, 10}));
    EXPECT_EQ(textes[1].strTexte, "Selected face : no face defined");
    EXPECT_EQ((CPointEcran{textes[1].x1, textes[1].y1}), (CPointEcran{12, 28}));
    EXPECT_EQ(textes[1].couleurTexte, g_couleurBlanche);

    m_dc.Effacer();
    m_parametres.m_pageGeneral.m_bElementsTextuels = 0;
    m_parametres.m_pageGeneral.DessinerTextes(&m_dc, "x");
    EXPECT_TRUE(m_dc.m_primitives.empty());
}

TEST_F(Affichage, CentralTrihedronScalesWithTheZoom) {
    const CAffGeneral& g = m_parametres.m_pageGeneral;
    g.DessinerTriedreCentral(&m_dc);
    EXPECT_EQ(m_dc.Segments(), (std::vector<CSegment>{{{400, 300}, {464, 300}, g_styloTriedre},
                                                      {{400, 300}, {400, 300}, g_styloTriedre},
                                                      {{400, 300}, {400, 236}, g_styloTriedre}}));
    m_dc.Effacer();
    g_dEchelle = 4096;
    Tourner(0, 0);
    g.DessinerTriedreCentral(&m_dc);
    EXPECT_EQ(m_dc.Segments().at(0).b, (CPointEcran{528, 300}));
}

TEST_F(Affichage, InformativeTrihedronKeepsItsSizeInTheCorner) {
    const CAffGeneral& g = m_parametres.m_pageGeneral;
    g_dEchelle = 4096;
    Tourner(0, 0);
    g_ptOrigine = CPointEcran{100, 50}; // moved: the anchor does not follow
    g.DessinerTriedreInformatif(&m_dc, CRectangle{0, 0, 800, 600});
    EXPECT_EQ(m_dc.Segments(), (std::vector<CSegment>{{{730, 530}, {778, 530}, g_styloAxeSombre},
                                                      {{730, 530}, {730, 530}, g_styloAxeSombre},
                                                      {{730, 530}, {730, 482}, g_styloAxeSombre}}));
    const auto textes = m_dc.DeType(EType::Texte);
    ASSERT_EQ(textes.size(), 3u);
    EXPECT_EQ(textes[0].strTexte, "X");
    EXPECT_EQ((CPointEcran{textes[0].x1, textes[0].y1}), (CPointEcran{780, 532}));
    EXPECT_EQ(textes[2].strTexte, "Z");
    EXPECT_EQ((CPointEcran{textes[2].x1, textes[2].y1}), (CPointEcran{732, 484}));
    EXPECT_EQ(textes[2].couleurTexte, g_couleurBlanche);
}

TEST_F(Affichage, InformativeTrihedronLightensAxesTowardTheViewer) {
    Tourner(0, -50); // world X turns toward the viewer, Y away
    m_parametres.m_pageGeneral.DessinerTriedreInformatif(&m_dc, CRectangle{0, 0, 800, 600});
    const auto segments = m_dc.Segments();
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[0].stylo, g_styloAxeClair);
    EXPECT_EQ(segments[1].stylo, g_styloAxeSombre);
    EXPECT_EQ(segments[2].stylo, g_styloAxeSombre);
}

TEST_F(Affichage, NorthArrowAt90Degrees) {
    VueDeDessus();
    // A north direction of 90 degrees: the north along +X.
    m_parametres.m_pageGeneral.DessinerDirectionNord(&m_dc, CVecteur(1, 0, 0));
    // The tail at (-2,0,0); barbs of 0.5 m at +-20 degrees, back toward -X.
    EXPECT_EQ(m_dc.Segments(), (std::vector<CSegment>{{{400, 300}, {272, 300}, g_styloNord},
                                                      {{400, 300}, {369, 310}, g_styloNord},
                                                      {{400, 300}, {369, 289}, g_styloNord}}));
    const auto textes = m_dc.DeType(EType::Texte);
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_EQ(textes[0].strTexte, "N");
    EXPECT_EQ((CPointEcran{textes[0].x1, textes[0].y1}), (CPointEcran{274, 302}));
    EXPECT_EQ(textes[0].couleurTexte, g_couleurNord);

    m_dc.Effacer();
    m_parametres.m_pageGeneral.m_bDirectionNord = 0;
    m_parametres.m_pageGeneral.DessinerDirectionNord(&m_dc, CVecteur(1, 0, 0));
    EXPECT_TRUE(m_dc.m_primitives.empty());
}

TEST_F(Affichage, DefaultGridOnceDisplayed) {
    CAffQuadrillage& q = m_parametres.m_pageQuadrillage;
    q.Dessiner(&m_dc);
    EXPECT_TRUE(m_dc.m_primitives.empty()); // not displayed by default

    VueDeDessus();
    q.m_bAfficher = 1;
    q.Dessiner(&m_dc);
    const auto segments = m_dc.Segments();
    ASSERT_EQ(segments.size(), 42u);
    for (int i = 0; i < 21; ++i) {
        // Lines parallel to Y from x = -10 to x = 10, 20 m long.
        const int x = 400 + 64 * (i - 10);
        EXPECT_EQ(segments[i], (CSegment{{x, 940}, {x, -340}, g_styloQuadrillage})) << i;
        // Then lines parallel to X.
        const int y = 300 - 64 * (i - 10);
        EXPECT_EQ(segments[21 + i], (CSegment{{-240, y}, {1040, y}, g_styloQuadrillage})) << i;
    }
    const auto disques = m_dc.DeType(EType::Ellipse);
    ASSERT_EQ(disques.size(), 1u);
    EXPECT_EQ(disques[0].x1, 397);
    EXPECT_EQ(disques[0].y1, 297);
    EXPECT_EQ(disques[0].x2, 403);
    EXPECT_EQ(disques[0].y2, 303);
    EXPECT_EQ(disques[0].brosse, g_brosseBlanche);
    EXPECT_EQ(disques[0].stylo, g_styloQuadrillage);
}

TEST_F(Affichage, GridThroughACentreAndTwoVectors) {
    VueDeDessus();
    CAffQuadrillage& q = m_parametres.m_pageQuadrillage;
    q.m_bAfficher = 1;
    q.m_bSignaler = 0;
    q.m_nRepetition = 1;
    q.m_centre = CVecteur(1, 1, 0);
    q.m_vecteur1 = CVecteur(0.5, 0, 0);
    q.m_vecteur2 = CVecteur(0, 0.25, 0);
    q.Dessiner(&m_dc);
    const auto segments = m_dc.Segments();
    ASSERT_EQ(segments.size(), 6u);
    // (0.5, 0.75) to (0.5, 1.25), then x = 1 and x = 1.5.
    EXPECT_EQ(segments[0].a, (CPointEcran{432, 252}));
    EXPECT_EQ(segments[0].b, (CPointEcran{432, 220}));
    EXPECT_EQ(segments[2].a, (CPointEcran{496, 252}));
    // (0.5, 0.75) to (1.5, 0.75), then y = 1 and y = 1.25.
    EXPECT_EQ(segments[3].b, (CPointEcran{496, 252}));
    EXPECT_EQ(segments[5].a, (CPointEcran{432, 220}));
    EXPECT_TRUE(m_dc.DeType(EType::Ellipse).empty());
}

TEST_F(Affichage, CloseSunBelowAndAtTheHorizonLine) {
    const CAffSoleil& s = m_parametres.m_pageSoleil;
    CDonneesSoleil soleil;
    soleil.direction = CVecteur(0.6, 0, 0.8);
    soleil.dAltitude = 4.99;
    soleil.dLigneHorizon = 5.0;
    m_parametres.m_pageSoleil.m_dDistance = 2.0; // the sun at (1.2, 0, 1.6)
    s.Dessiner(&m_dc, soleil);
    EXPECT_EQ(m_dc.Segments(), (std::vector<CSegment>{{{476, 197}, {400, 300}, g_styloRayon}}));
    auto disques = m_dc.DeType(EType::Ellipse);
    ASSERT_EQ(disques.size(), 2u);
    EXPECT_EQ((CRectangle{disques[0].x1, disques[0].y1, disques[0].x2, disques[0].y2}),
              (CRectangle{397, 297, 403, 303})); // the target point
    EXPECT_EQ((CRectangle{disques[1].x1, disques[1].y1, disques[1].x2, disques[1].y2}),
              (CRectangle{473, 194, 479, 200})); // the sun
    EXPECT_EQ(disques[0].brosse, g_brosseNoire);
    EXPECT_EQ(disques[1].brosse, g_brosseNoire);
    EXPECT_EQ(disques[1].stylo, g_styloRayon);
    const auto textes = m_dc.DeType(EType::Texte);
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_EQ(textes[0].strTexte, "S");
    EXPECT_EQ((CPointEcran{textes[0].x1, textes[0].y1}), (CPointEcran{478, 199}));
    EXPECT_EQ(textes[0].couleurTexte, g_couleurSoleil);

    m_dc.Effacer();
    soleil.dAltitude = 5.0;
    s.Dessiner(&m_dc, soleil);
    disques = m_dc.DeType(EType::Ellipse);
    ASSERT_EQ(disques.size(), 2u);
    EXPECT_EQ(disques[0].brosse, g_brosseBlanche);
    EXPECT_EQ(disques[1].brosse, g_brosseBlanche);
}

TEST_F(Affichage, CloseSunOptions) {
    CAffSoleil& s = m_parametres.m_pageSoleil;
    CDonneesSoleil soleil;
    soleil.direction = CVecteur(0, 0, 1);
    s.m_dDistance = 0; // the sun on the target point
    s.m_pointCible = CVecteur(1, 5, 0);
    s.m_bSoleilProche = 0;
    s.Dessiner(&m_dc, soleil);
    EXPECT_EQ(m_dc.Segments(), (std::vector<CSegment>{{{464, 300}, {464, 300}, g_styloRayon}}));
    EXPECT_EQ(m_dc.DeType(EType::Ellipse).size(), 1u);
    EXPECT_TRUE(m_dc.Textes().empty());

    m_dc.Effacer();
    s.m_bSoleilProche = 1;
    s.m_bRayonProche = 0;
    s.Dessiner(&m_dc, soleil);
    EXPECT_TRUE(m_dc.Segments().empty());
    EXPECT_EQ(m_dc.DeType(EType::Ellipse).size(), 1u);
    EXPECT_EQ(m_dc.Textes(), std::vector<std::string>{"S"});
}

} // namespace
