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

TEST_F(LectureVtl, GoldenFilesReadAndWriteBackTheSameBytes) {
    // A new document writes sections A to D only: title string, 156 bytes,
    // site string + 36 bytes, 24 bytes, int32 0.
    const Octets o = m_doc.Ecrire();
    EXPECT_EQ(o, Golden("empty.vtl"));
    EXPECT_EQ(o.size(), 9u + 156 + 6 + 36 + 24 + 4);
    m_doc.AjouterFace(std::make_unique<CFace4>());
    EXPECT_EQ(m_doc.Ecrire(), Golden("one_quad.vtl"));
    for (const std::string& nom : NomsGolden()) {
        const Octets g = Golden(nom);
        ASSERT_FALSE(g.empty()) << nom;
        std::string strErreur;
        ASSERT_TRUE(m_doc.Lire(g, strErreur)) << nom << ": " << strErreur;
        EXPECT_EQ(m_doc.Ecrire(), g) << nom;
    }
}

TEST_F(LectureVtl, EveryStoredFieldLandsInItsMember) {
    std::string texte;
    for (const char* nom : {"one_quad.vtl", "tri_quad_tri.vtl", "openings.vtl", "long_title.vtl",
                            "windows_1252.vtl"}) {
        Charger(Golden(nom));
        const CParametresAffichage& p = m_doc.m_parametresAffichage;
        const CAffGeneral& g = p.m_pageGeneral;
        const CAffQuadrillage& q = p.m_pageQuadrillage;
        const CAffSoleil& s = p.m_pageSoleil;
        const CConfigurationGeographique& c = m_doc.m_configurationGeographique;
        const COptionsCalcul& o = m_doc.m_optionsCalcul;
        char t[1024];
        std::snprintf(t, sizeof t,
                      "# %s\n\"%.40s\" %d%d%d%d%d%d%d%d | grid %d%d %d (%g %g %g) (%g %g %g) "
                      "(%g %g %g) | sun %d%d %g (%g %g %g)\n\"%s\" %g %g %d %g %g north (%.15g "
                      "%.15g %g) | %g %d %d %d %d\n",
                      nom, m_doc.Titre().c_str(), g.m_bTriedreCentral, g.m_bTriedreInformatif,
                      g.m_bDirectionNord, g.m_bElementsTextuels, g.m_bBrillance, g.m_bGrosNoeuds,
                      g.m_bCoordonnees, g.m_bCoteEtude, q.m_bAfficher, q.m_bSignaler,
                      q.m_nRepetition, q.m_centre.m_x, q.m_centre.m_y, q.m_centre.m_z,
                      q.m_vecteur1.m_x, q.m_vecteur1.m_y, q.m_vecteur1.m_z, q.m_vecteur2.m_x,
                      q.m_vecteur2.m_y, q.m_vecteur2.m_z, s.m_bSoleilProche, s.m_bRayonProche,
                      s.m_dDistance, s.m_pointCible.m_x, s.m_pointCible.m_y, s.m_pointCible.m_z,
                      c.m_strLieu.c_str(), c.m_dLatitude, c.m_dLongitude, c.m_bIgnorerLongitude,
                      c.m_dDirectionNord, c.m_dLigneHorizon, c.m_nord.m_x, c.m_nord.m_y,
                      c.m_nord.m_z, o.m_dCadence, o.m_nPoidsMax, o.m_nAnnee, o.m_nIndexPas,
                      o.m_nPasMinutes);
        texte += t + DecrireFaces();
    }
    // The north follows the direction read; a triangle keeps its fourth point;
    // the normals are computed from the points read.
    ExpectGolden("files/read.txt", texte);
    const CFace* f0 = m_doc.Face(0);
    EXPECT_EQ(Cp1252VersUtf8(m_doc.Titre()), "Façade – étude");
    EXPECT_EQ(Cp1252VersUtf8(m_doc.Face(1)->m_proprietes.m_strNom), "prix 100 €");
    EXPECT_EQ(m_doc.LibelleFace(1), "(2/2) prix 100 \x80");
    EXPECT_EQ(f0->m_proprietes.m_strNom, "fen\xEAtre \xE9t\xE9");
    Charger(Golden("tri_quad_tri.vtl"));
    EXPECT_DOUBLE_EQ(m_doc.Face(1)->m_proprietes.m_correlationTransmittivite.Valeur(0, 40),
                     76.666666666666667);
    EXPECT_EQ(m_doc.Face(0)->m_points[3].m_x, 7.25);
}

