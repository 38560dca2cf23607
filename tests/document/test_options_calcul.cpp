#include "document/OptionsCalcul.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(OptionsCalcul, DefaultsAndTheTimeStepList) {
    const COptionsCalcul o;
    EXPECT_EQ(o.m_nPasMinutes, 10);
    EXPECT_EQ(o.m_dCadence, 4.0);
    EXPECT_EQ(o.m_nIndexPas, 6);
    EXPECT_EQ(o.m_nPoidsMax, 50);
    EXPECT_EQ(o.m_nAnnee, 2003);
    const char* attendus[] = {"1", "2", "3", "4", "5", "6", "10", "12", "15", "20", "30"};
    for (int i = 0; i < COptionsCalcul::kNombrePas; ++i) {
        EXPECT_STREQ(COptionsCalcul::s_textesPas[i], attendus[i]);
        EXPECT_EQ(COptionsCalcul::s_minutesPas[i], std::stoi(attendus[i]));
    }
}

TEST(OptionsCalcul, AnimationPeriodIsTruncated) {
    EXPECT_EQ(COptionsCalcul().PeriodeAnimation(), 250);
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(3), 333);
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(40), 25);
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(0.1), 10000);
    // Cadences the dialog never accepts (a damaged file) keep a usable timer.
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(0), 10000);
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(std::nan("")), 10000);
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(1e9), 25);
}

TEST(OptionsCalcul, ValidateStoresTheMinutesOfTheChosenEntry) {
    COptionsCalcul o;
    CTamponOptionsCalcul t = o.Ouvrir();
    EXPECT_EQ(t.strCadence, "4");
    EXPECT_EQ(t.nIndexPas, 6);
    EXPECT_EQ(t.strPoidsMax, "50");
    EXPECT_EQ(t.strAnnee, "2003");
    t = {"0.1", 10, "1000", "2040"};
    ASSERT_FALSE(o.Valider(t));
    EXPECT_EQ(o.m_nPasMinutes, 30);
    EXPECT_EQ(o.m_nIndexPas, 10);
    EXPECT_EQ(o.m_dCadence, 0.1);
    EXPECT_EQ(o.m_nPoidsMax, 1000);
    EXPECT_EQ(o.m_nAnnee, 2040);
    t.nIndexPas = 0;
    ASSERT_FALSE(o.Valider(t));
    EXPECT_EQ(o.m_nPasMinutes, 1);
}

TEST(OptionsCalcul, TheFirstRefusedFieldIsReportedAndNothingStored) {
    using O = COptionsCalcul;
    const struct {
        CTamponOptionsCalcul t;
        int champ;
        const char* message;
    } cas[] = {
        {{"40.5", 6, "0", "2000"}, O::kChampCadence, "Please enter a number between 0.1 and 40."},
        {{"fast", 6, "50", "2003"}, O::kChampCadence, "Please enter a number."},
        {{"4", -1, "50", "2003"}, O::kChampPas, "Please enter an integer between 0 and 10."},
        {{"4", 3, "0", "2003"}, O::kChampPoidsMax, "Please enter an integer between 1 and 1000."},
        {{"4", 3, "1.5", "2003"}, O::kChampPoidsMax, "Please enter an integer."},
        {{"4", 3, "9", "2000"}, O::kChampAnnee, "Please enter an integer between 2001 and 2040."},
    };
    for (const auto& c : cas) {
        COptionsCalcul o;
        const auto refus = o.Valider(c.t);
        ASSERT_TRUE(refus);
        EXPECT_EQ(refus->nChamp, c.champ);
        EXPECT_EQ(refus->strMessage, c.message);
        EXPECT_EQ(o.m_dCadence, 4.0);
        EXPECT_EQ(o.m_nPasMinutes, 10);
        EXPECT_EQ(o.m_nPoidsMax, 50);
    }
}

} // namespace
