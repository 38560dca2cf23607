#include "platform/DCEnregistreur.h"
#include "tests/platform/ImpressionEcran.h"
#include "view/Dessin.h"
#include "view/Graphiques.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using EType = CDCEnregistreur::EType;
using CSegment = CDCEnregistreur::CSegment;

std::vector<CSegment> AvecStylo(const CDCEnregistreur& dc, const CStylo& stylo) {
    std::vector<CSegment> r;
    for (const CSegment& s : dc.Segments()) {
        if (s.stylo == stylo) {
            r.push_back(s);
        }
    }
    return r;
}

std::array<double, 24> DureesAvecMaximum(double m) {
    std::array<double, 24> d{};
    d[11] = m;
    d[0] = m / 2;
    return d;
}

TEST(Graphiques, DurationScale) {
    EXPECT_EQ(EchelleDurees(DureesAvecMaximum(0)), 90);
    EXPECT_EQ(EchelleDurees(DureesAvecMaximum(90)), 90);
    EXPECT_EQ(EchelleDurees(DureesAvecMaximum(91)), 180);
    EXPECT_EQ(EchelleDurees(DureesAvecMaximum(180)), 180);
    EXPECT_EQ(EchelleDurees(DureesAvecMaximum(181)), 360);
    EXPECT_EQ(EchelleDurees(DureesAvecMaximum(361)), 720);
    EXPECT_EQ(EchelleDurees(DureesAvecMaximum(721)), 1440);
    EXPECT_EQ(EchelleDurees(DureesAvecMaximum(1440)), 1440);
}

TEST(Graphiques, ReversedProblemBeforeComputing) {
    CDCEnregistreur dc;
    DessinerGraphiqueProblemeInverse(&dc, DureesAvecMaximum(500), false);
    EXPECT_EQ(dc.Segments(), (std::vector<CSegment>{{{174, 40}, {174, 340}, g_styloNoir},
                                                    {{174, 340}, {558, 340}, g_styloNoir}}));
    const auto textes = dc.DeType(EType::Texte);
    ASSERT_EQ(textes.size(), 3u);
    EXPECT_EQ(textes[0].strTexte, "Crossing duration in mn");
    EXPECT_EQ((CPointEcran{textes[0].x1, textes[0].y1}), (CPointEcran{145, 4}));
    EXPECT_EQ(textes[1].strTexte, "4 january >>");
    EXPECT_EQ((CPointEcran{textes[1].x1, textes[1].y1}), (CPointEcran{174, 344}));
    EXPECT_EQ(textes[2].strTexte, ">> 21 december");
    EXPECT_EQ((CPointEcran{textes[2].x1, textes[2].y1}), (CPointEcran{460, 344}));
    EXPECT_EQ(textes[2].couleurTexte, g_couleurNoire);
    EXPECT_EQ(textes[2].modeFond, EModeFond::Transparent);
}

TEST(Graphiques, ReversedProblemScaleLabelsAndBars) {
    CDCEnregistreur dc;
    DessinerGraphiqueProblemeInverse(&dc, DureesAvecMaximum(90), true);
    const auto textes = dc.DeType(EType::Texte);
    ASSERT_EQ(textes.size(), 6u);
    EXPECT_EQ(textes[3].strTexte, "0000");
    EXPECT_EQ((CPointEcran{textes[3].x1, textes[3].y1}), (CPointEcran{135, 332}));
    EXPECT_EQ(textes[4].strTexte, "0045");
    EXPECT_EQ((CPointEcran{textes[4].x1, textes[4].y1}), (CPointEcran{135, 182}));
    EXPECT_EQ(textes[5].strTexte, "0090");
    EXPECT_EQ((CPointEcran{textes[5].x1, textes[5].y1}), (CPointEcran{135, 32}));

    const auto noir = AvecStylo(dc, g_styloNoir);
    ASSERT_EQ(noir.size(), 2u + 21u); // axes, then a tick every 15 pixels
    EXPECT_EQ(noir[2], (CSegment{{172, 40}, {176, 40}, g_styloNoir}));
    EXPECT_EQ(noir.back(), (CSegment{{172, 340}, {176, 340}, g_styloNoir}));

    const auto barres = AvecStylo(dc, g_styloBleu);
    ASSERT_EQ(barres.size(), 24u);
    EXPECT_EQ(barres[0], (CSegment{{184, 340}, {184, 190}, g_styloBleu})); // 45 of 90
    EXPECT_EQ(barres[1], (CSegment{{200, 340}, {200, 340}, g_styloBleu})); // nothing
    EXPECT_EQ(barres[11], (CSegment{{360, 340}, {360, 40}, g_styloBleu})); // the full scale
    EXPECT_EQ(barres[23].a, (CPointEcran{552, 340}));

    dc.Effacer();
    DessinerGraphiqueProblemeInverse(&dc, DureesAvecMaximum(91), true);
    EXPECT_EQ(dc.Textes(), (std::vector<std::string>{"Crossing duration in mn", "4 january >>",
                                                     ">> 21 december", "0000", "0090", "0180"}));
    // 45.5 minutes of 180: 340 - 75.83 truncates to 264.
    EXPECT_EQ(AvecStylo(dc, g_styloBleu)[0].b, (CPointEcran{184, 264}));
}

