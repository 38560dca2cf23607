// The example scenes of examples/, written by vantrel-make-examples: they
// open, mesh under their budget and round-trip.
#include "DocumentTest.h"
#include "FichiersVtl.h"

#include "lighting/GenerationMaillage.h"

namespace {

class ExempleVtl : public DocumentTest, public ::testing::WithParamInterface<std::string> {};

// That the committed file is what the example builds, and resaves byte for
// byte, the command-line tests check through "example" and "resave".
TEST_P(ExempleVtl, OpensMeshesUnderItsBudgetAndRoundTrips) {
    const Octets o =
        LireOctets(std::string(VANTREL_SOURCE_DIR) + "/examples/" + GetParam() + ".vtl");
    std::string strErreur;
    ASSERT_TRUE(m_doc.Lire(o, strErreur)) << strErreur;
    EXPECT_GT(g_nFaces, 5);
    EXPECT_EQ(m_doc.Ecrire(), o);

    ASSERT_TRUE(m_doc.GenererMaillages());
    EXPECT_TRUE(m_ui.m_messages.empty());
    long long nNoeuds = 0;
    for (const CFace* f : m_doc.Faces()) {
        EXPECT_EQ(f->m_pNoeuds != nullptr, f->m_proprietes.m_bRecepteur != 0)
            << f->m_proprietes.m_strNom;
        if (f->m_pNoeuds) {
            EXPECT_GT(f->m_pNoeuds->Taille(), 0) << f->m_proprietes.m_strNom;
            nNoeuds += f->m_pNoeuds->Taille();
        }
    }
    EXPECT_LT(nNoeuds, CGenerationMaillage::Budget(m_doc.m_optionsCalcul.m_nPoidsMax));
    m_doc.DetruireMaillages();
    // Meshes are not stored.
    EXPECT_EQ(m_doc.Ecrire(), o);
}

std::vector<std::string> NomsExemples() {
    std::vector<std::string> noms;
    for (const CExemple& e : Exemples()) {
        noms.emplace_back(e.szNom);
    }
    return noms;
}

INSTANTIATE_TEST_SUITE_P(Exemples, ExempleVtl, ::testing::ValuesIn(NomsExemples()),
                         [](const auto& info) { return info.param; });

} // namespace
