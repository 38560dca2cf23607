#include "tests/platform/ImpressionEcran.h"

namespace {

using EType = CDCEnregistreur::EType;

TEST(DCEnregistreur, KeepsEveryCallWithTheStateInForce) {
    CDCEnregistreur dc(CRectangle{0, 0, 640, 480});
    EXPECT_EQ(dc.RectangleClient(), (CRectangle{0, 0, 640, 480}));
    const CStylo rouge{CCouleur(255, 0, 0), 2};
    const CStylo pointille{CCouleur(0, 0, 255), 1, EStyleTrait::Pointille};
    dc.DeplacerVers(10, 20);
    dc.LigneVers(30, 40);
    dc.EcrireTexte(1, 2, "avant");
    dc.SelectionnerStylo(rouge);
    dc.LigneVers(CPointEcran{50, 60});
    dc.FixerCouleurTexte(CCouleur(255, 255, 255));
    dc.FixerModeFond(EModeFond::Transparent);
    dc.EcrireTexte(3, 4, "apres");
    dc.SelectionnerStylo(pointille);
    dc.DeplacerVers(CPointEcran{1, 2});
    dc.LigneVers(3, 4);
    dc.SelectionnerBrosse(CBrosse{CCouleur(0, 0, 0)});
    dc.Ellipse(7, 8, 13, 14);
    dc.FixerPixel(5, 6, CCouleur(9, 9, 0));

    EXPECT_EQ(Decrire(dc), "move 10 20\nline 10 20 30 40\ntext 1 2 \"avant\"\npen 255,0,0 w2\n"
                           "line 30 40 50 60\ntext colour 255,255,255\ntransparent\n"
                           "text 3 4 \"apres\"\npen 0,0,255 w1 dotted\nmove 1 2\nline 1 2 3 4\n"
                           "brush 0,0,0\nellipse 7 8 13 14\npixel 5 6 9,9,0\n");
    const CStylo noir{CCouleur(0, 0, 0), 1};
    EXPECT_EQ(dc.Segments(), (std::vector<CDCEnregistreur::CSegment>{{{10, 20}, {30, 40}, noir},
                                                                     {{30, 40}, {50, 60}, rouge},
                                                                     {{1, 2}, {3, 4}, pointille}}));
    EXPECT_EQ(dc.Textes(), (std::vector<std::string>{"avant", "apres"}));
    const auto textes = dc.DeType(EType::Texte);
    ASSERT_EQ(textes.size(), 2u);
    EXPECT_EQ(textes[0].modeFond, EModeFond::Opaque);
    EXPECT_EQ(textes[1].couleurTexte, CCouleur(255, 255, 255));
    EXPECT_EQ(dc.DeType(EType::Ellipse).at(0).brosse.couleur, CCouleur(0, 0, 0));
}

} // namespace
