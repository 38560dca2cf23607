#include "geometry/Face.h"

#include <cmath>

int CFace::Intercepte(const CVecteur& p, double eps) {
    for (CFace* pOuverture : m_ouvertures.m_faces) {
        if (const int r = pOuverture->Intercepte(p, eps)) {
            return r;
        }
    }
    return 0;
}

void CFace::CalculerNormale() {
    const CVecteur n = (m_points[1] - m_points[0]).Vectoriel(m_points[2] - m_points[1]);
    m_normale = n / n.Norme();
}

double CFace::AireNette() {
    const double dAire = Aire();
    const double dNette = dAire - m_ouvertures.AireOuvertures();
    return dNette > 0 ? dNette : dAire;
}

void CFace::TransfererPoints(bool bVersCopie) {
    if (bVersCopie) {
        for (int i = 0; i < 4; ++i) {
            m_pCopie->m_points[i] = m_points[i];
        }
        m_pCopie->m_bContourAJour = false;
    } else {
        for (int i = 0; i < 4; ++i) {
            m_points[i] = m_pCopie->m_points[i];
        }
        m_bContourAJour = false;
        CalculerNormale();
    }
}

void CFace::TransfererSaisie(bool bVersCopie) {
    if (bVersCopie) {
        for (int i = 0; i < 4; ++i) {
            m_pCopie->m_points[i] = m_saisie[i];
        }
        m_pCopie->m_bContourAJour = false;
    } else {
        for (int i = 0; i < 4; ++i) {
            m_saisie[i] = m_pCopie->m_points[i];
        }
    }
}

bool CFace::PlacerPoint(const CVecteur& p) {
    if (m_nFocus < 0 || m_nFocus > m_nPoints - 1) {
        return false;
    }
    m_saisie[m_nFocus] = p;
    return true;
}

void CFace::CalculerCotesTrois() {
    m_cotes[0] = m_points[1] - m_points[0];
    m_cotes[1] = m_points[2] - m_points[1];
    m_cotes[2] = m_points[0] - m_points[2];
}

bool CFace::PreparerMatrice(const CVecteur& dir) {
    CalculerCotes();
    const CVecteur& e0 = m_cotes[0];
    const CVecteur& eDernier = m_cotes[IndexDernier()];
    const CVecteur dirXeDernier = dir.Vectoriel(eDernier);
    const double det = e0.Scalaire(dirXeDernier);
    m_repere[0].m_fValeur = static_cast<float>(det);
    if (std::fabs(det) <= 0.00001) {
        m_repere[0].m_fValeur = 0;
        return false;
    }
    const CVecteur r0 = dirXeDernier / det;
    const CVecteur r1 = dir.Vectoriel(e0) / det;
    const CVecteur r2 = eDernier.Vectoriel(e0) / det;
    m_repere[0].Fixe(r0.m_x, r0.m_y, r0.m_z);
    m_repere[1].Fixe(r1.m_x, r1.m_y, r1.m_z);
    m_repere[2].Fixe(r2.m_x, r2.m_y, r2.m_z);
    return true;
}
