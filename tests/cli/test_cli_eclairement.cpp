// The lighting through the CLI: lighting, day-report, their progress line, and
// the computations the mesh guard refuses.
#include "CliTest.h"

#include "cli/Progression.h"
#include "geometry/Arrondi.h"

#include <sstream>

class CliEclairementTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        m_maison = EcrireExemple("house");
        Charger(m_maison);
    }
    // The reference: the core's lighting of the loaded scene.
    void Eclairer(int nIndexDate, int nHeure, int nMinute) {
        Soleil(nIndexDate, nHeure, nMinute);
        ASSERT_TRUE(m_doc.GenererMaillages());
        m_doc.CalculerEclairement();
    }
    // The scene saved under `nom` after a change.
    std::string Variante(const std::string& nom) {
        std::string strErreur;
        EXPECT_TRUE(m_doc.Enregistrer(Chemin(nom), strErreur)) << strErreur;
        return Chemin(nom);
    }
    std::string m_maison;
};

TEST_F(CliEclairementTest, LightingIsTheCoreResultAsTheDialogShowsIt) {
    Json json = Lire({"lighting", m_maison, "--date", "21 june", "--time", "12:00"});
    Eclairer(11, 12, 0);
    const CEclairementRecepteurs& scene = m_doc.m_eclairementRecepteurs;
    Json attendu = {{"azimuth", 184.0},
                    {"altitude", 64.49},
                    {"equivalent", Lu(scene.m_dEquivalent, 2)},
                    {"incidence", Lu(scene.m_dIncidence, 2)},
                    {"receivers", Json::array()}};
    for (int i = 0; i < g_nFaces; ++i) {
        CFace& f = *m_doc.Face(i);
        if (f.m_proprietes.m_bRecepteur) {
            attendu["receivers"].push_back({{"index", i},
                                            {"name", f.m_proprietes.m_strNom},
                                            {"equivalent", Lu(Arrondi(f.m_dEclairement, 2), 2)},
                                            {"incidence", Lu(Arrondi(f.m_dIncidence, 2), 2)},
                                            {"net_area", f.AireNette()},
                                            {"nodes", f.m_pNoeuds->Taille()}});
        }
    }
    EXPECT_EQ(json, attendu);
    // At noon in June the canopy shades the second window whole; nothing
    // shades the roof.
    EXPECT_EQ(json["receivers"][2]["name"], "south window 2");
    EXPECT_EQ(json["receivers"][2]["equivalent"], 0);
    EXPECT_EQ(json["receivers"][3]["name"], "south roof");
    EXPECT_EQ(json["receivers"][3]["equivalent"], 100);
}

TEST_F(CliEclairementTest, NodesCsvHoldsEveryNodeExactly) {
    const CResultatCli r = Cli(
        {"lighting", m_maison, "--date", "5", "--time", "10:20", "--nodes", Chemin("nodes.csv")});
    ASSERT_EQ(r.nCode, 0) << r.erreurs;
    Eclairer(5, 10, 20);
    std::istringstream csv(LireTexte(Chemin("nodes.csv")));
    std::string ligne;
    std::getline(csv, ligne);
    EXPECT_EQ(ligne, "face,node,x,y,z,value");
    int nTotal = 0;
    for (int i = 0; i < g_nFaces; ++i) {
        const CMaillage* m = m_doc.Face(i)->m_pNoeuds.get();
        for (int n = 0; m != nullptr && n < m->Taille(); ++n, ++nTotal) {
            ASSERT_TRUE(std::getline(csv, ligne)) << nTotal;
            // Each number reads back as the same double (float for the value).
            std::istringstream champs(ligne);
            int nFace = -1, nNoeud = -1;
            double x = 0, y = 0, z = 0;
            float fValeur = -1;
            char c = 0;
            champs >> nFace >> c >> nNoeud >> c >> x >> c >> y >> c >> z >> c >> fValeur;
            const CVecteur p = m->Noeud(n);
            ASSERT_TRUE(nFace == i && nNoeud == n && x == p.m_x && y == p.m_y && z == p.m_z &&
                        fValeur == p.m_fValeur)
                << ligne;
        }
    }
    EXPECT_GT(nTotal, 10000);
    EXPECT_FALSE(std::getline(csv, ligne)) << "extra line " << ligne;
}

