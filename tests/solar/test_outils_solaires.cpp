#include "SoleilTest.h"
#include "solar/CalculsPratiques.h"
#include "solar/InformationsSolaires.h"
#include "solar/ProblemeInverse.h"

#include <cmath>

namespace {

// Daylight, zenith and the reversed problem's durations over the year, at
// the default site then at latitude 80, and what the sun is left showing.
TEST(OutilsSolaires, OverTheYear) {
    Soleil s;
    s.A(7, 14, 0);
    CInformationsSolaires info(s.pos);
    CProblemeInverse pi(s.pos);
    const auto t = pi.Ouvrir();
    EXPECT_EQ(t.strAzimutMin + t.strAzimutMax + t.strAltitudeMin + t.strAltitudeMax, "1602003070");
    std::string texte;
    for (double dLatitude : {48.9, 80.0}) {
        s.site.m_dLatitude = dLatitude;
        ASSERT_FALSE(pi.Calculer(t));
        texte +=
            Ligne("# latitude %g: date, daylight h and %%, zenith, crossing minutes", dLatitude);
        for (int d = 0; d < 24; ++d) {
            info.ChoisirDate(d);
            texte += Ligne("%2d %5.2f %6.2f %5.2f %02d:%02d %4g", d, info.m_dDureeJour,
                           info.m_dDureeJourPourcent, info.m_dAltitudeZenith, info.m_nHeureZenith,
                           info.m_nMinuteZenith, pi.m_dDurees[d]);
        }
        texte += Ligne("scale %d", pi.Echelle());
    }
    // The sun's date and time are put back; its position is 23:59 of the scanned date.
    texte += Ligne("sun %d %02d:%02d %g %g", s.pos.m_nIndexDate, s.pos.m_nHeure, s.pos.m_nMinute,
                   s.pos.m_dAzimut, s.pos.m_dAltitude);
    ExpectGolden("solar/year.txt", texte);
    info.ChoisirDate(11); // 21 june at 80: the sun never sets
    EXPECT_NEAR(info.m_dDureeJour + info.m_dDureeJourPourcent, 124, 1e-9);
    // Shown as the platform shows a double, not with the rounding's last bits.
    EXPECT_EQ(info.Montrer().strDureeJourPourcent, "100");
    info.ChoisirDate(23); // 21 december: it never rises
    EXPECT_EQ(info.m_dDureeJour + info.m_dDureeJourPourcent, 0.0);
}

TEST(InformationsSolaires, HorizonLine) {
    Soleil s;
    Soleil t;
    t.A(5, 7, 30).CalculerPosition();
    CInformationsSolaires info(s.pos);
    info.ChoisirDate(5);
    const double dDuree = info.m_dDureeJour;
    const double dZenith = info.m_dAltitudeZenith;
    // A minute exactly on the line counts; it drops out once the line is above it.
    s.site.m_dLigneHorizon = t.pos.m_dAltitude;
    info.ChoisirDate(5);
    const double dSur = info.m_dDureeJour;
    s.site.m_dLigneHorizon = std::nextafter(t.pos.m_dAltitude, 90.0);
    info.ChoisirDate(5);
    EXPECT_LE(info.m_dDureeJour, dSur - 0.016);
    // A higher line shortens the day but leaves the zenith point.
    s.site.m_dLigneHorizon = 15;
    info.ChoisirDate(5);
    EXPECT_LT(info.m_dDureeJour, dDuree - 2);
    EXPECT_EQ(info.m_dAltitudeZenith, dZenith);
}

// The reversed problem's whole sky, its azimuths that never wrap past the
// north, its refusals and scales; the canopy and panel computations.
TEST(OutilsSolaires, ReversedProblemAndPracticalComputations) {
    CJournal j;
    Soleil s;
    CProblemeInverse pi(s.pos);
    const auto durees = [&](const char* szCas) {
        NOTER(j, szCas, pi.m_bCalcule, pi.m_dAzimutMin, pi.m_dDurees);
    };
    NOTER(j, pi.Calculer({"0", "360", "-90", "90"}));
    durees("whole sky");
    NOTER(j, pi.Calculer({"350", "10", "-90", "90"}));
    durees("no wrap past the north");
    pi.Ouvrir();
    durees("nothing drawn until the next Compute");
    NOTER(j, pi.Calculer({"350", "360.5", "-90", "90"}));
    NOTER(j, pi.Calculer({"0", "360", "-90", "x"}));
    durees("refused");
    for (double d : {0.0, 90.0, 91.0, 180.0, 180.5, 360.0, 361.0, 720.0, 721.0, 1440.0}) {
        pi.m_dDurees.fill(0);
        pi.m_dDurees[13] = d;
        NOTER(j, d, pi.Echelle());
    }

    CConfigurationGeographique site;
    CCalculsPratiques cp(site);
    auto t = cp.Ouvrir();
    const auto montrer = [&] {
        NOTER(j, t.strInclinaisonHiver, t.strInclinaisonEte, t.strDescenteOmbre, t.strEspacement,
              cp.m_dAvancee, cp.m_dDescenteOmbre, cp.m_dEspacement);
    };
    montrer();
    j.Titre("each Compute fills only its own group");
    cp.m_dDescenteOmbre = cp.m_dEspacement = 0;
    NOTER(j, cp.CalculerAuvent(t));
    montrer();
    t.strAvancee = "2";
    t.strAltitudeAuvent = "60";
    t.strTaillePanneaux = "2";
    t.strInclinaisonPanneaux = "30";
    t.strAltitudePanneaux = "20";
    j.Titre("2 tan 60 = 3.4641; 2 (cos 30 / tan 20 + sin 30) = 5.7588");
    NOTER(j, cp.CalculerAuvent(t));
    NOTER(j, cp.CalculerPanneaux(t));
    montrer();
    j.Titre("either Compute checks every field and then stores nothing");
    t.strAltitudePanneaux = "90";
    NOTER(j, cp.CalculerAuvent(t));
    t.strAltitudePanneaux = "20";
    t.strAvancee = "100.5";
    NOTER(j, cp.CalculerPanneaux(t));
    montrer();
    t.strAvancee = "0";
    t.strAltitudeAuvent = "0.01";
    NOTER(j, cp.CalculerAuvent(t));
    montrer();
    for (double d : {75.0, -30.0}) {
        site.m_dLatitude = d;
        cp.Ouvrir();
        NOTER(j, d, cp.m_dInclinaisonHiver, cp.m_dInclinaisonEte);
    }
    ExpectGolden("solar/tools.txt", j.m_texte);
}

} // namespace
