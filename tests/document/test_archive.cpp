#include "document/Archive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using Octets = std::vector<std::uint8_t>;

const std::vector<std::string> s_faces = {"CFace3", "CFace4", "CFace5", "CFace6"};

Octets Concat(std::initializer_list<Octets> parties) {
    Octets o;
    for (const auto& p : parties) {
        o.insert(o.end(), p.begin(), p.end());
    }
    return o;
}

Octets Texte(const std::string& s) {
    return Octets(s.begin(), s.end());
}

template <class F>
Octets Ecrire(F f) {
    Octets o;
    auto ar = CArchive::Ecriture(o);
    f(ar);
    EXPECT_EQ(ar.Position(), o.size());
    return o;
}

// Runs f on a reading archive and returns the offset of the refusal; fails
// the test when nothing is refused.
template <class F>
std::size_t Refus(const Octets& o, F f) {
    auto ar = CArchive::Lecture(o);
    try {
        f(ar);
    } catch (const CErreurArchive& e) {
        EXPECT_NE(std::string(e.what()).find("byte offset " + std::to_string(e.Position())),
                  std::string::npos)
            << e.what();
        return e.Position();
    }
    ADD_FAILURE() << "no CErreurArchive";
    return std::numeric_limits<std::size_t>::max();
}

TEST(Archive, PrimitivesAreLittleEndianAndAppended) {
    Octets o = {0x55};
    const double valeurs[] = {-0.0, 0.04, std::numeric_limits<double>::denorm_min(),
                              std::numeric_limits<double>::infinity()};
    {
        auto ar = CArchive::Ecriture(o);
        EXPECT_TRUE(ar.EstEnEcriture() && !ar.EstEnLecture());
        ar.EcrireEntier(-2);
        ar.EcrireEntier(2003);
        ar.EcrireBooleen(true);
        ar.EcrireBooleen(false);
        ar.EcrireReel(1.0);
        ar.EcrireReel(-2.3);
        ar.EcrireMot(0x1234);
        ar.EcrireDoubleMot(0x89ABCDEF);
        ar.EcrireOctets(Octets{0xAA, 0xBB});
        EXPECT_EQ(ar.Position(), 40u);
        for (double d : valeurs) {
            ar.EcrireReel(d);
        }
        ar.EcrireReel(std::nan(""));
    }
    const Octets attendu = {0x55, 0xFE, 0xFF, 0xFF, 0xFF, 0xD3, 0x07, 0x00, 0x00,
                            0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                            0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,       // 1.0
                            0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x02, 0xC0, // -2.3
                            0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x89, 0xAA, 0xBB};
    EXPECT_EQ(Octets(o.begin(), o.begin() + 41), attendu);

    auto ar = CArchive::Lecture(std::span(o).subspan(1));
    EXPECT_TRUE(ar.EstEnLecture());
    EXPECT_EQ(ar.LireEntier(), -2);
    EXPECT_EQ(ar.LireEntier(), 2003);
    EXPECT_TRUE(ar.LireBooleen());
    EXPECT_FALSE(ar.LireBooleen());
    EXPECT_EQ(ar.LireReel(), 1.0);
    EXPECT_EQ(ar.LireReel(), -2.3);
    EXPECT_EQ(ar.LireMot(), 0x1234);
    EXPECT_EQ(ar.LireDoubleMot(), 0x89ABCDEFu);
    std::uint8_t bloc[2];
    ar.LireOctets(bloc);
    EXPECT_EQ(bloc[0] * 256 + bloc[1], 0xAABB);
    for (double d : valeurs) { // doubles keep their bits
        const double x = ar.LireReel();
        EXPECT_EQ(x, d);
        EXPECT_EQ(std::signbit(x), std::signbit(d));
    }
    EXPECT_TRUE(std::isnan(ar.LireReel()));
    EXPECT_EQ(ar.Restant(), 0u);
    EXPECT_EQ(ar.Position(), o.size() - 1);
    // Any non-zero BOOL is true.
    const Octets b = {0x00, 0x00, 0x00, 0x80, 0x02, 0x00, 0x00, 0x00};
    auto vrais = CArchive::Lecture(b);
    EXPECT_TRUE(vrais.LireBooleen() && vrais.LireBooleen());
}

TEST(Archive, StringPrefixBoundaries) {
    struct Cas {
        std::size_t n;
        Octets prefixe;
    };
    const Cas cas[] = {
        {0, {0x00}},
        {7, {0x07}},
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
        EXPECT_EQ(std::string(o.begin() + c.prefixe.size(), o.end()), s) << c.n;

        auto ar = CArchive::Lecture(o);
        EXPECT_EQ(ar.LireChaine(), s) << c.n;
        EXPECT_EQ(ar.Restant(), 0u);
    }
}

