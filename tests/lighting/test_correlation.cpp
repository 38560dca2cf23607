#include "lighting/CorrelationPhysique.h"

#include <gtest/gtest.h>

namespace {

using C = CCorrelationPhysique;

C Courbe() {
    C c;
    c.m_nMode = C::Interpole;
    const double couples[6][2] = {{0, 90}, {30, 90}, {45, 70}, {60, 50}, {75, 20}, {90, 0}};
    for (int i = 0; i < 6; ++i) {
        c.m_couples[i] = {couples[i][0], couples[i][1]};
    }
    return c;
}

TEST(Correlation, Values) {
    C uniforme;
    C cosinus;
    cosinus.m_nMode = C::ModuleCosinus;
    C vide;
    vide.m_nMode = C::Interpole; // every rate 0
    C courbe;
    courbe.Copier(Courbe());
    C egales = Courbe();
    egales.m_couples[2] = {30, 10}; // same incidence as couple 1: no division by zero
    const struct {
        const C& c;
        double taux, incidence, attendu;
    } cas[] = {
        {uniforme, 80, 60, 80},
        {cosinus, 80, 60, 40},
        {cosinus, 80, 90, 0},
        {vide, 80, 45, 0},
        {vide, 80, 90, 0},
        {courbe, 0, 30, 90},
        {courbe, 0, 40, 76.66666666666667},
        {courbe, 55, 40, 76.66666666666667}, // the rate is ignored
        {courbe, 0, 90, 0},
        {courbe, 0, 90.5, 0},
        {courbe, 0, -1, 0},
        {courbe, 0, 0, 90},
        {egales, 0, 30, 90},
        {egales, 0, 37.5, 10 + (50 - 10) * 7.5 / 30},
    };
    for (const auto& k : cas) {
        EXPECT_NEAR(k.c.Valeur(k.taux, k.incidence), k.attendu, 1e-12)
            << k.c.m_nMode << " " << k.incidence;
    }
}

TEST(Correlation, ValidateSortsTheColumnsOrRefusesAndStoresNothing) {
    C c = Courbe();
    C::CTampon t = c.Ouvrir();
    t.dTaux[3] = 100.5;
    t.dIncidences[1] = 12;
    t.nMode = 0;
    auto r = c.Valider(t);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->nChamp, C::ChampTaux0 + 3);
    EXPECT_EQ(r->strMessage, "Please enter a number between 0 and 100.");
    EXPECT_EQ(c.m_couples[1].m_dIncidence, 30);
    EXPECT_EQ(c.m_nMode, C::Interpole);
    t.dTaux[3] = 50;
    t.dIncidences[4] = 90.01;
    EXPECT_EQ(c.Valider(t)->nChamp, C::ChampIncidence0 + 4);

    const double incidences[6] = {0, 60, 30, 45, 75, 90};
    for (int i = 0; i < 6; ++i) {
        t.dIncidences[i] = incidences[i];
        t.dTaux[i] = i + 1;
    }
    t.nMode = 1;
    EXPECT_FALSE(c.Valider(t));
    const double attendus[6][2] = {{0, 1}, {30, 3}, {45, 4}, {60, 2}, {75, 5}, {90, 6}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(c.m_couples[i].m_dIncidence, attendus[i][0]);
        EXPECT_EQ(c.m_couples[i].m_dTaux, attendus[i][1]);
    }
    EXPECT_EQ(c.m_nMode, 1);
    EXPECT_FALSE(C::IncidenceModifiable(0));
    EXPECT_TRUE(C::IncidenceModifiable(3));
    EXPECT_FALSE(C::IncidenceModifiable(5));
}

} // namespace
