#include "geometry/FaceCourbe.h"

void CFaceCourbe::ArcReduitAuCentre() {
    for (auto& p : m_arc) {
        p = m_points[0];
    }
}
