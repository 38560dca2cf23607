#include "document/OptionsCalcul.h"
#include "tests/platform/ImpressionEcran.h"

#include <cmath>

namespace {

TEST(OptionsCalcul, PeriodValidationAndRefusals) {
    CJournal j;
    // Cadences the dialog never accepts (a damaged file) keep a usable timer.
    NOTER(j, COptionsCalcul().PeriodeAnimation());
    for (double d : {3.0, 40.0, 0.1, 0.0, 1e9, std::nan("")}) {
        NOTER(j, d, COptionsCalcul::PeriodeAnimation(d));
    }
    COptionsCalcul o;
    CTamponOptionsCalcul t = o.Ouvrir();
    const auto stocke = [&] {
        NOTER(j, o.m_dCadence, o.m_nIndexPas, o.m_nPasMinutes, o.m_nPoidsMax, o.m_nAnnee);
    };
    NOTER(j, t.strCadence, t.nIndexPas, t.strPoidsMax, t.strAnnee);
    j.Titre("the chosen entry, then the first bad field and nothing stored");
    const CTamponOptionsCalcul cas[] = {
        {"0.1", 10, "1000", "2040"}, {"0.1", 0, "1000", "2040"}, {"40.5", 6, "0", "2000"},
        {"fast", 6, "50", "2003"},   {"4", -1, "50", "2003"},    {"4", 3, "0", "2003"},
        {"4", 3, "1.5", "2003"},     {"4", 3, "9", "2000"},
    };
    for (const auto& c : cas) {
        NOTER(j, c.strCadence, c.nIndexPas, c.strPoidsMax, c.strAnnee, o.Valider(c));
        stocke();
    }
    ExpectGolden("options.txt", j.m_texte);
}

} // namespace