TEST(Archive, LongerPrefixesThanNeededAreRead) {
    const Octets o = {0xFF, 0x02, 0x00, 'a', 'b', 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 'c'};
    auto ar = CArchive::Lecture(o);
    EXPECT_EQ(ar.LireChaine(), "ab");
    EXPECT_EQ(ar.LireChaine(), "c");
}

TEST(Archive, CountBoundaries) {
    const Octets o = Ecrire([](CArchive& ar) {
        ar.EcrireCompte(0);
        ar.EcrireCompte(1);
        ar.EcrireCompte(65534);
        ar.EcrireCompte(65535);
        ar.EcrireCompte(0x12345678);
    });
    const Octets attendu = {0x00, 0x00, 0x01, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF,
                            0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12};
    EXPECT_EQ(o, attendu);
    auto ar = CArchive::Lecture(o);
    EXPECT_EQ(ar.LireCompte(), 0u);
    EXPECT_EQ(ar.LireCompte(), 1u);
    EXPECT_EQ(ar.LireCompte(), 65534u);
    EXPECT_EQ(ar.LireCompte(), 65535u);
    EXPECT_EQ(ar.LireCompte(), 0x12345678u);
}

TEST(Archive, LongFormOfLargeClassIndices) {
    // 0x7FFD objects of one class push the running index to 0x7FFF: the next
    // new class takes index 0x7FFF and is referred to in the long form.
    const std::uint32_t nTriangles = 0x7FFD;
    const Octets o = Ecrire([&](CArchive& ar) {
        for (std::uint32_t i = 0; i < nTriangles; ++i) {
            ar.EcrireClasseObjet("CFace3");
        }
        ar.EcrireClasseObjet("CFace5"); // class 0x7FFF, object 0x8000
        ar.EcrireClasseObjet("CFace5");
        ar.EcrireClasseObjet("CFace3");
        ar.EcrireClasseObjet("CFace6"); // class 0x8003
        ar.EcrireClasseObjet("CFace6");
    });
    const std::size_t nDebut = 12 + 2 * (nTriangles - 1);
    const Octets fin(o.begin() + static_cast<std::ptrdiff_t>(nDebut), o.end());
    const Octets attendu = Concat({{0xFF, 0xFF, 0x08, 0x00, 0x06, 0x00},
                                   Texte("CFace5"),
                                   {0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x80},
                                   {0x01, 0x80},
                                   {0xFF, 0xFF, 0x08, 0x00, 0x06, 0x00},
                                   Texte("CFace6"),
                                   {0xFF, 0x7F, 0x03, 0x80, 0x00, 0x80}});
    EXPECT_EQ(fin, attendu);

    auto ar = CArchive::Lecture(o);
    for (std::uint32_t i = 0; i < nTriangles; ++i) {
        ASSERT_EQ(ar.LireClasseObjet(s_faces), "CFace3");
    }
    EXPECT_EQ(ar.LireClasseObjet(s_faces), "CFace5");
    EXPECT_EQ(ar.LireClasseObjet(s_faces), "CFace5");
    EXPECT_EQ(ar.LireClasseObjet(s_faces), "CFace3");
    EXPECT_EQ(ar.LireClasseObjet(s_faces), "CFace6");
    EXPECT_EQ(ar.LireClasseObjet(s_faces), "CFace6");
    EXPECT_EQ(ar.Restant(), 0u);
}

TEST(Archive, WrongDirectionIsAProgrammingError) {
    Octets o;
    EXPECT_THROW(CArchive::Ecriture(o).LireEntier(), std::logic_error);
    auto r = CArchive::Lecture(o);
    EXPECT_THROW(r.EcrireEntier(1), std::logic_error);
    EXPECT_THROW(r.EcrireClasseObjet("CFace3"), std::logic_error);
}

