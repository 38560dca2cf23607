#include "lighting/CorrelationPhysique.h"

#include <gtest/gtest.h>

namespace {

CCorrelationPhysique Courbe() {
    CCorrelationPhysique c;
    c.m_nMode = CCorrelationPhysique::Interpole;
    const double couples[6][2] = {{0, 90}, {30, 90}, {45, 70}, {60, 50}, {75, 20}, {90, 0}};
    for (int i = 0; i < 6; ++i) {
        c.m_couples[i] = {couples[i][0], couples[i][1]};
    }
    return c;
}

TEST(Correlation, FreshObjectInModeTwoIsZeroEverywhere) {
    CCorrelationPhysique c;
    c.m_nMode = CCorrelationPhysique::Interpole;
    for (double i = 0; i <= 90; i += 7.5) {
        EXPECT_EQ(c.Valeur(80, i), 0.0) << i;
    }
}

TEST(Correlation, UniformAndCosine) {
    CCorrelationPhysique c;
    EXPECT_EQ(c.Valeur(80, 60), 80.0);
    c.m_nMode = CCorrelationPhysique::ModuleCosinus;
    EXPECT_NEAR(c.Valeur(80, 60), 40.0, 1e-12);
    EXPECT_NEAR(c.Valeur(80, 90), 0.0, 1e-12);
}

TEST(Correlation, InterpolationUsesTheFirstIntervalAndIgnoresTheRate) {
    const CCorrelationPhysique c = Courbe();
    EXPECT_EQ(c.Valeur(0, 30), 90.0);
    EXPECT_DOUBLE_EQ(c.Valeur(0, 40), 76.66666666666667);
    EXPECT_EQ(c.Valeur(55, 40), c.Valeur(0, 40));
    EXPECT_EQ(c.Valeur(0, 90), 0.0);
    EXPECT_EQ(c.Valeur(0, 90.5), 0.0);
    EXPECT_EQ(c.Valeur(0, -1), 0.0);
    EXPECT_EQ(c.Valeur(0, 0), 90.0);
}

TEST(Correlation, EqualIncidencesNeverDivideByZero) {
    CCorrelationPhysique c = Courbe();
    c.m_couples[2] = {30, 10}; // same incidence as couple 1
    EXPECT_EQ(c.Valeur(0, 30), 90.0);
    EXPECT_DOUBLE_EQ(c.Valeur(0, 37.5), 10 + (50 - 10) * 7.5 / 30);
}

TEST(Correlation, ValidateSortsTheColumnsWithTheirRates) {
    CCorrelationPhysique c;
    CCorrelationPhysique::CTampon t = c.Ouvrir();
    const double incidences[6] = {0, 60, 30, 45, 75, 90};
    const double taux[6] = {1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 6; ++i) {
        t.dIncidences[i] = incidences[i];
        t.dTaux[i] = taux[i];
    }
    t.nMode = 2;
    EXPECT_FALSE(c.Valider(t));
    const double attendus[6][2] = {{0, 1}, {30, 3}, {45, 4}, {60, 2}, {75, 5}, {90, 6}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(c.m_couples[i].m_dIncidence, attendus[i][0]);
        EXPECT_EQ(c.m_couples[i].m_dTaux, attendus[i][1]);
    }
    EXPECT_EQ(c.m_nMode, 2);
    EXPECT_FALSE(CCorrelationPhysique::IncidenceModifiable(0));
    EXPECT_TRUE(CCorrelationPhysique::IncidenceModifiable(3));
    EXPECT_FALSE(CCorrelationPhysique::IncidenceModifiable(5));
}

TEST(Correlation, RefusedFieldsStoreNothing) {
    CCorrelationPhysique c = Courbe();
    CCorrelationPhysique::CTampon t = c.Ouvrir();
    t.dTaux[3] = 100.5;
    t.dIncidences[1] = 12;
    t.nMode = 0;
    const auto r = c.Valider(t);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->nChamp, CCorrelationPhysique::ChampTaux0 + 3);
    EXPECT_EQ(r->strMessage, "Please enter a number between 0 and 100.");
    EXPECT_EQ(c.m_couples[1].m_dIncidence, 30);
    EXPECT_EQ(c.m_nMode, CCorrelationPhysique::Interpole);
    t.dTaux[3] = 50;
    t.dIncidences[4] = 90.01;
    EXPECT_EQ(c.Valider(t)->nChamp, CCorrelationPhysique::ChampIncidence0 + 4);
}

TEST(Correlation, CopierTakesCouplesAndMode) {
    CCorrelationPhysique c;
    c.Copier(Courbe());
    EXPECT_EQ(c.m_nMode, CCorrelationPhysique::Interpole);
    EXPECT_EQ(c.m_couples[2].m_dTaux, 70);
}

} // namespace
