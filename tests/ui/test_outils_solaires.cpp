#include "DialogueTest.h"

#include "ui/DialogueCalculsPratiques.h"
#include "ui/DialogueInformationsSolaires.h"
#include "ui/DialogueProblemeInverse.h"
#include "ui/ZoneGraphique.h"

#include <QImage>

#include <array>
#include <cmath>

namespace {

constexpr QRgb kBleu = 0xff0000ff;

// The top row of the blue bar drawn around the chart's column x, or -1.
int HautBarre(const QImage& image, QPoint origine, int x) {
    for (int y = 0; y < image.height(); ++y) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.pixel(x - origine.x() + dx, y) == kBleu) {
                return y + origine.y();
            }
        }
    }
    return -1;
}

int PixelsBleus(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == kBleu ? 1 : 0;
        }
    }
    return n;
}

} // namespace

TEST_F(DialogueTest, SolarInformationScansEachChosenDate) {
    // Paris, as the command-line tool prints them for the house example.
    const struct {
        const char* szDate;
        const char* szDuree;
        const char* szPourcent;
        const char* szAltitude;
        const char* szHeure;
        const char* szMinute;
    } cas[] = {
        {"04 january", "8.16", "34.02", "18.36", "11", "51"},
        {"21 june", "15.96", "66.52", "64.53", "11", "50"},
        {"21 december", "8.03", "33.47", "17.66", "11", "45"},
    };
    m_doc.m_informationsSolaires.ChoisirDate(7); // left on another date last time
    CDialogueInformationsSolaires dialogue(m_doc.m_informationsSolaires, m_ui);
    dialogue.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogue));
    EXPECT_EQ(dialogue.windowTitle(), "Solar information");
    auto* pDates = Widget<QComboBox>(&dialogue, "nIndexDate");
    ASSERT_EQ(pDates->count(), 24);
    for (const auto& c : cas) {
        SCOPED_TRACE(c.szDate);
        // Opening shows the first date; each other is chosen in the list.
        Choisir(&dialogue, "nIndexDate", c.szDate);
        EXPECT_EQ(pDates->currentText(), c.szDate);
        EXPECT_EQ(Texte(&dialogue, "strDureeJour"), c.szDuree);
        EXPECT_EQ(Texte(&dialogue, "strDureeJourPourcent"), c.szPourcent);
        EXPECT_EQ(Texte(&dialogue, "strAltitudeZenith"), c.szAltitude);
        EXPECT_EQ(Texte(&dialogue, "strHeureZenith"), c.szHeure);
        EXPECT_EQ(Texte(&dialogue, "strMinuteZenith"), c.szMinute);
    }
    EXPECT_TRUE(Widget<QLineEdit>(&dialogue, "strDureeJour")->isReadOnly());
    // The sun of the document keeps its date and time.
    EXPECT_EQ(m_doc.m_positionSoleil.m_nIndexDate, 5);
    EXPECT_EQ(m_doc.m_positionSoleil.m_nHeure, 12);
    // Enter and Escape close it.
    QTest::keyClick(pDates, Qt::Key_Escape);
    EXPECT_FALSE(dialogue.isVisible());
    EXPECT_EQ(m_doc.m_informationsSolaires.m_nIndexDate, 23);
}

