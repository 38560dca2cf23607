#include "../document/DocumentTest.h"

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
};

TEST_F(Bilan, SamplesStopAveragesAndExport) {
    CJournal j;
    const auto echantillon = [&](int k) {
        const CEchantillon& e = B().m_echantillons[static_cast<std::size_t>(k)];
        NOTER(j, k, e.m_nHeure, e.m_nMinute, e.m_dEquivalent, e.m_dIncidence, e.m_dAltitude);
    };
    j.Titre("21 june, one sample per step from midnight, each as one computation");
    B().Ouvrir();
    B().m_nIndexDate = 11;
    int nAppels = 0;
    B().Calculer(m_doc.Faces(), [&] { ++nAppels; });
    NOTER(j, B().m_nEchantillons, nAppels, B().Progression());
    for (int k : {0, 72, 73, 86, 143}) {
        echantillon(k);
    }
    j.Titre("the sun's date and time are put back; its position is the last sample's");
    CPositionSoleil& s = m_doc.m_positionSoleil;
    NOTER(j, s.m_nIndexDate, s.m_nHeure, s.m_nMinute, s.m_dAltitude);
    j.Titre("the sample of 14:20 is what the lighting window computes then");
    s.m_nIndexDate = 11;
    s.m_nHeure = 14;
    s.m_nMinute = 20;
    s.CalculerPosition();
    s.CalculerDirection();
    m_doc.m_eclairementRecepteurs.CalculerEclairementSimple(m_doc.Faces(), m_doc.SoleilCalcul());
    NOTER(j, m_doc.m_eclairementRecepteurs.m_dEquivalent,
          m_doc.m_eclairementRecepteurs.m_dIncidence, s.m_dAltitude);
    m_doc.m_optionsCalcul.m_nPasMinutes = 30;
    B().Calculer(m_doc.Faces(), {});
    NOTER(j, B().m_nEchantillons);
    echantillon(47);

    j.Titre("Close / Stop handled during the loop leaves the current sample uncounted");
    s.m_nHeure = 7;
    B().Ouvrir();
    int n = 0;
    B().Calculer(m_doc.Faces(), [&] {
        if (++n == 10) {
            B().m_bArret = 1;
        }
    });
    NOTER(j, B().m_nEchantillons, s.m_nHeure);
    B().Ouvrir();
    NOTER(j, B().m_nEchantillons, B().m_bArret);

    j.Titre("averages weighted by the lighting: (50 * 30 + 30 * 60) / 80 = 41.25");
    B().m_nEchantillons = 4;
    const double e[4][3] = {{0, 170, -20}, {50, 30, 40}, {30, 60, 20}, {0, 10, 60}};
    for (int k = 0; k < 4; ++k) {
        B().m_echantillons[static_cast<std::size_t>(k)] = {k, 0, e[k][0], e[k][1], e[k][2]};
    }
    B().CalculerMoyennes();
    NOTER(j, B().m_dEquivalentMoyen, B().m_dIncidenceMoyenne, B().m_dAltitudeMoyenne);
    B().m_echantillons[1].m_dEquivalent = B().m_echantillons[2].m_dEquivalent = 0;
    B().CalculerMoyennes(); // a day never lit averages to 0, the altitude too
    NOTER(j, B().m_dEquivalentMoyen, B().m_dIncidenceMoyenne, B().m_dAltitudeMoyenne);

    j.Titre("export lines byte for byte");
    B().m_nEchantillons = 3;
    B().m_echantillons[0] = {0, 0, 0, 0, -23.5};
    B().m_echantillons[1] = {12, 0, 45.23, 31.5, 64.49};
    B().m_echantillons[2] = {23, 50, 100, 1234567.0, 0.000012345};
    const std::string texte = B().TexteExport();
    NOTER(j, texte, B().PeutExporter());
    const auto chemin = std::filesystem::temp_directory_path() / "vantrel_export_test.txt";
    std::string erreur;
    ASSERT_TRUE(B().Exporter(chemin.string(), erreur)) << erreur;
    std::ifstream flux(chemin, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(flux), {}), texte);
    std::filesystem::remove(chemin);
    EXPECT_FALSE(B().Exporter("/nonexistent-folder/results.txt", erreur));
    EXPECT_NE(erreur.find("results.txt"), std::string::npos);
    B().m_nEchantillons = 1;
    NOTER(j, B().PeutExporter());
    const CChoixFichier choix = CBilanJournalier::ChoixExport();
    NOTER(j, choix.strTitre, choix.strNomInitial, choix.strExtension, choix.strFiltre,
          choix.bConfirmerEcrasement);
    ExpectGolden("day_report.txt", j.m_texte);
}

} // namespace
