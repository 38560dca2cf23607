#include "document/OptionsCalcul.h"

#include <algorithm>
#include <cmath>

const std::array<const char*, COptionsCalcul::kNombrePas> COptionsCalcul::s_textesPas = {
    "1", "2", "3", "4", "5", "6", "10", "12", "15", "20", "30"};
const std::array<int, COptionsCalcul::kNombrePas> COptionsCalcul::s_minutesPas = {
    1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30};

int COptionsCalcul::PeriodeAnimation(double dCadence) {
    // A damaged file may carry a cadence the dialog never accepts; keep the
    // timer period finite and within what the accepted cadences give.
    if (!(dCadence >= kPlageCadence.dMin)) {
        dCadence = kPlageCadence.dMin;
    }
    dCadence = std::min(dCadence, kPlageCadence.dMax);
    return static_cast<int>(std::trunc(1000 / dCadence));
}

CTamponOptionsCalcul COptionsCalcul::Ouvrir() const {
    CTamponOptionsCalcul t;
    t.strCadence = TexteReel(m_dCadence);
    t.nIndexPas = m_nIndexPas;
    t.strPoidsMax = std::to_string(m_nPoidsMax);
    t.strAnnee = std::to_string(m_nAnnee);
    return t;
}

namespace {

// Reads an integer edit and checks its range.
CResultatValidation LireEntierBorne(int nChamp, const std::string& texte, const CPlageEntier& plage,
                                    long& nValeur) {
    const auto n = LireEntier(texte);
    if (!n) {
        return CRefus{nChamp, MessageEntierInvalide()};
    }
    nValeur = *n;
    return VerifierEntier(nChamp, nValeur, plage);
}

} // namespace

CResultatValidation COptionsCalcul::Valider(const CTamponOptionsCalcul& t) {
    const auto dCadence = LireReel(t.strCadence);
    if (!dCadence) {
        return CRefus{kChampCadence, MessageNombreInvalide()};
    }
    if (auto r = VerifierReel(kChampCadence, *dCadence, kPlageCadence)) {
        return r;
    }
    if (auto r = VerifierEntier(kChampPas, t.nIndexPas, kPlageIndexPas)) {
        return r;
    }
    long nPoids = 0;
    if (auto r = LireEntierBorne(kChampPoidsMax, t.strPoidsMax, kPlagePoidsMax, nPoids)) {
        return r;
    }
    long nAnnee = 0;
    if (auto r = LireEntierBorne(kChampAnnee, t.strAnnee, kPlageAnnee, nAnnee)) {
        return r;
    }
    m_dCadence = *dCadence;
    m_nIndexPas = t.nIndexPas;
    m_nAnnee = static_cast<int>(nAnnee);
    m_nPoidsMax = static_cast<int>(nPoids);
    m_nPasMinutes = s_minutesPas[m_nIndexPas];
    return std::nullopt;
}
