// Scene files against the golden files of tests/data, which are built from
// the format's byte tables by tests/data/make_golden.py and not by the
// writer: reading, writing back, and malformed or hostile input.
#include "DocumentTest.h"
#include "FichiersVtl.h"
#include "SuiviAllocations.h"

#include <bit>
#include <climits>
#include <cmath>

namespace {

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

// Where a face record's fields start: just after its name (E2).
std::size_t ApresNom(const Octets& o, const std::string& nom) {
    Octets motif{static_cast<std::uint8_t>(nom.size())};
    motif.insert(motif.end(), nom.begin(), nom.end());
    return Chercher(o, motif) + motif.size();
}

// Offsets in empty.vtl and one_quad.vtl (title "no title", place "PARIS").
constexpr std::size_t kCentre = 1 + 8 + 11 * 4;            // A13
constexpr std::size_t kRepetition = 1 + 8 + 10 * 4;        // A12
constexpr std::size_t kDistance = kCentre + 9 * 8 + 2 * 4; // A24
constexpr std::size_t kCible = kDistance + 8;
constexpr std::size_t kLatitude = 1 + 8 + 156 + 1 + 5; // B2
constexpr std::size_t kNord = kLatitude + 20;
constexpr std::size_t kHorizon = kLatitude + 28;
constexpr std::size_t kOptions = kLatitude + 36; // C1
constexpr std::size_t kPoids = kOptions + 8;
constexpr std::size_t kAnnee = kOptions + 12;
constexpr std::size_t kIndexPas = kOptions + 16;
constexpr std::size_t kPasMinutes = kOptions + 20;
constexpr std::size_t kCompteFaces = kOptions + 24; // D
constexpr std::size_t kTableau = kCompteFaces + 4;  // E: the count word
constexpr std::size_t kSchema = kTableau + 4;       // of the first tag
constexpr std::size_t kNomClasse = kTableau + 8;
constexpr std::size_t kNombreOuvertures = 621 - 4; // F4 of the last record
// Within a face record, from E2.
constexpr std::size_t kTransmittivite = 12, kAbsorptivite = 20, kRelative = 28, kAbsolue = 36,
                      kLoiT = 44, kLoiA = 144, kPoints = 244;

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

    // The file must be refused, leaving an empty document whose stored
    // settings still write `reglages`; returns the message.
    std::string Refus(const Octets& o, const Octets& reglages) {
        std::string strErreur;
        EXPECT_FALSE(m_doc.Lire(o, strErreur));
        EXPECT_NE(strErreur.find("at byte offset"), std::string::npos) << strErreur;
        EXPECT_TRUE(m_doc.m_faces.empty());
        EXPECT_EQ(g_nFaces + g_nFaceSelectionnee, 0);
        EXPECT_EQ(m_doc.Titre(), "no title");
        EXPECT_EQ(m_doc.Ecrire(), reglages) << strErreur;
        EXPECT_NEAR(m_doc.m_configurationGeographique.m_nord.m_x, 1, 1e-15);
        return strErreur;
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
    CJournal j;
    for (const char* nom : {"one_quad.vtl", "tri_quad_tri.vtl", "openings.vtl", "long_title.vtl",
                            "windows_1252.vtl"}) {
        Charger(Golden(nom));
        const CAffGeneral& g = m_doc.m_parametresAffichage.m_pageGeneral;
        const CAffQuadrillage& q = m_doc.m_parametresAffichage.m_pageQuadrillage;
        const CAffSoleil& s = m_doc.m_parametresAffichage.m_pageSoleil;
        const CConfigurationGeographique& c = m_doc.m_configurationGeographique;
        const COptionsCalcul& o = m_doc.m_optionsCalcul;
        j.Titre(nom);
        NOTER(j, m_doc.Titre(), g.m_bTriedreCentral, g.m_bTriedreInformatif, g.m_bDirectionNord,
              g.m_bElementsTextuels, g.m_bBrillance, g.m_bGrosNoeuds, g.m_bCoordonnees,
              g.m_bCoteEtude);
        NOTER(j, q.m_bAfficher, q.m_bSignaler, q.m_nRepetition, q.m_centre, q.m_vecteur1,
              q.m_vecteur2, s.m_bSoleilProche, s.m_bRayonProche, s.m_dDistance, s.m_pointCible);
        NOTER(j, c.m_strLieu, c.m_dLatitude, c.m_dLongitude, c.m_bIgnorerLongitude,
              c.m_dDirectionNord, c.m_dLigneHorizon, c.m_nord);
        NOTER(j, o.m_dCadence, o.m_nPoidsMax, o.m_nAnnee, o.m_nIndexPas, o.m_nPasMinutes);
        j.m_texte += DecrireFaces();
    }
    // The north follows the direction read; the normals are computed from the
    // points read; names stay in Windows-1252.
    ExpectGolden("files/read.txt", j.m_texte);
    EXPECT_EQ(m_doc.LibelleFace(1), "(2/2) prix 100 \x80");
    Charger(Golden("tri_quad_tri.vtl"));
    EXPECT_EQ(m_doc.Face(0)->m_points[3].m_x, 7.25); // a triangle keeps its fourth point
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
            Refus(Octets(o.begin(), o.begin() + static_cast<std::ptrdiff_t>(n)), reglages);
        }
    }
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
        // A title of 4 GiB - 1 bytes.
        Ajouter({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, vide),
    };
    for (const Octets& o : enormes) {
        std::size_t nPlusGrande = 0;
        std::string strErreur;
        {
            const CSuiviAllocations suivi;
            EXPECT_FALSE(m_doc.Lire(o, strErreur));
            nPlusGrande = suivi.PlusGrande();
        }
        EXPECT_NE(strErreur.find("ata too short"), std::string::npos) << strErreur;
        // Far less than the list of faces or indices a count would size.
        EXPECT_LT(nPlusGrande, 64u * 1024) << strErreur;
        EXPECT_TRUE(m_doc.m_faces.empty());
        EXPECT_EQ(m_doc.Ecrire(), reglages);
    }
}

