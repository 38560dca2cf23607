#include "lighting/CorrelationPhysique.h"

#include "tests/platform/ImpressionEcran.h"

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
    CJournal j;
    C c = Courbe();
    C::CTampon t = c.Ouvrir();
    const auto stockee = [&] { NOTER(j, c.m_nMode, c.m_couples[1].m_dIncidence); };
    t.dTaux[3] = 100.5;
    t.dIncidences[1] = 12;
    t.nMode = 0;
    NOTER(j, c.Valider(t));
    stockee();
    t.dTaux[3] = 50;
    t.dIncidences[4] = 90.01;
    NOTER(j, c.Valider(t));
    stockee();
    const double incidences[6] = {0, 60, 30, 45, 75, 90};
    for (int i = 0; i < 6; ++i) {
        t.dIncidences[i] = incidences[i];
        t.dTaux[i] = i + 1;
    }
    t.nMode = 1;
    NOTER(j, c.Valider(t));
    stockee();
    for (const auto& k : c.m_couples) {
        NOTER(j, k.m_dIncidence, k.m_dTaux);
    }
    NOTER(j, C::IncidenceModifiable(0), C::IncidenceModifiable(3), C::IncidenceModifiable(5));
    ExpectGolden("rate_laws.txt", j.m_texte);
}

} // namespace
