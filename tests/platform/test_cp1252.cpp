#include "platform/Cp1252.h"
#include "tests/platform/ImpressionEcran.h"

namespace {

// Each line of the golden text: a text in UTF-8 as hex, then its Windows-1252
// bytes as hex or why it is refused; "#" lines say what the cases are.
TEST(Cp1252, ConversionBothWaysAndRefusals) {
    std::string texte;
    for (const std::string& ligne : LignesDonnees("text_conversion.txt")) {
        if (ligne.starts_with("#")) {
            texte += ligne + "\n";
            continue;
        }
        const std::string utf8 = DepuisHex(ligne.substr(0, ligne.find(" -> ")));
        std::string strErreur = "refused";
        const auto cp = Utf8VersCp1252(utf8, &strErreur);
        texte += EnHex(utf8) + " -> " + (cp ? EnHex(*cp) : strErreur) + "\n";
        if (cp) {
            EXPECT_EQ(Cp1252VersUtf8(*cp), utf8);
        }
    }
    ExpectGolden("text_conversion.txt", texte);
    std::string tous;
    for (int o = 0; o < 256; ++o) {
        tous += static_cast<char>(o);
    }
    EXPECT_EQ(Utf8VersCp1252(Cp1252VersUtf8(tous)), tous);
}

} // namespace
