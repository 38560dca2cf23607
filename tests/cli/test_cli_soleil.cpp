// The sun and the solar tools through the CLI: sun, solar-info, reversed,
// practical. Rounded results come as the decimals the user reads.
#include "CliTest.h"

TEST_F(CliTest, SunOfTheWorkedExampleAndItsOverrides) {
    // 2003, "21 march", 12:00 at Paris: exactly the decimals the program shows.
    const CResultatCli texte = Cli({"sun", "--date", "21 march", "--time", "12:00", "--json"});
    EXPECT_NE(texte.sortie.find("\"azimuth\": 180.63,\n  \"altitude\": 41.28,"), std::string::npos)
        << texte.sortie;
    Json json = Json::parse(texte.sortie);
    EXPECT_EQ(Cles(json), (std::vector<std::string>{"azimuth", "altitude", "direction"}));
    const CPositionSoleil& soleil = Soleil(5, 12, 0);
    EXPECT_EQ(json["azimuth"], Lu(soleil.m_dAzimut, 2));
    EXPECT_EQ(json["direction"],
              (Json{soleil.m_direction.m_x, soleil.m_direction.m_y, soleil.m_direction.m_z}));
    const CResultatCli table = Cli({"sun", "--date", "21 march", "--time", "12:00"});
    EXPECT_NE(table.sortie.find("azimuth    180.63 deg\naltitude   41.28 deg"), std::string::npos);

    const struct {
        std::vector<std::string> options;
        double dAzimut, dAltitude, dTolerance;
    } cas[] = {
        {{"--date", "21 june"}, 184.0, 64.49, 0},
        // 2001, the equator, longitude ignored: the sun is near the zenith.
        {{"--date", "21 march", "--year", "2001", "--lat", "0", "--ignore-longitude"},
         78.2,
         88.2,
         0.05},
    };
    for (const auto& c : cas) {
        std::vector<std::string> arguments = {"sun", "--time", "12:00"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        json = Lire(arguments);
        EXPECT_NEAR(json["azimuth"].get<double>(), c.dAzimut, c.dTolerance) << c.options[1];
        EXPECT_NEAR(json["altitude"].get<double>(), c.dAltitude, c.dTolerance) << c.options[1];
    }
    // The north turns the direction, not the azimuth.
    const Json tourne = Lire({"sun", "--date", "5", "--time", "12:00", "--north", "90"});
    EXPECT_EQ(tourne["azimuth"], 180.63);
    EXPECT_NEAR(tourne["direction"][0].get<double>(), soleil.m_direction.m_y, 1e-12);
    EXPECT_NEAR(tourne["direction"][1].get<double>(), -soleil.m_direction.m_x, 1e-12);
}

TEST_F(CliTest, SunAndSolarInformationAtTheSiteOfAFile) {
    const std::string panneaux = EcrireExemple("panels");
    Charger(panneaux);
    const CPositionSoleil& soleil = Soleil(11, 9, 30);
    Json json = Lire({"sun", panneaux, "--date", "21 june", "--time", "09:30"});
    EXPECT_EQ(json["azimuth"], Lu(soleil.m_dAzimut, 2));
    EXPECT_EQ(json["altitude"], Lu(soleil.m_dAltitude, 2));
    // Marseille is not the default site, and an override beats the file.
    const Json paris = Lire({"sun", "--date", "21 june", "--time", "09:30"});
    EXPECT_NE(json["altitude"], paris["altitude"]);
    EXPECT_EQ(Lire({"sun", panneaux, "--date", "21 june", "--time", "09:30", "--lat", "48.9",
                    "--lon", "-2.3"})["altitude"],
              paris["altitude"]);

    const std::string maison = EcrireExemple("house");
    Charger(maison);
    CInformationsSolaires& infos = m_doc.m_informationsSolaires;
    infos.ChoisirDate(11);
    json = Lire({"solar-info", maison, "--date", "21 june"});
    // A long day at Paris, the sun highest a little before noon UT.
    EXPECT_EQ(json, (Json{{"daylight_hours", 15.96},
                          {"daylight_percent", Lu(infos.m_dDureeJourPourcent, 2)},
                          {"zenith_altitude", Lu(infos.m_dAltitudeZenith, 2)},
                          {"zenith_hour", 11},
                          {"zenith_minute", infos.m_nMinuteZenith}}));
    EXPECT_EQ(Lu(infos.m_dDureeJour, 2), 15.96);
}

TEST_F(CliTest, ReversedProblemDurations) {
    const std::string maison = EcrireExemple("house");
    Charger(maison);
    CProblemeInverse& probleme = m_doc.m_problemeInverse;
    const struct {
        std::vector<std::string> options;
        double dAzimutMin, dAzimutMax, dAltitudeMin, dAltitudeMax;
    } cas[] = {
        {{}, 160, 200, 30, 70}, // the dialog's default cone
        {{"--azimuth", "90", "270", "--altitude", "-10", "10"}, 90, 270, -10, 10},
        {{"--azimuth", "200", "160"}, 200, 160, 30, 70}, // no wrap past the north: nothing
    };
    for (const auto& c : cas) {
        std::vector<std::string> arguments = {"reversed", maison};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const Json json = Lire(arguments);
        probleme.m_dAzimutMin = c.dAzimutMin;
        probleme.m_dAzimutMax = c.dAzimutMax;
        probleme.m_dAltitudeMin = c.dAltitudeMin;
        probleme.m_dAltitudeMax = c.dAltitudeMax;
        probleme.CalculerDurees();
        EXPECT_EQ(json, (Json{{"durations", probleme.m_dDurees}})) << c.dAzimutMin;
    }
    // Midwinter never enters the default cone; spring does.
    const Json json = Lire({"reversed", maison});
    EXPECT_EQ(json["durations"][0], 0);
    EXPECT_GT(json["durations"][5].get<double>(), 60);
    EXPECT_EQ(Lire({"reversed", maison, "--azimuth", "200", "160"})["durations"],
              Json(std::vector<double>(24, 0.0)));
}

TEST_F(CliTest, PracticalCalculations) {
    const Json json = Lire({"practical"});
    // Exactly what the dialog computes at 48.9, which it shows as 21.1.
    EXPECT_EQ(json, (Json{{"winter_inclination", 90 - (48.9 + 20)},
                          {"summer_inclination", 61.1},
                          {"shadow_descent", 1},
                          {"spacing", 1.414}}));
    const CResultatCli table = Cli({"practical"});
    EXPECT_NE(table.sortie.find("21.1 deg"), std::string::npos) << table.sortie;
    EXPECT_NE(table.sortie.find("1.414 m"), std::string::npos) << table.sortie;

    EXPECT_EQ(Lire({"practical", "--lat", "75"})["winter_inclination"], 0);
    EXPECT_EQ(Lire({"practical", "--lat", "-30"})["summer_inclination"], 90);
    const Json auvent =
        Lire({"practical", "--overhang", "2", "--canopy-altitude", "60", "--panel-size", "2",
              "--panel-altitude", "30", "--panel-inclination", "30"});
    EXPECT_EQ(auvent["shadow_descent"], 3.464); // 2 tan 60
    EXPECT_EQ(auvent["spacing"], 4);            // (cos 30 / tan 30 + sin 30) * 2
}
