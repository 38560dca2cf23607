#include "ui/Texte.h"

#include <gtest/gtest.h>

TEST(Texte, StoredTextsAreShownFromWindows1252) {
    EXPECT_EQ(DepuisCp1252("\x80 \xE9t\xE9 \x9C"), QString::fromUtf8("€ été œ"));
}

TEST(Texte, TypedTextsThatTheCodePageCannotHoldAreRefusedWithTheReason) {
    EXPECT_EQ(VersCp1252(QString::fromUtf8("Façade € sud")), std::string("Fa\xE7"
                                                                         "ade \x80 sud"));
    QString erreur;
    EXPECT_FALSE(VersCp1252(QString::fromUtf8("toit 中"), &erreur).has_value());
    EXPECT_TRUE(erreur.contains(QStringLiteral("U+4E2D"))) << erreur.toStdString();
}

TEST(Texte, DisplayedTextsReplaceWhatTheCodePageLacks) {
    EXPECT_EQ(VersCp1252Affichage(QString::fromUtf8("maison-中-été.vtl")),
              std::string("maison-?-\xE9t\xE9.vtl"));
    // A character beyond the 16-bit range counts once.
    EXPECT_EQ(VersCp1252Affichage(QString::fromUtf8("a\U0001F600b")), std::string("a?b"));
}

TEST(Texte, PathsKeepTheFileSystemsBytes) {
    const std::string chemin = "/tmp/\xC3\xA9t\xC3\xA9.vtl"; // UTF-8 on disk
    EXPECT_EQ(CheminLocal(DepuisCheminLocal(chemin)), chemin);
}
