// Scene files against the golden files of tests/data, which are built from
// the format's byte tables by tests/data/make_golden.py and not by the
// writer: reading, writing back, malformed input, and saving.
#include "DocumentTest.h"
#include "FichiersVtl.h"
#include "SuiviAllocations.h"

#include "geometry/Face5.h"
#include "geometry/Face6.h"
#include "platform/Cp1252.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

Octets Entier(std::int32_t n) {
    const auto u = static_cast<std::uint32_t>(n);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}

Octets Reel(double d) {
    const auto u = std::bit_cast<std::uint64_t>(d);
    Octets o;
    for (int i = 0; i < 8; ++i) {
        o.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
    }
    return o;
}

// `o` with the bytes from `nPosition` on replaced by `nouveaux`.
Octets Remplacer(Octets o, std::size_t nPosition, const Octets& nouveaux) {
    EXPECT_LE(nPosition + nouveaux.size(), o.size());
    std::copy(nouveaux.begin(), nouveaux.end(), o.begin() + static_cast<std::ptrdiff_t>(nPosition));
    return o;
}

Octets Ajouter(Octets o, const Octets& fin) {
    o.insert(o.end(), fin.begin(), fin.end());
    return o;
}

std::size_t Chercher(const Octets& o, const Octets& motif) {
    const auto it = std::search(o.begin(), o.end(), motif.begin(), motif.end());
    EXPECT_NE(it, o.end());
    return static_cast<std::size_t>(it - o.begin());
}

// Offsets in empty.vtl and one_quad.vtl (title "no title", place "PARIS").
constexpr std::size_t kRepetition = 1 + 8 + 10 * 4;        // A12
constexpr std::size_t kOptions = 1 + 8 + 156 + 1 + 5 + 36; // C1
constexpr std::size_t kAnnee = kOptions + 12;              // C3
constexpr std::size_t kIndexPas = kOptions + 16;           // C4
constexpr std::size_t kPasMinutes = kOptions + 20;         // C5
constexpr std::size_t kCompteFaces = kOptions + 24;        // D
constexpr std::size_t kTableau = kCompteFaces + 4;         // E: the count word
constexpr std::size_t kSchema = kTableau + 4;              // of the first tag
constexpr std::size_t kNomClasse = kTableau + 8;
constexpr std::size_t kNombreOuvertures = 621 - 4; // F4 of the last record

void ExpectPoint(const CVecteur& v, double x, double y, double z) {
    EXPECT_EQ(v.m_x, x);
    EXPECT_EQ(v.m_y, y);
    EXPECT_EQ(v.m_z, z);
}

class LectureVtl : public DocumentTest {
protected:
    void Charger(const Octets& o) {
        std::string strErreur;
        ASSERT_TRUE(m_doc.Lire(o, strErreur)) << strErreur;
    }

    // Stored settings away from every default and the file a document with
    // them and no face writes: a refused file must leave them as they are.
    Octets ReglerAutrement() {
        const auto regler = [this] {
            m_doc.m_parametresAffichage.m_pageGeneral.m_bGrosNoeuds = 1;
            m_doc.m_parametresAffichage.m_pageQuadrillage.m_nRepetition = 7;
            m_doc.m_parametresAffichage.m_pageSoleil.m_dDistance = 3.25;
            m_doc.m_configurationGeographique.m_strLieu = "LYON";
            m_doc.m_configurationGeographique.m_dDirectionNord = 90;
            m_doc.m_configurationGeographique.CalculerNord();
            m_doc.m_optionsCalcul.m_nAnnee = 2020;
            m_doc.m_optionsCalcul.m_dCadence = 8;
        };
        regler();
        const Octets attendu = m_doc.Ecrire();
        // Then faces and a title, which a refused file empties.
        Charger(Golden("openings.vtl"));
        regler();
        return attendu;
    }

    // The file must be refused with a message holding `extrait`, leaving an
    // empty document whose stored settings still write `reglages`.
    void ExpectRefus(const Octets& o, const std::string& extrait, const Octets& reglages) {
        std::string strErreur;
        EXPECT_FALSE(m_doc.Lire(o, strErreur)) << extrait;
        EXPECT_NE(strErreur.find(extrait), std::string::npos) << strErreur;
        EXPECT_NE(strErreur.find("at byte offset"), std::string::npos) << strErreur;
        EXPECT_TRUE(m_doc.m_faces.empty());
        EXPECT_EQ(g_nFaces, 0);
        EXPECT_EQ(g_nFaceSelectionnee, 0);
        EXPECT_EQ(m_doc.Titre(), "no title");
        EXPECT_EQ(m_doc.Ecrire(), reglages) << extrait;
        EXPECT_NEAR(m_doc.m_configurationGeographique.m_nord.m_x, 1, 1e-15);
    }
};

