// Drawing and picking of the faces.

#include "geometry/DessinFace.h"
#include "geometry/Face.h"
#include "geometry/Face3.h"
#include "geometry/Face4.h"
#include "geometry/FaceCourbe.h"
#include "platform/DC.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// "%.2f" whatever locale the window layer has set.
std::string DeuxDecimales(double d) {
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, d, std::chars_format::fixed, 2);
    return std::string(tampon, r.ptr);
}

} // namespace

// Products are taken in 64 bits: projected positions are bounded, their
// squares are not within int.
bool AreteTouchee(CPointEcran p, CPointEcran a, CPointEcran b) {
    const long long abx = static_cast<long long>(b.x) - a.x;
    const long long aby = static_cast<long long>(b.y) - a.y;
    const long long apx = static_cast<long long>(p.x) - a.x;
    const long long apy = static_cast<long long>(p.y) - a.y;
    const double l2 = static_cast<double>(abx * abx + aby * aby);
    if (l2 < 5.0) {
        return false;
    }
    const long long t = apx * abx + apy * aby;
    if (t < 0 || static_cast<double>(t) > l2) {
        return false;
    }
    const double c = std::fabs(static_cast<double>(apx * aby - apy * abx));
    return c <= 0.03 * l2;
}

bool CFace::ProjeterPoints(bool bMasquable) {
    for (int i = 0; i < m_nPoints; ++i) {
        m_ecran[i] = m_points[i].Projeter();
    }
    return !(m_proprietes.m_bMasquee != 0 && bMasquable);
}

CVecteur CFace::PointProche(int x, int y, bool bSegments) {
    return PointProcheAretes(x, y, bSegments, {});
}

CVecteur CFace::PointProcheAretes(int x, int y, bool bSegments,
                                  std::initializer_list<std::pair<int, int>> aretes) const {
    for (int i = 0; i < m_nPoints; ++i) {
        const long long dx = static_cast<long long>(x) - m_ecran[i].x;
        const long long dy = static_cast<long long>(y) - m_ecran[i].y;
        if (dx * dx + dy * dy < 20) {
            return m_points[i];
        }
    }
    if (!bSegments) {
        return CVecteur(0, 0, 0, -1.0f);
    }
    const CPointEcran p{x, y};
    for (const auto& [a, b] : aretes) {
        if (AreteTouchee(p, m_ecran[a], m_ecran[b])) {
            return CVecteur(0, 0, 0, 0.0f);
        }
    }
    return CVecteur(0, 0, 0, 1.0f);
}

void CFace::DessinerCoordonnees(CDC* pDC) const {
    for (int i = 0; i < m_nPoints; ++i) {
        const CVecteur& p = m_points[i];
        const std::string strTexte = std::to_string(i) + " : (" + DeuxDecimales(p.m_x) + "," +
                                     DeuxDecimales(p.m_y) + "," + DeuxDecimales(p.m_z) + ")";
        pDC->EcrireTexte(m_ecran[i].x + 10, m_ecran[i].y - 20, strTexte);
    }
}

void CFace::DessinerCoteEtude(CDC* pDC) const {
    const CVecteur m = (m_points[0] + m_points[1]) / 2;
    pDC->DeplacerVers(m.Projeter());
    const double f = m_proprietes.m_bCoteInverse != 0 ? -0.5 : 0.5;
    pDC->LigneVers((m + m_normale * f).Projeter());
}

namespace {

// Closed polyline through the main points.
void DessinerPolygone(CDC* pDC, const CPointEcran* ecran, int nPoints) {
    pDC->DeplacerVers(ecran[0]);
    for (int i = 1; i < nPoints; ++i) {
        pDC->LigneVers(ecran[i]);
    }
    pDC->LigneVers(ecran[0]);
}

} // namespace

void CFace3::Dessiner(CDC* pDC, bool bMasquable) {
    if (ProjeterPoints(bMasquable)) {
        DessinerPolygone(pDC, m_ecran, m_nPoints);
    }
}

CVecteur CFace3::PointProche(int x, int y, bool bSegments) {
    return PointProcheAretes(x, y, bSegments, {{0, 1}, {1, 2}, {2, 0}});
}

void CFace4::Dessiner(CDC* pDC, bool bMasquable) {
    if (ProjeterPoints(bMasquable)) {
        DessinerPolygone(pDC, m_ecran, m_nPoints);
    }
}

CVecteur CFace4::PointProche(int x, int y, bool bSegments) {
    return PointProcheAretes(x, y, bSegments, {{0, 1}, {1, 2}, {2, 3}, {3, 0}});
}

void CFaceCourbe::Dessiner(CDC* pDC, bool bMasquable) {
    if (!m_bContourAJour) {
        CalculerArc();
    }
    if (!ProjeterPoints(bMasquable)) {
        return;
    }
    pDC->DeplacerVers(m_ecran[0]);
    pDC->LigneVers(m_ecran[1]);
    for (const CVecteur& p : m_arc) {
        pDC->LigneVers(p.Projeter());
    }
    pDC->LigneVers(m_ecran[2]);
    pDC->LigneVers(m_ecran[0]);
}

CVecteur CFaceCourbe::PointProche(int x, int y, bool bSegments) {
    return PointProcheAretes(x, y, bSegments, {{0, 1}, {2, 0}});
}