TEST_F(DialogueTest, ReversedProblemComputesAndDrawsTheYear) {
    // The house example's site, as the command-line tool prints them.
    const struct {
        const char* sz[4]; // azimuth min, max, altitude min, max
        int nEchelle;
        std::array<double, 24> durees;
    } cas[] = {
        {{"160", "200", "30", "70"}, 180, {0,  0,  0,  70,  134, 123, 113, 100, 92, 84, 79, 76,
                                           78, 83, 89, 100, 109, 121, 130, 67,  0,  0,  0,  0}},
        {{"90", "270", "10", "90"}, 720, {320, 367, 419, 489, 533, 600, 650, 636,
                                          604, 571, 551, 542, 547, 568, 594, 633,
                                          664, 604, 556, 488, 432, 368, 329, 306}},
    };
    const CProblemeInverse& p = m_doc.m_problemeInverse;
    for (const auto& c : cas) {
        SCOPED_TRACE(c.sz[0]);
        CDialogueProblemeInverse dialogue(m_doc.m_problemeInverse, m_ui);
        dialogue.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogue));
        auto* pGraphique = Widget<CZoneGraphique>(&dialogue, "graphique");
        // Each opening shows only the axes and texts until "Compute".
        EXPECT_EQ(PixelsBleus(pGraphique->grab().toImage()), 0);
        for (int i = 0; i < 4; ++i) {
            const char* szChamps[] = {"strAzimutMin", "strAzimutMax", "strAltitudeMin",
                                      "strAltitudeMax"};
            Taper(&dialogue, szChamps[i], c.sz[i]);
        }
        Cliquer(&dialogue, "Compute");
        EXPECT_TRUE(m_ui.m_messages.empty());
        EXPECT_EQ(p.m_dAltitudeMax, std::stod(c.sz[3]));
        const QImage image = pGraphique->grab().toImage();
        for (int k = 0; k < 24; ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(p.m_dDurees[k], c.durees[k]);
            // One bar a date, 300 pixels for the full scale.
            const int nHaut = static_cast<int>(340 - c.durees[k] * 300 / c.nEchelle);
            EXPECT_EQ(HautBarre(image, pGraphique->Origine(), 184 + 16 * k),
                      c.durees[k] == 0 ? -1 : nHaut - 1);
        }
        EXPECT_EQ(m_doc.m_positionSoleil.m_nIndexDate, 5);

        // A refused cone keeps the last results, and the dialog.
        Taper(&dialogue, "strAzimutMax", "360.5");
        QTest::keyClick(Widget<QLineEdit>(&dialogue, "strAzimutMax"), Qt::Key_Return);
        ASSERT_EQ(m_ui.m_messages.size(), 1u);
        EXPECT_EQ(m_ui.m_messages[0].strTexte, "Please enter a number between 0 and 360.");
        m_ui.m_messages.clear();
        EXPECT_EQ(NomFocus(), "strAzimutMax");
        EXPECT_EQ(p.m_dAzimutMax, std::stod(c.sz[1]));
        EXPECT_EQ(pGraphique->grab().toImage(), image);
        Cliquer(&dialogue, "Close");
        EXPECT_FALSE(dialogue.isVisible());
    }
}

TEST_F(DialogueTest, PracticalCalculationsRoundToThreeDecimals) {
    const struct {
        double dLatitude;
        const char* szHiver; // shown at opening
        const char* szEte;
        const char* szChamp; // edited, then Enter in it
        const char* szValeur;
        const char* szResultat; // the result edit and what it shows
        const char* szTexte;
        const char* szMessage; // refused: the message, the edited field focused
    } cas[] = {
        {48.9, "21.1", "61.1", "strAltitudeAuvent", "60", "strDescenteOmbre", "1.732", nullptr},
        {75, "0", "35", "strAvancee", "2.5", "strDescenteOmbre", "4.33", nullptr},
        {-30, "100", "90", "strInclinaisonPanneaux", "30", "strEspacement", "2.879", nullptr},
        // 2.6498 shows 2.649: the results' rounding is not half up.
        {48.9, "21.1", "61.1", "strInclinaisonPanneaux", "45", "strEspacement", "2.649", nullptr},
        {48.9, "21.1", "61.1", "strTaillePanneaux", "100.5", "strEspacement", "2.649",
         "Please enter a number between 0 and 100."},
        {48.9, "21.1", "61.1", "strAltitudeAuvent", "90", "strDescenteOmbre", "4.33",
         "Please enter a number between 0.01 and 89.99."},
    };
    // The entries of the other fields stay from one case to the next.
    m_doc.m_calculsPratiques.m_dAltitudePanneaux = 20;
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.szChamp) + " " + c.szValeur);
        m_ui.m_messages.clear();
        m_doc.m_configurationGeographique.m_dLatitude = c.dLatitude;
        CDialogueCalculsPratiques dialogue(m_doc.m_calculsPratiques, m_ui);
        dialogue.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogue));
        EXPECT_EQ(Texte(&dialogue, "strInclinaisonHiver"), c.szHiver);
        EXPECT_EQ(Texte(&dialogue, "strInclinaisonEte"), c.szEte);
        // Enter computes the group being typed in, and only that one.
        const char* szAutre =
            std::string(c.szResultat) == "strEspacement" ? "strDescenteOmbre" : "strEspacement";
        const QString autre = Texte(&dialogue, szAutre);
        Taper(&dialogue, c.szChamp, c.szValeur);
        QTest::keyClick(Widget<QLineEdit>(&dialogue, c.szChamp), Qt::Key_Return);
        EXPECT_TRUE(dialogue.isVisible());
        EXPECT_EQ(Texte(&dialogue, c.szResultat), c.szTexte);
        EXPECT_EQ(Texte(&dialogue, szAutre), autre);
        if (c.szMessage != nullptr) {
            ASSERT_EQ(m_ui.m_messages.size(), 1u);
            EXPECT_EQ(m_ui.m_messages[0].strTexte, c.szMessage);
            EXPECT_EQ(NomFocus(), c.szChamp);
        } else {
            EXPECT_TRUE(m_ui.m_messages.empty());
        }
        Cliquer(&dialogue, "Close");
    }
}
