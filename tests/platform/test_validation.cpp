#include "platform/InteractionScriptee.h"
#include "platform/Validation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Validation, MessagesBoundsAndReading) {
    EXPECT_EQ(MessagePlageReel(-89.9, 89.9), "Please enter a number between -89.9 and 89.9.");
    EXPECT_EQ(MessagePlageReel(-100, 1000000), "Please enter a number between -100 and 1000000.");
    EXPECT_EQ(MessagePlageReel(0.01, 1), "Please enter a number between 0.01 and 1.");
    EXPECT_EQ(MessagePlageEntier(1, 1000), "Please enter an integer between 1 and 1000.");
    EXPECT_EQ(MessageLongueurMax(30), "Please enter no more than 30 characters.");

    EXPECT_FALSE(VerifierReel(1, 89.9, -89.9, 89.9));
    EXPECT_FALSE(VerifierReel(1, -89.9, -89.9, 89.9));
    EXPECT_EQ(VerifierReel(7, 90, -89.9, 89.9)->nChamp, 7);
    EXPECT_TRUE(VerifierReel(1, std::nan(""), 0, 1));
    EXPECT_TRUE(VerifierEntier(2, 0, 1, 1000));
    EXPECT_FALSE(VerifierEntier(2, 1000, 1, 1000));
    EXPECT_FALSE(VerifierLongueur(3, std::string(30, 'a'), 30));
    EXPECT_TRUE(VerifierLongueur(3, std::string(31, 'a'), 30));

    EXPECT_EQ(LireReel(" 1.5 "), 1.5);
    EXPECT_EQ(LireReel("+2"), 2.0);
    EXPECT_EQ(LireReel("-1e3"), -1000.0);
    for (const char* s : {"", "1,5", "12abc", "inf"}) {
        EXPECT_FALSE(LireReel(s)) << s;
    }
    EXPECT_EQ(LireEntier("42"), 42);
    EXPECT_FALSE(LireEntier("4.2"));
}

TEST(InteractionScriptee, RecordsMessagesAndGivesQueuedOrSafeAnswers) {
    CInteractionScriptee ui;
    EXPECT_EQ(ui.Message("a", "b", EIcone::Question, EBoutons::OuiNon), EReponse::Non);
    ui.m_reponses.push_back(EReponse::Oui);
    EXPECT_EQ(ui.Message("c", "d", EIcone::Question, EBoutons::OuiNon), EReponse::Oui);
    ASSERT_EQ(ui.m_messages.size(), 2u);
    EXPECT_EQ(ui.m_messages[1].strTexte, "c");
    EXPECT_FALSE(ui.ChoisirFichierEnregistrement({}));
    ui.m_fichiers.push_back("/tmp/x.txt");
    EXPECT_EQ(ui.ChoisirFichierOuverture({}), "/tmp/x.txt");
    EXPECT_EQ(ui.m_choixFichiers.size(), 2u);
}

} // namespace