TEST_F(LectureVtl, OpeningsFollowTheRemovalOfAFace) {
    Charger(Golden("openings.vtl"));
    g_nFaceSelectionnee = 2;
    m_ui.m_reponses.push_back(EReponse::Oui);
    m_doc.SupprimerFace();
    Charger(m_doc.Ecrire());
    ASSERT_EQ(g_nFaces, 3);
    EXPECT_EQ(m_doc.Face(0)->m_ouvertures.m_faces,
              (std::vector<CFace*>{m_doc.Face(2), m_doc.Face(1)}));
    EXPECT_EQ(m_doc.Face(1)->m_ouvertures.m_faces, std::vector<CFace*>{m_doc.Face(2)});
    EXPECT_EQ(m_doc.Face(2)->m_proprietes.m_strNom, "oval window");
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

TEST_F(LectureVtl, MalformedFilesAreRefused) {
    const Octets reglages = ReglerAutrement();
    const Octets vide = Golden("empty.vtl");
    const Octets quad = Golden("one_quad.vtl");
    const Octets trois = Golden("tri_quad_tri.vtl");
    const Octets quatre = Golden("openings.vtl");
    // The third face of tri_quad_tri refers to class 1 with 01 80.
    const std::size_t n3 = Chercher(trois, {0x01, 0x80, 13, 'f', 'l', 'a', 't'});
    // The facade's first opening, 3.
    const std::size_t n4 = Chercher(quatre, Ajouter(Entier(2), Ajouter(Entier(3), Entier(1)))) + 4;
    const Octets uneOuverture = Remplacer(quad, kNombreOuvertures, Entier(1));
    const std::pair<Octets, const char*> cas[] = {
        // Class tags.
        {Remplacer(quad, kNomClasse + 5, {'7'}), "Unknown class name \"CFace7\""},
        {Remplacer(quad, kNomClasse, {'C', 'P', 'o', 'i', 'n', 't'}),
         "Unknown class name \"CPoint\""},
        {Remplacer(quad, kSchema, {9}), "Unknown class schema 9"},
        {Remplacer(quad, kSchema, {0}), "Unknown class schema 0"},
        {Remplacer(trois, n3, {0x05, 0x80}), "Class index 5 is not defined"},
        {Remplacer(trois, n3, {0x02, 0x80}), "Class index 2 is not defined"}, // an object
        {Remplacer(trois, n3, {0x00, 0x80}), "Class index 0 is not defined"},
        {Remplacer(trois, n3, {0x01, 0x00}), "each object is stored once"},
        // Face counts: never negative, and the array's own count must match, both ways.
        {Remplacer(vide, kCompteFaces, Entier(-1)), "Negative face count -1"},
        {Ajouter(Remplacer(vide, kCompteFaces, Entier(INT_MIN)), quad),
         "Negative face count -2147483648"},
        {Remplacer(quad, kTableau, {2, 0}), "The face count is 1 but the face array announces 2"},
        {Remplacer(Remplacer(quad, kCompteFaces, Entier(2)), kTableau, {1, 0}),
         "The face count is 2 but the face array announces 1"},
        {Remplacer(vide, kCompteFaces, Entier(1)), "Unexpected end of data"},
        // Opening indices must designate a face.
        {Ajouter(uneOuverture, Entier(1)),
         "Face 1 of 1 \"no name\": opening index 1 is outside the face list, 0 to 0"},
        {Ajouter(uneOuverture, Entier(-1)), "opening index -1 is outside the face list, 0 to 0"},
        {Ajouter(uneOuverture, Entier(INT_MIN)), "opening index -2147483648"},
        {Ajouter(Remplacer(quad, kNombreOuvertures, Entier(-1)), Entier(0)),
         "negative number of openings -1"},
        {Remplacer(quatre, n4, Entier(4)),
         "Face 1 of 4 \"facade\": opening index 4 is outside the face list, 0 to 3"},
        // Nothing may follow the last openings record.
        {Ajouter(vide, {0}), "1 byte follows the end of the scene"},
        {Ajouter(quatre, {0}), "1 byte follows the end of the scene"},
        {Ajouter(quad, Entier(0)), "4 bytes follow the end of the scene"},
        // Settings that would stall the grid drawing or overflow the date and time.
        {Remplacer(vide, kRepetition, Entier(0)), "The grid repetition 0 is outside 1 to 100"},
        {Remplacer(vide, kRepetition, Entier(INT_MAX)), "The grid repetition 2147483647"},
        {Remplacer(vide, kAnnee, Entier(2000)),
         "The year of reference 2000 is outside 2001 to 2040"},
        {Remplacer(vide, kAnnee, Entier(INT_MAX)), "The year of reference"},
        {Remplacer(vide, kIndexPas, Entier(11)), "The time step index 11 is outside 0 to 10"},
        {Remplacer(vide, kIndexPas, Entier(-1)), "The time step index -1"},
        {Remplacer(vide, kPasMinutes, Entier(INT_MIN)),
         "The time step of -2147483648 minutes does not match its list entry (10)"},
        {Remplacer(vide, kPasMinutes, Entier(12)), "The time step of 12 minutes"},
    };
    for (const auto& [o, extrait] : cas) {
        ExpectRefus(o, extrait, reglages);
    }
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

} // namespace