TEST_F(LectureVtl, EveryGoldenFileReadsAndWritesBackTheSameBytes) {
    for (const std::string& nom : NomsGolden()) {
        const Octets o = Golden(nom);
        ASSERT_FALSE(o.empty()) << nom;
        std::string strErreur;
        ASSERT_TRUE(m_doc.Lire(o, strErreur)) << nom << ": " << strErreur;
        EXPECT_EQ(m_doc.Ecrire(), o) << nom;
    }
}

TEST_F(LectureVtl, ANewDocumentWritesSectionsAToDOnly) {
    const Octets o = m_doc.Ecrire();
    EXPECT_EQ(o, Golden("empty.vtl"));
    // Title string, 156 bytes, site string + 36 bytes, 24 bytes, int32 0.
    EXPECT_EQ(o.size(), 9u + 156 + 6 + 36 + 24 + 4);
    EXPECT_EQ(Octets(o.end() - 4, o.end()), Entier(0));

    Charger(o);
    EXPECT_EQ(g_nFaces, 0);
    EXPECT_EQ(m_doc.Titre(), "no title");
    EXPECT_EQ(m_doc.m_configurationGeographique.m_strLieu, "PARIS");
    EXPECT_EQ(m_doc.m_optionsCalcul.m_nPasMinutes, 10);
}

TEST_F(LectureVtl, OneDefaultQuadrilateral) {
    m_doc.AjouterFace(std::make_unique<CFace4>());
    EXPECT_EQ(m_doc.Ecrire(), Golden("one_quad.vtl"));

    m_doc.NouveauDocument();
    Charger(Golden("one_quad.vtl"));
    ASSERT_EQ(g_nFaces, 1);
    const CFace* f = m_doc.Face(0);
    EXPECT_STREQ(f->NomClasse(), "CFace4");
    EXPECT_EQ(f->m_proprietes.m_strNom, "no name");
    EXPECT_EQ(f->m_proprietes.m_dMailleAbsolue, 0.04);
    EXPECT_EQ(f->m_ouvertures.m_nMode, COuvertures::SoustraireOuvertures);
    EXPECT_EQ(f->m_ouvertures.m_dTransmittiviteForcee, 100.0);
    ExpectPoint(f->m_normale, 0, -1, 0);
}

