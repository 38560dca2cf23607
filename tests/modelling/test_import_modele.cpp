#include "ModelisationTest.h"

#include "import/LectureModele.h"
#include "modelling/ImportModele.h"

namespace {

// Each polygon alone: the faces it gives (quadrilaterals, triangles,
// degenerate, out of range) and their total area, which a triangulation keeps.
TEST(ImportModele, EachPolygonGivesTheFacesOfItsShape) {
    const struct {
        const char* szCas;
        std::vector<CVecteur> points;
        const char* szBilan;
        double dAire;
    } cas[] = {
        {"planar convex quad", {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {0, 1, 0}}, "1 0 0 0\n", 2},
        {"quad 0.1 out of plane",
         {{0, 0, 0}, {1, 0, 0}, {1, 1, 0.1}, {0, 1, 0}},
         "0 2 0 0\n",
         0.5 + 0.5 * std::sqrt(1.02)},
        {"concave quad", {{0, 0, 0}, {2, 0, 0}, {0.5, 0.5, 0}, {0, 2, 0}}, "0 2 0 0\n", 1},
        {"L", {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}}, "0 4 0 0\n", 3},
        {"square with a midpoint and a point repeated within 1 mm",
         {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 2, 0}, {2, 2, 0.0001}, {0, 2, 0}},
         "1 0 0 0\n",
         4},
        {"collinear triangle", {{0, 0, 0}, {1, 0, 0}, {3, 0, 0}}, "0 0 1 0\n", 0},
        {"a line", {{0, 0, 0}, {1, 0, 0}}, "0 0 1 0\n", 0},
        {"beyond the coordinate range", {{0, 0, 0}, {2e6, 0, 0}, {0, 1, 0}}, "0 0 0 1\n", 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.szCas);
        CBilanImport b;
        const auto faces = CImportModele().Convertir({{"x", c.points}}, b);
        ASSERT_TRUE(faces.has_value());
        EXPECT_EQ(
            Ligne("%d %d %d %d", b.nQuadrilateres, b.nTriangles, b.nDegeneres, b.nHorsLimites),
            c.szBilan);
        double dAire = 0;
        for (const auto& f : *faces) {
            dAire += f->Aire();
            EXPECT_GT(f->m_normale.m_z, 0.99); // each piece faces the polygon's way
        }
        EXPECT_NEAR(dAire, c.dAire, 1e-12);
    }
}

TEST(ImportModele, NamesScaleYUpAndTheFaceLimit) {
    EXPECT_EQ(CImportModele::NomFace(""), "no name");
    // "Façade\t中 nord → très longue, côté rue" in Windows-1252, cut to 30.
    EXPECT_EQ(CImportModele::NomFace("Fa\xC3\xA7"
                                     "ade\t\xE4\xB8\xAD nord \xE2\x86\x92 tr\xC3\xA8s "
                                     "longue, c\xC3\xB4t\xC3\xA9 rue"),
              "Fa\xE7"
              "ade?? nord ? tr\xE8s longue, c");
    CImportModele import;
    CJournal j;
    NOTER(j, import.Valider({"0", false}), import.Valider({"2", true}));
    NOTER(j, import.VersScene(CVecteur(1, 2, 3)));
    EXPECT_EQ(j.m_texte, "import.Valider({\"0\", false}), import.Valider({\"2\", true}) = "
                         "field 0 \"Please enter a number between 0.0001 and 10000.\" none\n"
                         "import.VersScene(CVecteur(1, 2, 3)) = (2, -6, 4)\n");
    CBilanImport b;
    const std::vector<CVecteur> carre = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    EXPECT_FALSE(import.Convertir({{"", carre}, {"", carre}}, b, 1).has_value());
}

// The two fixtures read by the import library and appended to a document
// that has a face already: the first imported face is selected. A model
// without a usable face changes nothing.
TEST_F(ModelisationTest, ModelsAreAppendedAndTheFirstImportedFaceSelected) {
    CImportModele import;
    const std::pair<const char*, CImportModele::CTampon> fichiers[] = {{"box.obj", {"2", true}},
                                                                       {"tent.stl", {"1", false}}};
    std::string strErreur;
    CBilanImport b;
    for (const auto& [szFichier, tampon] : fichiers) {
        m_doc.NouveauDocument();
        Ajouter("already there");
        std::vector<CPolygoneModele> polygones;
        ASSERT_TRUE(LireModele(std::string(VANTREL_TEST_DATA) + "/models/" + szFichier, polygones,
                               strErreur));
        ASSERT_FALSE(import.Valider(tampon));
        ASSERT_TRUE(import.Importer(m_doc, polygones, b, strErreur)) << strErreur;
        Noter(std::string(szFichier) + ": " + CImportModele::Message(b));
    }
    ExpectGolden("modelling/import.txt", m_j.m_texte);
    EXPECT_FALSE(import.Importer(m_doc, {{"x", {{0, 0, 0}, {1, 0, 0}}}}, b, strErreur));
    EXPECT_EQ(strErreur,
              "The model holds no face that can be imported. 1 polygon skipped (1 degenerate).");
    EXPECT_EQ(g_nFaces, 5);
}

} // namespace
