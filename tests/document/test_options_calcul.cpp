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
    EXPECT_EQ(o.PeriodeAnimation(), 250);

    const char* attendus[] = {"1", "2", "3", "4", "5", "6", "10", "12", "15", "20", "30"};
    ASSERT_EQ(COptionsCalcul::s_textesPas.size(), 11u);
    for (int i = 0; i < COptionsCalcul::kNombrePas; ++i) {
        EXPECT_STREQ(COptionsCalcul::s_textesPas[i], attendus[i]);
        EXPECT_EQ(COptionsCalcul::s_minutesPas[i], std::stoi(attendus[i]));
    }
    EXPECT_EQ(COptionsCalcul::s_minutesPas[o.m_nIndexPas], o.m_nPasMinutes);
}

TEST(OptionsCalcul, AnimationPeriodIsTruncated) {
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(3), 333);
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(40), 25);
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(0.1), 10000);
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(7), 142);
    // Cadences the dialog never accepts (a damaged file) keep a usable timer.
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(0), 10000);
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(std::nan("")), 10000);
    EXPECT_EQ(COptionsCalcul::PeriodeAnimation(1e9), 25);
}

TEST(OptionsCalcul, ValidateStoresTheStepMinutesOfTheChosenEntry) {
    COptionsCalcul o;
    CTamponOptionsCalcul t = o.Ouvrir();
    EXPECT_EQ(t.strCadence, "4");
    EXPECT_EQ(t.nIndexPas, 6);
    EXPECT_EQ(t.strPoidsMax, "50");
    EXPECT_EQ(t.strAnnee, "2003");

    t.nIndexPas = 10;
    t.strCadence = "0.1";
    t.strPoidsMax = "1000";
    t.strAnnee = "2040";
    EXPECT_FALSE(o.Valider(t));
    EXPECT_EQ(o.m_nIndexPas, 10);
    EXPECT_EQ(o.m_nPasMinutes, 30);
    EXPECT_EQ(o.m_dCadence, 0.1);
    EXPECT_EQ(o.m_nPoidsMax, 1000);
    EXPECT_EQ(o.m_nAnnee, 2040);

    t.nIndexPas = 0;
    EXPECT_FALSE(o.Valider(t));
    EXPECT_EQ(o.m_nIndexPas, 0);
    EXPECT_EQ(o.m_nPasMinutes, 1);
}

TEST(OptionsCalcul, RefusedFieldsStoreNothing) {
    struct Cas {
        const char* cadence;
        int index;
        const char* poids;
        const char* annee;
        COptionsCalcul::EChamp champ;
        const char* message;
    };
    const Cas cas[] = {
        {"40.5", 6, "50", "2003", COptionsCalcul::kChampCadence,
         "Please enter a number between 0.1 and 40."},
        {"0.09", 6, "50", "2003", COptionsCalcul::kChampCadence,
         "Please enter a number between 0.1 and 40."},
        {"fast", 6, "50", "2003", COptionsCalcul::kChampCadence, "Please enter a number."},
        {"4", -1, "50", "2003", COptionsCalcul::kChampPas,
         "Please enter an integer between 0 and 10."},
        {"4", 6, "0", "2003", COptionsCalcul::kChampPoidsMax,
         "Please enter an integer between 1 and 1000."},
        {"4", 6, "1.5", "2003", COptionsCalcul::kChampPoidsMax, "Please enter an integer."},
        {"4", 6, "50", "2000", COptionsCalcul::kChampAnnee,
         "Please enter an integer between 2001 and 2040."},
        // The first refused field is reported.
        {"99", 6, "0", "2000", COptionsCalcul::kChampCadence,
         "Please enter a number between 0.1 and 40."},
    };
    for (const Cas& c : cas) {
        COptionsCalcul o;
        const CTamponOptionsCalcul t{c.cadence, c.index, c.poids, c.annee};
        const auto refus = o.Valider(t);
        ASSERT_TRUE(refus) << c.cadence << " " << c.poids << " " << c.annee;
        EXPECT_EQ(refus->nChamp, c.champ);
        EXPECT_EQ(refus->strMessage, c.message);
        EXPECT_EQ(o.m_dCadence, 4.0);
        EXPECT_EQ(o.m_nIndexPas, 6);
        EXPECT_EQ(o.m_nPasMinutes, 10);
        EXPECT_EQ(o.m_nPoidsMax, 50);
        EXPECT_EQ(o.m_nAnnee, 2003);
    }
}

} // namespace