TEST_F(LectureVtl, EveryStoredFieldLandsInItsMember) {
    Charger(Golden("tri_quad_tri.vtl"));
    const CParametresAffichage& p = m_doc.m_parametresAffichage;
    EXPECT_EQ(p.m_pageGeneral.m_strTitre, "Three faces");
    EXPECT_EQ(p.m_pageGeneral.m_bTriedreCentral, 0);
    EXPECT_EQ(p.m_pageGeneral.m_bTriedreInformatif, 1);
    EXPECT_EQ(p.m_pageGeneral.m_bDirectionNord, 0);
    EXPECT_EQ(p.m_pageGeneral.m_bElementsTextuels, 1);
    EXPECT_EQ(p.m_pageGeneral.m_bBrillance, 0);
    EXPECT_EQ(p.m_pageGeneral.m_bGrosNoeuds, 1);
    EXPECT_EQ(p.m_pageGeneral.m_bCoordonnees, 1);
    EXPECT_EQ(p.m_pageGeneral.m_bCoteEtude, 0);
    EXPECT_EQ(p.m_pageQuadrillage.m_bAfficher, 1);
    EXPECT_EQ(p.m_pageQuadrillage.m_bSignaler, 0);
    EXPECT_EQ(p.m_pageQuadrillage.m_nRepetition, 25);
    ExpectPoint(p.m_pageQuadrillage.m_centre, 1.5, -2.25, 3.0);
    ExpectPoint(p.m_pageQuadrillage.m_vecteur1, 0.5, 0, 0);
    ExpectPoint(p.m_pageQuadrillage.m_vecteur2, 0, 0.75, 0.25);
    EXPECT_EQ(p.m_pageSoleil.m_bSoleilProche, 0);
    EXPECT_EQ(p.m_pageSoleil.m_bRayonProche, 1);
    EXPECT_EQ(p.m_pageSoleil.m_dDistance, 42.5);
    ExpectPoint(p.m_pageSoleil.m_pointCible, 10, 20, 30);

    const CConfigurationGeographique& s = m_doc.m_configurationGeographique;
    EXPECT_EQ(s.m_strLieu, "MARSEILLE");
    EXPECT_EQ(s.m_dLatitude, 43.3);
    EXPECT_EQ(s.m_dLongitude, -5.4);
    EXPECT_EQ(s.m_bIgnorerLongitude, 1);
    EXPECT_EQ(s.m_dDirectionNord, 30.0);
    EXPECT_EQ(s.m_dLigneHorizon, 5.5);
    // The north vector is not stored: it follows the direction read.
    EXPECT_NEAR(s.m_nord.m_x, 0.5, 1e-15);
    EXPECT_NEAR(s.m_nord.m_y, std::sqrt(3.0) / 2, 1e-15);
    EXPECT_EQ(s.m_nord.m_z, 0);

    const COptionsCalcul& o = m_doc.m_optionsCalcul;
    EXPECT_EQ(o.m_dCadence, 2.5);
    EXPECT_EQ(o.m_nPoidsMax, 120);
    EXPECT_EQ(o.m_nAnnee, 2010);
    EXPECT_EQ(o.m_nIndexPas, 9);
    EXPECT_EQ(o.m_nPasMinutes, 20);

    ASSERT_EQ(g_nFaces, 3);
    const CFace* t1 = m_doc.Face(0);
    const CFace* q = m_doc.Face(1);
    const CFace* t2 = m_doc.Face(2);
    EXPECT_STREQ(t1->NomClasse(), "CFace3");
    EXPECT_STREQ(q->NomClasse(), "CFace4");
    EXPECT_STREQ(t2->NomClasse(), "CFace3");

    EXPECT_EQ(t1->m_proprietes.m_strNom, "gable");
    EXPECT_EQ(t1->m_proprietes.m_bRecepteur, 1);
    EXPECT_EQ(t1->m_proprietes.m_dAbsorptivite, 80.0);
    EXPECT_EQ(t1->m_proprietes.m_dMailleRelative, 5.0);
    EXPECT_EQ(t1->m_proprietes.m_dMailleAbsolue, 0.1);
    EXPECT_EQ(t1->m_proprietes.m_correlationTransmittivite.m_nMode, 0);
    EXPECT_EQ(t1->m_proprietes.m_correlationAbsorptivite.m_nMode, 1);
    // A triangle keeps a fourth point that plays no part in its geometry.
    ExpectPoint(t1->m_points[2], 2, 0, 3);
    ExpectPoint(t1->m_points[3], 7.25, -8.5, 9.75);
    ExpectPoint(t1->m_normale, 0, -1, 0);

    EXPECT_EQ(q->m_proprietes.m_bCoteInverse, 1);
    EXPECT_EQ(q->m_proprietes.m_bMasquee, 1);
    EXPECT_EQ(q->m_proprietes.m_dTransmittivite, 30.0);
    const CCorrelationPhysique& verre = q->m_proprietes.m_correlationTransmittivite;
    EXPECT_EQ(verre.m_nMode, 2);
    EXPECT_EQ(verre.m_couples[2].m_dIncidence, 45);
    EXPECT_EQ(verre.m_couples[2].m_dTaux, 70);
    EXPECT_EQ(verre.m_couples[5].m_dIncidence, 90);
    EXPECT_DOUBLE_EQ(verre.Valeur(0, 40), 76.666666666666667);
    EXPECT_EQ(q->m_proprietes.m_correlationAbsorptivite.m_couples[5].m_dIncidence, 90);
    EXPECT_EQ(q->m_ouvertures.m_nMode, 0);

    // The normal is computed from the points read, not kept from the new face.
    ExpectPoint(t2->m_normale, 0, 0, 1);
    ExpectPoint(t2->m_points[3], -1, -2, -3);
    EXPECT_EQ(t2->m_ouvertures.m_nMode, 2);
    EXPECT_EQ(t2->m_ouvertures.m_dValeur, 1.25);
    EXPECT_EQ(t2->m_ouvertures.m_dTransmittiviteForcee, 60.0);
    EXPECT_EQ(g_nFaceSelectionnee, 0);
}

TEST_F(LectureVtl, OpeningsResolveToTheFacesAtTheirPositions) {
    Charger(Golden("openings.vtl"));
    ASSERT_EQ(g_nFaces, 4);
    CFace* facade = m_doc.Face(0);
    CFace* cadre = m_doc.Face(1);
    CFace* imposte = m_doc.Face(2);
    CFace* ovale = m_doc.Face(3);
    EXPECT_NE(dynamic_cast<CFace5*>(imposte), nullptr);
    EXPECT_NE(dynamic_cast<CFace6*>(ovale), nullptr);
    // The list order of each face is kept, and a face may open several.
    EXPECT_EQ(facade->m_ouvertures.m_faces, (std::vector<CFace*>{ovale, cadre}));
    EXPECT_EQ(cadre->m_ouvertures.m_faces, (std::vector<CFace*>{imposte, ovale}));
    EXPECT_EQ(cadre->m_ouvertures.m_nMode, 2);
    EXPECT_EQ(cadre->m_ouvertures.m_dValeur, 3.5);
    EXPECT_TRUE(imposte->m_ouvertures.m_faces.empty());
    ExpectPoint(imposte->m_normale, 0, -1, 0);
    ExpectPoint(ovale->m_normale, 0, -1, 0);

    // Removing a face renumbers the others; the file follows.
    g_nFaceSelectionnee = 2;
    m_ui.m_reponses.push_back(EReponse::Oui);
    m_doc.SupprimerFace();
    const Octets o = m_doc.Ecrire();
    Charger(o);
    ASSERT_EQ(g_nFaces, 3);
    EXPECT_EQ(m_doc.Face(0)->m_ouvertures.m_faces,
              (std::vector<CFace*>{m_doc.Face(2), m_doc.Face(1)}));
    EXPECT_EQ(m_doc.Face(1)->m_ouvertures.m_faces, std::vector<CFace*>{m_doc.Face(2)});
    EXPECT_EQ(m_doc.Face(2)->m_proprietes.m_strNom, "oval window");
}

