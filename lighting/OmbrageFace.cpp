// The lighting operations of a face: direct lighting for the sun direction,
// transmission as an occluder, and the shading of a receiver's nodes.
#include "geometry/Face.h"

#include <algorithm>
#include <cmath>

void CFace::CalculerEclairementDirect(const CVecteur& dir, double dAltitudeSoleil,
                                      double dLigneHorizon) {
    PreparerRayon(dir);
    // A sun exactly along the normal may give |q| a hair above 1.
    const double q = std::clamp(dir.Scalaire(m_normale), -1.0, 1.0);
    double i = std::acos(q) * kRadVersDeg;
    if (m_proprietes.m_bCoteInverse) {
        i = 180 - i;
    }
    m_dIncidence = i;
    // Light may cross a face from either side.
    const double a = i <= 90 ? i : 180 - i;
    m_dTransmission =
        m_proprietes.m_correlationTransmittivite.Valeur(m_proprietes.m_dTransmittivite, a) * 0.01;
    if (i < 90) {
        m_dEclairementDirect =
            m_proprietes.m_correlationAbsorptivite.Valeur(m_proprietes.m_dAbsorptivite, i);
    } else {
        m_dEclairementDirect = 0.0;
    }
    if (dAltitudeSoleil < dLigneHorizon) {
        m_dEclairementDirect = 0;
    }
}

double CFace::Transmission(const CVecteur& point) {
    if (Intercepte(point, 0.0) >= 0) {
        return 1.0; // missed, or met on the side away from the sun
    }
    if (CFace::Intercepte(point, 0.0) != 0) {
        return 1.0; // through one of its openings
    }
    return m_dTransmission;
}

void CFace::CalculerOmbrage(const std::vector<CFace*>& occultants) {
    m_dEclairement = 0;
    if (!m_pNoeuds) {
        return;
    }
    CMaillage& m = *m_pNoeuds;
    const int n = m.Taille();
    for (int k = 0; k < n; ++k) {
        const auto ik = static_cast<std::size_t>(k);
        float valeur = static_cast<float>(m_dEclairementDirect);
        if (m_dEclairementDirect != 0 && !occultants.empty()) {
            const CVecteur noeud(m.m_x[ik], m.m_y[ik], m.m_z[ik]);
            for (CFace* pOccultant : occultants) {
                if (valeur <= 0) {
                    break;
                }
                valeur = static_cast<float>(pOccultant->Transmission(noeud) * valeur);
            }
        }
        m.m_valeurs[ik] = valeur;
        m_dEclairement += valeur;
    }
    m_dEclairement = m_dEclairement / std::max(n, 1);
}
