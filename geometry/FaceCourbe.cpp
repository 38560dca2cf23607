#include "geometry/FaceCourbe.h"

void CFaceCourbe::ArcReduitAuCentre() {
    for (auto& p : m_arc) {
        p = m_points[0];
    }
}

bool CFaceCourbe::RayonsValides(double& r1, double& r2) {
    CalculerCotes();
    r1 = m_cotes[0].Norme();
    r2 = m_cotes[2].Norme();
    if (r1 < 0.001 || r2 < 0.001) {
        return false;
    }
    if (m_cotes[0].Vectoriel(m_cotes[2]).Norme() / (r1 * r2) < 0.001) {
        return false; // the radii are aligned
    }
    return true;
}