TEST_F(LectureVtl, LongTitleAndWindows1252Text) {
    const Octets o = Golden("long_title.vtl");
    // 300 characters: 0xFF then the word 300.
    EXPECT_EQ(Octets(o.begin(), o.begin() + 3), (Octets{0xFF, 0x2C, 0x01}));
    Charger(o);
    EXPECT_EQ(m_doc.Titre().size(), 300u);
    EXPECT_EQ(m_doc.Titre().substr(0, 20), "A very long title fo");
    EXPECT_STREQ(m_doc.Face(0)->NomClasse(), "CFace6");

    Charger(Golden("windows_1252.vtl"));
    EXPECT_EQ(m_doc.Titre(), "Fa\xE7"
                             "ade \x96 \xE9tude");
    EXPECT_EQ(Cp1252VersUtf8(m_doc.Titre()), "Façade – étude");
    EXPECT_EQ(m_doc.Face(0)->m_proprietes.m_strNom, "fen\xEAtre \xE9t\xE9");
    EXPECT_EQ(Cp1252VersUtf8(m_doc.Face(1)->m_proprietes.m_strNom), "prix 100 €");
    EXPECT_EQ(m_doc.LibelleFace(1), "(2/2) prix 100 \x80");
    EXPECT_EQ(m_doc.m_configurationGeographique.m_strLieu, "Particular place");
    EXPECT_EQ(m_doc.m_configurationGeographique.m_dLatitude, -33.9);
}

TEST_F(LectureVtl, EveryTruncationIsRefused) {
    const Octets reglages = ReglerAutrement();
    for (const std::string& nom : NomsGolden()) {
        const Octets o = Golden(nom);
        for (std::size_t n = 0; n < o.size(); ++n) {
            std::string strErreur;
            ASSERT_FALSE(m_doc.Lire(std::span(o.data(), n), strErreur)) << nom << " cut at " << n;
            ASSERT_FALSE(strErreur.empty());
            ASSERT_TRUE(m_doc.m_faces.empty());
            ASSERT_EQ(g_nFaces, 0);
            ASSERT_EQ(m_doc.Titre(), "no title");
        }
    }
    // The settings from before every refusal are still there.
    EXPECT_EQ(m_doc.Ecrire(), reglages);
}

TEST_F(LectureVtl, BadClassTagsAreRefused) {
    const Octets reglages = ReglerAutrement();
    const Octets quad = Golden("one_quad.vtl");
    ExpectRefus(Remplacer(quad, kNomClasse + 5, {'7'}), "Unknown class name \"CFace7\"", reglages);
    // A class name with the right length but another class.
    ExpectRefus(Remplacer(quad, kNomClasse, {'C', 'P', 'o', 'i', 'n', 't'}),
                "Unknown class name \"CPoint\"", reglages);
    ExpectRefus(Remplacer(quad, kSchema, {9}), "Unknown class schema 9", reglages);
    ExpectRefus(Remplacer(quad, kSchema, {0}), "Unknown class schema 0", reglages);

    // The third face of tri_quad_tri refers to class 1 with 01 80.
    const Octets trois = Golden("tri_quad_tri.vtl");
    const std::size_t n = Chercher(trois, {0x01, 0x80, 13, 'f', 'l', 'a', 't'});
    ExpectRefus(Remplacer(trois, n, {0x05, 0x80}), "Class index 5 is not defined", reglages);
    // Index 2 numbers the first face, not a class.
    ExpectRefus(Remplacer(trois, n, {0x02, 0x80}), "Class index 2 is not defined", reglages);
    ExpectRefus(Remplacer(trois, n, {0x00, 0x80}), "Class index 0 is not defined", reglages);
    // Without the class bit it would refer to an object already read.
    ExpectRefus(Remplacer(trois, n, {0x01, 0x00}), "each object is stored once", reglages);
}

