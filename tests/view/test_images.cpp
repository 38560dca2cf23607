#include "VueTest.h"
#include "document/OptionsCalcul.h"
#include "platform/DCSvg.h"
#include "solar/ConfigurationGeographique.h"
#include "view/CourseSoleil.h"
#include "view/Dessin.h"
#include "view/Graphiques.h"
#include "view/Images.h"
#include "view/ParametresAffichage.h"

#include <algorithm>
#include <cmath>
#include <regex>

namespace {

// Each <line> of an SVG document as the recorder keeps a segment.
std::vector<CDCEnregistreur::CSegment> LignesSvg(const std::string& svg) {
    const std::regex ligne("<line x1=\"(-?\\d+)\" y1=\"(-?\\d+)\" x2=\"(-?\\d+)\" y2=\"(-?\\d+)\" "
                           "stroke=\"#(..)(..)(..)\" stroke-width=\"(\\d+)\"");
    std::vector<CDCEnregistreur::CSegment> segments;
    for (std::sregex_iterator it(svg.begin(), svg.end(), ligne), fin; it != fin; ++it) {
        const auto n = [&](int i) { return std::stoi((*it)[i].str()); };
        const auto o = [&](int i) {
            return static_cast<std::uint8_t>(std::stoi((*it)[i], nullptr, 16));
        };
        const bool bPointille = it->suffix().str().starts_with(" stroke-dasharray");
        segments.push_back({{n(1), n(2)},
                            {n(3), n(4)},
                            CStylo{CCouleur(o(5), o(6), o(7)), n(8),
                                   bPointille ? EStyleTrait::Pointille : EStyleTrait::Plein}});
    }
    return segments;
}

} // namespace

TEST(Images, DayReportChartInSvgHasTheRecordedLinesAndTexts) {
    std::vector<CPointBilan> points;
    for (int k = 0; k < 48; ++k) {
        const double s = std::sin(k * 0.13);
        points.push_back(CPointBilan{30 + 40 * s, 90 - 50 * s, -20 + 80 * s});
    }
    CDCEnregistreur enregistreur;
    DessinerGraphiqueBilan(&enregistreur, points, 30);
    const std::string svg = SvgDessin(g_cadreGraphiqueBilan, g_couleurFondGraphique,
                                      [&](CDC* pDC) { DessinerGraphiqueBilan(pDC, points, 30); });
    ASSERT_GT(enregistreur.Segments().size(), 3u * 48);
    EXPECT_EQ(LignesSvg(svg), enregistreur.Segments());
    std::vector<std::string> textes;
    const std::regex texte("<text[^>]*>([^<]*)</text>");
    for (std::sregex_iterator it(svg.begin(), svg.end(), texte), fin; it != fin; ++it) {
        textes.push_back((*it)[1]);
    }
    EXPECT_EQ(textes, enregistreur.Textes());
    EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
    EXPECT_NE(svg.find("width=\"468\" height=\"372\" viewBox=\"112 0 468 372\""), svg.npos);
    EXPECT_NE(svg.find("<rect x=\"112\" y=\"0\" width=\"468\" height=\"372\" fill=\"#808080\"/>"),
              svg.npos);
}

TEST(Images, SvgElementsForEachPrimitive) {
    CDCSvg dc(CRectangle{0, 0, 10, 10}, CCouleur(1, 2, 3));
    dc.EcrireTexte(1, 2, "a<b & \"c\" \xE9\x80\x01");
    dc.FixerModeFond(EModeFond::Transparent);
    dc.FixerCouleurTexte(CCouleur(255, 0, 16));
    dc.EcrireTexte(3, 4, "t");
    dc.SelectionnerBrosse(CBrosse{CCouleur(0, 0, 0)});
    dc.SelectionnerStylo(CStylo{CCouleur(255, 0, 255), 1, EStyleTrait::Pointille});
    dc.Ellipse(7, 8, 1, 2);
    dc.FixerPixel(5, 6, CCouleur(9, 9, 0));
    const std::string svg = dc.Texte();
    for (const char* szElement :
         {"<rect x=\"1\" y=\"2\" width=\"93\" height=\"15\" fill=\"#ffffff\"/>\n"
          "<text x=\"1\" y=\"14\" fill=\"#000000\">a&lt;b &amp; &quot;c&quot; \xC3\xA9\xE2\x82\xAC?"
          "</text>\n<text x=\"3\" y=\"16\" fill=\"#ff0010\">t</text>\n"
          "<ellipse cx=\"3.5\" cy=\"4.5\" rx=\"2.5\" ry=\"2.5\" fill=\"#000000\" "
          "stroke=\"#ff00ff\" "
          "stroke-width=\"1\" stroke-dasharray=\"3 3\"/>\n"
          "<rect x=\"5\" y=\"6\" width=\"1\" height=\"1\" fill=\"#090900\"/>\n</svg>\n"}) {
        EXPECT_NE(svg.find(szElement), svg.npos) << svg;
    }
}

