// Help and bad usage: exit code 1 with the command's usage, nothing written.
#include "CliTest.h"

TEST_F(CliTest, HelpForTheToolAndEachCommand) {
    const std::vector<std::string> commandes = {"info",       "sun",        "lighting",
                                                "day-report", "solar-info", "reversed",
                                                "practical",  "example",    "resave"};
    const CResultatCli aide = Cli({"--help"});
    EXPECT_EQ(aide.nCode, 0);
    EXPECT_EQ(aide.erreurs, "");
    for (const std::string& c : commandes) {
        EXPECT_NE(aide.sortie.find("\n  " + c + " "), std::string::npos) << c;
        const CResultatCli r = Cli({c, "--help"});
        EXPECT_EQ(r.nCode, 0) << c;
        EXPECT_EQ(r.sortie.rfind("usage: vantrel-cli " + c + " ", 0), 0u) << r.sortie;
        EXPECT_NE(r.sortie.find("--json"), std::string::npos) << c;
    }
    // Without a command: the same list, on standard error, as a usage error.
    const CResultatCli rien = Cli({});
    EXPECT_EQ(rien.nCode, 1);
    EXPECT_EQ(rien.sortie, "");
    EXPECT_EQ(rien.erreurs, aide.sortie);
}

TEST_F(CliTest, BadUsageExitsWith1BeforeAnyFileIsTouched) {
    const std::string maison = EcrireExemple("house");
    // A missing file would be exit 2: the usage is checked first.
    const std::string absent = Chemin("missing.vtl");
    const std::string sortie = Chemin("out");
    const std::vector<std::vector<std::string>> cas = {
        {"frobnicate"},
        {"info"},
        {"info", maison, "extra"},
        {"info", maison, "--frob"},
        {"sun", "--time", "12:00"},
        {"sun", "--date", "24", "--time", "12:00"},
        {"sun", "--date", "-1", "--time", "12:00"},
        {"sun", "--date", "22 june", "--time", "12:00"},
        {"sun", "--date", "june", "--time", "12:00"},
        {"sun", absent, "--date", "5", "--time", "24:00"},
        {"sun", "--date", "5", "--time", "12:60"},
        {"sun", "--date", "5", "--time", "12"},
        {"sun", "--date", "5", "--time", "12:5"},
        {"sun", "--date", "5", "--time", "12:00", "--lat", "90"},
        {"sun", "--date", "5", "--time", "12:00", "--year", "2041"},
        {"sun", "--date", "5", "--time", "12:00", "--lon", "east"},
        {"sun", "--date", "5", "--time", "12:00", "--ignore-longitude=1"},
        {"lighting", absent, "--date", "5", "--time", "7:00am", "--nodes", sortie},
        {"day-report", absent, "--date", "5", "--step", "7", "--export", sortie},
        {"day-report", maison, "--date", "5", "--step", "0", "--export", sortie},
        {"day-report", maison, "--date", "5", "--step", "60", "--export", sortie},
        {"day-report", maison, "--step", "10", "--export", sortie},
        {"solar-info", absent},
        {"reversed", absent, "--azimuth", "10"},
        {"reversed", absent, "--azimuth", "0", "361"},
        {"reversed", absent, "--altitude", "-91", "0"},
        {"practical", "--panel-altitude", "90"},
        {"practical", "--overhang", "-1"},
        {"practical", "--lat", "x"},
        {"practical", "extra"},
        {"example", "castle", sortie},
        {"example", "house"},
        {"example", "--list", "house"},
        {"resave", maison},
    };
    for (const auto& arguments : cas) {
        std::string ligne;
        for (const std::string& a : arguments) {
            ligne += a + " ";
        }
        SCOPED_TRACE(ligne);
        const CResultatCli r = Cli(arguments);
        if (arguments[0] == "frobnicate") {
            EXPECT_EQ(r.nCode, 1);
            EXPECT_EQ(r.erreurs, "vantrel-cli: unknown command \"frobnicate\" (try \"vantrel-cli "
                                 "--help\")\n");
        } else {
            VerifierEchec(r, 1);
            EXPECT_NE(r.erreurs.find("usage: vantrel-cli " + arguments[0]), std::string::npos)
                << r.erreurs;
        }
        EXPECT_FALSE(Existe(sortie));
    }
    EXPECT_NE(Cli({"practical", "--panel-altitude", "90"})
                  .erreurs.find("--panel-altitude: Please enter a number between 0.01 and 89.99."),
              std::string::npos);
}
