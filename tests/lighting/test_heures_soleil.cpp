#include "../document/DocumentTest.h"

// An open horizontal receiver sees the sun as long as the daylight lasts
// (within one time step); under an opaque roof it sees none, under a 50 %
// one it counts up to a threshold of 50 %. A stop drops everything.
TEST_F(DocumentTest, SunHoursOfAnOpenAndOfARoofedReceiver) {
    AjouterQuad("ground", CVecteur(0, 0, 0), CVecteur(2, 0, 0), CVecteur(0, 2, 0))
        ->m_proprietes.m_bRecepteur = 1;
    CHeuresSoleil& h = m_doc.m_heuresSoleil;
    const std::vector<std::uint8_t> octets = m_doc.Ecrire();
    CInformationsSolaires& infos = m_doc.m_informationsSolaires;
    const double dPas = m_doc.m_optionsCalcul.PasMinutes() / 60.0;
    for (const int nDate : {-1, 0, 11, 17}) { // -1: the year
        SCOPED_TRACE(nDate);
        ASSERT_FALSE(h.Valider({std::max(nDate, 0), nDate < 0, "0"}));
        ASSERT_TRUE(m_doc.GenererMaillages());
        ASSERT_TRUE(h.Calculer(m_doc.Faces(), {}));
        double dJour = 0;
        for (int d = nDate < 0 ? 0 : nDate; d <= (nDate < 0 ? 23 : nDate); ++d) {
            infos.ChoisirDate(d);
            dJour += infos.m_dDureeJour / (nDate < 0 ? 24 : 1);
        }
        ASSERT_EQ(h.m_recepteurs.size(), 1u);
        const CHeuresRecepteur& r = h.m_recepteurs[0];
        EXPECT_GT(dJour, 7);
        EXPECT_NEAR(r.dMin, dJour, dPas + 0.01);
        EXPECT_EQ(r.dMin, r.dMax);
    }
    EXPECT_EQ(m_doc.Ecrire(), octets); // the hours are never stored

    AjouterQuad("roof", CVecteur(-1000, -1000, 1), CVecteur(2002, 0, 0), CVecteur(0, 2002, 0));
    ASSERT_TRUE(m_doc.GenererMaillages());
    ASSERT_TRUE(h.Calculer(m_doc.Faces(), {}));
    EXPECT_EQ(h.m_recepteurs[0].dMax, 0);
    EXPECT_EQ(h.Echelle(), 1);
    m_doc.Face(1)->m_proprietes.m_dTransmittivite = 50; // the nodes get 50 % under the sun
    for (const auto& [szSeuil, bSoleil] : {std::pair("50", true), std::pair("50.5", false)}) {
        ASSERT_FALSE(h.Valider({17, 0, szSeuil}));
        ASSERT_TRUE(h.Calculer(m_doc.Faces(), {}));
        EXPECT_EQ(h.m_recepteurs[0].dMax > 7, bSoleil) << szSeuil;
    }
    m_doc.OuvrirPositionSoleil(); // the lighting of one moment takes the view
    EXPECT_FALSE(h.m_bAffichees);

    int n = 0;
    EXPECT_FALSE(h.Calculer(m_doc.Faces(), [&] { h.m_bArret = ++n == 30; }));
    EXPECT_TRUE(h.m_recepteurs.empty() && !h.m_bAffichees && h.m_nEchantillons == 29);
    const CResultatValidation refus = h.Valider({0, 0, "100.5"});
    ASSERT_TRUE(refus && refus->nChamp == CHeuresSoleil::kChampSeuil);
    EXPECT_EQ(refus->strMessage, "Please enter a number between 0 and 100.");
}
