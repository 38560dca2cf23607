#include "geometry/Face5.h"

#include "geometry/FormeFace.h"

#include <cmath>

CFace5::CFace5() {
    m_strTitre = "Coordinates of the center and the ends of the acute arc";
    m_nPoints = 3;
    m_points[0] = CVecteur(0, 0, 0);
    m_points[1] = CVecteur(2, 0, 0);
    m_points[2] = CVecteur(0, 0, 2);
    CalculerNormale();
    m_bContourAJour = false;
}

int CFace5::Intercepte(const CVecteur& p, double eps) {
    const float k = m_repere[1].m_fValeur;
    return TestRayon(p, [=](double a, double b) { return DansSecteur(a, b, k, eps); });
}

void CFace5::PreparerRayon(const CVecteur& dir) {
    if (!PreparerMatrice(dir)) {
        return;
    }
    // k = 2 cos(theta): with equal radii the inside rule is the disc.
    const double r1 = m_cotes[0].Norme();
    const double r2 = m_cotes[2].Norme();
    m_repere[1].m_fValeur = static_cast<float>(-2 * m_cotes[0].Scalaire(m_cotes[2]) / (r1 * r2));
}

double CFace5::Aire() {
    CalculerCotes();
    const double r1 = m_cotes[0].Norme();
    const double r2 = m_cotes[2].Norme();
    const double theta = std::acos(-m_cotes[0].Scalaire(m_cotes[2]) / (r1 * r2));
    return 0.5 * theta * r1 * r2;
}

bool CFace5::EstValide() {
    if (!PointsBornes()) {
        return false;
    }
    double r1 = 0;
    double r2 = 0;
    if (!RayonsValides(r1, r2)) {
        return false;
    }
    if (m_cotes[0].Scalaire(m_cotes[2]) / (r1 * r2) > 0.001) {
        return false; // wider than a right angle
    }
    m_points[2] = m_points[0] + (m_points[2] - m_points[0]) * (r1 / r2);
    return true;
}

void CFace5::CreerCopie() {
    m_pCopie = std::make_unique<CFace5>();
}

void CFace5::CalculerArc() {
    if (!EstValide()) {
        ArcReduitAuCentre();
    } else {
        CalculerCotes();
        const double r = m_cotes[0].Norme();
        // Central projections onto the circle of the points dividing the
        // chord P1P2 in 37 equal parts.
        for (int i = 1; i <= kPointsArc; ++i) {
            const CVecteur d = m_cotes[0] * (37 - i) - m_cotes[2] * i;
            m_arc[i - 1] = m_points[0] + d * (r / d.Norme());
        }
    }
    m_bContourAJour = true;
}
