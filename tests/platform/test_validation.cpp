#include "platform/Validation.h"
#include "tests/platform/ImpressionEcran.h"

#include <cmath>

namespace {

TEST(Validation, MessagesBoundsAndReading) {
    CJournal j;
    NOTER(j, MessagePlageReel(-89.9, 89.9), MessagePlageReel(-100, 1000000),
          MessagePlageReel(0.01, 1), MessagePlageEntier(1, 1000), MessageLongueurMax(30));
    NOTER(j, VerifierReel(1, 89.9, -89.9, 89.9), VerifierReel(1, -89.9, -89.9, 89.9),
          VerifierReel(7, 90, -89.9, 89.9), VerifierReel(1, std::nan(""), 0, 1));
    NOTER(j, VerifierEntier(2, 0, 1, 1000), VerifierEntier(2, 1000, 1, 1000),
          VerifierLongueur(3, std::string(30, 'a'), 30),
          VerifierLongueur(3, std::string(31, 'a'), 30));
    for (const char* s : {" 1.5 ", "+2", "-1e3", "", "1,5", "12abc", "inf", "42", "4.2"}) {
        NOTER(j, s, LireReel(s), LireEntier(s));
    }
    ExpectGolden("validation.txt", j.m_texte);
}

} // namespace