std::vector<CPointBilan> Echantillons(double dEquivalentMax, int n) {
    std::vector<CPointBilan> r;
    for (int k = 0; k < n; ++k) {
        r.push_back(CPointBilan{k == 1 ? dEquivalentMax : 0.0, 30.0, -10.0 + 40.0 * k});
    }
    return r;
}

TEST(Graphiques, EquivalentScale) {
    EXPECT_EQ(EchelleEquivalents(Echantillons(-5, 3)), 20);
    EXPECT_EQ(EchelleEquivalents(Echantillons(20, 3)), 20);
    EXPECT_EQ(EchelleEquivalents(Echantillons(20.5, 3)), 50);
    EXPECT_EQ(EchelleEquivalents(Echantillons(50, 3)), 50);
    EXPECT_EQ(EchelleEquivalents(Echantillons(50.01, 3)), 100);
}

TEST(Graphiques, EmptyDayReport) {
    CDCEnregistreur dc;
    DessinerGraphiqueBilan(&dc, Echantillons(50, 2), 10); // two samples: no curves
    const auto noir = AvecStylo(dc, g_styloNoir);
    ASSERT_EQ(noir.size(), 3u + 25u + 16u);
    EXPECT_EQ(noir[0], (CSegment{{154, 40}, {154, 340}, g_styloNoir}));
    EXPECT_EQ(noir[2], (CSegment{{538, 340}, {538, 40}, g_styloNoir}));
    EXPECT_EQ(noir[3], (CSegment{{154, 338}, {154, 342}, g_styloNoir}));
    EXPECT_EQ(noir[27], (CSegment{{538, 338}, {538, 342}, g_styloNoir}));
    EXPECT_EQ(noir[28], (CSegment{{536, 40}, {540, 40}, g_styloNoir}));
    EXPECT_EQ(dc.Textes(),
              (std::vector<std::string>{"06h", "12h", "18h", "00", "30", "60", "90",
                                        "Equivalent in %", "Incidence and Altitude in deg"}));
    const auto textes = dc.DeType(EType::Texte);
    EXPECT_EQ((CPointEcran{textes[1].x1, textes[1].y1}), (CPointEcran{338, 344}));
    EXPECT_EQ((CPointEcran{textes[6].x1, textes[6].y1}), (CPointEcran{543, 32}));
    EXPECT_EQ((CPointEcran{textes[8].x1, textes[8].y1}), (CPointEcran{377, 4}));
    EXPECT_EQ(AvecStylo(dc, g_styloBleu),
              (std::vector<CSegment>{{{154, 27}, {168, 22}, g_styloBleu}}));
    EXPECT_EQ(AvecStylo(dc, g_styloJaune),
              (std::vector<CSegment>{{{405, 27}, {419, 22}, g_styloJaune}}));
    EXPECT_EQ(AvecStylo(dc, g_styloRouge),
              (std::vector<CSegment>{{{477, 27}, {491, 22}, g_styloRouge}}));
}

