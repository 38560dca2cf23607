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

    CPositionSoleil& A(int nIndexDate, int nHeure, int nMinute) {
        pos.m_nIndexDate = nIndexDate;
        pos.m_nHeure = nHeure;
        pos.m_nMinute = nMinute;
        return pos;
    }
};

void AttendreVecteur(const CVecteur& v, double x, double y, double z) {
    EXPECT_NEAR(v.m_x, x, 1e-12);
    EXPECT_NEAR(v.m_y, y, 1e-12);
    EXPECT_NEAR(v.m_z, z, 1e-12);
}

TEST(PositionSoleil, DayNumberAndTimeSinceEpoch) {
    EXPECT_EQ(CPositionSoleil::NumeroJour(5, 2001), 730976);
    EXPECT_EQ(CPositionSoleil::JoursDepuisEpoque(730976, 12, 0), 445.0);
    EXPECT_EQ(CPositionSoleil::NumeroJour(5, 2003), 731706);
    EXPECT_EQ(CPositionSoleil::JoursDepuisEpoque(731706, 12, 0), 1175.0);
    EXPECT_EQ(CPositionSoleil::NumeroJour(0, 2003), 731630);
    EXPECT_EQ(CPositionSoleil::JoursDepuisEpoque(731630, 0, 0), 1098.5);
    EXPECT_EQ(CPositionSoleil::NumeroJour(0, 2005) - CPositionSoleil::NumeroJour(0, 2004), 366);
    EXPECT_STREQ(CPositionSoleil::s_dates[0], "04 january");
    EXPECT_STREQ(CPositionSoleil::s_dates[23], "21 december");
}

TEST(PositionSoleil, WorkedExamples) {
    Soleil equateur;
    equateur.options.m_nAnnee = 2001;
    equateur.site.m_dLatitude = 0;
    equateur.site.m_bIgnorerLongitude = 1;
    equateur.site.m_dLigneHorizon = 30; // plays no part here
    CPositionSoleil& p = equateur.A(5, 12, 0);
    p.CalculerPosition();
    EXPECT_NEAR(p.m_dAzimut, 78.17, 1e-9);
    EXPECT_NEAR(p.m_dAltitude, 88.17, 1e-9);
    AttendreVecteur(p.m_direction, 0, 0, 0); // the position only
    EXPECT_EQ(p.m_nHeure, 12);

    Soleil paris; // the defaults: 2003, 21 march, 12:00
    paris.pos.CalculerPosition();
    EXPECT_NEAR(paris.pos.m_dAzimut, 180.63, 1e-9);
    EXPECT_NEAR(paris.pos.m_dAltitude, 41.28, 1e-9);
    paris.A(11, 12, 0).CalculerPosition();
    EXPECT_NEAR(paris.pos.m_dAzimut, 184.0, 1e-9);
    EXPECT_NEAR(paris.pos.m_dAltitude, 64.49, 1e-9);

    // Ignoring the longitude is computing at longitude 0.
    Soleil zero;
    zero.site.m_dLongitude = 0;
    paris.site.m_bIgnorerLongitude = 1;
    zero.A(8, 17, 3).CalculerPosition();
    paris.A(8, 17, 3).CalculerPosition();
    EXPECT_EQ(zero.pos.m_dAzimut, paris.pos.m_dAzimut);
    EXPECT_EQ(zero.pos.m_dAltitude, paris.pos.m_dAltitude);
}

TEST(PositionSoleil, AzimuthJustBelow360IsRoundedTo360) {
    Soleil helsinki;
    helsinki.site.m_dLatitude = 60.1;
    helsinki.site.m_dLongitude = -25.0;
    helsinki.A(16, 22, 19).CalculerPosition();
    EXPECT_EQ(helsinki.pos.m_dAzimut, 360.0);
}

TEST(PositionSoleil, AdvancingMinutesWrapsTheDayNotTheDate) {
    Soleil s;
    CPositionSoleil& p = s.A(7, 23, 55);
    const int attendus[][3] = {{10, 0, 5},    {-10, 23, 55}, {60, 0, 55},
                               {-60, 23, 55}, {130, 2, 5},   {-1445, 2, 0}};
    for (const auto& a : attendus) {
        p.AvancerMinutes(a[0]);
        EXPECT_EQ(p.m_nHeure, a[1]) << a[0];
        EXPECT_EQ(p.m_nMinute, a[2]) << a[0];
    }
    EXPECT_EQ(p.m_nIndexDate, 7);
}

