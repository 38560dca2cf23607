#include "SoleilTest.h"

#include <array>
#include <map>

namespace {

TEST(PositionSoleil, WorkedExamplesStepsDirectionNudgesAndWindow) {
    CJournal j;
    j.Titre("day numbers and days since the epoch");
    using P = CPositionSoleil;
    for (const auto& [d, a, h] : {std::tuple{5, 2001, 12}, {5, 2003, 12}, {0, 2003, 0}}) {
        NOTER(j, d, a, h, P::NumeroJour(d, a), P::JoursDepuisEpoque(P::NumeroJour(d, a), h, 0));
    }
    NOTER(j, P::NumeroJour(0, 2005) - P::NumeroJour(0, 2004));
    j.Titre("year, latitude, longitude, horizon, date, hour, minute: azimuth, altitude, direction");
    for (auto& l : Table("tables/sun_positions.txt")) {
        std::array<double, 7> c{};
        for (double& x : c) {
            l >> x;
        }
        ASSERT_TRUE(Lue(l)) << l.str();
        Soleil s;
        s.options.m_nAnnee = static_cast<int>(c[0]);
        s.site.m_dLatitude = c[1];
        s.site.m_dLongitude = c[2];
        s.site.m_dLigneHorizon = c[3];
        s.A(static_cast<int>(c[4]), static_cast<int>(c[5]), static_cast<int>(c[6]))
            .CalculerPosition();
        NOTER(j, c, s.pos.m_dAzimut, s.pos.m_dAltitude, s.pos.m_direction);
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

    Soleil s;
    CPositionSoleil& p = s.A(7, 23, 55);
    j.Titre("advancing minutes wraps the day, not the date");
    for (int n : {10, -10, 60, -60, 130, -1445}) {
        p.AvancerMinutes(n);
        NOTER(j, n, p.m_nIndexDate, p.m_nHeure, p.m_nMinute);
    }
    j.Titre("the steps use the options' time step, then compute");
    s.A(5, 23, 50).Avancer();
    NOTER(j, p.m_nHeure, p.m_nMinute, p.m_dAltitude, p.m_direction);
    s.options.m_nPasMinutes = 30;
    p.Reculer();
    NOTER(j, p.m_nIndexDate, p.m_nHeure, p.m_nMinute);

    j.Titre("direction (cos A sin(Z + N), cos A cos(Z + N), sin A) of altitude, azimuth, north");
    const double directions[][3] = {
        {90, 0, 0}, {90, 37.5, 0}, {90, 359, 0}, {0, 90, 0}, {25.5, 200.25, 30}};
    for (const auto& c : directions) {
        p.m_dAltitude = c[0];
        p.m_dAzimut = c[1];
        s.site.m_dDirectionNord = c[2];
        p.CalculerDirection();
        NOTER(j, c, p.m_direction);
    }
    s.site.m_dDirectionNord = 0;
    j.Titre("whole degrees first, then one degree; the direction follows, the time does not");
    const std::map<std::string, void (P::*)()> boutons = {{"-azimuth", &P::DiminuerAzimut},
                                                          {"+azimuth", &P::AugmenterAzimut},
                                                          {"-altitude", &P::DiminuerAltitude},
                                                          {"+altitude", &P::AugmenterAltitude}};
    for (auto& l : Table("tables/sun_buttons.txt")) {
        struct {
            std::string szBouton;
            double azimut = 0, altitude = 0;
        } b;
        l >> b.szBouton >> b.azimut >> b.altitude;
        ASSERT_TRUE(Lue(l)) << l.str();
        p.m_dAzimut = b.azimut;
        p.m_dAltitude = b.altitude;
        (p.*boutons.at(b.szBouton))();
        NOTER(j, b.szBouton, b.azimut, b.altitude, p.m_dAzimut, p.m_dAltitude, p.m_direction,
              p.m_nHeure);
    }

    j.Titre("the window opens at noon, reads the time or refuses it whole, and closes");
    Soleil w;
    w.options.m_dCadence = 3;
    auto t = w.pos.Ouvrir();
    NOTER(j, w.pos.m_bInitialise, t.strHeure, t.strAzimut, t.strAltitude, t.strReferenceTemps,
          w.pos.PeriodeAnimation());
    w.site.m_bIgnorerLongitude = 1;
    NOTER(j, w.pos.Montrer().strReferenceTemps);
    t.nIndexDate = 11;
    for (const auto& [h, m] : {std::pair{"24", "0"}, {"7", "60"}, {"7", "59"}}) {
        t.strHeure = h;
        t.strMinute = m;
        NOTER(j, h, m, w.pos.Lire(t), w.pos.m_nIndexDate, w.pos.m_nHeure, w.pos.m_nMinute);
    }
    w.pos.Fermer();
    NOTER(j, w.pos.m_bInitialise);
    ExpectGolden("solar/sun.txt", j.m_texte);
}

} // namespace
