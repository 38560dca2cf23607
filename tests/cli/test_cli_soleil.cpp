// The sun and the solar tools through the CLI: sun, solar-info, reversed,
// practical.
#include "CliTest.h"

#include <cmath>

TEST_F(CliTest, SunOfTheWorkedExampleAtTheDefaultSite) {
    // 2003, "21 march", 12:00 at Paris.
    const CJsonLu json = Json({"sun", "--date", "21 march", "--time", "12:00"});
    EXPECT_EQ(json.Cles(), (std::vector<std::string>{"azimuth", "altitude", "direction"}));
    EXPECT_NEAR(json["azimuth"].d, 180.63, 1e-9);
    EXPECT_NEAR(json["altitude"].d, 41.28, 1e-9);
    // Exactly the core's values, direction included.
    CPositionSoleil& soleil = m_doc.m_positionSoleil;
    soleil.m_nIndexDate = 5;
    soleil.m_nHeure = 12;
    soleil.m_nMinute = 0;
    soleil.CalculerPosition();
    soleil.CalculerDirection();
    EXPECT_EQ(json["azimuth"].d, soleil.m_dAzimut);
    EXPECT_EQ(json["altitude"].d, soleil.m_dAltitude);
    ASSERT_EQ(json["direction"].Taille(), 3u);
    EXPECT_EQ(json["direction"][0].d, soleil.m_direction.m_x);
    EXPECT_EQ(json["direction"][1].d, soleil.m_direction.m_y);
    EXPECT_EQ(json["direction"][2].d, soleil.m_direction.m_z);

    const CResultatCli table = Cli({"sun", "--date", "21 march", "--time", "12:00"});
    EXPECT_EQ(table.nCode, 0);
    EXPECT_NE(table.sortie.find("azimuth    180.63 deg"), std::string::npos) << table.sortie;
    EXPECT_NE(table.sortie.find("altitude   41.28 deg"), std::string::npos) << table.sortie;

    const CJsonLu juin = Json({"sun", "--date", "21 june", "--time", "12:00"});
    EXPECT_NEAR(juin["azimuth"].d, 184.0, 1e-9);
    EXPECT_NEAR(juin["altitude"].d, 64.49, 1e-9);
}

TEST_F(CliTest, SunDateFormsAndOverrides) {
    const std::string attendu = Cli({"sun", "--date", "21 march", "--time", "12:00"}).sortie;
    for (const char* date : {"5", "05", "21 March", "  21   MARCH ", "21 march"}) {
        EXPECT_EQ(Cli({"sun", "--date", date, "--time", "12:00"}).sortie, attendu) << date;
    }
    EXPECT_EQ(Cli({"sun", "--date=5", "--time=12:00"}).sortie, attendu);
    EXPECT_EQ(Cli({"sun", "--date", "4 january", "--time", "0:00"}).sortie,
              Cli({"sun", "--date", "0", "--time", "00:00"}).sortie);

    // 2001, the equator, longitude ignored: the sun is near the zenith.
    const CJsonLu equateur = Json({"sun", "--date", "21 march", "--time", "12:00", "--year", "2001",
                                   "--lat", "0", "--ignore-longitude"});
    EXPECT_NEAR(equateur["azimuth"].d, 78.2, 0.05);
    EXPECT_NEAR(equateur["altitude"].d, 88.2, 0.05);

    // The north turns the direction, not the azimuth.
    const CJsonLu tourne = Json({"sun", "--date", "5", "--time", "12:00", "--north", "90"});
    const CJsonLu droit = Json({"sun", "--date", "5", "--time", "12:00"});
    EXPECT_EQ(tourne["azimuth"].d, droit["azimuth"].d);
    EXPECT_NEAR(tourne["direction"][0].d, droit["direction"][1].d, 1e-12);
    EXPECT_NEAR(tourne["direction"][1].d, -droit["direction"][0].d, 1e-12);
}

TEST_F(CliTest, SunAtTheSiteOfAFile) {
    const std::string panneaux = EcrireExemple("panels");
    Charger(panneaux);
    CPositionSoleil& soleil = m_doc.m_positionSoleil;
    soleil.m_nIndexDate = 11;
    soleil.m_nHeure = 9;
    soleil.m_nMinute = 30;
    soleil.CalculerPosition();
    const CJsonLu json = Json({"sun", panneaux, "--date", "21 june", "--time", "09:30"});
    EXPECT_EQ(json["azimuth"].d, soleil.m_dAzimut);
    EXPECT_EQ(json["altitude"].d, soleil.m_dAltitude);
    // Marseille is not the default site.
    const CJsonLu paris = Json({"sun", "--date", "21 june", "--time", "09:30"});
    EXPECT_NE(json["altitude"].d, paris["altitude"].d);
    // An override beats the file.
    const CJsonLu force = Json({"sun", panneaux, "--date", "21 june", "--time", "09:30", "--lat",
                                "48.9", "--lon", "-2.3"});
    EXPECT_EQ(force["altitude"].d, paris["altitude"].d);
}

