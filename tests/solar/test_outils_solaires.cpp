#include "document/OptionsCalcul.h"
#include "solar/CalculsPratiques.h"
#include "solar/ConfigurationGeographique.h"
#include "solar/InformationsSolaires.h"
#include "solar/PositionSoleil.h"
#include "solar/ProblemeInverse.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Soleil {
    CConfigurationGeographique site;
    COptionsCalcul options;
    CPositionSoleil pos{site, options};
};

// --- Solar information

TEST(InformationsSolaires, OpeningComputesTheFirstDate) {
    Soleil s;
    CInformationsSolaires info(s.pos);
    info.m_nIndexDate = 9;
    info.Ouvrir();
    EXPECT_EQ(info.m_nIndexDate, 0);
    EXPECT_NEAR(info.m_dDureeJour, 8.16, 1e-9);
    EXPECT_NEAR(info.m_dDureeJourPourcent, 34.02, 1e-9);
    EXPECT_NEAR(info.m_dAltitudeZenith, 18.36, 1e-9);
    EXPECT_EQ(info.m_nHeureZenith, 11);
    EXPECT_EQ(info.m_nMinuteZenith, 51);

    info.ChoisirDate(5);
    EXPECT_NEAR(info.m_dDureeJour, 12.03, 1e-9);
    EXPECT_NEAR(info.m_dAltitudeZenith, 41.28, 1e-9);
    EXPECT_EQ(info.m_nHeureZenith, 11);
    EXPECT_EQ(info.m_nMinuteZenith, 56);
}

TEST(InformationsSolaires, PolarDayAndPolarNight) {
    Soleil s;
    s.site.m_dLatitude = 80;
    CInformationsSolaires info(s.pos);
    info.ChoisirDate(11); // 21 june
    EXPECT_NEAR(info.m_dDureeJour, 24, 1e-9);
    EXPECT_NEAR(info.m_dDureeJourPourcent, 100, 1e-9);
    EXPECT_GT(info.m_dAltitudeZenith, 30);
    info.ChoisirDate(23); // 21 december
    EXPECT_EQ(info.m_dDureeJour, 0.0);
    EXPECT_EQ(info.m_dDureeJourPourcent, 0.0);
    EXPECT_LT(info.m_dAltitudeZenith, -10);
}

TEST(InformationsSolaires, AMinuteExactlyOnTheHorizonLineIsDaylight) {
    Soleil s;
    s.pos.m_nIndexDate = 5;
    s.pos.m_nHeure = 7;
    s.pos.m_nMinute = 30;
    s.pos.CalculerPosition();
    const double dAltitude = s.pos.m_dAltitude;
    ASSERT_GT(dAltitude, 0);

    CInformationsSolaires info(s.pos);
    s.site.m_dLigneHorizon = dAltitude;
    info.ChoisirDate(5);
    const double dSur = info.m_dDureeJour;
    s.site.m_dLigneHorizon = std::nextafter(dAltitude, 90.0);
    info.ChoisirDate(5);
    // At least the minute 07:30 drops out when the line rises past it.
    EXPECT_LE(info.m_dDureeJour, dSur - 0.016);
}

TEST(InformationsSolaires, HigherHorizonShortensTheDayNotTheZenith) {
    Soleil s;
    CInformationsSolaires info(s.pos);
    info.ChoisirDate(11);
    const double dDuree = info.m_dDureeJour;
    const double dZenith = info.m_dAltitudeZenith;
    const int nHeure = info.m_nHeureZenith;
    const int nMinute = info.m_nMinuteZenith;
    s.site.m_dLigneHorizon = 15;
    info.ChoisirDate(11);
    EXPECT_LT(info.m_dDureeJour, dDuree - 2);
    EXPECT_EQ(info.m_dAltitudeZenith, dZenith);
    EXPECT_EQ(info.m_nHeureZenith, nHeure);
    EXPECT_EQ(info.m_nMinuteZenith, nMinute);
}

TEST(InformationsSolaires, TheSunsDateAndTimeArePutBack) {
    Soleil s;
    s.pos.m_nIndexDate = 7;
    s.pos.m_nHeure = 14;
    s.pos.m_nMinute = 25;
    s.pos.m_direction = CVecteur(1, 0, 0);
    CInformationsSolaires info(s.pos);
    info.ChoisirDate(2);
    EXPECT_EQ(s.pos.m_nIndexDate, 7);
    EXPECT_EQ(s.pos.m_nHeure, 14);
    EXPECT_EQ(s.pos.m_nMinute, 25);
    EXPECT_EQ(s.pos.m_direction.m_x, 1.0);

    // Azimuth and altitude stay those of 23:59 of the scanned date.
    Soleil t;
    t.pos.m_nIndexDate = 2;
    t.pos.m_nHeure = 23;
    t.pos.m_nMinute = 59;
    t.pos.CalculerPosition();
    EXPECT_EQ(s.pos.m_dAzimut, t.pos.m_dAzimut);
    EXPECT_EQ(s.pos.m_dAltitude, t.pos.m_dAltitude);
}

// --- Reversed problem

