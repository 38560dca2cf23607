// The lighting: lighting, day-report, their progress line, and what the mesh guard refuses.
#include "CliTest.h"

#include "cli/Progression.h"
#include "geometry/Arrondi.h"

#include <charconv>

TEST_F(CliTest, LightingIsTheCoreResultAsTheDialogShowsItAndEveryNodeExactly) {
    const std::string csv = Chemin("nodes.csv");
    Json json =
        Lire({"lighting", Maison(), "--date", "21 june", "--time", "12:00", "--nodes", csv});
    Soleil(11, 12, 0);
    ASSERT_TRUE(m_doc.GenererMaillages());
    m_doc.CalculerEclairement();
    // At noon in June the canopy shades the second window whole; nothing shades the roof.
    const Json& r = json["receivers"];
    EXPECT_EQ((Json{r[2]["name"], r[2]["equivalent"], r[3]["name"], r[3]["equivalent"]}),
              (Json{"south window 2", 0, "south roof", 100}));
    EXPECT_EQ(Cles(json), "azimuth altitude equivalent incidence receivers");
    EXPECT_EQ(Cles(r[0]), "index name equivalent incidence net_area nodes");
    const CEclairementRecepteurs& e = m_doc.m_eclairementRecepteurs;
    Json attendu = {184.0, 64.49, Lu(e.m_dEquivalent, 2), Lu(e.m_dIncidence, 2), Json::array()};
    const auto exact = [](auto v) { // the shortest text that reads back the same
        char t[32];
        return std::string(t, std::to_chars(t, t + sizeof t, v).ptr);
    };
    std::string noeuds = "face,node,x,y,z,value\n";
    for (int i = 0; i < g_nFaces; ++i) {
        CFace& f = *m_doc.Face(i);
        for (int n = 0; f.m_pNoeuds != nullptr && n < f.m_pNoeuds->Taille(); ++n) {
            const CVecteur p = f.m_pNoeuds->Noeud(n);
            noeuds += std::to_string(i) + ',' + std::to_string(n) + ',' + exact(p.m_x) + ',' +
                      exact(p.m_y) + ',' + exact(p.m_z) + ',' + exact(p.m_fValeur) + '\n';
        }
        if (f.m_proprietes.m_bRecepteur) {
            attendu[4].push_back({i, f.m_proprietes.m_strNom, Lu(Arrondi(f.m_dEclairement, 2), 2),
                                  Lu(Arrondi(f.m_dIncidence, 2), 2), f.AireNette(),
                                  f.m_pNoeuds->Taille()});
        }
    }
    for (Json& recepteur : json["receivers"]) {
        recepteur = Valeurs(recepteur);
    }
    EXPECT_EQ(Valeurs(json), attendu);
    EXPECT_GT(std::count(noeuds.begin(), noeuds.end(), '\n'), 10000);
    EXPECT_TRUE(LireTexte(csv) == noeuds) << LireTexte(csv).substr(0, 300);
}

