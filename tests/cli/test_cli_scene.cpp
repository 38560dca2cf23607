// Scene files through the CLI: the examples, info, resave, and files that
// cannot be read or written.
#include "CliTest.h"

#include "geometry/Face4.h"
#include "modelling/Exemples.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace {

void EcrireOctets(const std::string& chemin, const std::vector<std::uint8_t>& octets) {
    std::ofstream f(chemin, std::ios::binary);
    f.write(reinterpret_cast<const char*>(octets.data()),
            static_cast<std::streamsize>(octets.size()));
}

} // namespace

TEST_F(CliTest, ExamplesAreTheCoreScenesAndResaveByteForByte) {
    const CResultatCli liste = Cli({"example", "--list"});
    EXPECT_EQ(liste.nCode, 0);
    const CJsonLu json = Json({"example", "--list"});
    ASSERT_EQ(json["examples"].Taille(), Exemples().size());
    for (std::size_t i = 0; i < Exemples().size(); ++i) {
        const CExemple& e = Exemples()[i];
        EXPECT_EQ(json["examples"][i]["name"].s, e.szNom);
        EXPECT_NE(liste.sortie.find(e.szNom), std::string::npos);

        const std::string chemin = EcrireExemple(e.szNom);
        // The CLI builds each example into a new document.
        m_doc.NouveauDocument();
        m_doc.m_parametresAffichage = CParametresAffichage();
        m_doc.m_configurationGeographique = CConfigurationGeographique();
        m_doc.m_optionsCalcul = COptionsCalcul();
        e.pConstruire(m_doc);
        EXPECT_EQ(LireOctets(chemin), m_doc.Ecrire()) << e.szNom;

        const std::string copie = Chemin(std::string(e.szNom) + "-copy.vtl");
        const CJsonLu r = Json({"resave", chemin, copie});
        EXPECT_EQ(r["faces"].d, g_nFaces);
        EXPECT_EQ(r["bytes"].d, static_cast<double>(LireOctets(chemin).size()));
        EXPECT_EQ(LireOctets(copie), LireOctets(chemin)) << e.szNom;
    }
}

TEST_F(CliTest, InfoGivesEveryFaceAsTheCoreHoldsIt) {
    const std::string chemin = EcrireExemple("house");
    Charger(chemin);
    const CJsonLu json = Json({"info", chemin});
    EXPECT_EQ(json.Cles(), (std::vector<std::string>{"title", "site", "options", "faces"}));
    EXPECT_EQ(json["title"].s, "House with a south canopy");
    EXPECT_EQ(json["site"].Cles(),
              (std::vector<std::string>{"place", "latitude", "longitude", "ignore_longitude",
                                        "north", "horizon"}));
    EXPECT_EQ(json["site"]["place"].s, "PARIS");
    EXPECT_EQ(json["site"]["latitude"].d, 48.9);
    EXPECT_EQ(json["site"]["longitude"].d, -2.3);
    EXPECT_EQ(json["site"]["ignore_longitude"].type, CJsonLu::Booleen);
    EXPECT_EQ(json["options"].Cles(),
              (std::vector<std::string>{"cadence", "max_weight", "year", "step_minutes"}));
    EXPECT_EQ(json["options"]["max_weight"].d, 50);
    EXPECT_EQ(json["options"]["year"].d, 2003);
    EXPECT_EQ(json["options"]["step_minutes"].d, 10);

    const CJsonLu& faces = json["faces"];
    ASSERT_EQ(faces.Taille(), static_cast<std::size_t>(g_nFaces));
    const std::vector<std::string> cles = {"index",
                                           "kind",
                                           "name",
                                           "receiver",
                                           "hidden",
                                           "reversed",
                                           "transmittivity",
                                           "absorptivity",
                                           "transmittivity_mode",
                                           "absorptivity_mode",
                                           "area",
                                           "net_area",
                                           "orientation",
                                           "inclination",
                                           "points",
                                           "openings"};
    for (int i = 0; i < g_nFaces; ++i) {
        const CJsonLu& jf = faces[static_cast<std::size_t>(i)];
        CFace& f = *m_doc.Face(i);
        CGeometrieFace& g = m_doc.m_geometrieFace;
        g.Calculer(f, 0);
        EXPECT_EQ(jf.Cles(), cles);
        EXPECT_EQ(jf["index"].d, i);
        EXPECT_EQ(jf["kind"].s, f.NomClasse());
        EXPECT_EQ(jf["name"].s, f.m_proprietes.m_strNom);
        EXPECT_EQ(jf["receiver"].b, f.m_proprietes.m_bRecepteur != 0);
        EXPECT_EQ(jf["transmittivity"].d, f.m_proprietes.m_dTransmittivite);
        EXPECT_EQ(jf["transmittivity_mode"].d, f.m_proprietes.m_correlationTransmittivite.m_nMode);
        EXPECT_EQ(jf["area"].d, g.m_dAire);
        EXPECT_EQ(jf["net_area"].d, g.m_dAireRetenue);
        EXPECT_EQ(jf["orientation"].d, g.m_dOrientation);
        EXPECT_EQ(jf["inclination"].d, g.m_dInclinaison);
        ASSERT_EQ(jf["points"].Taille(), 4u);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_EQ(jf["points"][k][0].d, f.m_points[k].m_x);
            EXPECT_EQ(jf["points"][k][1].d, f.m_points[k].m_y);
            EXPECT_EQ(jf["points"][k][2].d, f.m_points[k].m_z);
        }
        ASSERT_EQ(jf["openings"].Taille(), f.m_ouvertures.m_faces.size());
    }
    // The south wall and its two windows; the roof of 10 x 5 m tilted by
    // atan(3/4) shows its study side 53.1301 deg from the vertical.
    EXPECT_EQ(faces[0]["openings"][0].d, 1);
    EXPECT_EQ(faces[0]["openings"][1].d, 2);
    EXPECT_EQ(faces[0]["area"].d, 60);
    EXPECT_EQ(faces[0]["net_area"].d, 52);
    EXPECT_EQ(faces[0]["orientation"].d, 180);
    EXPECT_EQ(faces[9]["name"].s, "south roof");
    EXPECT_NEAR(faces[9]["inclination"].d, 53.1301, 1e-9);

    const CResultatCli table = Cli({"info", chemin});
    EXPECT_EQ(table.nCode, 0);
    EXPECT_NE(table.sortie.find("House with a south canopy"), std::string::npos);
    EXPECT_NE(table.sortie.find("south window 2"), std::string::npos);
}