TEST(ProblemeInverse, DefaultConeOverTheYearAtTheDefaultSite) {
    Soleil s;
    s.pos.m_nIndexDate = 3;
    s.pos.m_nHeure = 9;
    s.pos.m_nMinute = 41;
    CProblemeInverse pi(s.pos);
    EXPECT_EQ(pi.m_dAzimutMin, 160.0);
    EXPECT_EQ(pi.m_dAzimutMax, 200.0);
    EXPECT_EQ(pi.m_dAltitudeMin, 30.0);
    EXPECT_EQ(pi.m_dAltitudeMax, 70.0);
    EXPECT_FALSE(pi.m_bCalcule);
    const auto t = pi.Ouvrir();
    EXPECT_EQ(t.strAzimutMin, "160");
    EXPECT_EQ(t.strAltitudeMax, "70");
    ASSERT_FALSE(pi.Calculer(t));
    EXPECT_TRUE(pi.m_bCalcule);
    for (int d : {0, 1, 2, 20, 21, 22, 23}) {
        EXPECT_EQ(pi.m_dDurees[d], 0.0) << d; // midwinter: too low
    }
    for (int d = 4; d <= 18; ++d) {
        EXPECT_GT(pi.m_dDurees[d], 60.0) << d;
    }
    EXPECT_EQ(pi.m_dDurees[4], 134.0);
    EXPECT_EQ(pi.m_dDurees[11], 76.0);
    EXPECT_EQ(pi.Echelle(), 180);
    EXPECT_EQ(s.pos.m_nIndexDate, 3);
    EXPECT_EQ(s.pos.m_nHeure, 9);
    EXPECT_EQ(s.pos.m_nMinute, 41);

    // Reopening forgets the results until the next "Compute".
    pi.Ouvrir();
    EXPECT_FALSE(pi.m_bCalcule);
}

TEST(ProblemeInverse, WholeSkyAndReversedInterval) {
    Soleil s;
    CProblemeInverse pi(s.pos);
    ASSERT_FALSE(pi.Calculer({"0", "360", "-90", "90"}));
    for (double d : pi.m_dDurees) {
        EXPECT_EQ(d, 1440.0);
    }
    EXPECT_EQ(pi.Echelle(), 1440);
    // No wrap past the north: a minimum above the maximum counts nothing.
    ASSERT_FALSE(pi.Calculer({"350", "10", "-90", "90"}));
    for (double d : pi.m_dDurees) {
        EXPECT_EQ(d, 0.0);
    }
    EXPECT_EQ(pi.Echelle(), 90);
}

TEST(ProblemeInverse, ConeBoundsAreIncluded) {
    Soleil s;
    s.pos.m_nIndexDate = 6;
    s.pos.m_nHeure = 10;
    s.pos.m_nMinute = 0;
    s.pos.CalculerPosition();
    const double a = s.pos.m_dAzimut;
    const double h = s.pos.m_dAltitude;
    CProblemeInverse pi(s.pos);
    pi.m_dAzimutMin = pi.m_dAzimutMax = a;
    pi.m_dAltitudeMin = pi.m_dAltitudeMax = h;
    pi.CalculerDurees();
    EXPECT_GE(pi.m_dDurees[6], 1.0);
}

TEST(ProblemeInverse, RefusedFieldComputesNothing) {
    Soleil s;
    CProblemeInverse pi(s.pos);
    const struct {
        CTamponProblemeInverse t;
        int champ;
        const char* message;
    } cas[] = {
        {{"-1", "200", "30", "70"},
         CProblemeInverse::kChampAzimutMin,
         "Please enter a number between 0 and 360."},
        {{"160", "360.5", "30", "70"},
         CProblemeInverse::kChampAzimutMax,
         "Please enter a number between 0 and 360."},
        {{"160", "200", "-91", "70"},
         CProblemeInverse::kChampAltitudeMin,
         "Please enter a number between -90 and 90."},
        {{"160", "200", "30", "x"}, CProblemeInverse::kChampAltitudeMax, "Please enter a number."},
    };
    for (const auto& c : cas) {
        const auto refus = pi.Calculer(c.t);
        ASSERT_TRUE(refus);
        EXPECT_EQ(refus->nChamp, c.champ);
        EXPECT_EQ(refus->strMessage, c.message);
        EXPECT_FALSE(pi.m_bCalcule);
        EXPECT_EQ(pi.m_dAzimutMin, 160.0);
        EXPECT_EQ(pi.m_dAltitudeMax, 70.0);
    }
}

TEST(ProblemeInverse, ScaleThresholds) {
    Soleil s;
    CProblemeInverse pi(s.pos);
    const struct {
        double m;
        int S;
    } cas[] = {{0, 90},    {90, 90},   {91, 180},  {180, 180},  {180.5, 360},
               {360, 360}, {361, 720}, {720, 720}, {721, 1440}, {1440, 1440}};
    for (const auto& c : cas) {
        pi.m_dDurees.fill(0);
        pi.m_dDurees[13] = c.m;
        EXPECT_EQ(pi.Echelle(), c.S) << c.m;
    }
}

// --- Practical calculations