TEST_F(LectureVtl, CountsThatTheBytesCannotBackAllocateNothing) {
    const Octets reglages = ReglerAutrement();
    const Octets vide = Golden("empty.vtl");
    const Octets quad = Golden("one_quad.vtl");
    const Octets enormes[] = {
        // 2^31 - 1 faces in a file of a few hundred bytes.
        Ajouter(Remplacer(vide, kCompteFaces, Entier(INT_MAX)),
                {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0x08, 0x00}),
        // As many faces as the count says, minus the last one's bytes.
        Remplacer(Remplacer(quad, kCompteFaces, Entier(2)), kTableau, {2, 0}),
        // 2^31 - 1 openings.
        Remplacer(quad, kNombreOuvertures, Entier(INT_MAX)),
    };
    for (const Octets& o : enormes) {
        std::string strErreur;
        bool bLu = true;
        std::size_t nPlusGrande = 0;
        {
            const CSuiviAllocations suivi;
            bLu = m_doc.Lire(o, strErreur);
            nPlusGrande = suivi.PlusGrande();
        }
        EXPECT_FALSE(bLu);
        EXPECT_NE(strErreur.find("ata too short"), std::string::npos) << strErreur;
        // Far less than the list of faces or indices a count would size.
        EXPECT_LT(nPlusGrande, 64u * 1024) << strErreur;
        EXPECT_TRUE(m_doc.m_faces.empty());
        EXPECT_EQ(m_doc.Ecrire(), reglages);
    }
}

TEST_F(LectureVtl, FaceCountsAreChecked) {
    const Octets reglages = ReglerAutrement();
    const Octets vide = Golden("empty.vtl");
    const Octets quad = Golden("one_quad.vtl");
    ExpectRefus(Remplacer(vide, kCompteFaces, Entier(-1)), "Negative face count -1", reglages);
    ExpectRefus(Ajouter(Remplacer(vide, kCompteFaces, Entier(INT_MIN)), quad),
                "Negative face count -2147483648", reglages);
    // The array's own count must be the count of section D, both ways.
    ExpectRefus(Remplacer(quad, kTableau, {2, 0}),
                "The face count is 1 but the face array announces 2", reglages);
    ExpectRefus(Remplacer(Remplacer(quad, kCompteFaces, Entier(2)), kTableau, {1, 0}),
                "The face count is 2 but the face array announces 1", reglages);
    // No face array at all behind a face count.
    ExpectRefus(Remplacer(vide, kCompteFaces, Entier(1)), "Unexpected end of data", reglages);
}

TEST_F(LectureVtl, OpeningIndicesMustDesignateAFace) {
    const Octets reglages = ReglerAutrement();
    const Octets quad = Golden("one_quad.vtl");
    const Octets uneOuverture = Remplacer(quad, kNombreOuvertures, Entier(1));
    ExpectRefus(Ajouter(uneOuverture, Entier(1)),
                "Face 1 of 1 \"no name\": opening index 1 is outside the face list, 0 to 0",
                reglages);
    ExpectRefus(Ajouter(uneOuverture, Entier(-1)),
                "opening index -1 is outside the face list, 0 to 0", reglages);
    ExpectRefus(Ajouter(uneOuverture, Entier(INT_MIN)), "opening index -2147483648", reglages);
    ExpectRefus(Ajouter(Remplacer(quad, kNombreOuvertures, Entier(-1)), Entier(0)),
                "negative number of openings -1", reglages);

    const Octets quatre = Golden("openings.vtl");
    // The facade's first opening, 3, turned into 4.
    const std::size_t n = Chercher(quatre, Ajouter(Entier(2), Ajouter(Entier(3), Entier(1))));
    ExpectRefus(Remplacer(quatre, n + 4, Entier(4)),
                "Face 1 of 4 \"facade\": opening index 4 is outside the face list, 0 to 3",
                reglages);
}

TEST_F(LectureVtl, NothingMayFollowTheLastOpeningsRecord) {
    const Octets reglages = ReglerAutrement();
    for (const std::string& nom : NomsGolden()) {
        ExpectRefus(Ajouter(Golden(nom), {0}), "1 byte follows the end of the scene", reglages);
    }
    ExpectRefus(Ajouter(Golden("one_quad.vtl"), Entier(0)), "4 bytes follow the end of the scene",
                reglages);
}

