// Scene files through the CLI: the examples, info, resave, and files that
// cannot be read or written.
#include "CliTest.h"

#include "geometry/Face4.h"
#include "modelling/Exemples.h"

#include <filesystem>
#include <random>

TEST_F(CliTest, ExamplesAreTheCoreScenesAndResaveByteForByte) {
    const Json liste = Lire({"example", "--list"});
    ASSERT_EQ(liste["examples"].size(), Exemples().size());
    for (std::size_t i = 0; i < Exemples().size(); ++i) {
        const CExemple& e = Exemples()[i];
        EXPECT_EQ(liste["examples"][i],
                  (Json{{"name", e.szNom}, {"description", e.szDescription}}));
        EXPECT_NE(Cli({"example", "--list"}).sortie.find(e.szNom), std::string::npos);
        const std::string chemin = EcrireExemple(e.szNom);
        // The CLI builds each example into a new document.
        m_doc.NouveauDocument();
        m_doc.m_parametresAffichage = CParametresAffichage();
        m_doc.m_configurationGeographique = CConfigurationGeographique();
        m_doc.m_optionsCalcul = COptionsCalcul();
        e.pConstruire(m_doc);
        EXPECT_EQ(LireOctets(chemin), m_doc.Ecrire()) << e.szNom;

        const std::string copie = Chemin(std::string(e.szNom) + "-copy.vtl");
        EXPECT_EQ(Lire({"resave", chemin, copie}), (Json{{"input", chemin},
                                                         {"output", copie},
                                                         {"faces", g_nFaces},
                                                         {"bytes", m_doc.Ecrire().size()}}));
        EXPECT_EQ(LireOctets(copie), LireOctets(chemin)) << e.szNom;
    }
}

TEST_F(CliTest, InfoGivesEveryFaceAsTheCoreHoldsIt) {
    const std::string chemin = EcrireExemple("house");
    Charger(chemin);
    Json json = Lire({"info", chemin});
    const CConfigurationGeographique& site = m_doc.m_configurationGeographique;
    Json attendu = {{"title", "House with a south canopy"},
                    {"site",
                     {{"place", "PARIS"},
                      {"latitude", 48.9},
                      {"longitude", -2.3},
                      {"ignore_longitude", site.m_bIgnorerLongitude != 0},
                      {"north", 0},
                      {"horizon", site.m_dLigneHorizon}}},
                    {"options",
                     {{"cadence", m_doc.m_optionsCalcul.m_dCadence},
                      {"max_weight", 50},
                      {"year", 2003},
                      {"step_minutes", 10}}},
                    {"faces", Json::array()}};
    for (int i = 0; i < g_nFaces; ++i) {
        CFace& f = *m_doc.Face(i);
        const CProprietes& p = f.m_proprietes;
        CGeometrieFace& g = m_doc.m_geometrieFace;
        g.Calculer(f, 0);
        Json points = Json::array(), ouvertures = Json::array();
        for (const CVecteur& pt : f.m_points) {
            points.push_back({pt.m_x, pt.m_y, pt.m_z});
        }
        for (const CFace* o : f.m_ouvertures.m_faces) {
            ouvertures.push_back(m_doc.Indice(o));
        }
        attendu["faces"].push_back({{"index", i},
                                    {"kind", f.NomClasse()},
                                    {"name", p.m_strNom},
                                    {"receiver", p.m_bRecepteur != 0},
                                    {"hidden", p.m_bMasquee != 0},
                                    {"reversed", p.m_bCoteInverse != 0},
                                    {"transmittivity", p.m_dTransmittivite},
                                    {"absorptivity", p.m_dAbsorptivite},
                                    {"transmittivity_mode", p.m_correlationTransmittivite.m_nMode},
                                    {"absorptivity_mode", p.m_correlationAbsorptivite.m_nMode},
                                    {"area", Lu(g.m_dAire, 4)},
                                    {"net_area", Lu(g.m_dAireRetenue, 4)},
                                    {"orientation", Lu(g.m_dOrientation, 4)},
                                    {"inclination", Lu(g.m_dInclinaison, 4)},
                                    {"points", points},
                                    {"openings", ouvertures}});
    }
    EXPECT_EQ(json, attendu);
    // The south wall and its two windows; the roof of 10 x 5 m tilted by
    // atan(3/4) shows its study side 53.1301 deg from the vertical.
    Json& mur = json["faces"][0];
    EXPECT_EQ(mur["openings"], (Json{1, 2}));
    EXPECT_EQ((Json{mur["area"], mur["net_area"], mur["orientation"]}), (Json{60, 52, 180}));
    EXPECT_EQ(json["faces"][9]["name"], "south roof");
    EXPECT_EQ(json["faces"][9]["inclination"], 53.1301);

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

    const Json json = Lire({"info", Chemin("texts.vtl")});
    EXPECT_EQ(json["title"], "Caf\xC3\xA9 \"A\"\\");
    EXPECT_EQ(json["faces"][0]["name"], "wall\x1B[31m\n\xE2\x82\xAC");
    const CResultatCli table = Cli({"info", Chemin("texts.vtl")});
    EXPECT_EQ(table.nCode, 0);
    EXPECT_EQ(table.sortie.find('\x1B'), std::string::npos);
    EXPECT_NE(table.sortie.find("wall?[31m?\xE2\x82\xAC"), std::string::npos);
}

TEST_F(CliTest, FilesThatCannotBeReadOrWrittenFailWithCode2AndWriteNothing) {
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
    EcrireOctets(Chemin("kept.vtl"), {1, 2, 3}); // an existing output keeps its content
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
        EXPECT_FALSE(Existe(Chemin(sortie))) << sortie;
    }
    EXPECT_EQ(LireOctets(Chemin("kept.vtl")), (std::vector<std::uint8_t>{1, 2, 3}));
    if (Existe("/dev/full")) {
        const CResultatCli r = LancerCli({"info", maison, "--json"}, m_dossier, false, "/dev/full");
        EXPECT_EQ(r.nCode, 2);
        EXPECT_EQ(r.erreurs, "vantrel-cli: info: cannot write to the standard output\n");
    }
}
