#include "geometry/Face6.h"

#include "geometry/FormeFace.h"

#include <cmath>

CFace6::CFace6() {
    m_strTitre = "Coordinates of the center and the vertices of the ellipse";
    m_nPoints = 3;
    m_points[0] = CVecteur(0, 0, 0);
    m_points[1] = CVecteur(2, 0, 0);
    m_points[2] = CVecteur(0, 0, 1);
    CalculerNormale();
    m_bContourAJour = false;
}

int CFace6::Intercepte(const CVecteur& p, double eps) {
    return TestRayon(p, [eps](double a, double b) { return DansQuartEllipse(a, b, eps); });
}

double CFace6::Aire() {
    CalculerCotes();
    return 0.7853981633974483 * m_cotes[0].Norme() * m_cotes[2].Norme();
}

bool CFace6::EstValide() {
    if (!PointsBornes()) {
        return false;
    }
    double r1 = 0;
    double r2 = 0;
    if (!RayonsValides(r1, r2)) {
        return false;
    }
    // Remove from P2 - P0 its component along P1 - P0.
    m_points[2] = m_points[2] + m_cotes[0] * (m_cotes[2].Scalaire(m_cotes[0]) / (r1 * r1));
    return true;
}

void CFace6::CreerCopie() {
    m_pCopie = std::make_unique<CFace6>();
}

void CFace6::CalculerArc() {
    if (!EstValide()) {
        ArcReduitAuCentre();
    } else {
        CalculerCotes();
        for (int i = 1; i <= kPointsArc; ++i) {
            const double t = i * 0.04245395477824045; // i * (pi/2) / 37
            m_arc[i - 1] = (m_points[0] + m_cotes[0] * std::cos(t)) - m_cotes[2] * std::sin(t);
        }
    }
    m_bContourAJour = true;
}
