#include "../document/DocumentTest.h"
#include "geometry/Arrondi.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

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
};

TEST_F(Bilan, OneSamplePerStepFromMidnight) {
    B().Ouvrir();
    B().m_nIndexDate = 11; // 21 june
    int nAppels = 0;
    B().Calculer(m_doc.Faces(), [&] { ++nAppels; });
    ASSERT_EQ(B().m_nEchantillons, 144);
    EXPECT_EQ(nAppels, 144);
    EXPECT_EQ(B().m_echantillons[0].m_nHeure, 0);
    EXPECT_EQ(B().m_echantillons[0].m_nMinute, 0);
    EXPECT_EQ(B().m_echantillons[143].m_nHeure, 23);
    EXPECT_EQ(B().m_echantillons[143].m_nMinute, 50);
    EXPECT_EQ(B().m_echantillons[73].m_nHeure, 12);
    EXPECT_EQ(B().m_echantillons[73].m_nMinute, 10);
    // The sun's date and time are put back; its position is the last sample's.
    EXPECT_EQ(m_doc.m_positionSoleil.m_nIndexDate, 3);
    EXPECT_EQ(m_doc.m_positionSoleil.m_nHeure, 7);
    EXPECT_EQ(m_doc.m_positionSoleil.m_nMinute, 35);
    EXPECT_EQ(m_doc.m_positionSoleil.m_dAltitude, B().m_echantillons[143].m_dAltitude);
    EXPECT_EQ(B().Progression(), 100);

    // The wall faces south: lit around noon, dark at night.
    EXPECT_EQ(B().m_echantillons[0].m_dEquivalent, 0);
    EXPECT_EQ(B().m_echantillons[72].m_dEquivalent, 100);
    EXPECT_GT(B().m_echantillons[72].m_dAltitude, 60);

    m_doc.m_optionsCalcul.m_nPasMinutes = 30;
    B().Calculer(m_doc.Faces(), {});
    EXPECT_EQ(B().m_nEchantillons, 48);
    EXPECT_EQ(B().m_echantillons[47].m_nHeure, 23);
    EXPECT_EQ(B().m_echantillons[47].m_nMinute, 30);
}

TEST_F(Bilan, SameSamplesAsOneComputationPerTime) {
    B().Calculer(m_doc.Faces(), {});
    CPositionSoleil& s = m_doc.m_positionSoleil;
    s.m_nIndexDate = B().m_nIndexDate;
    s.m_nHeure = 14;
    s.m_nMinute = 20;
    s.CalculerPosition();
    s.CalculerDirection();
    m_doc.m_eclairementRecepteurs.CalculerEclairementSimple(m_doc.Faces(), m_doc.SoleilCalcul());
    const CEchantillon& e = B().m_echantillons[14 * 6 + 2];
    EXPECT_EQ(e.m_dEquivalent, m_doc.m_eclairementRecepteurs.m_dEquivalent);
    EXPECT_EQ(e.m_dIncidence, m_doc.m_eclairementRecepteurs.m_dIncidence);
    EXPECT_EQ(e.m_dAltitude, s.m_dAltitude);
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
    for (int k = 0; k < 4; ++k) {
        B().m_echantillons[static_cast<std::size_t>(k)].m_dEquivalent = 0;
    }
    B().CalculerMoyennes();
    EXPECT_EQ(B().m_dEquivalentMoyen, 0);
    EXPECT_EQ(B().m_dIncidenceMoyenne, 0);
    EXPECT_EQ(B().m_dAltitudeMoyenne, 0);
    B().m_nEchantillons = 0;
    B().CalculerMoyennes();
    EXPECT_EQ(B().m_dEquivalentMoyen, 0);
}

TEST_F(Bilan, ExportLinesByteForByte) {
    B().m_nEchantillons = 3;
    B().m_echantillons[0] = {0, 0, 0, 0, -23.5};
    B().m_echantillons[1] = {12, 0, 45.23, 31.5, 64.49};
    B().m_echantillons[2] = {23, 50, 100, 1234567.0, 0.000012345};
    EXPECT_EQ(B().TexteExport(), "0 0 0 0 -23.5\n"
                                 "12 0 45.23 31.5 64.49\n"
                                 "23 50 100 1.23457e+06 1.2345e-05\n");
    const auto chemin = std::filesystem::temp_directory_path() / "vantrel_export_test.txt";
    std::string erreur;
    ASSERT_TRUE(B().Exporter(chemin.string(), erreur)) << erreur;
    std::ifstream flux(chemin, std::ios::binary);
    std::stringstream lu;
    lu << flux.rdbuf();
    EXPECT_EQ(lu.str(), B().TexteExport());
    std::filesystem::remove(chemin);

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

TEST_F(Bilan, FailedExportIsReported) {
    B().m_nEchantillons = 2;
    std::string erreur;
    EXPECT_FALSE(B().Exporter("/nonexistent-folder/results.txt", erreur));
    EXPECT_NE(erreur.find("results.txt"), std::string::npos);
}

} // namespace
