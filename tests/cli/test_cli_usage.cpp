// Help, version and bad usage: exit code 1 with the command's usage, nothing written.
#include "CliTest.h"

TEST_F(CliTest, HelpForTheToolAndEachCommandAndTheVersion) {
    const CResultatCli aide = Cli({"--help"});
    EXPECT_EQ(aide, (CResultatCli{0, aide.sortie, ""}));
    for (const char* c : {"info", "sun", "lighting", "day-report", "solar-info", "reversed",
                          "practical", "example", "resave"}) {
        EXPECT_NE(aide.sortie.find("\n  " + std::string(c) + " "), std::string::npos) << c;
        for (const CResultatCli& r : {Cli({c, "--help"}), Cli({"help", c})}) {
            EXPECT_TRUE(r.nCode == 0 && r.sortie.find("--json") != r.sortie.npos &&
                        r.sortie.starts_with("usage: vantrel-cli " + std::string(c) + " "))
                << r.sortie;
        }
    }
    // Without a command: the same list, on standard error, as a usage error.
    EXPECT_EQ(Cli({}), (CResultatCli{1, "", aide.sortie}));
    EXPECT_EQ(Cli({"--version"}), (CResultatCli{0, "vantrel-cli " VANTREL_VERSION "\n", ""}));
}

TEST_F(CliTest, BadUsageExitsWith1BeforeAnyFileIsTouched) {
    const std::string maison = EcrireExemple("house");
    // A missing file would be exit 2: the usage is checked first.
    const std::string absent = Chemin("missing.vtl");
    const std::string sortie = Chemin("out");
    const std::string kHeure = "is not a time HH:MM (hours 00 to 23, minutes 00 to 59)";
    struct CCas {
        std::vector<std::string> arguments;
        std::string message; // a part of it, when the test pins one
    };
    std::vector<CCas> cas = {
        {{"info"}, ""},
        {{"info", maison, "extra"}, ""},
        {{"info", maison, "--frob"}, ""},
        {{"sun", "--time", "12:00"}, "--date"},
        {{"sun", "--date", "5", "--time", "12:00", "--lat", "90"},
         "--lat: Please enter a number between -89.9 and 89.9."},
        {{"sun", "--date", "5", "--time", "12:00", "--year", "2041"}, "--year: "},
        {{"sun", "--date", "5", "--time", "12:00", "--lon", "east"},
         "--lon: \"east\" is not a number"},
        {{"sun", "--date", "5", "--time", "12:00", "--ignore-longitude=1"}, ""},
        {{"lighting", absent, "--date", "5", "--time", "7:00am", "--nodes", sortie}, kHeure},
        {{"day-report", maison, "--date", "5", "--step", "60", "--export", sortie}, "\"60\""},
        {{"day-report", absent, "--date", "5", "--step", "7", "--export", sortie},
         "--step: \"7\" is not a step of the list (1, 2, 3, 4, 5, 6, 10, 12, 15, 20 or 30 "
         "minutes)"},
        {{"day-report", maison, "--step", "10", "--export", sortie}, "--date"},
        {{"solar-info", absent}, "--date"},
        {{"reversed", absent, "--azimuth", "10"}, "--azimuth"},
        {{"reversed", absent, "--azimuth", "0", "361"},
         "--azimuth (MAX): Please enter a number between 0 and 360."},
        {{"reversed", absent, "--altitude", "-91", "0"}, "--altitude (MIN)"},
        {{"practical", "--panel-altitude", "90"},
         "--panel-altitude: Please enter a number between 0.01 and 89.99."},
        {{"practical", "--overhang", "-1"}, "--overhang"},
        {{"practical", "--lat", "x"}, "--lat"},
        {{"practical", "extra"}, ""},
        {{"example", "castle", sortie},
         "no example is named \"castle\" (the examples: house, panels, street)"},
        {{"example", "house"}, "example needs NAME and OUT, or --list"},
        {{"example", "--list", "house"}, "--list takes no NAME or OUT"},
        {{"resave", maison}, ""},
    };
    for (const std::string date : {"24", "-1", "22 june", "june", "0 june"}) {
        cas.push_back({{"sun", "--date", date, "--time", "12:00"},
                       "--date: \"" + date + "\" is not a date of the list"});
    }
    for (const std::string heure : {"24:00", "12:60", "12", "12:5"}) {
        cas.push_back({{"sun", absent, "--date", "5", "--time", heure},
                       "--time: \"" + heure + "\" " + kHeure});
    }
    for (const auto& [arguments, message] : cas) {
        SCOPED_TRACE(arguments[0] + " " + (arguments.size() > 1 ? arguments[1] : ""));
        const CResultatCli r = Cli(arguments);
        VerifierEchec(r, 1);
        EXPECT_EQ(r.erreurs.rfind("vantrel-cli: " + arguments[0] + ": ", 0), 0u) << r.erreurs;
        EXPECT_NE(r.erreurs.find(message), std::string::npos) << r.erreurs;
        EXPECT_NE(r.erreurs.find("usage: vantrel-cli " + arguments[0]), std::string::npos);
        EXPECT_FALSE(Existe("out"));
    }
    EXPECT_EQ(Cli({"frobnicate"}),
              (CResultatCli{1, "",
                            "vantrel-cli: unknown command \"frobnicate\" (try \"vantrel-cli "
                            "--help\")\n"}));
}

TEST_F(CliTest, OptionFormsOfTheCommandLine) {
    const std::string attendu = Cli({"sun", "--date", "21 march", "--time", "12:00"}).sortie;
    for (const char* date : {"5", "05", "21 March", "  21   MARCH ", "21 march"}) {
        EXPECT_EQ(Cli({"sun", "--date", date, "--time", "12:00"}).sortie, attendu) << date;
    }
    EXPECT_EQ(Cli({"sun", "--date=5", "--time=12:00"}).sortie, attendu);
    EXPECT_EQ(Cli({"sun", "--date", "4 june", "--date", "5", "--time", "12:00"}).sortie, attendu);
    EXPECT_EQ(Cli({"sun", "--date", "4 january", "--time", "0:00"}).sortie,
              Cli({"sun", "--date", "0", "--time", "00:00"}).sortie);
    ASSERT_EQ(Cli({"example", "--", "house", "--json"}).nCode, 0); // "--" ends the options
    EXPECT_EQ(Json::parse(Cli({"info", "--json", "--", "--json"}).sortie)["title"],
              "House with a south canopy");
}