TEST(CalculsPratiques, RecommendedInclinationsAtOpening) {
    CConfigurationGeographique site;
    CCalculsPratiques cp(site);
    auto t = cp.Ouvrir();
    EXPECT_EQ(t.strInclinaisonHiver, "21.1");
    EXPECT_EQ(t.strInclinaisonEte, "61.1");
    EXPECT_EQ(t.strDescenteOmbre, "1");
    EXPECT_EQ(t.strEspacement, "1.414");
    EXPECT_EQ(t.strAvancee, "1");

    site.m_dLatitude = 75;
    cp.Ouvrir();
    EXPECT_EQ(cp.m_dInclinaisonHiver, 0.0);
    EXPECT_EQ(cp.m_dInclinaisonEte, 35.0);
    site.m_dLatitude = -30;
    cp.Ouvrir();
    EXPECT_EQ(cp.m_dInclinaisonHiver, 100.0);
    EXPECT_EQ(cp.m_dInclinaisonEte, 90.0);
}

TEST(CalculsPratiques, CanopyShadowAndPanelSpacing) {
    CConfigurationGeographique site;
    CCalculsPratiques cp(site);
    auto t = cp.Ouvrir();
    cp.m_dDescenteOmbre = cp.m_dEspacement = 0;
    ASSERT_FALSE(cp.CalculerAuvent(t));
    EXPECT_NEAR(cp.m_dDescenteOmbre, 1.0, 1e-12);
    EXPECT_EQ(t.strDescenteOmbre, "1");
    EXPECT_EQ(cp.m_dEspacement, 0.0); // the other group is not computed
    ASSERT_FALSE(cp.CalculerPanneaux(t));
    EXPECT_NEAR(cp.m_dEspacement, 1.414, 1e-12);
    EXPECT_EQ(t.strEspacement, "1.414");

    t.strAvancee = "2";
    t.strAltitudeAuvent = "60";
    ASSERT_FALSE(cp.CalculerAuvent(t));
    EXPECT_NEAR(cp.m_dDescenteOmbre, 3.464, 1e-12); // 2 tan 60 = 3.4641
    t.strTaillePanneaux = "2";
    t.strInclinaisonPanneaux = "30";
    t.strAltitudePanneaux = "20";
    ASSERT_FALSE(cp.CalculerPanneaux(t));
    EXPECT_NEAR(cp.m_dEspacement, 5.758, 1e-12); // 2 (cos 30 / tan 20 + sin 30) = 5.7588
}

TEST(CalculsPratiques, EitherComputeChecksEveryField) {
    CConfigurationGeographique site;
    CCalculsPratiques cp(site);
    const CTamponCalculsPratiques bon = cp.Ouvrir();
    const struct {
        const char* avancee;
        const char* taille;
        const char* altAuvent;
        const char* altPanneaux;
        const char* inclinaison;
        int champ;
        const char* message;
    } cas[] = {
        {"100.5", "1", "45", "45", "45", CCalculsPratiques::kChampAvancee,
         "Please enter a number between 0 and 100."},
        {"1", "-1", "45", "45", "45", CCalculsPratiques::kChampTaillePanneaux,
         "Please enter a number between 0 and 100."},
        {"1", "1", "0", "45", "45", CCalculsPratiques::kChampAltitudeAuvent,
         "Please enter a number between 0.01 and 89.99."},
        {"1", "1", "45", "90", "45", CCalculsPratiques::kChampAltitudePanneaux,
         "Please enter a number between 0.01 and 89.99."},
        {"1", "1", "45", "45", "90.1", CCalculsPratiques::kChampInclinaisonPanneaux,
         "Please enter a number between 0 and 90."},
        {"one", "1", "45", "45", "45", CCalculsPratiques::kChampAvancee, "Please enter a number."},
    };
    for (const auto& c : cas) {
        for (bool bAuvent : {true, false}) {
            CTamponCalculsPratiques t = bon;
            t.strAvancee = c.avancee;
            t.strTaillePanneaux = c.taille;
            t.strAltitudeAuvent = c.altAuvent;
            t.strAltitudePanneaux = c.altPanneaux;
            t.strInclinaisonPanneaux = c.inclinaison;
            const auto refus = bAuvent ? cp.CalculerAuvent(t) : cp.CalculerPanneaux(t);
            ASSERT_TRUE(refus);
            EXPECT_EQ(refus->nChamp, c.champ);
            EXPECT_EQ(refus->strMessage, c.message);
            EXPECT_EQ(cp.m_dAvancee, 1.0);
            EXPECT_EQ(cp.m_dAltitudePanneaux, 45.0);
            EXPECT_EQ(cp.m_dDescenteOmbre, 1.0);
            EXPECT_EQ(cp.m_dEspacement, 1.414);
        }
    }
    // The bounds themselves are accepted.
    CTamponCalculsPratiques t = bon;
    t.strAvancee = "0";
    t.strAltitudeAuvent = "89.99";
    t.strAltitudePanneaux = "0.01";
    t.strInclinaisonPanneaux = "90";
    EXPECT_FALSE(cp.CalculerAuvent(t));
    EXPECT_EQ(cp.m_dDescenteOmbre, 0.0);
}

} // namespace
