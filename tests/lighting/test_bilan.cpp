#include "../document/DocumentTest.h"
#include "geometry/Arrondi.h"

#include <filesystem>

namespace {

class Bilan : public DocumentTest {
protected:
    void SetUp() override {
        CFace* f = AjouterNommee("south wall");
        f->m_proprietes.m_bRecepteur = 1;
        f->m_proprietes.m_dMailleRelative = 10;
        m_doc.m_positionSoleil.m_nIndexDate = 3;
        m_doc.m_positionSoleil.m_nHeure = 7;
        m_doc.m_positionSoleil.m_nMinute = 35;
        ASSERT_TRUE(m_doc.GenererMaillages());
    }
    CBilanJournalier& B() { return m_doc.m_bilanJournalier; }
    int Minutes(int k) {
        return B().m_echantillons[k].m_nHeure * 60 + B().m_echantillons[k].m_nMinute;
    }
};

TEST_F(Bilan, OneSamplePerStepFromMidnightEachAsOneComputation) {
    B().Ouvrir();
    B().m_nIndexDate = 11; // 21 june
    int nAppels = 0;
    B().Calculer(m_doc.Faces(), [&] { ++nAppels; });
    ASSERT_EQ(B().m_nEchantillons, 144);
    EXPECT_EQ(nAppels, 144);
    EXPECT_EQ(Minutes(0), 0);
    EXPECT_EQ(Minutes(73), 12 * 60 + 10);
    EXPECT_EQ(Minutes(143), 23 * 60 + 50);
    EXPECT_EQ(B().Progression(), 100);
    // The sun's date and time are put back; its position is the last sample's.
    CPositionSoleil& s = m_doc.m_positionSoleil;
    EXPECT_EQ(s.m_nIndexDate * 10000 + s.m_nHeure * 100 + s.m_nMinute, 30735);
    EXPECT_EQ(s.m_dAltitude, B().m_echantillons[143].m_dAltitude);
    // The wall faces south: lit around noon, dark at night.
    EXPECT_EQ(B().m_echantillons[0].m_dEquivalent, 0);
    EXPECT_EQ(B().m_echantillons[72].m_dEquivalent, 100);

    s.m_nIndexDate = 11;
    s.m_nHeure = 14;
    s.m_nMinute = 20;
    s.CalculerPosition();
    s.CalculerDirection();
    m_doc.m_eclairementRecepteurs.CalculerEclairementSimple(m_doc.Faces(), m_doc.SoleilCalcul());
    const CEchantillon& e = B().m_echantillons[14 * 6 + 2];
    EXPECT_EQ(e.m_dEquivalent, m_doc.m_eclairementRecepteurs.m_dEquivalent);
    EXPECT_EQ(e.m_dIncidence, m_doc.m_eclairementRecepteurs.m_dIncidence);
    EXPECT_EQ(e.m_dAltitude, s.m_dAltitude);

    m_doc.m_optionsCalcul.m_nPasMinutes = 30;
    B().Calculer(m_doc.Faces(), {});
    EXPECT_EQ(B().m_nEchantillons, 48);
    EXPECT_EQ(Minutes(47), 23 * 60 + 30);
}

TEST_F(Bilan, StopLeavesTheCurrentSampleUncounted) {
    B().Ouvrir();
    int n = 0;
    B().Calculer(m_doc.Faces(), [&] {
        if (++n == 10) {
            B().m_bArret = 1; // "Close / Stop" handled during the loop
        }
    });
    EXPECT_EQ(B().m_nEchantillons, 9);
    EXPECT_EQ(m_doc.m_positionSoleil.m_nHeure, 7);
    B().Ouvrir();
    EXPECT_EQ(B().m_nEchantillons, 0);
    EXPECT_EQ(B().m_bArret, 0);
}

TEST_F(Bilan, AveragesAreWeightedByTheLighting) {
    B().m_nEchantillons = 4;
    const double e[4][3] = {{0, 170, -20}, {50, 30, 40}, {30, 60, 20}, {0, 10, 60}};
    for (int k = 0; k < 4; ++k) {
        B().m_echantillons[static_cast<std::size_t>(k)] = {k, 0, e[k][0], e[k][1], e[k][2]};
    }
    B().CalculerMoyennes();
    EXPECT_EQ(B().m_dEquivalentMoyen, 20);
    EXPECT_EQ(B().m_dIncidenceMoyenne, Arrondi((50 * 30 + 30 * 60) / 80.0, 2)); // 41.25
    EXPECT_EQ(B().m_dAltitudeMoyenne, 32.5);
    // A day never lit averages to 0, the altitude too.
    B().m_echantillons[1].m_dEquivalent = B().m_echantillons[2].m_dEquivalent = 0;
    B().CalculerMoyennes();
    EXPECT_EQ(B().m_dEquivalentMoyen + B().m_dIncidenceMoyenne + B().m_dAltitudeMoyenne, 0);
}

TEST_F(Bilan, ExportLinesByteForByte) {
    B().m_nEchantillons = 3;
    B().m_echantillons[0] = {0, 0, 0, 0, -23.5};
    B().m_echantillons[1] = {12, 0, 45.23, 31.5, 64.49};
    B().m_echantillons[2] = {23, 50, 100, 1234567.0, 0.000012345};
    const std::string texte =
        "0 0 0 0 -23.5\n12 0 45.23 31.5 64.49\n23 50 100 1.23457e+06 1.2345e-05\n";
    EXPECT_EQ(B().TexteExport(), texte);
    const auto chemin = std::filesystem::temp_directory_path() / "vantrel_export_test.txt";
    std::string erreur;
    ASSERT_TRUE(B().Exporter(chemin.string(), erreur)) << erreur;
    std::ifstream flux(chemin, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(flux), {}), texte);
    std::filesystem::remove(chemin);
    EXPECT_FALSE(B().Exporter("/nonexistent-folder/results.txt", erreur));
    EXPECT_NE(erreur.find("results.txt"), std::string::npos);

    EXPECT_TRUE(B().PeutExporter());
    B().m_nEchantillons = 1;
    EXPECT_FALSE(B().PeutExporter());

    const CChoixFichier choix = CBilanJournalier::ChoixExport();
    EXPECT_EQ(choix.strTitre, "Export data to");
    EXPECT_EQ(choix.strNomInitial, "results");
    EXPECT_EQ(choix.strExtension, "txt");
    EXPECT_EQ(choix.strFiltre, "");
    EXPECT_TRUE(choix.bConfirmerEcrasement);
}

} // namespace