TEST_F(CliTest, SolarInformationOfADate) {
    const std::string maison = EcrireExemple("house");
    Charger(maison);
    CInformationsSolaires& infos = m_doc.m_informationsSolaires;
    infos.ChoisirDate(11);
    const CJsonLu json = Json({"solar-info", maison, "--date", "21 june"});
    EXPECT_EQ(json.Cles(),
              (std::vector<std::string>{"daylight_hours", "daylight_percent", "zenith_altitude",
                                        "zenith_hour", "zenith_minute"}));
    EXPECT_EQ(json["daylight_hours"].d, infos.m_dDureeJour);
    EXPECT_EQ(json["daylight_percent"].d, infos.m_dDureeJourPourcent);
    EXPECT_EQ(json["zenith_altitude"].d, infos.m_dAltitudeZenith);
    EXPECT_EQ(json["zenith_hour"].d, infos.m_nHeureZenith);
    EXPECT_EQ(json["zenith_minute"].d, infos.m_nMinuteZenith);
    // A long day at Paris, the sun highest a little before noon UT.
    EXPECT_NEAR(json["daylight_hours"].d, 15.96, 1e-9);
    EXPECT_EQ(json["zenith_hour"].d, 11);
}

TEST_F(CliTest, ReversedProblemDurations) {
    const std::string maison = EcrireExemple("house");
    Charger(maison);
    CProblemeInverse& probleme = m_doc.m_problemeInverse;
    probleme.CalculerDurees(); // the dialog's default cone
    const CJsonLu json = Json({"reversed", maison});
    EXPECT_EQ(json.Cles(), std::vector<std::string>{"durations"});
    ASSERT_EQ(json["durations"].Taille(), 24u);
    for (std::size_t i = 0; i < 24; ++i) {
        EXPECT_EQ(json["durations"][i].d, probleme.m_dDurees[i]) << i;
    }
    // Midwinter never enters the default cone; spring does.
    EXPECT_EQ(json["durations"][0].d, 0);
    EXPECT_GT(json["durations"][5].d, 60);

    probleme.m_dAzimutMin = 90;
    probleme.m_dAzimutMax = 270;
    probleme.m_dAltitudeMin = -10;
    probleme.m_dAltitudeMax = 10;
    probleme.CalculerDurees();
    const CJsonLu cone =
        Json({"reversed", maison, "--azimuth", "90", "270", "--altitude", "-10", "10"});
    for (std::size_t i = 0; i < 24; ++i) {
        EXPECT_EQ(cone["durations"][i].d, probleme.m_dDurees[i]) << i;
    }
    // The azimuth interval does not wrap past the north.
    const CJsonLu inverse = Json({"reversed", maison, "--azimuth", "200", "160"});
    for (std::size_t i = 0; i < 24; ++i) {
        EXPECT_EQ(inverse["durations"][i].d, 0);
    }
}

TEST_F(CliTest, PracticalCalculations) {
    const CJsonLu json = Json({"practical"});
    EXPECT_EQ(json.Cles(), (std::vector<std::string>{"winter_inclination", "summer_inclination",
                                                     "shadow_descent", "spacing"}));
    // Exactly what the dialog computes at 48.9, which it shows as 21.1.
    EXPECT_EQ(json["winter_inclination"].d, 90 - (48.9 + 20));
    EXPECT_NEAR(json["winter_inclination"].d, 21.1, 1e-9);
    EXPECT_NEAR(json["summer_inclination"].d, 61.1, 1e-9);
    EXPECT_NEAR(json["shadow_descent"].d, 1, 1e-12);
    EXPECT_NEAR(json["spacing"].d, 1.414, 1e-12);

    const CResultatCli table = Cli({"practical"});
    EXPECT_NE(table.sortie.find("21.1 deg"), std::string::npos) << table.sortie;
    EXPECT_NE(table.sortie.find("1.414 m"), std::string::npos) << table.sortie;

    const CJsonLu nord = Json({"practical", "--lat", "75"});
    EXPECT_EQ(nord["winter_inclination"].d, 0);
    const CJsonLu sud = Json({"practical", "--lat", "-30"});
    EXPECT_EQ(sud["summer_inclination"].d, 90);

    const CJsonLu auvent =
        Json({"practical", "--overhang", "2", "--canopy-altitude", "60", "--panel-size", "2",
              "--panel-altitude", "30", "--panel-inclination", "30"});
    EXPECT_NEAR(auvent["shadow_descent"].d, 3.464, 1e-12); // 2 tan 60
    EXPECT_NEAR(auvent["spacing"].d, 4.0, 1e-12);          // (cos 30 / tan 30 + sin 30) * 2
}