TEST_F(CliTest, DayReportSamplesAveragesAndTheDialogsExport) {
    const std::string maison = Maison(), export_ = Chemin("results.txt");
    const Json json = Lire({"day-report", maison, "--date", "21 june", "--export", export_});
    ASSERT_TRUE(m_doc.GenererMaillages());
    CBilanJournalier& b = m_doc.m_bilanJournalier;
    b.m_nIndexDate = 11;
    b.Ouvrir();
    b.Calculer(m_doc.Faces(), nullptr);
    b.CalculerMoyennes();
    EXPECT_EQ(Cles(json), "samples averages");
    ASSERT_EQ(json["samples"].size(), 144u);
    EXPECT_EQ(Cles(json["samples"][0]), "hour minute equivalent incidence altitude");
    for (std::size_t k = 0; k < 144; ++k) {
        const CEchantillon& e = b.m_echantillons[k];
        EXPECT_EQ(Valeurs(json["samples"][k]),
                  (Json{e.m_nHeure, e.m_nMinute, Lu(e.m_dEquivalent, 2), Lu(e.m_dIncidence, 2),
                        Lu(e.m_dAltitude, 2)}));
    }
    EXPECT_EQ((Json{json["samples"][143]["hour"], json["samples"][143]["minute"]}), (Json{23, 50}));
    EXPECT_EQ(Cles(json["averages"]), "equivalent incidence altitude");
    EXPECT_EQ(Valeurs(json["averages"]),
              (Json{Lu(b.m_dEquivalentMoyen, 2), Lu(b.m_dIncidenceMoyenne, 2),
                    Lu(b.m_dAltitudeMoyenne, 2)}));
    EXPECT_EQ(LireTexte(export_), b.TexteExport());
    EXPECT_EQ(b.TexteExport().rfind("0 0 0 0 -17.65\n0 10 0 0 -17.56\n", 0), 0u);

    // Every 30 minutes; a sample agrees with the lighting at its time.
    const Json pas = Lire({"day-report", maison, "--date", "4 may", "--step", "30"});
    ASSERT_EQ(pas["samples"].size(), 48u);
    EXPECT_EQ(pas["samples"][47]["minute"], 30);
    const Json e = pas["samples"][29],
               l = Lire({"lighting", maison, "--date", "4 may", "--time", "14:30"});
    EXPECT_EQ((Json{e["hour"], e["equivalent"], e["incidence"], e["altitude"]}),
              (Json{14, l["equivalent"], l["incidence"], l["altitude"]}));
}

TEST_F(CliTest, ProgressLineOnlyOnATerminalAndForLongWork) {
    const struct {
        int nEtapes;
        bool bTerminal;
        std::chrono::milliseconds delai;
        std::string attendu; // the last state drawn, then erased; "" for nothing at all
    } cas[] = {
        {48, true, {}, "\rday report: 100 %\r                 \r"},
        {0, true, {}, "\rday report: 0 s\r               \r"}, // uncounted work: seconds
        {48, false, {}, ""},                                   // piped
        {48, true, std::chrono::hours(1), ""},                 // short work
    };
    for (const auto& c : cas) {
        char* pTexte = nullptr;
        std::size_t nTaille = 0;
        std::FILE* pFlux = ::open_memstream(&pTexte, &nTaille);
        {
            CProgression progression("day report", c.nEtapes, pFlux, c.bTerminal, c.delai);
            for (int k = 0; k < c.nEtapes; ++k) {
                progression.Avancer();
            }
        }
        std::fclose(pFlux);
        const std::string texte(pTexte, nTaille);
        std::free(pTexte);
        EXPECT_TRUE(texte.ends_with(c.attendu) && texte.empty() == c.attendu.empty()) << texte;
    }
}

TEST_F(CliTest, RefusedComputationsExitWith3AndWriteNothing) {
    const std::string maison = Maison();
    for (int i = 0; i < g_nFaces; ++i) {
        m_doc.Face(i)->m_proprietes.m_bRecepteur = 0;
    }
    const std::string sans = Enregistrer("no-receiver.vtl");
    for (const auto& commande : std::vector<std::vector<std::string>>{
             {"lighting", sans, "--date", "5", "--time", "12:00", "--nodes", Chemin("n.csv")},
             {"day-report", sans, "--date", "5", "--export", Chemin("r.txt")}}) {
        EXPECT_EQ(Cli(commande),
                  (CResultatCli{3, "",
                                "vantrel-cli: " + commande[0] +
                                    ": No face declared as a receiver (mesh not generated). "
                                    "Declare the faces of interest as receivers\n"}));
    }
    EXPECT_FALSE(Existe("n.csv") || Existe("r.txt"));
    Charger(maison);
    m_doc.m_optionsCalcul.m_nPoidsMax = 1; // 4999 nodes, fewer than the house needs
    const CResultatCli r =
        Cli({"lighting", Enregistrer("light.vtl"), "--date", "5", "--time", "12:00"});
    VerifierEchec(r, 3);
    EXPECT_TRUE(r.erreurs.ends_with("would exceed the maximum weight. Reduce your mesh or "
                                    "increase the maximum weight allowed\n"))
        << r.erreurs;
    EXPECT_EQ(r.erreurs.find("   "), std::string::npos);
}
