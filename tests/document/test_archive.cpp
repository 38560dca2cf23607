// The variable-length forms of the archive: string prefixes, counts and long
// class indices. The golden scene files pin every other byte of the format.
#include "document/Archive.h"
#include "tests/platform/ImpressionEcran.h"

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

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

TEST(Archive, StringPrefixBoundaries) {
    const struct {
        std::size_t n;
        Octets prefixe;
    } cas[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& c : cas) {
        std::string s(c.n, 'x');
        if (c.n > 0) {
            s.front() = '\xE9';
            s.back() = '\0';
        }
        const Octets o = Ecrire([&](CArchive& ar) { ar.EcrireChaine(s); });
        ASSERT_EQ(o.size(), c.prefixe.size() + c.n) << c.n;
        EXPECT_EQ(Octets(o.begin(), o.begin() + c.prefixe.size()), c.prefixe) << c.n;
        auto ar = CArchive::Lecture(o);
        EXPECT_EQ(ar.LireChaine(), s) << c.n;
        EXPECT_EQ(ar.Restant(), 0u);
    }
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

TEST(Archive, MalformedInputIsRefusedAtItsOffset) {
    const auto chaine = [](CArchive& a) { a.LireChaine(); };
    const auto classes = [](CArchive& a) {
        a.LireClasseObjet(s_faces);
        a.LireClasseObjet(s_faces);
    };
    const auto quatre = [](CArchive& a) { a.LireClasseObjet({"CFace4"}); };
    const auto reel = [](CArchive& a) { a.LireReel(); };
    const Octets defini = {0xFF, 0xFF, 0x08, 0x00, 0x06, 0x00, 'C', 'F', 'a', 'c', 'e', '3'};
    const auto apres = [&](Octets fin) {
        Octets o = defini;
        o.insert(o.end(), fin.begin(), fin.end());
        return o;
    };
    const struct {
        Octets o;
        std::function<void(CArchive&)> f;
        std::size_t nPosition;
    } cas[] = {
        // The wide-character marker is never written; lengths beyond what
        // remains are refused before anything is allocated.
        {{0xFF, 0xFE, 0xFF, 0x01, 'a'}, chaine, 0},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'}, chaine, 7},
        {{0xFF, 0x00, 0x01, 'a'}, chaine, 3},
        {{0x05, 'a'}, chaine, 1},
        {{0xFF, 0xFF, 0x08, 0x00, 0x00, 0x10, 'C'}, classes, 6},
        {{0x01, 0x02}, reel, 0},
        // Class tags: schema 7, an unknown name, a class not allowed here.
        {{0xFF, 0xFF, 0x07, 0x00, 0x06, 0x00, 'C', 'F', 'a', 'c', 'e', '3'}, classes, 2},
        {{0xFF, 0xFF, 0x08, 0x00, 0x03, 0x00, 'A', 0x01, 'B'}, classes, 6},
        {defini, quatre, 6},
        // Known-class tags of a class never defined: index 1 before any class,
        // index 2 which numbers an object, index 0, and the long form.
        {{0x01, 0x80}, classes, 0},
        {apres({0x02, 0x80}), classes, 12},
        {{0x00, 0x80}, classes, 0},
        {{0xFF, 0x7F, 0x00, 0x90, 0x00, 0x80}, classes, 0},
        // A reference back to an object, short and long, and the null tag.
        {apres({0x02, 0x00}), classes, 12},
        {{0xFF, 0x7F, 0x02, 0x00, 0x00, 0x00}, classes, 0},
        {{0x00, 0x00}, classes, 0},
    };
    std::string texte;
    for (const auto& c : cas) {
        auto ar = CArchive::Lecture(c.o);
        try {
            c.f(ar);
            ADD_FAILURE() << "no CErreurArchive at " << c.nPosition;
        } catch (const CErreurArchive& e) {
            EXPECT_EQ(e.Position(), c.nPosition) << e.what();
            texte += std::string(e.what()) + "\n";
        }
    }
    ExpectGolden("files/archive_refusals.txt", texte);
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

TEST(Archive, CountBoundaries) {
    const std::uint32_t comptes[] = {0, 1, 65534, 65535, 0x12345678};
    const Octets o = Ecrire([&](CArchive& ar) {
        for (std::uint32_t n : comptes) {
            ar.EcrireCompte(n);
        }
    });
    EXPECT_EQ(o, (Octets{0x00, 0x00, 0x01, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00,
                         0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}));
    auto ar = CArchive::Lecture(o);
    for (std::uint32_t n : comptes) {
        EXPECT_EQ(ar.LireCompte(), n);
    }
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
