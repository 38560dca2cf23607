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

TEST(PositionSoleil, WorkedExamples) {
    using P = CPositionSoleil;
    EXPECT_EQ(P::NumeroJour(5, 2001), 730976);
    EXPECT_EQ(P::JoursDepuisEpoque(730976, 12, 0), 445.0);
    EXPECT_EQ(P::NumeroJour(5, 2003), 731706);
    EXPECT_EQ(P::JoursDepuisEpoque(731706, 12, 0), 1175.0);
    EXPECT_EQ(P::NumeroJour(0, 2003), 731630);
    EXPECT_EQ(P::JoursDepuisEpoque(731630, 0, 0), 1098.5);
    EXPECT_EQ(P::NumeroJour(0, 2005) - P::NumeroJour(0, 2004), 366);

    const struct {
        int annee;
        double lat, lon, horizon;
        int date, heure, minute;
        double azimut, altitude;
    } cas[] = {
        {2001, 0, 0, 30, 5, 12, 0, 78.17, 88.17}, // the horizon line plays no part
        {2003, 48.9, -2.3, 0, 5, 12, 0, 180.63, 41.28},
        {2003, 48.9, -2.3, 0, 11, 12, 0, 184.0, 64.49},
        {2003, 60.1, -25.0, 0, 16, 22, 19, 360.0, -22.83}, // just below 360 rounds to 360
    };
    for (const auto& c : cas) {
        Soleil s;
        s.options.m_nAnnee = c.annee;
        s.site.m_dLatitude = c.lat;
        s.site.m_dLongitude = c.lon;
        s.site.m_dLigneHorizon = c.horizon;
        s.A(c.date, c.heure, c.minute).CalculerPosition();
        EXPECT_NEAR(s.pos.m_dAzimut, c.azimut, 1e-9) << c.lat << " " << c.date;
        EXPECT_NEAR(s.pos.m_dAltitude, c.altitude, 1e-9) << c.lat << " " << c.date;
        EXPECT_EQ(s.pos.m_direction.Norme(), 0.0); // the position only
    }
    // Ignoring the longitude is computing at longitude 0.
    Soleil zero;
    Soleil paris;
    zero.site.m_dLongitude = 0;
    paris.site.m_bIgnorerLongitude = 1;
    zero.A(8, 17, 3).CalculerPosition();
    paris.A(8, 17, 3).CalculerPosition();
    EXPECT_EQ(zero.pos.m_dAzimut, paris.pos.m_dAzimut);
    EXPECT_EQ(zero.pos.m_dAltitude, paris.pos.m_dAltitude);
}

TEST(PositionSoleil, AdvancingMinutesWrapsTheDayNotTheDate) {
    Soleil s;
    CPositionSoleil& p = s.A(7, 23, 55);
    const int attendus[][3] = {{10, 0, 5},    {-10, 23, 55}, {60, 0, 55},
                               {-60, 23, 55}, {130, 2, 5},   {-1445, 2, 0}};
    for (const auto& a : attendus) {
        p.AvancerMinutes(a[0]);
        EXPECT_EQ(p.m_nHeure * 60 + p.m_nMinute, a[1] * 60 + a[2]) << a[0];
    }
    EXPECT_EQ(p.m_nIndexDate, 7);
    // The steps use the options' time step, then compute.
    s.A(5, 23, 50).Avancer();
    EXPECT_EQ(p.m_nHeure * 60 + p.m_nMinute, 0);
    Soleil minuit;
    minuit.A(5, 0, 0).CalculerPosition();
    EXPECT_EQ(p.m_dAltitude, minuit.pos.m_dAltitude);
    EXPECT_NEAR(p.m_direction.m_z, std::sin(p.m_dAltitude * kDegVersRad), 1e-12);
    s.options.m_nPasMinutes = 30;
    p.Reculer();
    EXPECT_EQ(p.m_nHeure * 60 + p.m_nMinute, 23 * 60 + 30);
    EXPECT_EQ(p.m_nIndexDate, 5);
}