TEST_F(CliEclairementTest, DayReportSamplesAveragesAndTheDialogsExport) {
    const Json json =
        Lire({"day-report", m_maison, "--date", "21 june", "--export", Chemin("results.txt")});
    ASSERT_TRUE(m_doc.GenererMaillages());
    CBilanJournalier& bilan = m_doc.m_bilanJournalier;
    bilan.m_nIndexDate = 11;
    bilan.Ouvrir();
    bilan.Calculer(m_doc.Faces(), nullptr);
    bilan.CalculerMoyennes();
    Json attendu = {{"samples", Json::array()}};
    for (int k = 0; k < bilan.m_nEchantillons; ++k) {
        const CEchantillon& e = bilan.m_echantillons[static_cast<std::size_t>(k)];
        attendu["samples"].push_back({{"hour", e.m_nHeure},
                                      {"minute", e.m_nMinute},
                                      {"equivalent", Lu(e.m_dEquivalent, 2)},
                                      {"incidence", Lu(e.m_dIncidence, 2)},
                                      {"altitude", Lu(e.m_dAltitude, 2)}});
    }
    attendu["averages"] = {{"equivalent", Lu(bilan.m_dEquivalentMoyen, 2)},
                           {"incidence", Lu(bilan.m_dIncidenceMoyenne, 2)},
                           {"altitude", Lu(bilan.m_dAltitudeMoyenne, 2)}};
    EXPECT_EQ(json, attendu);
    ASSERT_EQ(json["samples"].size(), 144u);
    EXPECT_EQ(json["samples"][143]["hour"], 23);
    EXPECT_EQ(json["samples"][143]["minute"], 50);
    EXPECT_EQ(LireTexte(Chemin("results.txt")), bilan.TexteExport());
    EXPECT_EQ(LireTexte(Chemin("results.txt")).rfind("0 0 0 0 -17.65\n0 10 0 0 -17.56\n", 0), 0u);

    // Every 30 minutes; a sample agrees with the lighting at its time.
    const Json pas = Lire({"day-report", m_maison, "--date", "4 may", "--step", "30"});
    ASSERT_EQ(pas["samples"].size(), 48u);
    EXPECT_EQ(pas["samples"][47]["minute"], 30);
    const Json e = pas["samples"][29];
    const Json eclairement = Lire({"lighting", m_maison, "--date", "4 may", "--time", "14:30"});
    EXPECT_EQ(e["hour"], 14);
    for (const char* cle : {"equivalent", "incidence", "altitude"}) {
        EXPECT_EQ(e[cle], eclairement[cle]) << cle;
    }
}

TEST_F(CliEclairementTest, ProgressOnlyOnATerminalForLongWorkAndNeverOnTheOutput) {
    using std::chrono::hours, std::chrono::milliseconds;
    const struct {
        int nEtapes;
        bool bTerminal;
        milliseconds delai;
        const char* szAttendu; // the last line drawn, then erased; "" for nothing at all
    } cas[] = {
        {48, true, milliseconds(0), "\rday report: 100 %\r                 \r"},
        {0, true, milliseconds(0), "\rday report: 0 s\r               \r"}, // counted in seconds
        {48, false, milliseconds(0), ""},                                   // piped
        {48, true, hours(1), ""},                                           // short work
    };
    for (const auto& c : cas) {
        std::FILE* pFlux = std::tmpfile();
        ASSERT_NE(pFlux, nullptr);
        {
            CProgression progression("day report", c.nEtapes, pFlux, c.bTerminal, c.delai);
            for (int k = 0; k < c.nEtapes; ++k) {
                progression.Avancer();
            }
        }
        std::string texte(4096, '\0');
        std::rewind(pFlux);
        texte.resize(std::fread(texte.data(), 1, texte.size(), pFlux));
        std::fclose(pFlux);
        const std::string attendu = c.szAttendu;
        EXPECT_TRUE(texte.size() >= attendu.size() &&
                    texte.compare(texte.size() - attendu.size(), attendu.size(), attendu) == 0)
            << c.nEtapes << ' ' << c.bTerminal << ": " << texte;
        EXPECT_EQ(texte.empty(), attendu.empty());
    }
    // On a terminal, standard output keeps the whole JSON; through a pipe,
    // standard error stays silent (Lire checks it).
    const CResultatCli terminal =
        Cli({"day-report", m_maison, "--date", "5", "--step", "30", "--json"}, true);
    EXPECT_EQ(terminal.nCode, 0);
    EXPECT_EQ(Json::parse(terminal.sortie),
              Lire({"day-report", m_maison, "--date", "5", "--step", "30"}));
}

TEST_F(CliEclairementTest, RefusedComputationsExitWith3AndWriteNothing) {
    for (int i = 0; i < g_nFaces; ++i) {
        m_doc.Face(i)->m_proprietes.m_bRecepteur = 0;
    }
    const std::string sans = Variante("no-receiver.vtl");
    for (const auto& commande : std::vector<std::vector<std::string>>{
             {"lighting", sans, "--date", "5", "--time", "12:00", "--nodes", Chemin("n.csv")},
             {"day-report", sans, "--date", "5", "--export", Chemin("r.txt")}}) {
        const CResultatCli r = Cli(commande);
        VerifierEchec(r, 3);
        EXPECT_EQ(r.erreurs, "vantrel-cli: " + commande[0] +
                                 ": No face declared as a receiver (mesh not generated). Declare "
                                 "the faces of interest as receivers\n");
    }
    EXPECT_FALSE(Existe(Chemin("n.csv")));
    EXPECT_FALSE(Existe(Chemin("r.txt")));

    Charger(m_maison);
    m_doc.m_optionsCalcul.m_nPoidsMax = 1; // 4999 nodes, fewer than the house needs
    const CResultatCli lourd =
        Cli({"lighting", Variante("light.vtl"), "--date", "5", "--time", "12:00"});
    VerifierEchec(lourd, 3);
    EXPECT_NE(lourd.erreurs.find("would exceed the maximum weight. Reduce your mesh or increase "
                                 "the maximum weight allowed\n"),
              std::string::npos)
        << lourd.erreurs;
    EXPECT_EQ(lourd.erreurs.find("   "), std::string::npos);
}