TEST(Images, FormatsAndSizeOfPictures) {
    const std::pair<const char*, std::optional<EFormatImage>> formats[] = {
        {"a/chart.PNG", EFormatImage::Png},
        {"chart.svg", EFormatImage::Svg},
        {"chart.jpg", std::nullopt},
        {"dir.svg/chart", std::nullopt},
        {"chart", std::nullopt}};
    for (const auto& [szChemin, format] : formats) {
        EXPECT_EQ(FormatImage(szChemin), format) << szChemin;
    }
    struct CCas {
        CTailleImage saisie;
        std::optional<CRefus> refus;
    };
    const CCas cas[] = {
        {{"16", "8192"}, std::nullopt},
        {{"15", "600"}, CRefus{CTailleImage::kChampLargeur, MessagePlageEntier(16, 8192)}},
        {{"800", "8193"}, CRefus{CTailleImage::kChampHauteur, MessagePlageEntier(16, 8192)}},
        {{"800", "6x"}, CRefus{CTailleImage::kChampHauteur, MessageEntierInvalide()}},
    };
    for (const CCas& c : cas) {
        int l = 1;
        int h = 1;
        const CResultatValidation r = c.saisie.Lire(l, h);
        ASSERT_EQ(r.has_value(), c.refus.has_value()) << c.saisie.strLargeur;
        if (r) {
            EXPECT_EQ(r->nChamp, c.refus->nChamp);
            EXPECT_EQ(r->strMessage, c.refus->strMessage);
            EXPECT_EQ(l * h, 1); // nothing given back
        } else {
            EXPECT_EQ(l * 10000 + h, 16 * 10000 + 8192);
        }
    }
}

// The path's points lie on the sphere of the close sun around the target:
// the front view gives their x and z, the view from above their y.
TEST(Images, SunPathLiesAtTheCloseSunsDistanceAroundTheTarget) {
    COptionsCalcul options;
    CConfigurationGeographique site; // Paris
    CAffSoleil page;
    page.m_pointCible = CVecteur(1, 2, 0.5);
    page.m_dDistance = 4;
    const std::vector<CPointCourse> course = CourseSoleil(site, options, 5); // 21 march
    const auto dessiner = [&](bool bDessus) {
        InitialiserVue(CRectangle{0, 0, 800, 600});
        if (bDessus) {
            VueDeDessus();
        }
        CDCEnregistreur dc;
        DessinerCourseSoleil(&dc, page, course);
        return dc;
    };
    const CDCEnregistreur face = dessiner(false);
    const CDCEnregistreur dessus = dessiner(true);
    const auto segments = face.Segments();
    ASSERT_EQ(segments.size() + 1, course.size());
    ASSERT_EQ(dessus.Segments().size(), segments.size());
    for (std::size_t i = 0; i < segments.size(); ++i) {
        // Pixels of 1/64 m: the truncations move a point by at most 3/64 m.
        const double x = (segments[i].b.x - 400) / 64.0 - 1;
        const double z = (300 - segments[i].b.y) / 64.0 - 0.5;
        const double y = (300 - dessus.Segments()[i].b.y) / 64.0 - 2;
        EXPECT_NEAR(std::sqrt(x * x + y * y + z * z), 4, 0.05) << i;
        EXPECT_GT(z, -0.05) << i;
        EXPECT_EQ(segments[i].stylo, g_styloCourse);
    }
    // From sunrise to sunset to the minute, an hour mark at each whole hour.
    EXPECT_EQ(course.front().nMinutes, 5 * 60 + 58);
    EXPECT_EQ(course.back().nMinutes, 17 * 60 + 59);
    const std::vector<std::string> heures = face.Textes();
    ASSERT_EQ(heures.size(), 12u);
    EXPECT_EQ(heures.front() + heures.back(), "06h17h");
    EXPECT_EQ(face.DeType(CDCEnregistreur::EType::Ellipse).size(), 12u);
}

TEST(Images, SunPathBreaksWhereTheSunIsDownAndIsEmptyInThePolarNight) {
    COptionsCalcul options;
    CConfigurationGeographique site;
    site.m_dLatitude = 80;
    EXPECT_TRUE(CourseSoleil(site, options, 23).empty());                  // 21 december
    const std::vector<CPointCourse> ete = CourseSoleil(site, options, 11); // 21 june
    EXPECT_EQ(ete.front().nMinutes + ete.back().nMinutes, 1439);
    EXPECT_EQ(std::ranges::count_if(ete, [](const CPointCourse& p) { return p.bLever; }), 1);
}
