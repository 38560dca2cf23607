#include "platform/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Cp1252, ConversionBothWays) {
    const struct {
        const char *utf8, *cp;
    } cas[] = {
        {"Fa\xC3\xA7"
         "ade \xC3\xA9t\xC3\xA9 \xC5\x93il 5 \xE2\x82\xAC",
         "Fa\xE7"
         "ade \xE9t\xE9 \x9Cil 5 \x80"},
        // Y diaeresis, the trademark sign and the curly quotes live in 0x80-0x9F too.
        {"\xC5\xB8\xE2\x84\xA2\xE2\x80\x9C\xE2\x80\x9D", "\x9F\x99\x93\x94"},
        // The undefined bytes become the C1 controls of the same number.
        {"\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", "\x81\x8D\x8F\x90\x9D"},
        {"PARIS", "PARIS"},
        {"", ""},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(Cp1252VersUtf8(c.cp), c.utf8);
        EXPECT_EQ(Utf8VersCp1252(c.utf8), c.cp);
    }
    std::string tous;
    for (int o = 0; o < 256; ++o) {
        tous += static_cast<char>(o);
    }
    EXPECT_EQ(Utf8VersCp1252(Cp1252VersUtf8(tous)), tous);
}

TEST(Cp1252, RefusedTextsSayWhy) {
    std::string strErreur;
    EXPECT_FALSE(Utf8VersCp1252("Toit \xE4\xB8\xAD", &strErreur)); // CJK
    EXPECT_EQ(strErreur, "The character \"\xE4\xB8\xAD\" (U+4E2D) cannot be stored: it is not "
                         "in the Windows-1252 character set.");
    EXPECT_FALSE(Utf8VersCp1252("ab\xE9", &strErreur)); // a Windows-1252 byte, not UTF-8
    EXPECT_EQ(strErreur, "The text is not valid UTF-8 (byte 0xE9 at position 2).");
    EXPECT_FALSE(Utf8VersCp1252("\xED\xBF\xBF", &strErreur)); // the last surrogate
    EXPECT_EQ(strErreur, "The text is not valid UTF-8 (byte 0xED at position 0).");
    const char* refuses[] = {
        "\xF0\x9F\x98\x80", // emoji, four bytes
        "\xC4\x80",         // U+0100, just past Latin-1
        "\xC2\x80",         // a C1 control the code page lacks
        "\xC3",             // truncated
        "\xC3\x28",         // bad continuation
        "\xC0\xA9",         // overlong, two bytes
        "\xE0\x82\xA9",     // overlong, three bytes
        "\xED\xA0\x80",     // surrogate
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\x80",             // lone continuation
    };
    for (const char* s : refuses) {
        EXPECT_FALSE(Utf8VersCp1252(s)) << s;
    }
}

} // namespace
