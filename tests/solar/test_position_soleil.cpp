#include "document/OptionsCalcul.h"
#include "solar/ConfigurationGeographique.h"
#include "solar/PositionSoleil.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A sun with its own site and options, as the document holds them.
struct Soleil {
    CConfigurationGeographique site;
    COptionsCalcul options;
    CPositionSoleil pos{site, options};

    void Regler(int nIndexDate, int nHeure, int nMinute) {
        pos.m_nIndexDate = nIndexDate;
        pos.m_nHeure = nHeure;
        pos.m_nMinute = nMinute;
    }
};

void AttendreVecteur(const CVecteur& v, double x, double y, double z) {
    EXPECT_NEAR(v.m_x, x, 1e-12);
    EXPECT_NEAR(v.m_y, y, 1e-12);
    EXPECT_NEAR(v.m_z, z, 1e-12);
}

TEST(PositionSoleil, DefaultsAndDates) {
    Soleil s;
    EXPECT_EQ(&s.pos.Site(), &s.site);
    EXPECT_EQ(&s.pos.Options(), &s.options);
    EXPECT_EQ(s.pos.m_bInitialise, 0);
    EXPECT_EQ(s.pos.m_nHeure, 12);
    EXPECT_EQ(s.pos.m_nMinute, 0);
    EXPECT_EQ(s.pos.m_nIndexDate, 5);
    EXPECT_EQ(s.pos.m_dAzimut, 0.0);
    AttendreVecteur(s.pos.m_direction, 0, 0, 0);
    ASSERT_EQ(CPositionSoleil::s_dates.size(), 24u);
    EXPECT_STREQ(CPositionSoleil::s_dates[0], "04 january");
    EXPECT_STREQ(CPositionSoleil::s_dates[5], "21 march");
    EXPECT_STREQ(CPositionSoleil::s_dates[16], "04 september");
    EXPECT_STREQ(CPositionSoleil::s_dates[23], "21 december");
}

TEST(PositionSoleil, DayNumberAndTimeSinceEpoch) {
    EXPECT_EQ(CPositionSoleil::NumeroJour(5, 2001), 730976);
    EXPECT_EQ(CPositionSoleil::JoursDepuisEpoque(730976, 12, 0), 445.0);
    EXPECT_EQ(CPositionSoleil::NumeroJour(5, 2003), 731706);
    EXPECT_EQ(CPositionSoleil::JoursDepuisEpoque(731706, 12, 0), 1175.0);
    EXPECT_EQ(CPositionSoleil::NumeroJour(0, 2003), 731630);
    EXPECT_EQ(CPositionSoleil::JoursDepuisEpoque(731630, 0, 0), 1098.5);
    // Consecutive days of a year differ by one across a month end.
    EXPECT_EQ(CPositionSoleil::NumeroJour(1, 2003) - CPositionSoleil::NumeroJour(0, 2003), 17);
    EXPECT_EQ(CPositionSoleil::NumeroJour(2, 2003) - CPositionSoleil::NumeroJour(1, 2003), 14);
    EXPECT_EQ(CPositionSoleil::NumeroJour(0, 2004) - CPositionSoleil::NumeroJour(0, 2003), 365);
    EXPECT_EQ(CPositionSoleil::NumeroJour(0, 2005) - CPositionSoleil::NumeroJour(0, 2004), 366);
}

TEST(PositionSoleil, WorkedExamples) {
    Soleil s;
    s.options.m_nAnnee = 2001;
    s.site.m_dLatitude = 0;
    s.site.m_bIgnorerLongitude = 1;
    s.Regler(5, 12, 0);
    s.pos.CalculerPosition();
    EXPECT_NEAR(s.pos.m_dAzimut, 78.17, 1e-9);
    EXPECT_NEAR(s.pos.m_dAltitude, 88.17, 1e-9);

    Soleil paris;
    paris.pos.CalculerPosition();
    EXPECT_NEAR(paris.pos.m_dAzimut, 180.63, 1e-9);
    EXPECT_NEAR(paris.pos.m_dAltitude, 41.28, 1e-9);
    paris.pos.m_nIndexDate = 11;
    paris.pos.CalculerPosition();
    EXPECT_NEAR(paris.pos.m_dAzimut, 184.0, 1e-9);
    EXPECT_NEAR(paris.pos.m_dAltitude, 64.49, 1e-9);
}

TEST(PositionSoleil, ComputingPositionTouchesOnlyAzimuthAndAltitude) {
    Soleil s;
    s.site.m_dLigneHorizon = 10; // plays no part: a low sun comes back as it is
    s.pos.m_direction = CVecteur(1, 2, 3);
    s.Regler(23, 0, 30);
    s.pos.CalculerPosition();
    EXPECT_LT(s.pos.m_dAltitude, -50);
    EXPECT_EQ(s.pos.m_nIndexDate, 23);
    EXPECT_EQ(s.pos.m_nHeure, 0);
    EXPECT_EQ(s.pos.m_nMinute, 30);
    AttendreVecteur(s.pos.m_direction, 1, 2, 3);
}