TEST_F(LectureVtl, SettingsTheProgramCannotHoldAreRefused) {
    // Values that would stall the grid drawing or overflow the date and time
    // arithmetic later.
    const Octets reglages = ReglerAutrement();
    const Octets vide = Golden("empty.vtl");
    ExpectRefus(Remplacer(vide, kRepetition, Entier(0)),
                "The grid repetition 0 is outside 1 to 100", reglages);
    ExpectRefus(Remplacer(vide, kRepetition, Entier(INT_MAX)), "The grid repetition 2147483647",
                reglages);
    ExpectRefus(Remplacer(vide, kAnnee, Entier(2000)),
                "The year of reference 2000 is outside 2001 to 2040", reglages);
    ExpectRefus(Remplacer(vide, kAnnee, Entier(INT_MAX)), "The year of reference", reglages);
    ExpectRefus(Remplacer(vide, kIndexPas, Entier(11)), "The time step index 11 is outside 0 to 10",
                reglages);
    ExpectRefus(Remplacer(vide, kIndexPas, Entier(-1)), "The time step index -1", reglages);
    ExpectRefus(Remplacer(vide, kPasMinutes, Entier(INT_MIN)),
                "The time step of -2147483648 minutes does not match its list entry (10)",
                reglages);
    ExpectRefus(Remplacer(vide, kPasMinutes, Entier(12)), "The time step of 12 minutes", reglages);

    // The limits themselves are accepted.
    for (const auto& [n, v] : {std::pair{kRepetition, 1}, std::pair{kRepetition, 100},
                               std::pair{kAnnee, 2001}, std::pair{kAnnee, 2040}}) {
        Charger(Remplacer(vide, n, Entier(v)));
    }
    Charger(Remplacer(Remplacer(vide, kIndexPas, Entier(0)), kPasMinutes, Entier(1)));
    EXPECT_EQ(m_doc.m_optionsCalcul.m_nPasMinutes, 1);
    Charger(Remplacer(Remplacer(vide, kIndexPas, Entier(10)), kPasMinutes, Entier(30)));
    EXPECT_EQ(m_doc.m_optionsCalcul.m_nPasMinutes, 30);
}

