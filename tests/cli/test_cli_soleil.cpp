// The sun and the solar tools: rounded results come as the decimals the user reads.
#include "CliTest.h"

TEST_F(CliTest, SunOfTheWorkedExampleAtTheDefaultSiteOrAFilesAndItsOverrides) {
    // 2003, "21 march", 12:00 at Paris: the decimals the program shows.
    EXPECT_EQ(Lire({"sun", "--date", "21 march", "--time", "12:00"}).dump(),
              R"({"azimuth":180.63,"altitude":41.28,"direction":[-0.008262946786689747,)"
              R"(-0.7514490433923805,0.6597393871030262]})");
    const CVecteur d = Soleil(5, 12, 0).m_direction;
    EXPECT_NE(Cli({"sun", "--date", "21 march", "--time", "12:00"})
                  .sortie.find("azimuth    180.63 deg\naltitude   41.28 deg"),
              std::string::npos);
    // 2001, the equator, longitude ignored: the sun is near the zenith.
    Json json = Lire({"sun", "--date", "5", "--time", "12:00", "--year", "2001", "--lat", "0",
                      "--ignore-longitude"});
    EXPECT_NEAR(json["azimuth"].get<double>(), 78.2, 0.05);
    EXPECT_NEAR(json["altitude"].get<double>(), 88.2, 0.05);
    // The north turns the direction, not the azimuth.
    json = Lire({"sun", "--date", "5", "--time", "12:00", "--north", "90"});
    EXPECT_EQ(json["azimuth"], 180.63);
    EXPECT_NEAR(json["direction"][0].get<double>(), d.m_y, 1e-12);
    EXPECT_NEAR(json["direction"][1].get<double>(), -d.m_x, 1e-12);
    // At Marseille (the panels example), unless an override says otherwise.
    const std::string panneaux = EcrireExemple("panels");
    Charger(panneaux);
    const CPositionSoleil& s = Soleil(11, 9, 30);
    json = Lire({"sun", panneaux, "--date", "21 june", "--time", "09:30"});
    EXPECT_EQ(Valeurs(json), (Json{Lu(s.m_dAzimut, 2), Lu(s.m_dAltitude, 2), json["direction"]}));
    const Json paris = Lire({"sun", "--date", "21 june", "--time", "09:30"});
    EXPECT_NE(json["altitude"], paris["altitude"]);
    EXPECT_EQ(Lire({"sun", panneaux, "--date", "21 june", "--time", "09:30", "--lat", "48.9",
                    "--lon", "-2.3"})["altitude"],
              paris["altitude"]);
}

TEST_F(CliTest, SolarInformationOfADate) {
    // A long day at Paris, the sun highest a little before noon UT.
    EXPECT_EQ(Lire({"solar-info", EcrireExemple("house"), "--date", "21 june"}).dump(),
              R"({"daylight_hours":15.96,"daylight_percent":66.52,"zenith_altitude":64.53,)"
              R"("zenith_hour":11,"zenith_minute":50})");
}

TEST_F(CliTest, ReversedProblemDurations) {
    const std::string maison = Maison();
    CProblemeInverse& p = m_doc.m_problemeInverse;
    p.CalculerDurees(); // the dialog's default cone
    EXPECT_EQ(Lire({"reversed", maison}), (Json{{"durations", p.m_dDurees}}));
    std::tie(p.m_dAzimutMin, p.m_dAzimutMax, p.m_dAltitudeMin, p.m_dAltitudeMax) =
        std::tuple{90, 270, -10, 10};
    p.CalculerDurees();
    EXPECT_EQ(Lire({"reversed", maison, "--azimuth", "90", "270", "--altitude", "-10", "10"}),
              (Json{{"durations", p.m_dDurees}}));
    // Midwinter never enters the default cone; spring does; and the azimuth
    // interval does not wrap past the north.
    const Json json = Lire({"reversed", maison});
    EXPECT_EQ(json["durations"][0], 0);
    EXPECT_GT(json["durations"][5].get<double>(), 60);
    EXPECT_EQ(Lire({"reversed", maison, "--azimuth", "200", "160"})["durations"],
              Json(std::vector<double>(24, 0.0)));
}

TEST_F(CliTest, PracticalCalculations) {
    // Exactly what the dialog computes at 48.9 (90 - (48.9 + 20)), shown as 21.1.
    EXPECT_EQ(Lire({"practical"}).dump(), R"({"winter_inclination":21.099999999999994,)"
                                          R"("summer_inclination":61.1,"shadow_descent":1,)"
                                          R"("spacing":1.414})");
    const std::string table = Cli({"practical"}).sortie;
    EXPECT_TRUE(table.find("21.1 deg") != table.npos && table.find("1.414 m") != table.npos);
    EXPECT_EQ(Lire({"practical", "--lat", "75"})["winter_inclination"], 0);
    EXPECT_EQ(Lire({"practical", "--lat", "-30"})["summer_inclination"], 90);
    // 2 tan 60, and (cos 30 / tan 30 + sin 30) * 2.
    const Json json =
        Lire({"practical", "--overhang", "2", "--canopy-altitude", "60", "--panel-size", "2",
              "--panel-altitude", "30", "--panel-inclination", "30"});
    EXPECT_EQ((Json{json["shadow_descent"], json["spacing"]}).dump(), "[3.464,4]");
}