TEST(Graphiques, DayReportScaleLabels) {
    CDCEnregistreur dc;
    DessinerGraphiqueBilan(&dc, Echantillons(50, 3), 10);
    auto textes = dc.DeType(EType::Texte);
    ASSERT_EQ(textes.size(), 12u);
    EXPECT_EQ(textes[9].strTexte, "000");
    EXPECT_EQ((CPointEcran{textes[9].x1, textes[9].y1}), (CPointEcran{125, 332}));
    EXPECT_EQ(textes[10].strTexte, "025");
    EXPECT_EQ(textes[11].strTexte, "050");
    EXPECT_EQ((CPointEcran{textes[11].x1, textes[11].y1}), (CPointEcran{125, 32}));
    EXPECT_EQ(AvecStylo(dc, g_styloNoir).size(), 3u + 25u + 16u + 21u);

    dc.Effacer();
    DessinerGraphiqueBilan(&dc, Echantillons(50.01, 3), 10);
    textes = dc.DeType(EType::Texte);
    ASSERT_EQ(textes.size(), 12u);
    EXPECT_EQ(textes[10].strTexte, "050");
    EXPECT_EQ(textes[11].strTexte, "100");
}

TEST(Graphiques, DayReportCurves) {
    CDCEnregistreur dc;
    // Altitudes -10, 30, 70; incidences 30; equivalents 0, 50, 0.
    DessinerGraphiqueBilan(&dc, Echantillons(50, 3), 10);
    // x: 154, 154 + 2.67, 154 + 5.33, truncated.
    const std::vector<CSegment> rouge = AvecStylo(dc, g_styloRouge);
    EXPECT_EQ(rouge, (std::vector<CSegment>{{{477, 27}, {491, 22}, g_styloRouge},
                                            {{154, 340}, {156, 240}, g_styloRouge},
                                            {{156, 240}, {159, 106}, g_styloRouge}}));
    const std::vector<CSegment> jaune = AvecStylo(dc, g_styloJaune);
    EXPECT_EQ(jaune, (std::vector<CSegment>{{{405, 27}, {419, 22}, g_styloJaune},
                                            {{154, 240}, {156, 240}, g_styloJaune},
                                            {{156, 240}, {159, 240}, g_styloJaune}}));
    const std::vector<CSegment> bleu = AvecStylo(dc, g_styloBleu);
    EXPECT_EQ(bleu, (std::vector<CSegment>{{{154, 27}, {168, 22}, g_styloBleu},
                                           {{154, 340}, {156, 40}, g_styloBleu},
                                           {{156, 40}, {159, 340}, g_styloBleu}}));
    // Drawn altitude, incidence, then equivalent, each after a move to its start.
    const auto stylos = dc.DeType(EType::Stylo);
    ASSERT_GE(stylos.size(), 3u);
    EXPECT_EQ(stylos[stylos.size() - 3].stylo, g_styloRouge);
    EXPECT_EQ(stylos[stylos.size() - 2].stylo, g_styloJaune);
    EXPECT_EQ(stylos.back().stylo, g_styloBleu);
    EXPECT_EQ(dc.m_primitives.back().type, EType::Ligne);
}

TEST(Graphiques, DayReportAbscissaAccumulates) {
    // A whole day at 10 minutes: 144 samples, the last at 23:50.
    std::vector<CPointBilan> jour(144, CPointBilan{10, 10, 10});
    CDCEnregistreur dc;
    DessinerGraphiqueBilan(&dc, jour, 10);
    const auto bleu = AvecStylo(dc, g_styloBleu);
    ASSERT_EQ(bleu.size(), 1u + 143u);
    // 154 + 143 * 2.666... = 535.33, truncated.
    EXPECT_EQ(bleu.back().b.x, 535);
    EXPECT_EQ(bleu.back().b.y, 190); // 10 % of the scale 20

    struct CEchantillonEssai {
        int m_nHeure;
        int m_nMinute;
        double m_dEquivalent;
        double m_dIncidence;
        double m_dAltitude;
    };
    const CEchantillonEssai echantillons[3] = {
        {0, 0, 0, 30, -10}, {0, 30, 50, 30, 30}, {1, 0, 0, 30, 70}};
    CDCEnregistreur dc2;
    DessinerGraphiqueBilan(&dc2, echantillons, 3, 30);
    const auto rouge = AvecStylo(dc2, g_styloRouge);
    ASSERT_EQ(rouge.size(), 3u);
    EXPECT_EQ(rouge[2], (CSegment{{162, 240}, {170, 106}, g_styloRouge}));
}

} // namespace
