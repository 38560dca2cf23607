#include "platform/DCEnregistreur.h"

#include <gtest/gtest.h>

namespace {

using EType = CDCEnregistreur::EType;

TEST(DCEnregistreur, LinesStartAtTheCurrentPositionAndCarryTheStateInForce) {
    CDCEnregistreur dc(CRectangle{0, 0, 640, 480});
    EXPECT_EQ(dc.RectangleClient(), (CRectangle{0, 0, 640, 480}));

    const CStylo rouge{CCouleur(255, 0, 0), 2};
    const CStylo pointille{CCouleur(0, 0, 255), 1, EStyleTrait::Pointille};
    dc.DeplacerVers(10, 20);
    dc.LigneVers(30, 40);
    dc.SelectionnerStylo(rouge);
    dc.LigneVers(CPointEcran{50, 60});
    dc.SelectionnerStylo(pointille);
    dc.DeplacerVers(CPointEcran{1, 2});
    dc.LigneVers(3, 4);

    const CStylo noir{CCouleur(0, 0, 0), 1};
    const auto segments = dc.Segments();
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[0], (CDCEnregistreur::CSegment{{10, 20}, {30, 40}, noir}));
    EXPECT_EQ(segments[1], (CDCEnregistreur::CSegment{{30, 40}, {50, 60}, rouge}));
    EXPECT_EQ(segments[2], (CDCEnregistreur::CSegment{{1, 2}, {3, 4}, pointille}));
}

TEST(DCEnregistreur, TextsPixelsAndDiscsKeepColoursBrushAndBackground) {
    CDCEnregistreur dc;
    dc.EcrireTexte(1, 2, "avant");
    dc.FixerCouleurTexte(CCouleur(255, 255, 255));
    dc.FixerModeFond(EModeFond::Transparent);
    dc.EcrireTexte(3, 4, "apres");
    dc.SelectionnerBrosse(CBrosse{CCouleur(0, 0, 0)});
    dc.Ellipse(7, 8, 13, 14);
    dc.FixerPixel(5, 6, CCouleur(9, 9, 0));

    const auto textes = dc.DeType(EType::Texte);
    ASSERT_EQ(textes.size(), 2u);
    EXPECT_EQ(textes[0].couleurTexte, CCouleur(0, 0, 0));
    EXPECT_EQ(textes[0].modeFond, EModeFond::Opaque);
    EXPECT_EQ(textes[1].x1, 3);
    EXPECT_EQ(textes[1].y1, 4);
    EXPECT_EQ(textes[1].couleurTexte, CCouleur(255, 255, 255));
    EXPECT_EQ(textes[1].modeFond, EModeFond::Transparent);
    EXPECT_EQ(dc.Textes(), (std::vector<std::string>{"avant", "apres"}));

    const auto disques = dc.DeType(EType::Ellipse);
    ASSERT_EQ(disques.size(), 1u);
    EXPECT_EQ(disques[0].brosse.couleur, CCouleur(0, 0, 0));
    EXPECT_EQ(disques[0].x2, 13);

    const auto pixels = dc.DeType(EType::Pixel);
    ASSERT_EQ(pixels.size(), 1u);
    EXPECT_EQ(pixels[0].couleur, CCouleur(9, 9, 0));
    EXPECT_EQ(dc.m_primitives.size(), 7u); // state changes are kept in order too
    EXPECT_EQ(dc.m_primitives[1].type, EType::CouleurTexte);
}

} // namespace
