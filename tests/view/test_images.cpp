#include "VueTest.h"
#include "document/OptionsCalcul.h"
#include "platform/DCSvg.h"
#include "solar/ConfigurationGeographique.h"
#include "view/CourseSoleil.h"
#include "view/Graphiques.h"
#include "view/Images.h"
#include "view/ParametresAffichage.h"

#include <cmath>
#include <cstdio>
#include <sstream>

TEST(Images, DayReportChartInSvgHasTheRecordedLinesAndTexts) {
    std::vector<CPointBilan> points;
    for (int k = 0; k < 48; ++k) {
        const double s = std::sin(k * 0.13);
        points.push_back(CPointBilan{30 + 40 * s, 90 - 50 * s, -20 + 80 * s});
    }
    CDCEnregistreur dc;
    DessinerGraphiqueBilan(&dc, points, 30);
    const std::string svg = SvgDessin(g_cadreGraphiqueBilan, g_couleurFondGraphique,
                                      [&](CDC* pDC) { DessinerGraphiqueBilan(pDC, points, 30); });
    // One element a line: the segments with their pens, and the texts.
    std::vector<CDCEnregistreur::CSegment> lignes;
    std::vector<std::string> textes;
    std::istringstream flux(svg);
    for (std::string l; std::getline(flux, l);) {
        int v[5];
        unsigned c[3];
        if (std::sscanf(l.c_str(),
                        "<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" stroke=\"#%2x%2x%2x\" "
                        "stroke-width=\"%d\"",
                        &v[0], &v[1], &v[2], &v[3], &c[0], &c[1], &c[2], &v[4]) == 8) {
            lignes.push_back(
                {{v[0], v[1]}, {v[2], v[3]}, CStylo{CCouleur(c[0], c[1], c[2]), v[4]}});
        } else if (l.starts_with("<text") && l.ends_with("</text>")) {
            const std::size_t debut = l.find('>') + 1;
            textes.push_back(l.substr(debut, l.size() - 7 - debut));
        }
    }
    ASSERT_GT(dc.Segments().size(), 3u * 48);
    EXPECT_EQ(lignes, dc.Segments());
    EXPECT_EQ(textes, dc.Textes());
    EXPECT_NE(svg.find("width=\"468\" height=\"372\" viewBox=\"112 0 468 372\""), svg.npos);
}

// Stored texts reach the SVG in UTF-8, with nothing XML could misread.
TEST(Images, SvgTextsAreEscaped) {
    EXPECT_EQ(TexteXml("a<b & \"c\" \xE9\x80\x01"),
              "a&lt;b &amp; &quot;c&quot; \xC3\xA9\xE2\x82\xAC?");
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
    CDCEnregistreur face;
    CDCEnregistreur dessus;
    for (CDCEnregistreur* pDC : {&face, &dessus}) {
        InitialiserVue(CRectangle{0, 0, 800, 600});
        if (pDC == &dessus) {
            VueDeDessus();
        }
        DessinerCourseSoleil(pDC, page, course);
    }
    const auto segments = face.Segments();
    ASSERT_EQ(segments.size() + 1, course.size());
    for (std::size_t i = 0; i < segments.size(); ++i) {
        // Pixels of 1/64 m: the truncations move a point by at most 3/64 m.
        const double x = (segments[i].b.x - 400) / 64.0 - 1;
        const double z = (300 - segments[i].b.y) / 64.0 - 0.5;
        const double y = (300 - dessus.Segments().at(i).b.y) / 64.0 - 2;
        EXPECT_NEAR(std::sqrt(x * x + y * y + z * z), 4, 0.05) << i;
        EXPECT_GT(z, -0.05) << i;
    }
    // From sunrise to sunset to the minute, a dot and a time at each whole hour.
    EXPECT_EQ(course.front().nMinutes * 10000 + course.back().nMinutes, 358 * 10000 + 1079);
    const std::vector<std::string> heures = face.Textes();
    ASSERT_EQ(heures.size(), 12u);
    EXPECT_EQ(heures.front() + heures.back(), "06h17h");
    // At 80 degrees north: nothing in the polar night, the whole day in one
    // stretch in the polar day.
    site.m_dLatitude = 80;
    EXPECT_TRUE(CourseSoleil(site, options, 23).empty());
    const std::vector<CPointCourse> ete = CourseSoleil(site, options, 11);
    EXPECT_EQ(ete.front().nMinutes + ete.back().nMinutes, 1439);
    EXPECT_EQ(std::count_if(ete.begin(), ete.end(), [](const CPointCourse& p) { return p.bLever; }),
              1);
}
