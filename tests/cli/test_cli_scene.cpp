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
        EXPECT_EQ(Valeurs(liste["examples"][i]), (Json{e.szNom, e.szDescription}));
        // The CLI builds each example into a new document.
        const std::string chemin = EcrireExemple(e.szNom);
        m_doc.NouveauDocument();
        m_doc.m_parametresAffichage = CParametresAffichage();
        m_doc.m_configurationGeographique = CConfigurationGeographique();
        m_doc.m_optionsCalcul = COptionsCalcul();
        e.pConstruire(m_doc);
        const std::vector<std::uint8_t> octets = m_doc.Ecrire();
        EXPECT_EQ(LireTexte(chemin), std::string(octets.begin(), octets.end())) << e.szNom;
        const std::string copie = Chemin(std::string(e.szNom) + "-copy.vtl");
        const Json r = Lire({"resave", chemin, copie});
        EXPECT_EQ(Cles(r), "input output faces bytes");
        EXPECT_EQ(Valeurs(r), (Json{chemin, copie, g_nFaces, octets.size()}));
        EXPECT_EQ(LireTexte(copie), LireTexte(chemin)) << e.szNom;
    }
}

TEST_F(CliTest, InfoGivesEveryFaceAsTheCoreHoldsIt) {
    const std::string chemin = Maison();
    Json json = Lire({"info", chemin});
    EXPECT_EQ(Cles(json), "title site options faces");
    EXPECT_EQ(json["title"], "House with a south canopy");
    EXPECT_EQ(Cles(json["site"]), "place latitude longitude ignore_longitude north horizon");
    EXPECT_EQ(Valeurs(json["site"]), (Json{"PARIS", 48.9, -2.3, false, 0, 0}));
    EXPECT_EQ(Cles(json["options"]), "cadence max_weight year step_minutes");
    EXPECT_EQ(Valeurs(json["options"]), (Json{m_doc.m_optionsCalcul.m_dCadence, 50, 2003, 10}));
    ASSERT_EQ(json["faces"].size(), static_cast<std::size_t>(g_nFaces));
    for (int i = 0; i < g_nFaces; ++i) {
        const Json& jf = json["faces"][static_cast<std::size_t>(i)];
        CFace& f = *m_doc.Face(i);
        const CProprietes& p = f.m_proprietes;
        CGeometrieFace& g = m_doc.m_geometrieFace;
        g.Calculer(f, 0);
        const auto point = [](const CVecteur& v) { return Json{v.m_x, v.m_y, v.m_z}; };
        EXPECT_EQ(Valeurs(jf),
                  (Json{i, f.NomClasse(), p.m_strNom, p.m_bRecepteur != 0, p.m_bMasquee != 0,
                        p.m_bCoteInverse != 0, p.m_dTransmittivite, p.m_dAbsorptivite,
                        p.m_correlationTransmittivite.m_nMode, p.m_correlationAbsorptivite.m_nMode,
                        Lu(g.m_dAire, 4), Lu(g.m_dAireRetenue, 4), Lu(g.m_dOrientation, 4),
                        Lu(g.m_dInclinaison, 4),
                        Json{point(f.m_points[0]), point(f.m_points[1]), point(f.m_points[2]),
                             point(f.m_points[3])},
                        jf["openings"]}))
            << i;
        EXPECT_EQ(jf["openings"].size(), f.m_ouvertures.m_faces.size());
    }
    // The south wall and its two windows; the roof of 10 x 5 m tilted by
    // atan(3/4) shows its study side 53.1301 deg from the vertical.
    const Json& mur = json["faces"][0];
    EXPECT_EQ((Json{mur["openings"], mur["area"], mur["net_area"], mur["orientation"]}),
              (Json{{1, 2}, 60, 52, 180}));
    EXPECT_EQ((Json{json["faces"][9]["name"], json["faces"][9]["inclination"]}),
              (Json{"south roof", 53.1301}));
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
