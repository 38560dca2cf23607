// The sun and the solar tools: rounded results come as the decimals the user reads.
#include "CliTest.h"

// The worked example (2003, "21 march", 12:00 at Paris); 2001 at the equator,
// longitude ignored: the sun near the zenith; a long day at Paris, the sun
// highest a little before noon UT; midwinter outside the default cone of the
// reversed problem, spring inside, and an azimuth interval that does not wrap
// past the north; exactly what the dialog computes at 48.9
// (90 - (48.9 + 20)), shown as 21.1; 2 tan 60 and (cos 30 / tan 30 + sin 30) * 2.
TEST_F(CliTest, SunSolarInformationReversedProblemAndPracticalCalculations) {
    const std::string maison = EcrireExemple("house");
    std::string texte;
    for (const std::vector<std::string>& commande : std::vector<std::vector<std::string>>{
             {"sun", "--date", "21 march", "--time", "12:00"},
             {"sun", "--date", "5", "--time", "12:00", "--year", "2001", "--lat", "0",
              "--ignore-longitude"},
             {"solar-info", maison, "--date", "21 june"},
             {"reversed", maison},
             {"reversed", maison, "--azimuth", "200", "160"},
             {"practical"},
             {"practical", "--lat", "75"},
             {"practical", "--lat", "-30"},
             {"practical", "--overhang", "2", "--canopy-altitude", "60", "--panel-size", "2",
              "--panel-altitude", "30", "--panel-inclination", "30"}}) {
        texte += Lire(commande).dump() + "\n";
    }
    ExpectGolden("cli/solar.txt", texte);
    EXPECT_NE(Cli({"sun", "--date", "21 march", "--time", "12:00"})
                  .sortie.find("azimuth    180.63 deg\naltitude   41.28 deg"),
              std::string::npos);
    const std::string table = Cli({"practical"}).sortie;
    EXPECT_TRUE(table.find("21.1 deg") != table.npos && table.find("1.414 m") != table.npos);
}

TEST_F(CliTest, SunOfAFileOrItsOverridesAndTheNorth) {
    // The north turns the direction, not the azimuth.
    const CVecteur d = Soleil(5, 12, 0).m_direction;
    Json json = Lire({"sun", "--date", "5", "--time", "12:00", "--north", "90"});
    EXPECT_EQ(json["azimuth"], 180.63);
    EXPECT_NEAR(json["direction"][0].get<double>(), d.m_y, 1e-12);
    EXPECT_NEAR(json["direction"][1].get<double>(), -d.m_x, 1e-12);
    // At Marseille (the panels example), unless an override says otherwise.
    const std::string panneaux = EcrireExemple("panels");
    Charger(panneaux);
    const CPositionSoleil& s = Soleil(11, 9, 30);
    json = Lire({"sun", panneaux, "--date", "21 june", "--time", "09:30"});
    EXPECT_EQ((Json{json["azimuth"], json["altitude"]}),
              (Json{Lu(s.m_dAzimut, 2), Lu(s.m_dAltitude, 2)}));
    const Json paris = Lire({"sun", "--date", "21 june", "--time", "09:30"});
    EXPECT_NE(json["altitude"], paris["altitude"]);
    EXPECT_EQ(Lire({"sun", panneaux, "--date", "21 june", "--time", "09:30", "--lat", "48.9",
                    "--lon", "-2.3"})["altitude"],
              paris["altitude"]);
}

TEST_F(CliTest, ReversedProblemDurationsAreTheCores) {
    CProblemeInverse& p = m_doc.m_problemeInverse;
    const std::string maison = Maison();
    std::tie(p.m_dAzimutMin, p.m_dAzimutMax, p.m_dAltitudeMin, p.m_dAltitudeMax) =
        std::tuple{90, 270, -10, 10};
    p.CalculerDurees();
    EXPECT_EQ(Lire({"reversed", maison, "--azimuth", "90", "270", "--altitude", "-10", "10"}),
              (Json{{"durations", p.m_dDurees}}));
}