TEST(PositionSoleil, DirectionAndNudges) {
    Soleil s;
    CPositionSoleil& p = s.pos;
    // (cos A sin(Z + N), cos A cos(Z + N), sin A)
    const double cas[][6] = {{90, 0, 0, 0, 0, 1},
                             {90, 37.5, 0, 0, 0, 1},
                             {90, 359, 0, 0, 0, 1},
                             {0, 90, 0, 1, 0, 0},
                             {25.5, 200.25, 30, 0, 0, 0}};
    for (const auto& c : cas) {
        p.m_dAltitude = c[0];
        p.m_dAzimut = c[1];
        s.site.m_dDirectionNord = c[2];
        p.CalculerDirection();
        const double a = c[0] * kDegVersRad;
        const double zn = (c[1] + c[2]) * kDegVersRad;
        EXPECT_NEAR(p.m_direction.m_x, std::cos(a) * std::sin(zn), 1e-12);
        EXPECT_NEAR(p.m_direction.m_y, std::cos(a) * std::cos(zn), 1e-12);
        EXPECT_NEAR(p.m_direction.m_z, std::sin(a), 1e-12);
    }
    s.site.m_dDirectionNord = 0;

    // Whole degrees first, then one degree; the direction follows, the time does not.
    const struct {
        double azimut, altitude;
        void (CPositionSoleil::*bouton)();
        double apres;
    } boutons[] = {
        {180.63, 0, &CPositionSoleil::DiminuerAzimut, 180},
        {180, 0, &CPositionSoleil::DiminuerAzimut, 179},
        {180.63, 0, &CPositionSoleil::AugmenterAzimut, 181},
        {0, 0, &CPositionSoleil::DiminuerAzimut, 359},
        {359.2, 0, &CPositionSoleil::AugmenterAzimut, 0},
        {0, 89.5, &CPositionSoleil::AugmenterAltitude, 90},
        {0, 90, &CPositionSoleil::AugmenterAltitude, 90},
        {0, -90, &CPositionSoleil::DiminuerAltitude, -90},
    };
    for (const auto& b : boutons) {
        p.m_dAzimut = b.azimut;
        p.m_dAltitude = b.altitude;
        (p.*b.bouton)();
        const bool bAzimut = b.bouton == &CPositionSoleil::DiminuerAzimut ||
                             b.bouton == &CPositionSoleil::AugmenterAzimut;
        EXPECT_EQ(bAzimut ? p.m_dAzimut : p.m_dAltitude, b.apres) << b.azimut << " " << b.altitude;
        EXPECT_NEAR(p.m_direction.m_z, std::sin(p.m_dAltitude * kDegVersRad), 1e-12);
        EXPECT_NEAR(p.m_direction.m_y,
                    std::cos(p.m_dAltitude * kDegVersRad) * std::cos(p.m_dAzimut * kDegVersRad),
                    1e-12);
    }
    EXPECT_EQ(p.m_nHeure, 12); // no position computed
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
    const struct {
        const char *heure, *minute;
        int champ;
        const char* message;
    } refus[] = {
        {"24", "0", CPositionSoleil::kChampHeure, "Please enter an integer between 0 and 23."},
        {"7", "60", CPositionSoleil::kChampMinute, "Please enter an integer between 0 and 59."}};
    for (const auto& r : refus) {
        t.strHeure = r.heure;
        t.strMinute = r.minute;
        const auto k = s.pos.Lire(t);
        ASSERT_TRUE(k);
        EXPECT_EQ(k->nChamp, r.champ);
        EXPECT_EQ(k->strMessage, r.message);
        EXPECT_EQ(s.pos.m_nIndexDate, 5); // nothing read
        EXPECT_EQ(s.pos.m_nHeure, 12);
    }
    t.strMinute = "59";
    ASSERT_FALSE(s.pos.Lire(t));
    EXPECT_EQ(s.pos.m_nIndexDate * 10000 + s.pos.m_nHeure * 100 + s.pos.m_nMinute, 110759);
    s.pos.Fermer();
    EXPECT_EQ(s.pos.m_bInitialise, 0);
}

} // namespace
