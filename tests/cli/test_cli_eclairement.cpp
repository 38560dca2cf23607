// The lighting through the CLI: lighting, day-report, and the computations
// the mesh guard refuses.
#include "CliTest.h"

#include "geometry/Arrondi.h"

#include <charconv>
#include <sstream>

namespace {

double Nombre(const std::string& s) {
    double d = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), d);
    EXPECT_EQ(r.ptr, s.data() + s.size()) << s;
    return d;
}

std::vector<std::string> Champs(const std::string& ligne) {
    std::vector<std::string> champs;
    std::stringstream flux(ligne);
    std::string champ;
    while (std::getline(flux, champ, ',')) {
        champs.push_back(champ);
    }
    return champs;
}

} // namespace

class CliEclairementTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        m_maison = EcrireExemple("house");
        Charger(m_maison);
    }

    // The reference: the core's lighting of the loaded scene.
    void Eclairer(int nIndexDate, int nHeure, int nMinute) {
        CPositionSoleil& soleil = m_doc.m_positionSoleil;
        soleil.m_nIndexDate = nIndexDate;
        soleil.m_nHeure = nHeure;
        soleil.m_nMinute = nMinute;
        soleil.CalculerPosition();
        soleil.CalculerDirection();
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

TEST_F(CliEclairementTest, LightingIsTheCoreResultRoundedAsTheDialogShowsIt) {
    const CJsonLu json = Json({"lighting", m_maison, "--date", "21 june", "--time", "12:00"});
    Eclairer(11, 12, 0);
    EXPECT_EQ(json.Cles(), (std::vector<std::string>{"azimuth", "altitude", "equivalent",
                                                     "incidence", "receivers"}));
    EXPECT_EQ(json["azimuth"].d, m_doc.m_positionSoleil.m_dAzimut);
    EXPECT_EQ(json["altitude"].d, m_doc.m_positionSoleil.m_dAltitude);
    EXPECT_EQ(json["equivalent"].d, m_doc.m_eclairementRecepteurs.m_dEquivalent);
    EXPECT_EQ(json["incidence"].d, m_doc.m_eclairementRecepteurs.m_dIncidence);

    std::size_t k = 0;
    for (int i = 0; i < g_nFaces; ++i) {
        CFace& f = *m_doc.Face(i);
        if (!f.m_proprietes.m_bRecepteur) {
            continue;
        }
        const CJsonLu& r = json["receivers"][k++];
        EXPECT_EQ(r.Cles(), (std::vector<std::string>{"index", "name", "equivalent", "incidence",
                                                      "net_area", "nodes"}));
        EXPECT_EQ(r["index"].d, i);
        EXPECT_EQ(r["name"].s, f.m_proprietes.m_strNom);
        EXPECT_EQ(r["equivalent"].d, Arrondi(f.m_dEclairement, 2));
        EXPECT_EQ(r["incidence"].d, Arrondi(f.m_dIncidence, 2));
        EXPECT_EQ(r["net_area"].d, f.AireNette());
        EXPECT_EQ(r["nodes"].d, f.m_pNoeuds->Taille());
    }
    EXPECT_EQ(json["receivers"].Taille(), k);
    // At noon in June the canopy shades the second window whole; nothing
    // shades the roof.
    EXPECT_EQ(json["receivers"][2]["name"].s, "south window 2");
    EXPECT_EQ(json["receivers"][2]["equivalent"].d, 0);
    EXPECT_EQ(json["receivers"][3]["name"].s, "south roof");
    EXPECT_EQ(json["receivers"][3]["equivalent"].d, 100);
}

TEST_F(CliEclairementTest, NodesCsvHoldsEveryNodeExactly) {
    const CResultatCli r = Cli(
        {"lighting", m_maison, "--date", "5", "--time", "10:20", "--nodes", Chemin("nodes.csv")});
    ASSERT_EQ(r.nCode, 0) << r.erreurs;
    Eclairer(5, 10, 20);
    std::stringstream csv(LireTexte(Chemin("nodes.csv")));
    std::string ligne;
    std::getline(csv, ligne);
    EXPECT_EQ(ligne, "face,node,x,y,z,value");
    int nLignes = 0;
    int nTotal = 0;
    for (int i = 0; i < g_nFaces; ++i) {
        const CMaillage* m = m_doc.Face(i)->m_pNoeuds.get();
        for (int n = 0; m != nullptr && n < m->Taille(); ++n) {
            ++nTotal;
            if (!std::getline(csv, ligne)) {
                break;
            }
            ++nLignes;
            const std::vector<std::string> c = Champs(ligne);
            ASSERT_EQ(c.size(), 6u) << ligne;
            ASSERT_EQ(c[0], std::to_string(i));
            ASSERT_EQ(c[1], std::to_string(n));
            const CVecteur p = m->Noeud(n);
            ASSERT_EQ(Nombre(c[2]), p.m_x);
            ASSERT_EQ(Nombre(c[3]), p.m_y);
            ASSERT_EQ(Nombre(c[4]), p.m_z);
            float f = 0;
            std::from_chars(c[5].data(), c[5].data() + c[5].size(), f);
            ASSERT_EQ(f, p.m_fValeur) << ligne;
        }
    }
    EXPECT_GT(nTotal, 10000);
    EXPECT_EQ(nLignes, nTotal);
    EXPECT_FALSE(std::getline(csv, ligne)) << "extra line " << ligne;
}

TEST_F(CliEclairementTest, DayReportSamplesAveragesAndTheDialogsExport) {
    const CJsonLu json =
        Json({"day-report", m_maison, "--date", "21 june", "--export", Chemin("results.txt")});
    ASSERT_TRUE(m_doc.GenererMaillages());
    CBilanJournalier& bilan = m_doc.m_bilanJournalier;
    bilan.m_nIndexDate = 11;
    bilan.Ouvrir();
    bilan.Calculer(m_doc.Faces(), nullptr);
    bilan.CalculerMoyennes();

    EXPECT_EQ(json.Cles(), (std::vector<std::string>{"samples", "averages"}));
    const CJsonLu& e = json["samples"];
    ASSERT_EQ(e.Taille(), 144u);
    EXPECT_EQ(e[0].Cles(),
              (std::vector<std::string>{"hour", "minute", "equivalent", "incidence", "altitude"}));
    EXPECT_EQ(e[0]["hour"].d, 0);
    EXPECT_EQ(e[0]["minute"].d, 0);
    EXPECT_EQ(e[143]["hour"].d, 23);
    EXPECT_EQ(e[143]["minute"].d, 50);
    for (std::size_t k = 0; k < 144; ++k) {
        const CEchantillon& r = bilan.m_echantillons[k];
        EXPECT_EQ(e[k]["equivalent"].d, r.m_dEquivalent) << k;
        EXPECT_EQ(e[k]["incidence"].d, r.m_dIncidence) << k;
        EXPECT_EQ(e[k]["altitude"].d, r.m_dAltitude) << k;
    }
    EXPECT_EQ(json["averages"].Cles(),
              (std::vector<std::string>{"equivalent", "incidence", "altitude"}));
    EXPECT_EQ(json["averages"]["equivalent"].d, bilan.m_dEquivalentMoyen);
    EXPECT_EQ(json["averages"]["incidence"].d, bilan.m_dIncidenceMoyenne);
    EXPECT_EQ(json["averages"]["altitude"].d, bilan.m_dAltitudeMoyenne);
    EXPECT_EQ(LireTexte(Chemin("results.txt")), bilan.TexteExport());
    EXPECT_EQ(LireTexte(Chemin("results.txt")).rfind("0 0 0 0 -17.65\n0 10 0 0 -17.56\n", 0), 0u);
}

TEST_F(CliEclairementTest, DayReportStepAgreesWithTheLightingAtTheSameTime) {
    const CJsonLu json = Json({"day-report", m_maison, "--date", "4 may", "--step", "30"});
    const CJsonLu& e = json["samples"];
    ASSERT_EQ(e.Taille(), 48u);
    EXPECT_EQ(e[47]["hour"].d, 23);
    EXPECT_EQ(e[47]["minute"].d, 30);
    const CJsonLu midi = Json({"lighting", m_maison, "--date", "4 may", "--time", "14:30"});
    EXPECT_EQ(e[29]["hour"].d, 14);
    EXPECT_EQ(e[29]["equivalent"].d, midi["equivalent"].d);
    EXPECT_EQ(e[29]["incidence"].d, midi["incidence"].d);
    EXPECT_EQ(e[29]["altitude"].d, midi["altitude"].d);
}

TEST_F(CliEclairementTest, DayReportShowsItsProgressOnlyOnATerminal) {
    const CResultatCli terminal =
        Cli({"day-report", m_maison, "--date", "5", "--step", "30", "--json"}, true);
    EXPECT_EQ(terminal.nCode, 0);
    EXPECT_NE(terminal.erreurs.find("day report: 100 %"), std::string::npos) << terminal.erreurs;
    EXPECT_EQ(LireJson(terminal.sortie)["samples"].Taille(), 48u);
    // Through a pipe standard error stays silent (Json() checks it).
    Json({"day-report", m_maison, "--date", "5", "--step", "30"});
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