TEST(PositionSoleil, IgnoringTheLongitudeIsLongitudeZero) {
    Soleil ignoree;
    ignoree.site.m_bIgnorerLongitude = 1;
    Soleil zero;
    zero.site.m_dLongitude = 0;
    Soleil ouest;
    ouest.site.m_dLongitude = 45; // three hours behind Greenwich
    for (int h = 0; h < 24; h += 5) {
        for (Soleil* s : {&ignoree, &zero, &ouest}) {
            s->Regler(8, h, 17);
            s->pos.CalculerPosition();
        }
        EXPECT_EQ(ignoree.pos.m_dAzimut, zero.pos.m_dAzimut);
        EXPECT_EQ(ignoree.pos.m_dAltitude, zero.pos.m_dAltitude);
        EXPECT_NE(ouest.pos.m_dAzimut, zero.pos.m_dAzimut);
    }
}

TEST(PositionSoleil, AzimuthJustBelow360IsRoundedTo360) {
    Soleil s;
    s.site.m_dLatitude = 60.1; // HELSINKI
    s.site.m_dLongitude = -25.0;
    s.Regler(16, 22, 19);
    s.pos.CalculerPosition();
    EXPECT_EQ(s.pos.m_dAzimut, 360.0);
    s.Regler(16, 22, 20);
    s.pos.CalculerPosition();
    EXPECT_LT(s.pos.m_dAzimut, 1.0);
}

TEST(PositionSoleil, AdvancingMinutesWrapsTheDayNotTheDate) {
    Soleil s;
    s.Regler(7, 23, 55);
    s.pos.AvancerMinutes(10);
    EXPECT_EQ(s.pos.m_nHeure, 0);
    EXPECT_EQ(s.pos.m_nMinute, 5);
    s.pos.AvancerMinutes(-10);
    EXPECT_EQ(s.pos.m_nHeure, 23);
    EXPECT_EQ(s.pos.m_nMinute, 55);
    s.pos.AvancerMinutes(60);
    EXPECT_EQ(s.pos.m_nHeure, 0);
    EXPECT_EQ(s.pos.m_nMinute, 55);
    s.pos.AvancerMinutes(-60);
    EXPECT_EQ(s.pos.m_nHeure, 23);
    EXPECT_EQ(s.pos.m_nMinute, 55);
    // Steps beyond an hour still leave a valid time.
    s.pos.AvancerMinutes(130);
    EXPECT_EQ(s.pos.m_nHeure, 2);
    EXPECT_EQ(s.pos.m_nMinute, 5);
    s.pos.AvancerMinutes(-1445);
    EXPECT_EQ(s.pos.m_nHeure, 2);
    EXPECT_EQ(s.pos.m_nMinute, 0);
    EXPECT_EQ(s.pos.m_nIndexDate, 7);
}

TEST(PositionSoleil, Direction) {
    Soleil s;
    s.pos.m_dAltitude = 90;
    for (double az : {0.0, 37.5, 180.0, 359.0}) {
        s.pos.m_dAzimut = az;
        s.pos.CalculerDirection();
        AttendreVecteur(s.pos.m_direction, 0, 0, 1);
    }
    s.pos.m_dAltitude = 0;
    s.pos.m_dAzimut = 90;
    s.pos.CalculerDirection();
    AttendreVecteur(s.pos.m_direction, 1, 0, 0);

    // (cos A sin(Z + N), cos A cos(Z + N), sin A), and the angles untouched.
    s.site.m_dDirectionNord = 30;
    s.pos.m_dAltitude = 25.5;
    s.pos.m_dAzimut = 200.25;
    s.pos.CalculerDirection();
    const double A = 25.5 * kDegVersRad;
    const double ZN = 230.25 * kDegVersRad;
    AttendreVecteur(s.pos.m_direction, std::cos(A) * std::sin(ZN), std::cos(A) * std::cos(ZN),
                    std::sin(A));
    EXPECT_EQ(s.pos.m_dAzimut, 200.25);
    EXPECT_EQ(s.pos.m_dAltitude, 25.5);
}

TEST(PositionSoleil, AzimuthNudges) {
    Soleil s;
    s.pos.m_dAltitude = 0;
    s.pos.m_dAzimut = 180.63;
    s.pos.DiminuerAzimut();
    EXPECT_EQ(s.pos.m_dAzimut, 180.0);
    s.pos.DiminuerAzimut();
    EXPECT_EQ(s.pos.m_dAzimut, 179.0);
    s.pos.m_dAzimut = 180.63;
    s.pos.AugmenterAzimut();
    EXPECT_EQ(s.pos.m_dAzimut, 181.0);
    s.pos.m_dAzimut = 0;
    s.pos.DiminuerAzimut();
    EXPECT_EQ(s.pos.m_dAzimut, 359.0);
    s.pos.m_dAzimut = 359.2;
    s.pos.AugmenterAzimut();
    EXPECT_EQ(s.pos.m_dAzimut, 0.0);
    AttendreVecteur(s.pos.m_direction, 0, 1, 0); // the direction follows
    s.pos.m_dAzimut = 360;
    s.pos.AugmenterAzimut();
    EXPECT_EQ(s.pos.m_dAzimut, 1.0);
}

