// A scene built from a model; a file that is no model writes nothing.
#include "CliTest.h"

TEST_F(CliTest, ImportBuildsASceneFromAModel) {
    const std::string modele = VANTREL_TEST_DATA "/models/tent.stl";
    const Json r = Lire({"import", modele, Chemin("tent.vtl"), "--scale", "0.5"});
    EXPECT_EQ(r.dump(), "{\"input\":\"" + modele + "\",\"output\":\"" + Chemin("tent.vtl") +
                            "\",\"faces\":4,\"quadrilaterals\":0,\"triangles\":4,"
                            "\"skipped_degenerate\":1,\"skipped_out_of_range\":0,\"bytes\":" +
                            std::to_string(LireTexte(Chemin("tent.vtl")).size()) + "}");
    Charger(Chemin("tent.vtl"));
    EXPECT_EQ(m_doc.LibelleFace(3), "(4/4) tent");
    EXPECT_EQ(m_doc.Face(3)->m_points[2].m_y, 1.0); // (0, 2, 0) at half scale

    const CResultatCli e = Cli({"import", VANTREL_TEST_DATA "/empty.vtl", Chemin("out.vtl")});
    VerifierEchec(e, 2);
    EXPECT_EQ(e.erreurs.rfind("vantrel-cli: import: Cannot import \"", 0), 0u) << e.erreurs;
    EXPECT_FALSE(Existe("out.vtl"));
}
