#include "geometry/Face4.h"

#include "geometry/FormeFace.h"

#include <algorithm>

CFace4::CFace4() {
    m_strTitre = "Coordinates of the four vertices of the quadrilateral";
    m_nPoints = 4;
    m_points[0] = CVecteur(0, 0, 0);
    m_points[1] = CVecteur(2, 0, 0);
    m_points[2] = CVecteur(2, 0, 2);
    m_points[3] = CVecteur(0, 0, 2);
    CalculerNormale();
    m_bContourAJour = true;
}

void CFace4::CalculerCotes() {
    for (int i = 0; i < 4; ++i) {
        m_cotes[i] = m_points[(i + 1) % 4] - m_points[i];
    }
}

int CFace4::Intercepte(const CVecteur& p, double eps) {
    const float k1 = m_repere[1].m_fValeur;
    const float k2 = m_repere[2].m_fValeur;
    return TestRayon(p, [=](double a, double b) { return DansQuadrilatere(a, b, k1, k2, eps); });
}

void CFace4::PreparerRayon(const CVecteur& dir) {
    if (!PreparerMatrice(dir)) {
        return; // the coefficients keep their old values; the test answers 0
    }
    // Oblique coordinates of the far corner: the sides P1P2 and P3P2 are the
    // lines a + k1*b = 1 and b + k2*a = 1.
    const CVecteur c = m_points[2].DansRepere(m_points[0], m_repere);
    m_repere[1].m_fValeur = static_cast<float>((1 - c.m_x) / c.m_y);
    m_repere[2].m_fValeur = static_cast<float>((1 - c.m_y) / c.m_x);
}

double CFace4::Aire() {
    CalculerCotes();
    return 0.5 *
           (m_cotes[0].Vectoriel(m_cotes[3]).Norme() + m_cotes[1].Vectoriel(m_cotes[2]).Norme());
}

bool CFace4::EstValide() {
    if (!PointsBornes()) {
        return false;
    }
    CalculerCotes();
    CVecteur coins[4];
    for (int i = 0; i < 4; ++i) {
        coins[i] = m_cotes[i].Vectoriel(m_cotes[(i + 1) % 4]);
    }
    if (m_cotes[0].Norme() < 0.001 || m_cotes[2].Norme() < 0.001) {
        return false;
    }
    // The outline must turn one way only: convex, not crossed, no zero side.
    if (coins[0].Scalaire(coins[1]) <= 0 || coins[1].Scalaire(coins[2]) <= 0 ||
        coins[2].Scalaire(coins[3]) <= 0) {
        return false;
    }
    // P3 must lie in the plane of P0, P1, P2.
    if (coins[0].Vectoriel(coins[2]).Norme() / (coins[0].Norme() * coins[2].Norme()) > 0.001) {
        return false;
    }
    return true;
}

void CFace4::CreerCopie() {
    m_pCopie = std::make_unique<CFace4>();
}

void CFace4::FacteursGrille(double& fu, double& fv) {
    // The grid must reach the far corner P2, wherever it lies.
    const CVecteur c = m_points[2].DansRepere(m_points[0], m_repere);
    fu = std::max(c.m_x, 1.0);
    fv = std::max(c.m_y, 1.0);
}