TEST(PositionSoleil, AltitudeNudgesStopAtTheZenithAndTheNadir) {
    Soleil s;
    s.pos.m_dAltitude = 89.5;
    s.pos.AugmenterAltitude();
    EXPECT_EQ(s.pos.m_dAltitude, 90.0);
    s.pos.AugmenterAltitude();
    EXPECT_EQ(s.pos.m_dAltitude, 90.0);
    AttendreVecteur(s.pos.m_direction, 0, 0, 1);
    s.pos.m_dAltitude = -90;
    s.pos.DiminuerAltitude();
    EXPECT_EQ(s.pos.m_dAltitude, -90.0);
    AttendreVecteur(s.pos.m_direction, 0, 0, -1);
    s.pos.m_dAltitude = -89.5;
    s.pos.DiminuerAltitude();
    EXPECT_EQ(s.pos.m_dAltitude, -90.0);
    s.pos.m_dAltitude = 12.25;
    s.pos.DiminuerAltitude();
    EXPECT_EQ(s.pos.m_dAltitude, 12.0);
}

TEST(PositionSoleil, StepsUseTheOptionsTimeStepThenCompute) {
    Soleil s;
    s.Regler(5, 23, 50);
    s.pos.Avancer();
    EXPECT_EQ(s.pos.m_nHeure, 0);
    EXPECT_EQ(s.pos.m_nMinute, 0);
    EXPECT_EQ(s.pos.m_nIndexDate, 5);

    Soleil attendu;
    attendu.Regler(5, 0, 0);
    attendu.pos.CalculerPosition();
    attendu.pos.CalculerDirection();
    EXPECT_EQ(s.pos.m_dAzimut, attendu.pos.m_dAzimut);
    EXPECT_EQ(s.pos.m_dAltitude, attendu.pos.m_dAltitude);
    EXPECT_EQ(s.pos.m_direction.m_z, attendu.pos.m_direction.m_z);

    s.options.m_nPasMinutes = 30;
    s.pos.Reculer();
    EXPECT_EQ(s.pos.m_nHeure, 23);
    EXPECT_EQ(s.pos.m_nMinute, 30);
    EXPECT_EQ(s.pos.m_nIndexDate, 5);
}

TEST(PositionSoleil, WindowOpensComputesAndShows) {
    Soleil s;
    s.options.m_dCadence = 3;
    const auto t = s.pos.Ouvrir();
    EXPECT_EQ(s.pos.m_bInitialise, 1);
    EXPECT_EQ(t.nIndexDate, 5);
    EXPECT_EQ(t.strHeure, "12");
    EXPECT_EQ(t.strMinute, "0");
    EXPECT_EQ(t.strAzimut, "180.63");
    EXPECT_EQ(t.strAltitude, "41.28");
    EXPECT_EQ(t.strReferenceTemps, "UT");
    EXPECT_NEAR(s.pos.m_direction.Norme(), 1, 1e-15);
    EXPECT_EQ(s.pos.PeriodeAnimation(), 333);
    s.site.m_bIgnorerLongitude = 1;
    EXPECT_EQ(s.pos.Montrer().strReferenceTemps, "UT -diff");
    s.pos.Fermer();
    EXPECT_EQ(s.pos.m_bInitialise, 0);
}

TEST(PositionSoleil, ReadingTheTimeRefusesOutOfRangeFields) {
    Soleil s;
    auto t = s.pos.Montrer();
    t.nIndexDate = 11;
    t.strHeure = "24";
    auto refus = s.pos.Lire(t);
    ASSERT_TRUE(refus);
    EXPECT_EQ(refus->nChamp, CPositionSoleil::kChampHeure);
    EXPECT_EQ(refus->strMessage, "Please enter an integer between 0 and 23.");
    t.strHeure = "7";
    t.strMinute = "60";
    refus = s.pos.Lire(t);
    ASSERT_TRUE(refus);
    EXPECT_EQ(refus->nChamp, CPositionSoleil::kChampMinute);
    EXPECT_EQ(refus->strMessage, "Please enter an integer between 0 and 59.");
    t.strMinute = "half";
    refus = s.pos.Lire(t);
    ASSERT_TRUE(refus);
    EXPECT_EQ(refus->strMessage, "Please enter an integer.");
    EXPECT_EQ(s.pos.m_nIndexDate, 5);
    EXPECT_EQ(s.pos.m_nHeure, 12);
    EXPECT_EQ(s.pos.m_nMinute, 0);

    t.strMinute = "59";
    EXPECT_FALSE(s.pos.Lire(t));
    EXPECT_EQ(s.pos.m_nIndexDate, 11);
    EXPECT_EQ(s.pos.m_nHeure, 7);
    EXPECT_EQ(s.pos.m_nMinute, 59);
}

} // namespace
