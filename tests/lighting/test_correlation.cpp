#include "../geometry/GeometrieTest.h"
#include "lighting/CorrelationPhysique.h"
#include "tests/platform/ImpressionEcran.h"

#include <map>

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
    std::map<std::string, C> lois{{"uniform", C()}};
    lois["cosine"].m_nMode = C::ModuleCosinus;
    lois["empty"].m_nMode = C::Interpole;
    lois["curve"].Copier(Courbe());
    lois["equal"] = Courbe();
    lois["equal"].m_couples[2] = {30, 10};
    for (auto& l : Table("tables/rate_values.txt")) {
        std::string loi;
        double taux = 0, incidence = 0, attendu = 0;
        l >> loi >> taux >> incidence >> attendu;
        ASSERT_TRUE(Lue(l)) << l.str();
        EXPECT_NEAR(lois.at(loi).Valeur(taux, incidence), attendu, 1e-12) << l.str();
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
