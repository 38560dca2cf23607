// The variable-length forms of the archive: string prefixes, counts and long
// class indices. The golden scene files pin every other byte of the format.
#include "document/Archive.h"
#include "tests/platform/ImpressionEcran.h"

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <sstream>

namespace {

using Octets = std::vector<std::uint8_t>;

const std::vector<std::string> s_faces = {"CFace3", "CFace4", "CFace5", "CFace6"};

template <class F>
Octets Ecrire(F f) {
    Octets o;
    auto ar = CArchive::Ecriture(o);
    f(ar);
    EXPECT_EQ(ar.Position(), o.size());
    return o;
}

// Each line of tests/data/files/archive.txt: "string n prefix", "count n
// bytes", or "refused reader offset bytes", bytes in hex.
TEST(Archive, VariableLengthFormsAndRefusals) {
    const std::map<std::string, std::function<void(CArchive&)>> lecteurs = {
        {"string", [](CArchive& a) { a.LireChaine(); }},
        {"real", [](CArchive& a) { a.LireReel(); }},
        {"face4", [](CArchive& a) { a.LireClasseObjet({"CFace4"}); }},
        {"classes", [](CArchive& a) {
             a.LireClasseObjet(s_faces);
             a.LireClasseObjet(s_faces);
         }}};
    std::string texte;
    for (const std::string& ligne : LignesDonnees("files/archive.txt")) {
        std::istringstream is(ligne);
        std::string forme, lecteur, hex;
        std::uint32_t n = 0;
        if (!(is >> forme) || forme[0] == '#' || (forme == "refused" && !(is >> lecteur))) {
            continue;
        }
        is >> n >> hex;
        const std::string b = DepuisHex(hex);
        const Octets o(b.begin(), b.end());
        SCOPED_TRACE(ligne);
        if (forme == "count") {
            EXPECT_EQ(Ecrire([&](CArchive& ar) { ar.EcrireCompte(n); }), o);
            EXPECT_EQ(CArchive::Lecture(o).LireCompte(), n);
        } else if (forme == "string") {
            std::string s(n, 'x');
            if (n > 0) {
                s.front() = '\xE9';
                s.back() = '\0';
            }
            const Octets e = Ecrire([&](CArchive& ar) { ar.EcrireChaine(s); });
            ASSERT_EQ(e.size(), o.size() + n);
            EXPECT_EQ(Octets(e.begin(), e.begin() + o.size()), o);
            auto ar = CArchive::Lecture(e);
            EXPECT_EQ(ar.LireChaine(), s);
            EXPECT_EQ(ar.Restant(), 0u);
        } else {
            auto ar = CArchive::Lecture(o);
            try {
                lecteurs.at(lecteur)(ar);
                ADD_FAILURE() << "no CErreurArchive";
            } catch (const CErreurArchive& e) {
                EXPECT_EQ(e.Position(), n) << e.what();
                texte += std::string(e.what()) + "\n";
            }
        }
    }
    ExpectGolden("files/archive_refusals.txt", texte);
    // Longer prefixes than needed are read.
    const Octets o = {0xFF, 0x02, 0x00, 'a', 'b', 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 'c'};
    auto ar = CArchive::Lecture(o);
    EXPECT_EQ(ar.LireChaine(), "ab");
    EXPECT_EQ(ar.LireChaine(), "c");
}

TEST(Archive, PrimitivesAreLittleEndianAndAnyNonZeroBoolIsTrue) {
    const Octets o = Ecrire([](CArchive& ar) {
        ar.EcrireEntier(-2);
        ar.EcrireBooleen(true);
        ar.EcrireReel(-2.3);
        ar.EcrireMot(0x1234);
        ar.EcrireDoubleMot(0x89ABCDEF);
        ar.EcrireReel(-0.0);
    });
    EXPECT_EQ(o, (Octets{0xFE, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x66, 0x66,
                         0x66, 0x66, 0x66, 0x66, 0x02, 0xC0, 0x34, 0x12, 0xEF, 0xCD,
                         0xAB, 0x89, 0,    0,    0,    0,    0,    0,    0,    0x80}));
    auto ar = CArchive::Lecture(o);
    EXPECT_EQ(ar.LireEntier(), -2);
    EXPECT_TRUE(ar.LireBooleen());
    EXPECT_EQ(ar.LireReel(), -2.3);
    EXPECT_EQ(ar.LireMot(), 0x1234);
    EXPECT_EQ(ar.LireDoubleMot(), 0x89ABCDEFu);
    EXPECT_TRUE(std::signbit(ar.LireReel()));
    const Octets b = {0x00, 0x00, 0x00, 0x80, 0x02, 0x00, 0x00, 0x00};
    auto vrais = CArchive::Lecture(b);
    EXPECT_TRUE(vrais.LireBooleen() && vrais.LireBooleen());
    Octets sortie;
    EXPECT_THROW(CArchive::Ecriture(sortie).LireEntier(), std::logic_error);
    EXPECT_THROW(vrais.EcrireEntier(1), std::logic_error);
}

TEST(Archive, ACountIsCheckedAgainstTheRemainingBytes) {
    // A count that the remaining bytes cannot back, checked before sizing a list.
    const Octets o = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8};
    auto ar = CArchive::Lecture(o);
    const std::uint32_t n = ar.LireCompte();
    EXPECT_EQ(n, 0xFFFFFFFFu);
    EXPECT_EQ(ar.Restant(), 8u);
    EXPECT_NO_THROW(ar.ExigerOctets(8));
    EXPECT_THROW(ar.ExigerOctets(9), CErreurArchive);
    EXPECT_NO_THROW(ar.ExigerElements(2, 4));
    EXPECT_THROW(ar.ExigerElements(3, 4), CErreurArchive);
    EXPECT_THROW(ar.ExigerElements(n, 340), CErreurArchive);
    EXPECT_THROW(ar.ExigerElements(std::numeric_limits<std::uint64_t>::max(), 2), CErreurArchive);
    EXPECT_NO_THROW(ar.ExigerElements(std::numeric_limits<std::uint64_t>::max(), 0));
}