TEST_F(LectureVtl, MalformedFilesAreRefusedNamingValueAndFace) {
    // A face whose name needs escaping in a message, and is cut there.
    const std::string strNom = "tab\tC1\x85 " + std::string(40, 'x');
    AjouterNommee(strNom);
    const Octets nomme = m_doc.Ecrire();
    m_doc.NouveauDocument();
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
    // tri_quad_tri: "gable", "south wall", "flat triangle", then three openings records of 24
    // bytes.
    const std::size_t kMur = ApresNom(trois, "south wall");
    const std::size_t kPignon = ApresNom(trois, "gable");
    const std::size_t kPlat = ApresNom(trois, "flat triangle");
    const std::size_t kOuvertures = trois.size() - 3 * 24;
    const double nan = std::nan("");
    const double inf = HUGE_VAL;
    const Octets cas[] = {
        // Class tags.
        Remplacer(quad, kNomClasse + 5, {'7'}),
        Remplacer(quad, kNomClasse, {'C', 'P', 'o', 'i', 0x01, '"'}),
        Remplacer(quad, kSchema, {9}),
        Remplacer(quad, kSchema, {0}),
        Remplacer(trois, n3, {0x05, 0x80}),
        Remplacer(trois, n3, {0x02, 0x80}), // an object's index
        Remplacer(trois, n3, {0x00, 0x80}),
        Remplacer(trois, n3, {0x01, 0x00}), // a reference back to an object
        Remplacer(trois, n3, {0x00, 0x00}), // the null tag
        // Face counts: never negative, and the array's own count must match, both ways.
        Remplacer(vide, kCompteFaces, Entier(-1)),
        Ajouter(Remplacer(vide, kCompteFaces, Entier(INT_MIN)), quad),
        Remplacer(quad, kTableau, {2, 0}),
        Remplacer(Remplacer(quad, kCompteFaces, Entier(2)), kTableau, {1, 0}),
        Remplacer(vide, kCompteFaces, Entier(1)),
        // Opening indices must designate a face.
        Ajouter(uneOuverture, Entier(1)),
        Ajouter(uneOuverture, Entier(-1)),
        Ajouter(uneOuverture, Entier(INT_MIN)),
        Ajouter(Remplacer(quad, kNombreOuvertures, Entier(-1)), Entier(0)),
        Remplacer(quatre, n4, Entier(4)),
        // Nothing may follow the last openings record.
        Ajouter(vide, {0}),
        Ajouter(quatre, {0}),
        Ajouter(quad, Entier(0)),
        // The wide-character string marker.
        Remplacer(vide, 0, {0xFF, 0xFE, 0xFF, 0x01}),
        // Settings that would stall the grid drawing or overflow the date and time.
        Remplacer(vide, kRepetition, Entier(0)),
        Remplacer(vide, kRepetition, Entier(INT_MAX)),
        Remplacer(vide, kAnnee, Entier(2000)),
        Remplacer(vide, kAnnee, Entier(INT_MAX)),
        Remplacer(vide, kIndexPas, Entier(11)),
        Remplacer(vide, kIndexPas, Entier(-1)),
        Remplacer(vide, kPasMinutes, Entier(INT_MIN)),
        Remplacer(vide, kPasMinutes, Entier(12)),
        // Every value a dialog range-checks: the site, the options, the view parameters.
        Remplacer(vide, kLatitude, Reel(nan)),
        Remplacer(vide, kLatitude, Reel(90)),
        Remplacer(vide, kLatitude + 8, Reel(-180.5)),
        Remplacer(vide, kNord, Reel(-1)),
        Remplacer(vide, kHorizon, Reel(-inf)),
        Remplacer(vide, kOptions, Reel(0.05)),
        Remplacer(vide, kPoids, Entier(INT_MAX)),
        Remplacer(vide, kPoids, Entier(0)),
        Remplacer(vide, kDistance, Reel(1000.5)),
        Remplacer(vide, kCentre, Reel(1e300)),
        Remplacer(vide, kCible + 16, Reel(nan)),
        // Faces, named by position and name.
        Remplacer(trois, kMur + kTransmittivite, Reel(150)),
        Remplacer(trois, kMur + kAbsorptivite, Reel(-1)),
        Remplacer(trois, kMur + kRelative, Reel(0.0001)),
        Remplacer(trois, kMur + kAbsolue, Reel(0.0001)),
        Remplacer(trois, kMur + kLoiT, Entier(3)),
        Remplacer(trois, kMur + kLoiA + 4 + 16, Reel(91)),
        Remplacer(trois, kMur + kLoiT + 4 + 5 * 16 + 8, Reel(nan)),
        Remplacer(trois, kPignon + kPoints, Reel(1e300)),
        Remplacer(trois, kMur + kPoints + 2 * 24 + 8, Reel(inf)),
        Remplacer(trois, kPlat + kPoints + 24, Reel(0)), // P1 onto P0
        Remplacer(nomme, ApresNom(nomme, strNom) + kTransmittivite, Reel(-0.5)),
        // Openings records.
        Remplacer(trois, kOuvertures + 24, Entier(3)),
        Remplacer(trois, kOuvertures + 48 + 4, Reel(2e6)),
        Remplacer(trois, kOuvertures + 12, Reel(-0.5)),
    };
    std::string texte;
    for (const Octets& o : cas) {
        texte += Refus(o, reglages) + "\n";
    }
    ExpectGolden("files/refused.txt", texte);

    // The limits themselves are accepted.
    for (const auto& [n, v] :
         {std::pair{kRepetition, 1}, std::pair{kRepetition, 100}, std::pair{kAnnee, 2001},
          std::pair{kAnnee, 2040}, std::pair{kPoids, 1000}}) {
        Charger(Remplacer(vide, n, Entier(v)));
    }
    for (const auto& [n, d] :
         {std::pair{kLatitude, -89.9}, std::pair{kLatitude + 8, 180.0}, std::pair{kNord, 360.0},
          std::pair{kHorizon, 48.0}, std::pair{kOptions, 40.0}, std::pair{kDistance, 0.0},
          std::pair{kCentre, -1e6}}) {
        Charger(Remplacer(vide, n, Reel(d)));
    }
    Charger(Remplacer(Remplacer(trois, kMur + kRelative, Reel(0.1)), kMur + kAbsolue, Reel(1)));
    Charger(Remplacer(Remplacer(vide, kIndexPas, Entier(0)), kPasMinutes, Entier(1)));
    EXPECT_EQ(m_doc.m_optionsCalcul.m_nPasMinutes, 1);
    Charger(Remplacer(Remplacer(vide, kIndexPas, Entier(10)), kPasMinutes, Entier(30)));
    EXPECT_EQ(m_doc.m_optionsCalcul.m_nPasMinutes, 30);
}

} // namespace