TEST(PositionSoleil, Direction) {
    Soleil s;
    s.pos.m_dAltitude = 90;
    for (double az : {0.0, 37.5, 359.0}) {
        s.pos.m_dAzimut = az;
        s.pos.CalculerDirection();
        AttendreVecteur(s.pos.m_direction, 0, 0, 1);
    }
    s.pos.m_dAltitude = 0;
    s.pos.m_dAzimut = 90;
    s.pos.CalculerDirection();
    AttendreVecteur(s.pos.m_direction, 1, 0, 0);
    // (cos A sin(Z + N), cos A cos(Z + N), sin A)
    s.site.m_dDirectionNord = 30;
    s.pos.m_dAltitude = 25.5;
    s.pos.m_dAzimut = 200.25;
    s.pos.CalculerDirection();
    const double A = 25.5 * kDegVersRad;
    const double ZN = 230.25 * kDegVersRad;
    AttendreVecteur(s.pos.m_direction, std::cos(A) * std::sin(ZN), std::cos(A) * std::cos(ZN),
                    std::sin(A));
}

TEST(PositionSoleil, NudgesMoveWholeDegreesThenTheDirectionOnly) {
    Soleil s;
    CPositionSoleil& p = s.pos;
    p.m_dAltitude = 0;
    p.m_dAzimut = 180.63;
    p.DiminuerAzimut();
    EXPECT_EQ(p.m_dAzimut, 180.0);
    p.DiminuerAzimut();
    EXPECT_EQ(p.m_dAzimut, 179.0);
    p.m_dAzimut = 180.63;
    p.AugmenterAzimut();
    EXPECT_EQ(p.m_dAzimut, 181.0);
    p.m_dAzimut = 0;
    p.DiminuerAzimut();
    EXPECT_EQ(p.m_dAzimut, 359.0);
    p.m_dAzimut = 359.2;
    p.AugmenterAzimut();
    EXPECT_EQ(p.m_dAzimut, 0.0);
    AttendreVecteur(p.m_direction, 0, 1, 0);

    p.m_dAltitude = 89.5;
    p.AugmenterAltitude();
    EXPECT_EQ(p.m_dAltitude, 90.0);
    p.AugmenterAltitude();
    EXPECT_EQ(p.m_dAltitude, 90.0);
    p.m_dAltitude = -90;
    p.DiminuerAltitude();
    EXPECT_EQ(p.m_dAltitude, -90.0);
    AttendreVecteur(p.m_direction, 0, 0, -1);
    EXPECT_EQ(p.m_nHeure, 12); // no position computed
}

TEST(PositionSoleil, StepsUseTheOptionsTimeStepThenCompute) {
    Soleil s;
    s.A(5, 23, 50).Avancer();
    EXPECT_EQ(s.pos.m_nHeure, 0);
    EXPECT_EQ(s.pos.m_nMinute, 0);
    EXPECT_EQ(s.pos.m_nIndexDate, 5);
    Soleil minuit;
    minuit.A(5, 0, 0).CalculerPosition();
    EXPECT_EQ(s.pos.m_dAltitude, minuit.pos.m_dAltitude);
    EXPECT_NEAR(s.pos.m_direction.m_z, std::sin(s.pos.m_dAltitude * kDegVersRad), 1e-12);

    s.options.m_nPasMinutes = 30;
    s.pos.Reculer();
    EXPECT_EQ(s.pos.m_nHeure, 23);
    EXPECT_EQ(s.pos.m_nMinute, 30);
    EXPECT_EQ(s.pos.m_nIndexDate, 5);
}

TEST(PositionSoleil, WindowOpensReadsAndShows) {
    Soleil s;
    s.options.m_dCadence = 3;
    auto t = s.pos.Ouvrir();
    EXPECT_EQ(s.pos.m_bInitialise, 1);
    EXPECT_EQ(t.strHeure, "12");
    EXPECT_EQ(t.strAzimut, "180.63");
    EXPECT_EQ(t.strAltitude, "41.28");
    EXPECT_EQ(t.strReferenceTemps, "UT");
    EXPECT_EQ(s.pos.PeriodeAnimation(), 333);
    s.site.m_bIgnorerLongitude = 1;
    EXPECT_EQ(s.pos.Montrer().strReferenceTemps, "UT -diff");

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
    EXPECT_EQ(s.pos.m_nIndexDate, 5); // nothing read
    EXPECT_EQ(s.pos.m_nHeure, 12);
    t.strMinute = "59";
    ASSERT_FALSE(s.pos.Lire(t));
    EXPECT_EQ(s.pos.m_nIndexDate, 11);
    EXPECT_EQ(s.pos.m_nHeure, 7);
    EXPECT_EQ(s.pos.m_nMinute, 59);
    s.pos.Fermer();
    EXPECT_EQ(s.pos.m_bInitialise, 0);
}

} // namespace