TEST(ArchiveMalformee, TruncatedAtEveryField) {
    // Every strict prefix of a stream holding each kind of field is refused,
    // at the offset where the incomplete field starts or its bytes run out.
    const Octets o = Ecrire([](CArchive& ar) {
        ar.EcrireEntier(1);
        ar.EcrireBooleen(true);
        ar.EcrireReel(0.5);
        ar.EcrireMot(9);
        ar.EcrireChaine(std::string(300, 'n'));
        ar.EcrireChaine(std::string(70000, 'l'));
        ar.EcrireCompte(70000);
        ar.EcrireClasseObjet("CFace4");
        ar.EcrireClasseObjet("CFace4");
    });
    const auto ToutLire = [](CArchive& ar) {
        ar.LireEntier();
        ar.LireBooleen();
        ar.LireReel();
        ar.LireMot();
        ar.LireChaine();
        ar.LireChaine();
        ar.LireCompte();
        ar.LireClasseObjet(s_faces);
        ar.LireClasseObjet(s_faces);
    };
    {
        auto ar = CArchive::Lecture(o);
        ToutLire(ar);
        EXPECT_EQ(ar.Restant(), 0u);
    }
    // Cut inside each field and at each field boundary.
    // Layout: int 0, BOOL 4, double 8, word 16, string 18 (prefix 3), string
    // 321 (prefix 7), count 70328, new-class tag 70334, known-class tag 70346.
    const std::size_t coupes[] = {0,     2,     4,     7,     8,     15,    16,    17,
                                  18,    19,    20,    21,    100,   321,   322,   324,
                                  325,   327,   328,   70000, 70327, 70328, 70330, 70331,
                                  70333, 70334, 70336, 70338, 70340, 70345, 70346, 70347};
    ASSERT_EQ(o.size(), 70348u);
    for (std::size_t n : coupes) {
        ASSERT_LT(n, o.size());
        const Octets tronque(o.begin(), o.begin() + static_cast<std::ptrdiff_t>(n));
        const std::size_t nPos = Refus(tronque, ToutLire);
        EXPECT_LE(nPos, n) << "cut at " << n;
    }
    for (std::size_t n = o.size() - 20; n < o.size(); ++n) {
        const Octets tronque(o.begin(), o.begin() + static_cast<std::ptrdiff_t>(n));
        Refus(tronque, ToutLire);
    }
}

TEST(ArchiveMalformee, BadClassTags) {
    const Octets defini = Concat({{0xFF, 0xFF, 0x08, 0x00, 0x06, 0x00}, Texte("CFace3")});
    const struct {
        Octets o;
        std::vector<std::string> classes;
        std::size_t nPosition;
    } cas[] = {
        {Concat({{0xFF, 0xFF, 0x07, 0x00, 0x06, 0x00}, Texte("CFace3")}), s_faces, 2}, // schema 7
        {Concat({{0xFF, 0xFF, 0x08, 0x00, 0x06, 0x00}, Texte("CFace7")}), s_faces, 6},
        {defini, {"CFace4"}, 6}, // allowed elsewhere, not here
        // Known-class tags whose class was never defined: index 1 before any
        // class, index 2 which numbers an object, index 0, and the long form.
        {{0x01, 0x80}, s_faces, 0},
        {Concat({defini, {0x02, 0x80}}), s_faces, 12},
        {{0x00, 0x80}, s_faces, 0},
        {{0xFF, 0x7F, 0x00, 0x90, 0x00, 0x80}, s_faces, 0},
        // A reference back to an object, short and long, and the null tag.
        {Concat({defini, {0x02, 0x00}}), s_faces, 12},
        {{0xFF, 0x7F, 0x02, 0x00, 0x00, 0x00}, s_faces, 0},
        {{0x00, 0x00}, s_faces, 0},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(Refus(c.o,
                        [&](CArchive& ar) {
                            ar.LireClasseObjet(c.classes);
                            ar.LireClasseObjet(c.classes);
                        }),
                  c.nPosition);
    }
}

TEST(ArchiveMalformee, MessagesSayWhatIsWrong) {
    const Octets nom = {0xFF, 0xFF, 0x08, 0x00, 0x03, 0x00, 'A', 0x01, 'B'};
    auto ar = CArchive::Lecture(nom);
    try {
        ar.LireClasseObjet(s_faces);
        FAIL();
    } catch (const CErreurArchive& e) {
        EXPECT_STREQ(e.what(), "Unknown class name \"A\\x01B\" (at byte offset 6)");
    }
    const Octets court = {0x01, 0x02};
    auto vide = CArchive::Lecture(court);
    try {
        vide.LireReel();
        FAIL();
    } catch (const CErreurArchive& e) {
        EXPECT_STREQ(e.what(), "Unexpected end of data: a double needs 8 bytes but only 2 "
                               "remain (at byte offset 0)");
    }
}

TEST(ArchiveMalformee, LengthsBeyondTheRemainingBytes) {
    // A 4-byte string length of 4 GiB - 1 over 3 bytes: refused before any allocation.
    EXPECT_EQ(Refus({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'},
                    [](CArchive& ar) { ar.LireChaine(); }),
              7u);
    EXPECT_EQ(Refus({0xFF, 0x00, 0x01, 'a'}, [](CArchive& ar) { ar.LireChaine(); }), 3u);
    EXPECT_EQ(Refus({0x05, 'a'}, [](CArchive& ar) { ar.LireChaine(); }), 1u);
    // The wide-character marker is never written by this program.
    EXPECT_EQ(Refus({0xFF, 0xFE, 0xFF, 0x01, 'a'}, [](CArchive& ar) { ar.LireChaine(); }), 0u);
    // A class name longer than what remains.
    EXPECT_EQ(Refus({0xFF, 0xFF, 0x08, 0x00, 0x00, 0x10, 'C'},
                    [](CArchive& ar) { ar.LireClasseObjet(s_faces); }),
              6u);

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

} // namespace
