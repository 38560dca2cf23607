// Scene files through the CLI: examples, info, resave, unreadable and unwritable files.
#include "CliTest.h"

#include "geometry/Face4.h"
#include "modelling/Exemples.h"

#include <random>

TEST_F(CliTest, ExamplesAreTheCoreScenesAndResaveByteForByte) {
    const Json liste = Lire({"example", "--list"});
    ASSERT_EQ(liste["examples"].size(), Exemples().size());
    for (std::size_t i = 0; i < Exemples().size(); ++i) {
        const CExemple& e = Exemples()[i];
        EXPECT_EQ(liste["examples"][i],
                  (Json{{"name", e.szNom}, {"description", e.szDescription}}));
        // What the example builds is the committed file, byte for byte.
        const std::string chemin = EcrireExemple(e.szNom), nom = e.szNom;
        const std::string octets = LireTexte(VANTREL_SOURCE_DIR "/examples/" + nom + ".vtl");
        EXPECT_EQ(LireTexte(chemin), octets) << e.szNom;
        Charger(chemin);
        const std::string copie = Chemin(nom + "-copy.vtl");
        const Json r = Lire({"resave", chemin, copie});
        EXPECT_EQ(r, (Json{{"input", chemin},
                           {"output", copie},
                           {"faces", g_nFaces},
                           {"bytes", octets.size()}}));
        EXPECT_EQ(LireTexte(copie), LireTexte(chemin)) << e.szNom;
    }
}

TEST_F(CliTest, InfoGivesEveryFaceAsTheCoreHoldsIt) {
    const std::string chemin = EcrireExemple("house");
    // The south wall has its two windows; the roof of 10 x 5 m tilted by
    // atan(3/4) shows its study side 53.1301 deg from the vertical.
    ExpectGolden("cli/house_info.json", Lire({"info", chemin}).dump(1) + "\n");
    const std::string table = Cli({"info", chemin}).sortie;
    EXPECT_NE(table.find("House with a south canopy"), std::string::npos);
    EXPECT_NE(table.find("south window 2"), std::string::npos);
}

TEST_F(CliTest, StoredTextsAreUtf8InJsonAndHarmlessOnATerminal) {
    // Stored strings are Windows-1252; a loaded file may hold quotes and
    // control characters that the dialogs never let through.
    m_doc.m_parametresAffichage.m_pageGeneral.m_strTitre = "Caf\xE9 \"A\"\\";
    auto f = std::make_unique<CFace4>();
    f->m_proprietes.m_strNom = "wall\x1B[31m\n\x80";
    m_doc.AjouterFace(std::move(f));
    const std::string chemin = Enregistrer("texts.vtl");
    const Json json = Lire({"info", chemin});
    EXPECT_EQ(json["title"], "Caf\xC3\xA9 \"A\"\\");
    EXPECT_EQ(json["faces"][0]["name"], "wall\x1B[31m\n\xE2\x82\xAC");
    const std::string table = Cli({"info", chemin}).sortie;
    EXPECT_EQ(table.find('\x1B'), std::string::npos);
    EXPECT_NE(table.find("wall?[31m?\xE2\x82\xAC"), std::string::npos);
}

TEST_F(CliTest, FilesThatCannotBeReadOrWrittenFailWithCode2AndWriteNothing) {
    const std::string maison = EcrireExemple("house");
    std::string hasard(3000, '\0');
    std::generate(hasard.begin(), hasard.end(), std::mt19937(7));
    std::ofstream(Chemin("truncated.vtl")) << LireTexte(maison).substr(0, 2000);
    std::ofstream(Chemin("garbage.vtl")) << hasard;
    std::ofstream(Chemin("empty.vtl")).flush();
    std::ofstream(Chemin("kept.vtl")) << "123"; // an existing output keeps its content
    std::filesystem::create_directory(Chemin("folder.vtl"));
    for (const char* nom :
         {"truncated.vtl", "garbage.vtl", "empty.vtl", "missing.vtl", "folder.vtl"}) {
        const std::string c = Chemin(nom);
        for (const std::vector<std::string>& commande : std::vector<std::vector<std::string>>{
                 {"info", c},
                 {"sun", c, "--date", "5", "--time", "12:00"},
                 {"lighting", c, "--date", "5", "--time", "12:00", "--nodes", Chemin("n.csv")},
                 {"day-report", c, "--date", "5", "--export", Chemin("r.txt")},
                 {"solar-info", c, "--date", "5"},
                 {"reversed", c},
                 {"resave", c, Chemin("out.vtl")},
                 {"resave", c, Chemin("kept.vtl")}}) {
            const CResultatCli r = Cli(commande);
            VerifierEchec(r, 2);
            EXPECT_NE(r.erreurs.find(nom), std::string::npos) << r.erreurs;
        }
    }
    EXPECT_NE(Cli({"info", Chemin("truncated.vtl")}).erreurs.find("is not a valid scene file"),
              std::string::npos);
    const std::string absent = Chemin("no-such-folder/out");
    for (const std::vector<std::string>& commande : std::vector<std::vector<std::string>>{
             {"example", "house", absent},
             {"resave", maison, absent},
             {"resave", maison, m_dossier},
             {"lighting", maison, "--date", "11", "--time", "12:00", "--nodes", absent},
             {"day-report", maison, "--date", "11", "--export", absent}}) {
        VerifierEchec(Cli(commande), 2);
    }
    for (const char* sortie : {"n.csv", "r.txt", "out.vtl", "no-such-folder"}) {
        EXPECT_FALSE(Existe(sortie)) << sortie;
    }
    EXPECT_EQ(LireTexte(Chemin("kept.vtl")), "123");
    EXPECT_EQ(LancerCli({"info", maison, "--json"}, m_dossier, "/dev/full"),
              (CResultatCli{2, "", "vantrel-cli: info: cannot write to the standard output\n"}));
}
