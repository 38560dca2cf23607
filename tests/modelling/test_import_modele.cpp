#include "ModelisationTest.h"

#include "import/LectureModele.h"
#include "modelling/ImportModele.h"

namespace {

using P = std::vector<CVecteur>;

class ImportModele : public ModelisationTest {
protected:
    CImportModele m_import;
};

// Each polygon alone: the faces it gives ("q t d h": quadrilaterals,
// triangles, degenerate, out of range) and their total area, which a
// triangulation keeps.
TEST_F(ImportModele, EachPolygonGivesTheFacesOfItsShape) {
    const struct {
        const char* szCas;
        P points;
        const char* szBilan;
        double dAire;
    } cas[] = {
        {"planar convex quad", {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {0, 1, 0}}, "1 0 0 0", 2},
        {"quad 0.1 out of plane",
         {{0, 0, 0}, {1, 0, 0}, {1, 1, 0.1}, {0, 1, 0}},
         "0 2 0 0",
         0.5 + 0.5 * std::sqrt(1.02)},
        {"concave quad", {{0, 0, 0}, {2, 0, 0}, {0.5, 0.5, 0}, {0, 2, 0}}, "0 2 0 0", 1},
        {"L-shaped hexagon",
         {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}},
         "0 4 0 0",
         3},
        {"square with a repeated point and a midpoint",
         {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 2, 0}, {2, 2, 0.0001}, {0, 2, 0}},
         "1 0 0 0",
         4},
        {"collinear triangle", {{0, 0, 0}, {1, 0, 0}, {3, 0, 0}}, "0 0 1 0", 0},
        {"a line", {{0, 0, 0}, {1, 0, 0}}, "0 0 1 0", 0},
        {"beyond the coordinate range", {{0, 0, 0}, {2e6, 0, 0}, {0, 1, 0}}, "0 0 0 1", 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.szCas);
        CBilanImport b;
        const auto faces = m_import.Convertir({{"x", c.points}}, b);
        ASSERT_TRUE(faces.has_value());
        char t[64];
        std::snprintf(t, sizeof t, "%d %d %d %d", b.nQuadrilateres, b.nTriangles, b.nDegeneres,
                      b.nHorsLimites);
        EXPECT_EQ(std::string(t), c.szBilan);
        double dAire = 0;
        for (const auto& f : *faces) {
            dAire += f->Aire();
            EXPECT_GT(f->m_normale.m_z, 0.99); // each piece faces the polygon's way
        }
        EXPECT_NEAR(dAire, c.dAire, 1e-12);
    }
}

TEST_F(ImportModele, NamesScaleYUpAndTheFaceLimit) {
    EXPECT_EQ(CImportModele::NomFace(""), "no name");
    EXPECT_EQ(CImportModele::NomFace("Fa\xC3\xA7"
                                     "ade\t\xE4\xB8\xAD nord \xE2\x86\x92 tr\xC3\xA8s longue"),
              "Fa\xE7"
              "ade?? nord ? tr\xE8s longue");
    EXPECT_EQ(CImportModele::NomFace(std::string(40, 'n')), std::string(30, 'n'));
    NOTER(m_j, m_import.Valider({"0", false}), m_import.Valider({"2", true}));
    NOTER(m_j, m_import.VersScene(CVecteur(1, 2, 3)));
    CBilanImport b;
    const P carre = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    EXPECT_FALSE(m_import.Convertir({{"", carre}, {"", carre}}, b, 1).has_value());
    EXPECT_EQ(m_j.m_texte, "m_import.Valider({\"0\", false}), m_import.Valider({\"2\", true}) = "
                           "field 0 \"Please enter a number between 0.0001 and 10000.\" none\n"
                           "m_import.VersScene(CVecteur(1, 2, 3)) = (2, -6, 4)\n");
}

// The two fixtures read by the import library and appended to a document
// that has a face already: the first imported face is selected.
TEST_F(ImportModele, FixturesAreAppendedAndTheFirstImportedFaceSelected) {
    const std::pair<const char*, CImportModele::CTampon> fichiers[] = {{"box.obj", {"2", true}},
                                                                       {"tent.stl", {"1", false}}};
    for (const auto& [szFichier, tampon] : fichiers) {
        m_doc.NouveauDocument();
        Ajouter("already there");
        std::vector<CPolygoneModele> polygones;
        std::string strErreur;
        ASSERT_TRUE(LireModele(std::string(VANTREL_TEST_DATA) + "/models/" + szFichier, polygones,
                               strErreur))
            << strErreur;
        ASSERT_FALSE(m_import.Valider(tampon));
        CBilanImport b;
        ASSERT_TRUE(m_import.Importer(m_doc, polygones, b, strErreur)) << strErreur;
        Noter(std::string(szFichier) + ": " + CImportModele::Message(b));
    }
    ExpectGolden("modelling/import.txt", m_j.m_texte);
    // Unreadable, or no face in it: nothing changes and the message says why.
    std::vector<CPolygoneModele> polygones;
    std::string strErreur;
    EXPECT_FALSE(LireModele(std::string(VANTREL_TEST_DATA) + "/empty.vtl", polygones, strErreur));
    EXPECT_TRUE(strErreur.starts_with("Cannot import \"")) << strErreur;
    CBilanImport b;
    EXPECT_FALSE(m_import.Importer(m_doc, {{"x", {{0, 0, 0}, {1, 0, 0}}}}, b, strErreur));
    EXPECT_EQ(strErreur, "The model holds no face that can be imported. 1 polygon skipped (1 "
                         "degenerate).");
    EXPECT_EQ(g_nFaces, 5);
}

} // namespace
