// Scene files against the golden files of tests/data, which are built from
// the format's byte tables by tests/data/make_golden.py and not by the
// writer: reading, writing back, and malformed or hostile input.
#include "DocumentTest.h"
#include "FichiersVtl.h"
#include "SuiviAllocations.h"

#include <bit>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <span>
#include <sstream>

namespace {

// A value's bytes as the files store them: little-endian, like this machine.
static_assert(std::endian::native == std::endian::little && sizeof(int) == 4);
template <class T>
Octets Brut(T v) {
    Octets o(sizeof v);
    std::memcpy(o.data(), &v, sizeof v);
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
    for (const char* nom : kNomsGolden) {
        const Octets g = Golden(nom);
        ASSERT_FALSE(g.empty()) << nom;
        std::string strErreur;
        ASSERT_TRUE(m_doc.Lire(g, strErreur)) << nom << ": " << strErreur;
        EXPECT_EQ(m_doc.Ecrire(), g) << nom;
    }
}

TEST_F(LectureVtl, EveryStoredFieldLandsInItsMember) {
    CJournal j;
    for (const char* nom : std::span(kNomsGolden).subspan(1)) {
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
    for (const char* nom : kNomsGolden) {
        const Octets o = Golden(nom);
        for (std::size_t n = 0; n < o.size(); ++n) {
            Refus(Octets(o.begin(), o.begin() + static_cast<std::ptrdiff_t>(n)), reglages);
        }
    }
}

// Each line of tests/data/files/altered.txt: a verdict, a base value, then
// edits: "@offset type value" overwrites, "+ type value" appends; an offset
// sums named positions and numbers, which "at name offset" lines define;
// types are i32, f64, hex and file.
TEST_F(LectureVtl, AlteredFilesAreRefusedNamingValueAndFace) {
    // A face whose name needs escaping in a message, and is cut there.
    const std::string strNom = "tab\tC1\x85 " + std::string(40, 'x');
    AjouterNommee(strNom);
    const Octets nomme = m_doc.Ecrire();
    m_doc.NouveauDocument();
    const Octets reglages = ReglerAutrement();
    const Octets trois = Golden("tri_quad_tri.vtl");
    const Octets quatre = Golden("openings.vtl");
    const std::map<std::string, Octets> fichiers = {{"empty", Golden("empty.vtl")},
                                                    {"quad", Golden("one_quad.vtl")},
                                                    {"three", trois},
                                                    {"openings", quatre},
                                                    {"named", nomme}};
    // The positions that depend on the scene; the file names the fixed ones.
    std::map<std::string, std::size_t> positions = {
        {"tag3", Chercher(trois, {0x01, 0x80, 13, 'f', 'l', 'a', 't'})},
        {"opening3", Chercher(quatre, Ajouter(Brut(2), Ajouter(Brut(3), Brut(1)))) + 4},
        {"wall", ApresNom(trois, "south wall")},
        {"gable", ApresNom(trois, "gable")},
        {"flat", ApresNom(trois, "flat triangle")},
        {"openingrecords", trois.size() - 3 * 24},
        {"escaped", ApresNom(nomme, strNom)}};
    const auto position = [&](const std::string& mot, std::size_t i) {
        std::size_t n = 0;
        for (std::size_t j; i < mot.size(); i = j + 1) {
            j = std::min(mot.find('+', i), mot.size());
            const std::string terme = mot.substr(i, j - i);
            n += std::isdigit(static_cast<unsigned char>(terme[0])) ? std::stoul(terme)
                                                                    : positions.at(terme);
        }
        return n;
    };
    const auto valeur = [&](std::istringstream& is) {
        std::string type, v;
        is >> type >> v;
        if (type == "i32") {
            return Brut(static_cast<std::int32_t>(std::stoll(v)));
        }
        if (type == "f64") {
            return Brut(std::strtod(v.c_str(), nullptr));
        }
        if (type == "file") {
            return fichiers.at(v);
        }
        const std::string o = DepuisHex(v);
        return Octets(o.begin(), o.end());
    };
    std::string texte;
    int nCas = 0;
    for (const std::string& ligne : LignesDonnees("files/altered.txt")) {
        std::istringstream is(ligne);
        std::string verdict, mot, suite;
        if (!(is >> verdict) || verdict[0] == '#') {
            continue;
        }
        if (verdict == "at") {
            is >> mot >> suite;
            positions[mot] = position(suite, 0);
            continue;
        }
        ++nCas;
        Octets o = valeur(is);
        while (is >> mot) {
            if (mot == "+") {
                o = Ajouter(o, valeur(is));
                continue;
            }
            o = Remplacer(o, position(mot, 1), valeur(is));
        }
        SCOPED_TRACE(ligne);
        if (verdict == "accepted") {
            Charger(o);
        } else if (verdict == "refused") {
            texte += Refus(o, reglages) + "\n";
        } else {
            ASSERT_EQ(verdict, "huge");
            std::string strErreur;
            // Far less than the list of faces or indices a count would size.
            EXPECT_LT(PlusGrandeAllocation([&] { strErreur = Refus(o, reglages); }), 64u * 1024);
            EXPECT_NE(strErreur.find("ata too short"), std::string::npos) << strErreur;
        }
    }
    EXPECT_EQ(nCas, 73);
    ExpectGolden("files/refused.txt", texte);
    for (const auto& [nIndex, nMinutes] : {std::pair{0, 1}, std::pair{10, 30}}) {
        Charger(Remplacer(Remplacer(fichiers.at("empty"), positions.at("stepindex"), Brut(nIndex)),
                          positions.at("stepminutes"), Brut(nMinutes)));
        EXPECT_EQ(m_doc.m_optionsCalcul.m_nPasMinutes, nMinutes);
    }
}

} // namespace
