// The sun and the solar tools through the CLI: sun, solar-info, reversed,
// practical. Rounded results come as the decimals the user reads.
#include "CliTest.h"

TEST_F(CliTest, SunOfTheWorkedExampleAtTheDefaultSiteOrAFilesAndItsOverrides) {
    // 2003, "21 march", 12:00 at Paris: the decimals the program shows.
    const CResultatCli r = Cli({"sun", "--date", "21 march", "--time", "12:00", "--json"});
    EXPECT_NE(r.sortie.find("\"azimuth\": 180.63,\n  \"altitude\": 41.28,\n"), std::string::npos)
        << r.sortie;
    const CPositionSoleil& s = Soleil(5, 12, 0);
    const CVecteur d = s.m_direction;
    EXPECT_EQ(Cles(Json::parse(r.sortie)), "azimuth altitude direction");
    EXPECT_EQ(Valeurs(Json::parse(r.sortie)),
              (Json{Lu(s.m_dAzimut, 2), Lu(s.m_dAltitude, 2), {d.m_x, d.m_y, d.m_z}}));
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
    Soleil(11, 9, 30);
    json = Lire({"sun", panneaux, "--date", "21 june", "--time", "09:30"});
    EXPECT_EQ((Json{json["azimuth"], json["altitude"]}),
              (Json{Lu(s.m_dAzimut, 2), Lu(s.m_dAltitude, 2)}));
    const Json paris = Lire({"sun", "--date", "21 june", "--time", "09:30"});
    EXPECT_NE(json["altitude"], paris["altitude"]);
    EXPECT_EQ(Lire({"sun", panneaux, "--date", "21 june", "--time", "09:30", "--lat", "48.9",
                    "--lon", "-2.3"})["altitude"],
              paris["altitude"]);
}

TEST_F(CliTest, SolarInformationOfADate) {
    const std::string maison = EcrireExemple("house");
    Charger(maison);
    CInformationsSolaires& i = m_doc.m_informationsSolaires;
    i.ChoisirDate(11);
    const Json json = Lire({"solar-info", maison, "--date", "21 june"});
    EXPECT_EQ(Cles(json), "daylight_hours daylight_percent zenith_altitude zenith_hour "
                          "zenith_minute");
    EXPECT_EQ(Valeurs(json),
              (Json{Lu(i.m_dDureeJour, 2), Lu(i.m_dDureeJourPourcent, 2),
                    Lu(i.m_dAltitudeZenith, 2), i.m_nHeureZenith, i.m_nMinuteZenith}));
    // A long day at Paris, the sun highest a little before noon UT.
    EXPECT_EQ((Json{json["daylight_hours"], json["zenith_hour"]}), (Json{15.96, 11}));
}

TEST_F(CliTest, ReversedProblemDurations) {
    const std::string maison = EcrireExemple("house");
    Charger(maison);
    CProblemeInverse& p = m_doc.m_problemeInverse;
    const struct {
        std::vector<std::string> options;
        double dAzimutMin, dAzimutMax, dAltitudeMin, dAltitudeMax;
    } cas[] = {
        {{}, 160, 200, 30, 70}, // the dialog's default cone
        {{"--azimuth", "90", "270", "--altitude", "-10", "10"}, 90, 270, -10, 10},
    };
    for (const auto& c : cas) {
        std::vector<std::string> arguments = {"reversed", maison};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        std::tie(p.m_dAzimutMin, p.m_dAzimutMax) = std::pair{c.dAzimutMin, c.dAzimutMax};
        std::tie(p.m_dAltitudeMin, p.m_dAltitudeMax) = std::pair{c.dAltitudeMin, c.dAltitudeMax};
        p.CalculerDurees();
        EXPECT_EQ(Lire(arguments), (Json{{"durations", p.m_dDurees}})) << c.dAzimutMin;
    }
    // Midwinter never enters the default cone; spring does; and the azimuth
    // interval does not wrap past the north.
    const Json json = Lire({"reversed", maison});
    EXPECT_EQ(json["durations"][0], 0);
    EXPECT_GT(json["durations"][5].get<double>(), 60);
    EXPECT_EQ(Lire({"reversed", maison, "--azimuth", "200", "160"})["durations"],
              Json(std::vector<double>(24, 0.0)));
}

TEST_F(CliTest, PracticalCalculations) {
    // Exactly what the dialog computes at 48.9, which it shows as 21.1.
    const Json json = Lire({"practical"});
    EXPECT_EQ(Cles(json), "winter_inclination summer_inclination shadow_descent spacing");
    EXPECT_EQ(Valeurs(json), (Json{90 - (48.9 + 20), 61.1, 1, 1.414}));
    const CResultatCli table = Cli({"practical"});
    EXPECT_NE(table.sortie.find("21.1 deg"), std::string::npos) << table.sortie;
    EXPECT_NE(table.sortie.find("1.414 m"), std::string::npos) << table.sortie;
    EXPECT_EQ(Lire({"practical", "--lat", "75"})["winter_inclination"], 0);
    EXPECT_EQ(Lire({"practical", "--lat", "-30"})["summer_inclination"], 90);
    // 2 tan 60, and (cos 30 / tan 30 + sin 30) * 2.
    EXPECT_EQ(
        Valeurs(Lire({"practical", "--overhang", "2", "--canopy-altitude", "60", "--panel-size",
                      "2", "--panel-altitude", "30", "--panel-inclination", "30"})),
        (Json{21.099999999999994, 61.1, 3.464, 4}));
}
