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
    std::vector<std::vector<std::string>> cas = {
        {"info"},
        {"info", maison, "extra"},
        {"info", maison, "--frob"},
        {"sun", "--time", "12:00"},
        {"sun", "--date", "5", "--time", "12:00", "--lat", "90"},
        {"sun", "--date", "5", "--time", "12:00", "--year", "2041"},
        {"sun", "--date", "5", "--time", "12:00", "--lon", "east"},
        {"sun", "--date", "5", "--time", "12:00", "--ignore-longitude=1"},
        {"lighting", absent, "--date", "5", "--time", "7:00am", "--nodes", sortie},
        {"day-report", maison, "--date", "5", "--step", "60", "--export", sortie},
        {"day-report", absent, "--date", "5", "--step", "7", "--export", sortie},
        {"day-report", maison, "--step", "10", "--export", sortie},
        {"day-report", absent, "--date", "5", "--chart", sortie},
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
        {"resave", maison}};
    for (const std::string date : {"24", "-1", "22 june", "june", "0 june"}) {
        cas.push_back({"sun", "--date", date, "--time", "12:00"});
    }
    for (const std::string heure : {"24:00", "12:60", "12", "12:5"}) {
        cas.push_back({"sun", absent, "--date", "5", "--time", heure});
    }
    // The message of each, the test's folder written <dir>.
    std::string texte;
    for (const auto& arguments : cas) {
        SCOPED_TRACE(arguments[0] + " " + (arguments.size() > 1 ? arguments[1] : ""));
        const CResultatCli r = Cli(arguments);
        VerifierEchec(r, 1);
        EXPECT_EQ(r.erreurs.rfind("vantrel-cli: " + arguments[0] + ": ", 0), 0u) << r.erreurs;
        EXPECT_NE(r.erreurs.find("usage: vantrel-cli " + arguments[0]), std::string::npos);
        EXPECT_FALSE(Existe("out"));
        texte += r.erreurs.substr(0, r.erreurs.find('\n') + 1);
    }
    for (std::size_t n; (n = texte.find(m_dossier)) != std::string::npos;) {
        texte.replace(n, m_dossier.size(), "<dir>");
    }
    ExpectGolden("cli/usage.txt", texte);
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
