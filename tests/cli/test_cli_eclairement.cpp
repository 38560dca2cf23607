// The lighting: lighting, day-report, their progress line, and what the mesh guard refuses.
#include "CliTest.h"

#include "cli/Progression.h"

#include <charconv>

TEST_F(CliTest, LightingIsTheCoreResultAsTheDialogShowsItAndEveryNodeExactly) {
    const std::string csv = Chemin("nodes.csv");
    const Json json =
        Lire({"lighting", Maison(), "--date", "21 june", "--time", "12:00", "--nodes", csv});
    // At noon in June the canopy shades the second window whole; nothing shades the roof.
    ExpectGolden("cli/house_lighting.json", json.dump(1) + "\n");
    Soleil(11, 12, 0);
    ASSERT_TRUE(m_doc.GenererMaillages());
    m_doc.CalculerEclairement();
    const CEclairementRecepteurs& e = m_doc.m_eclairementRecepteurs;
    EXPECT_EQ((Json{json["equivalent"], json["incidence"]}),
              (Json{Lu(e.m_dEquivalent, 2), Lu(e.m_dIncidence, 2)}));
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
    }
    EXPECT_GT(std::count(noeuds.begin(), noeuds.end(), '\n'), 10000);
    EXPECT_TRUE(LireTexte(csv) == noeuds) << LireTexte(csv).substr(0, 300);
}

TEST_F(CliTest, DayReportSamplesAveragesAndTheDialogsExport) {
    const std::string maison = Maison(), export_ = Chemin("results.txt");
    const Json json = Lire({"day-report", maison, "--date", "21 june", "--export", export_});
    ExpectGolden("cli/house_day_report.json", json.dump(1) + "\n");
    ASSERT_TRUE(m_doc.GenererMaillages());
    CBilanJournalier& b = m_doc.m_bilanJournalier;
    b.m_nIndexDate = 11;
    b.Ouvrir();
    b.Calculer(m_doc.Faces(), nullptr);
    b.CalculerMoyennes();
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
    // The last state drawn, then erased; nothing at all when piped or for short
    // work; seconds for uncounted work.
    for (const auto& [nEtapes, bTerminal, nDelai, attendu] :
         {std::tuple<int, bool, int, std::string>{48, true, 0,
                                                  "\rday report: 100 %\r                 \r"},
          {0, true, 0, "\rday report: 0 s\r               \r"},
          {48, false, 0, ""},
          {48, true, 3600000, ""}}) {
        char* pTexte = nullptr;
        std::size_t nTaille = 0;
        std::FILE* pFlux = ::open_memstream(&pTexte, &nTaille);
        {
            CProgression progression("day report", nEtapes, pFlux, bTerminal,
                                     std::chrono::milliseconds(nDelai));
            for (int k = 0; k < nEtapes; ++k) {
                progression.Avancer();
            }
        }
        std::fclose(pFlux);
        const std::string texte(pTexte, nTaille);
        std::free(pTexte);
        EXPECT_TRUE(texte.ends_with(attendu) && texte.empty() == attendu.empty()) << texte;
    }
}

TEST_F(CliTest, RefusedComputationsExitWith3AndWriteNothing) {
    const std::string maison = Maison();
    for (int i = 0; i < g_nFaces; ++i) {
        m_doc.Face(i)->m_proprietes.m_bRecepteur = 0;
    }
    const std::string sans = Enregistrer("no-receiver.vtl");
    Charger(maison);
    m_doc.m_optionsCalcul.m_nPoidsMax = 1; // 4999 nodes, fewer than the house needs
    const std::string lourde = Enregistrer("light.vtl");
    std::string texte;
    for (const auto& commande : std::vector<std::vector<std::string>>{
             {"lighting", sans, "--date", "5", "--time", "12:00", "--nodes", Chemin("n.csv")},
             {"day-report", sans, "--date", "5", "--export", Chemin("r.txt")},
             {"lighting", lourde, "--date", "5", "--time", "12:00"}}) {
        const CResultatCli r = Cli(commande);
        VerifierEchec(r, 3);
        texte += r.erreurs;
    }
    ExpectGolden("cli/refusals.txt", texte);
    EXPECT_FALSE(Existe("n.csv") || Existe("r.txt"));
}

TEST_F(CliTest, SunHoursOfEachReceiverAndOfEveryNode) {
    const std::string maison = Maison(), csv = Chemin("hours.csv");
    const CResultatCli r = Cli({"sun-hours", maison, "--date", "21 june", "--nodes", csv});
    ASSERT_EQ(r.nCode, 0) << r.erreurs;
    ExpectGolden("cli/house_sun_hours.txt", r.sortie);
    ASSERT_TRUE(m_doc.GenererMaillages());
    CHeuresSoleil& h = m_doc.m_heuresSoleil;
    ASSERT_FALSE(h.Valider({11, 0, "0"}));
    ASSERT_TRUE(h.Calculer(m_doc.Faces(), {}));
    const CMaillage& toit = h.m_recepteurs.back().noeuds;
    EXPECT_NE(LireTexte(csv).find("\n9," + std::to_string(toit.Taille() - 1) + ','),
              std::string::npos);
    VerifierEchec(Cli({"sun-hours", maison, "--year", "--date", "4"}), 1);
}
