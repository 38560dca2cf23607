#include "document/OptionsCalcul.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(OptionsCalcul, AnimationPeriodIsTruncated) {
    EXPECT_EQ(COptionsCalcul().PeriodeAnimation(), 250);
    // Cadences the dialog never accepts (a damaged file) keep a usable timer.
    const double cas[][2] = {{3, 333}, {40, 25}, {0.1, 10000}, {0, 10000}, {1e9, 25}, {NAN, 10000}};
    for (const auto& c : cas) {
        EXPECT_EQ(COptionsCalcul::PeriodeAnimation(c[0]), c[1]) << c[0];
    }
}

TEST(OptionsCalcul, ValidateStoresTheChosenEntryOrRefusesTheFirstBadField) {
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
        const auto refus = o.Valider(c.t);
        ASSERT_TRUE(refus);
        EXPECT_EQ(refus->nChamp, c.champ);
        EXPECT_EQ(refus->strMessage, c.message);
        EXPECT_EQ(o.m_dCadence, 0.1);
        EXPECT_EQ(o.m_nPasMinutes, 1);
        EXPECT_EQ(o.m_nPoidsMax, 1000);
    }
}

} // namespace
