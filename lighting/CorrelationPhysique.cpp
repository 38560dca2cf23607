#include "lighting/CorrelationPhysique.h"

#include "geometry/Vecteur.h"

#include <cmath>
#include <utility>

double CCorrelationPhysique::Valeur(double dTaux, double dIncidence) const {
    if (m_nMode == Uniforme) {
        return dTaux;
    }
    if (m_nMode == ModuleCosinus) {
        return std::cos(dIncidence * kDegVersRad) * dTaux;
    }
    // The first interval that holds the incidence; an exact match on its
    // start returns that rate without dividing (equal incidences are safe).
    for (int k = 0; k < kCouples - 1; ++k) {
        const CCouple& c0 = m_couples[k];
        const CCouple& c1 = m_couples[k + 1];
        if (c0.m_dIncidence <= dIncidence && dIncidence <= c1.m_dIncidence) {
            if (dIncidence - c0.m_dIncidence == 0) {
                return c0.m_dTaux;
            }
            return (c1.m_dTaux - c0.m_dTaux) * (dIncidence - c0.m_dIncidence) /
                       (c1.m_dIncidence - c0.m_dIncidence) +
                   c0.m_dTaux;
        }
    }
    return 0.0;
}

void CCorrelationPhysique::TrierCouples() {
    for (int i = 0; i < kCouples - 1; ++i) {
        for (int j = i + 1; j < kCouples; ++j) {
            if (m_couples[j].m_dIncidence < m_couples[i].m_dIncidence) {
                std::swap(m_couples[i], m_couples[j]);
            }
        }
    }
}

void CCorrelationPhysique::Copier(const CCorrelationPhysique& source) {
    for (int i = 0; i < kCouples; ++i) {
        m_couples[i] = source.m_couples[i];
    }
    m_nMode = source.m_nMode;
}

CCorrelationPhysique::CTampon CCorrelationPhysique::Ouvrir() const {
    CTampon t{};
    for (int i = 0; i < kCouples; ++i) {
        t.dIncidences[i] = m_couples[i].m_dIncidence;
        t.dTaux[i] = m_couples[i].m_dTaux;
    }
    t.nMode = m_nMode;
    return t;
}

CResultatValidation CCorrelationPhysique::Valider(const CTampon& tampon) {
    for (int i = 0; i < kCouples; ++i) {
        if (auto r = VerifierReel(ChampIncidence0 + i, tampon.dIncidences[i], kPlageIncidence)) {
            return r;
        }
    }
    for (int i = 0; i < kCouples; ++i) {
        if (auto r = VerifierReel(ChampTaux0 + i, tampon.dTaux[i], kPlageTaux)) {
            return r;
        }
    }
    for (int i = 0; i < kCouples; ++i) {
        m_couples[i] = {tampon.dIncidences[i], tampon.dTaux[i]};
    }
    TrierCouples();
    m_nMode = tampon.nMode;
    return std::nullopt;
}