TEST_F(LectureVtl, ValuesTheDialogsRefuseAreRefusedNamingValueAndFace) {
    const Octets reglages = ReglerAutrement();
    const Octets vide = Golden("empty.vtl");
    // Offsets in empty.vtl: A24 and A13, then section B after "PARIS".
    constexpr std::size_t kDistance = 1 + 8 + 11 * 4 + 9 * 8 + 2 * 4;
    constexpr std::size_t kCentre = 1 + 8 + 11 * 4;
    constexpr std::size_t kCible = kDistance + 8;
    constexpr std::size_t kLatitude = 1 + 8 + 156 + 1 + 5;
    constexpr std::size_t kNord = kLatitude + 20;
    constexpr std::size_t kHorizon = kLatitude + 28;
    constexpr std::size_t kPoids = kOptions + 8;
    // tri_quad_tri: faces "gable", "south wall", "flat triangle", then three
    // openings records of 24 bytes.
    const Octets trois = Golden("tri_quad_tri.vtl");
    const auto face = [&](const std::string& nom) {
        Octets motif{static_cast<std::uint8_t>(nom.size())};
        motif.insert(motif.end(), nom.begin(), nom.end());
        return Chercher(trois, motif) + motif.size(); // E2
    };
    const std::size_t kMur = face("south wall");
    const std::size_t kPignon = face("gable");
    const std::size_t kPlat = face("flat triangle");
    const std::size_t kOuvertures = trois.size() - 3 * 24;
    // Within a face record, from E2; within an openings record, from F1.
    constexpr std::size_t kTransmittivite = 12, kAbsorptivite = 20, kRelative = 28, kAbsolue = 36,
                          kLoiT = 44, kLoiA = 144, kPoints = 244;
    const double nan = std::nan("");
    const double inf = HUGE_VAL;

    const struct {
        Octets o;
        const char* szMessage;
    } cas[] = {
        // Site: non-finite and out of the dialog's ranges.
        {Remplacer(vide, kLatitude, Reel(nan)), "The latitude nan is not a finite number"},
        {Remplacer(vide, kLatitude, Reel(90)), "The latitude 90 is outside -89.9 to 89.9"},
        {Remplacer(vide, kLatitude + 8, Reel(-180.5)),
         "The longitude -180.5 is outside -180 to 180"},
        {Remplacer(vide, kNord, Reel(-1)), "The north direction -1 is outside 0 to 360"},
        {Remplacer(vide, kHorizon, Reel(-inf)), "The horizon line -inf is not a finite number"},
        // Options.
        {Remplacer(vide, kOptions, Reel(0.05)), "The animation cadence 0.05 is outside 0.1 to 40"},
        {Remplacer(vide, kPoids, Entier(INT_MAX)),
         "The maximum processor weight 2147483647 is outside 1 to 1000"},
        {Remplacer(vide, kPoids, Entier(0)), "The maximum processor weight 0 is outside"},
        // View parameters and their coordinates.
        {Remplacer(vide, kDistance, Reel(1000.5)),
         "The distance of the close sun 1000.5 is outside 0 to 1000"},
        {Remplacer(vide, kCentre, Reel(1e300)),
         "The grid centre has X = 1e+300, outside -1000000 to 1000000"},
        {Remplacer(vide, kCible + 16, Reel(nan)),
         "The sun's target point has Z = nan, not a finite number"},
        // Faces, named by position and name.
        {Remplacer(trois, kMur + kTransmittivite, Reel(150)),
         "Face 2 of 3 \"south wall\": the transmittivity 150 is outside 0 to 100"},
        {Remplacer(trois, kMur + kAbsorptivite, Reel(-1)),
         "Face 2 of 3 \"south wall\": the absorptivity -1 is outside 0 to 100"},
        {Remplacer(trois, kMur + kRelative, Reel(0.0001)),
         "Face 2 of 3 \"south wall\": the relative mesh size 0.0001 is outside 0.1 to 10"},
        {Remplacer(trois, kMur + kAbsolue, Reel(0.0001)),
         "Face 2 of 3 \"south wall\": the absolute mesh size 0.0001 is outside 0.01 to 1"},
        {Remplacer(trois, kMur + kLoiT, Entier(3)),
         "Face 2 of 3 \"south wall\": the transmittivity rate law mode 3 is outside 0 to 2"},
        {Remplacer(trois, kMur + kLoiA + 4 + 16, Reel(91)),
         "Face 2 of 3 \"south wall\": absorptivity rate law has incidence 2 = 91, outside 0 "
         "to 90"},
        {Remplacer(trois, kMur + kLoiT + 4 + 5 * 16 + 8, Reel(nan)),
         "transmittivity rate law has rate 6 = nan, not a finite number"},
        {Remplacer(trois, kPignon + kPoints, Reel(1e300)),
         "Face 1 of 3 \"gable\": main point 1 has X = 1e+300, outside -1000000 to 1000000"},
        {Remplacer(trois, kMur + kPoints + 2 * 24 + 8, Reel(inf)),
         "Face 2 of 3 \"south wall\": main point 3 has Y = inf, not a finite number"},
        {Remplacer(trois, kPlat + kPoints + 24, Reel(0)), // P1 onto P0
         "Face 3 of 3 \"flat triangle\": the first three main points do not span a plane"},
        // Openings records.
        {Remplacer(trois, kOuvertures + 24, Entier(3)),
         "Face 2 of 3 \"south wall\": the openings mode 3 is outside 0 to 2"},
        {Remplacer(trois, kOuvertures + 48 + 4, Reel(2e6)),
         "Face 3 of 3 \"flat triangle\": the value subtracted for the openings 2000000 is "
         "outside -100 to 1000000"},
        {Remplacer(trois, kOuvertures + 12, Reel(-0.5)),
         "Face 1 of 3 \"gable\": the forced transmittivity of the openings -0.5 is outside 0 to "
         "100"},
    };
    for (const auto& c : cas) {
        ExpectRefus(c.o, c.szMessage, reglages);
    }

    // The limits themselves are accepted.
    for (const auto& [n, d] :
         {std::pair{kLatitude, -89.9}, std::pair{kLatitude + 8, 180.0}, std::pair{kNord, 360.0},
          std::pair{kHorizon, 48.0}, std::pair{kOptions, 40.0}, std::pair{kDistance, 0.0},
          std::pair{kCentre, -1e6}}) {
        Charger(Remplacer(vide, n, Reel(d)));
    }
    Charger(Remplacer(vide, kPoids, Entier(1000)));
    Charger(Remplacer(Remplacer(trois, kMur + kRelative, Reel(0.1)), kMur + kAbsolue, Reel(1)));
}

// ---------------------------------------------------------------- files

class FichierVtl : public DocumentTest {
protected:
    void SetUp() override {
        std::string modele = (fs::temp_directory_path() / "vantrel-vtl-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modele.data()), nullptr);
        m_dossier = modele;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(m_dossier, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::permissions(m_dossier / "protege", fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_dossier, ec);
    }
    std::string Chemin(const std::string& nom) const { return (m_dossier / nom).string(); }
    static void Poser(const std::string& chemin, const Octets& o) {
        std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
        ASSERT_TRUE(f.good());
    }
    std::size_t NombreEntrees(const fs::path& dossier) const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dossier), fs::directory_iterator()));
    }
    // A modified scene of three faces.
    void Modifier() {
        AjouterNommee("a");
        AjouterNommee("b");
        AjouterNommee("c");
        m_doc.SetModifiedFlag();
    }

    fs::path m_dossier;
};

