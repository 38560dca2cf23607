#include "solar/ProblemeInverse.h"

#include "platform/Validation.h"
#include "solar/PositionSoleil.h"
#include "solar/Saisie.h"

CTamponProblemeInverse CProblemeInverse::Ouvrir() {
    m_bCalcule = false;
    CTamponProblemeInverse t;
    t.strAzimutMin = TexteReel(m_dAzimutMin);
    t.strAzimutMax = TexteReel(m_dAzimutMax);
    t.strAltitudeMin = TexteReel(m_dAltitudeMin);
    t.strAltitudeMax = TexteReel(m_dAltitudeMax);
    return t;
}

CResultatValidation CProblemeInverse::Calculer(const CTamponProblemeInverse& t) {
    double dAzimutMin = 0;
    double dAzimutMax = 0;
    double dAltitudeMin = 0;
    double dAltitudeMax = 0;
    if (auto r = LireChampReel(kChampAzimutMin, t.strAzimutMin, 0, 360, dAzimutMin)) {
        return r;
    }
    if (auto r = LireChampReel(kChampAzimutMax, t.strAzimutMax, 0, 360, dAzimutMax)) {
        return r;
    }
    if (auto r = LireChampReel(kChampAltitudeMin, t.strAltitudeMin, -90, 90, dAltitudeMin)) {
        return r;
    }
    if (auto r = LireChampReel(kChampAltitudeMax, t.strAltitudeMax, -90, 90, dAltitudeMax)) {
        return r;
    }
    m_dAzimutMin = dAzimutMin;
    m_dAzimutMax = dAzimutMax;
    m_dAltitudeMin = dAltitudeMin;
    m_dAltitudeMax = dAltitudeMax;
    CalculerDurees();
    return std::nullopt;
}

void CProblemeInverse::CalculerDurees() {
    CSauvegardeDateHeure sauvegarde(m_soleil);
    for (int d = 0; d < CPositionSoleil::kNombreDates; ++d) {
        sauvegarde.Debuter(d);
        int nCompte = 0;
        for (int m = 0; m < 1440; ++m) {
            m_soleil.CalculerPosition();
            const double a = m_soleil.m_dAzimut;
            const double h = m_soleil.m_dAltitude;
            if (m_dAzimutMin <= a && a <= m_dAzimutMax && m_dAltitudeMin <= h &&
                h <= m_dAltitudeMax) {
                ++nCompte;
            }
            m_soleil.AvancerMinutes(1);
        }
        m_dDurees[d] = nCompte;
    }
    m_bCalcule = true;
}

int CProblemeInverse::Echelle() const {
    return EchelleDurees(m_dDurees);
}

int EchelleDurees(std::span<const double> durees) {
    double m = 0;
    for (double d : durees) {
        if (d > m) {
            m = d;
        }
    }
    if (m > 720) {
        return 1440;
    }
    if (m > 360) {
        return 720;
    }
    if (m > 180) {
        return 360;
    }
    if (m > 90) {
        return 180;
    }
    return 90;
}
