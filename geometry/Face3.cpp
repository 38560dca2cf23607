#include "geometry/Face3.h"

#include "geometry/FormeFace.h"

CFace3::CFace3() {
    m_strTitre = "Coordinates of the three vertices of the triangle";
    m_nPoints = 3;
    m_points[0] = CVecteur(0, 0, 0);
    m_points[1] = CVecteur(2, 0, 0);
    m_points[2] = CVecteur(1, 0, 2);
    CalculerNormale();
    m_bContourAJour = true;
}

int CFace3::Intercepte(const CVecteur& p, double eps) {
    return TestRayon(p, [eps](double a, double b) { return DansTriangle(a, b, eps); });
}

void CFace3::PreparerRayon(const CVecteur& dir) {
    PreparerMatrice(dir);
}

double CFace3::Aire() {
    CalculerCotes();
    return 0.5 * m_cotes[1].Vectoriel(m_cotes[2]).Norme();
}

bool CFace3::EstValide() {
    if (!PointsBornes()) {
        return false;
    }
    CalculerCotes();
    const double l0 = m_cotes[0].Norme();
    const double l2 = m_cotes[2].Norme();
    if (l0 < 0.001 || l2 < 0.001) {
        return false;
    }
    if (m_cotes[0].Vectoriel(m_cotes[2]).Norme() / (l0 * l2) < 0.001) {
        return false; // collinear vertices
    }
    return true;
}

void CFace3::CreerCopie() {
    m_pCopie = std::make_unique<CFace3>();
}