TEST_F(FichierVtl, ASuccessfulSaveClearsTheModifiedFlag) {
    Modifier();
    const std::string chemin = Chemin("scene.vtl");
    std::string strErreur;
    ASSERT_TRUE(m_doc.Enregistrer(chemin, strErreur)) << strErreur;
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.Chemin(), chemin);
    EXPECT_EQ(LireOctets(chemin), m_doc.Ecrire());

    m_doc.NouveauDocument();
    ASSERT_TRUE(m_doc.Charger(chemin, strErreur)) << strErreur;
    EXPECT_EQ(g_nFaces, 3);
    EXPECT_EQ(m_doc.LibelleFace(2), "(3/3) c");
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.Chemin(), chemin);
}

TEST_F(FichierVtl, AFullDiskLeavesTheOldFileAndTheDocumentModified) {
    const std::string chemin = Chemin("scene.vtl");
    const Octets ancien = Golden("one_quad.vtl");
    Poser(chemin, ancien);
    Modifier();
    // The disk fills up after a few bytes, then at once.
    for (std::size_t nPlace : {std::size_t{100}, std::size_t{0}}) {
        const FonctionEcriture disquePlein = DisquePlein(nPlace);
        std::string strErreur;
        EXPECT_FALSE(m_doc.Enregistrer(chemin, strErreur, disquePlein));
        EXPECT_EQ(strErreur, "Cannot write \"" + chemin + "\": No space left on device.");
        EXPECT_EQ(LireOctets(chemin), ancien);
        EXPECT_EQ(NombreEntrees(m_dossier), 1u); // no temporary file left
        EXPECT_TRUE(m_doc.IsModified());
        EXPECT_EQ(m_doc.Chemin(), "");
        EXPECT_EQ(g_nFaces, 3);
    }
}

TEST_F(FichierVtl, AReadOnlyFileOrFolderIsNotReplaced) {
    const Octets ancien = Golden("one_quad.vtl");
    const std::string fichier = Chemin("lecture-seule.vtl");
    Poser(fichier, ancien);
    ASSERT_EQ(::chmod(fichier.c_str(), 0444), 0);
    Modifier();
    std::string strErreur;
    EXPECT_FALSE(m_doc.Enregistrer(fichier, strErreur));
    EXPECT_EQ(strErreur, "Cannot save \"" + fichier + "\": the file is read-only.");
    EXPECT_EQ(LireOctets(fichier), ancien);
    EXPECT_TRUE(m_doc.IsModified());

    const fs::path dossier = m_dossier / "protege";
    fs::create_directory(dossier);
    const std::string dansDossier = (dossier / "scene.vtl").string();
    Poser(dansDossier, ancien);
    fs::permissions(dossier, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(dossier.c_str(), W_OK) == 0) {
        GTEST_SKIP() << "this user writes through folder permissions";
    }
    EXPECT_FALSE(m_doc.Enregistrer(dansDossier, strErreur));
    EXPECT_NE(strErreur.find("Permission denied"), std::string::npos) << strErreur;
    EXPECT_EQ(LireOctets(dansDossier), ancien);
    EXPECT_EQ(NombreEntrees(dossier), 1u);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(FichierVtl, AFailedOpenLeavesANewDocument) {
    const std::string bon = Chemin("bon.vtl");
    Poser(bon, Golden("openings.vtl"));
    std::string strErreur;
    ASSERT_TRUE(m_doc.Charger(bon, strErreur)) << strErreur;
    m_doc.SetModifiedFlag();

    // A damaged file: the scene of the previous file is gone, so the
    // document must not keep that file's name, or "&Save" would write the
    // empty scene over it.
    const std::string abime = Chemin("abime.vtl");
    const Octets o = Golden("openings.vtl");
    Poser(abime, Octets(o.begin(), o.end() - 1));
    EXPECT_FALSE(m_doc.Charger(abime, strErreur));
    EXPECT_EQ(strErreur.rfind("Cannot open \"" + abime + "\": it is not a valid scene file. " +
                                  "Face 4 of 4 \"oval window\": unexpected end of data",
                              0),
              0u)
        << strErreur;
    EXPECT_EQ(g_nFaces, 0);
    EXPECT_EQ(m_doc.Titre(), "no title");
    EXPECT_EQ(m_doc.Chemin(), "");
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(LireOctets(bon), Golden("openings.vtl"));

    // A file that cannot be read at all changes nothing.
    ASSERT_TRUE(m_doc.Charger(bon, strErreur)) << strErreur;
    m_doc.SetModifiedFlag();
    EXPECT_FALSE(m_doc.Charger(Chemin("absent.vtl"), strErreur));
    EXPECT_EQ(strErreur,
              "Cannot open \"" + Chemin("absent.vtl") + "\": No such file or directory.");
    EXPECT_EQ(g_nFaces, 4);
    EXPECT_EQ(m_doc.Chemin(), bon);
    EXPECT_TRUE(m_doc.IsModified());
}

} // namespace