TEST(Archive, LongFormOfLargeClassIndices) {
    // 0x7FFD objects of one class push the running index to 0x7FFF: the next
    // new class takes index 0x7FFF and is referred to in the long form.
    const std::uint32_t nTriangles = 0x7FFD;
    const char* suite[] = {"CFace5", "CFace5", "CFace3", "CFace6", "CFace6"};
    const Octets o = Ecrire([&](CArchive& ar) {
        for (std::uint32_t i = 0; i < nTriangles; ++i) {
            ar.EcrireClasseObjet("CFace3");
        }
        for (const char* c : suite) {
            ar.EcrireClasseObjet(c); // CFace5 is class 0x7FFF, CFace6 class 0x8003
        }
    });
    const Octets fin(o.begin() + static_cast<std::ptrdiff_t>(12 + 2 * (nTriangles - 1)), o.end());
    EXPECT_EQ(fin,
              (Octets{0xFF, 0xFF, 0x08, 0x00, 0x06, 0x00, 'C',  'F',  'a',  'c',  'e',  '5',  0xFF,
                      0x7F, 0xFF, 0x7F, 0x00, 0x80, 0x01, 0x80, 0xFF, 0xFF, 0x08, 0x00, 0x06, 0x00,
                      'C',  'F',  'a',  'c',  'e',  '6',  0xFF, 0x7F, 0x03, 0x80, 0x00, 0x80}));
    auto ar = CArchive::Lecture(o);
    for (std::uint32_t i = 0; i < nTriangles; ++i) {
        ASSERT_EQ(ar.LireClasseObjet(s_faces), "CFace3");
    }
    for (const char* c : suite) {
        EXPECT_EQ(ar.LireClasseObjet(s_faces), c);
    }
    EXPECT_EQ(ar.Restant(), 0u);
}

} // namespace