TEST_F(CliTest, StoredTextsAreUtf8InJsonAndHarmlessOnATerminal) {
    // Stored strings are Windows-1252; a loaded file may hold quotes and
    // control characters that the dialogs never let through.
    m_doc.m_parametresAffichage.m_pageGeneral.m_strTitre = "Caf\xE9 \"A\"\\";
    auto f = std::make_unique<CFace4>();
    f->m_proprietes.m_strNom = "wall\x1B[31m\n\x80";
    m_doc.AjouterFace(std::move(f));
    std::string strErreur;
    ASSERT_TRUE(m_doc.Enregistrer(Chemin("texts.vtl"), strErreur)) << strErreur;

    const CJsonLu json = Json({"info", Chemin("texts.vtl")});
    EXPECT_EQ(json["title"].s, "Caf\xC3\xA9 \"A\"\\");
    EXPECT_EQ(json["faces"][0]["name"].s, "wall\x1B[31m\n\xE2\x82\xAC");

    const CResultatCli table = Cli({"info", Chemin("texts.vtl")});
    EXPECT_EQ(table.nCode, 0);
    EXPECT_EQ(table.sortie.find('\x1B'), std::string::npos);
    EXPECT_NE(table.sortie.find("wall?[31m?\xE2\x82\xAC"), std::string::npos);
}

TEST_F(CliTest, UnreadableFilesFailWithCode2AndWriteNothing) {
    const std::string maison = EcrireExemple("house");
    std::vector<std::uint8_t> octets = LireOctets(maison);
    EcrireOctets(Chemin("truncated.vtl"), {octets.begin(), octets.begin() + 2000});
    std::mt19937 alea(7);
    std::vector<std::uint8_t> hasard(3000);
    for (auto& o : hasard) {
        o = static_cast<std::uint8_t>(alea());
    }
    EcrireOctets(Chemin("garbage.vtl"), hasard);
    EcrireOctets(Chemin("empty.vtl"), {});
    std::filesystem::create_directory(Chemin("folder.vtl"));
    // An output that exists keeps its content when the command fails.
    EcrireOctets(Chemin("kept.vtl"), {1, 2, 3});

    for (const char* nom :
         {"truncated.vtl", "garbage.vtl", "empty.vtl", "missing.vtl", "folder.vtl"}) {
        SCOPED_TRACE(nom);
        const std::string chemin = Chemin(nom);
        const std::vector<std::vector<std::string>> commandes = {
            {"info", chemin},
            {"sun", chemin, "--date", "5", "--time", "12:00"},
            {"lighting", chemin, "--date", "5", "--time", "12:00", "--nodes", Chemin("n.csv")},
            {"day-report", chemin, "--date", "5", "--export", Chemin("r.txt")},
            {"solar-info", chemin, "--date", "5"},
            {"reversed", chemin},
            {"resave", chemin, Chemin("out.vtl")},
            {"resave", chemin, Chemin("kept.vtl")}};
        for (const auto& commande : commandes) {
            const CResultatCli r = Cli(commande);
            VerifierEchec(r, 2);
            EXPECT_NE(r.erreurs.find(nom), std::string::npos) << r.erreurs;
        }
        EXPECT_FALSE(Existe(Chemin("n.csv")));
        EXPECT_FALSE(Existe(Chemin("r.txt")));
        EXPECT_FALSE(Existe(Chemin("out.vtl")));
        EXPECT_EQ(LireOctets(Chemin("kept.vtl")), (std::vector<std::uint8_t>{1, 2, 3}));
    }
    const CResultatCli tronque = Cli({"info", Chemin("truncated.vtl")});
    EXPECT_NE(tronque.erreurs.find("is not a valid scene file"), std::string::npos);
}

TEST_F(CliTest, UnwritableOutputsFailWithCode2) {
    const std::string maison = EcrireExemple("house");
    const std::string absent = Chemin("no-such-folder/out");
    VerifierEchec(Cli({"example", "house", absent}), 2);
    VerifierEchec(Cli({"resave", maison, absent}), 2);
    VerifierEchec(Cli({"resave", maison, m_dossier}), 2);
    VerifierEchec(Cli({"lighting", maison, "--date", "11", "--time", "12:00", "--nodes", absent}),
                  2);
    VerifierEchec(Cli({"day-report", maison, "--date", "11", "--export", absent}), 2);
    EXPECT_FALSE(Existe(Chemin("no-such-folder")));
}

TEST_F(CliTest, AFullStandardOutputIsAFailure) {
    if (!Existe("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    const std::string maison = EcrireExemple("house");
    const CResultatCli r = LancerCli({"info", maison, "--json"}, m_dossier, false, "/dev/full");
    EXPECT_EQ(r.nCode, 2);
    EXPECT_EQ(r.erreurs, "vantrel-cli: info: cannot write to the standard output\n");
}
