#include "lighting/ReseauNoeuds.h"

#include "geometry/Face.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kU = std::numeric_limits<double>::epsilon() / 2;

} // namespace

void CReseauNoeuds::Analyser(const CFace& f) {
    m_bValide = false;
    m_segments.clear();
    m_debutsLignes.clear();
    m_iMin = 0;
    m_iMax = -1;
    m_jMin = 0;
    m_jMax = -1;
    m_nNoeuds = f.m_pNoeuds ? f.m_pNoeuds->Taille() : 0;
    if (m_nNoeuds == 0) {
        return;
    }
    const CMaillage& m = *f.m_pNoeuds;
    for (int c = 0; c < 3; ++c) {
        m_min[c] = std::numeric_limits<double>::infinity();
        m_max[c] = -std::numeric_limits<double>::infinity();
    }
    for (int k = 0; k < m_nNoeuds; ++k) {
        const auto n = static_cast<std::size_t>(k);
        const double p[3] = {m.m_x[n], m.m_y[n], m.m_z[n]};
        for (int c = 0; c < 3; ++c) {
            m_min[c] = std::min(m_min[c], p[c]);
            m_max[c] = std::max(m_max[c], p[c]);
        }
    }

    // The steps of the mesh generation: equal steps along the first and the
    // last side, r times the shorter side, kept between a/5 and 5a. Only a
    // guess: the grid is checked against the nodes below.
    const CVecteur& p0 = f.m_points[0];
    const CVecteur e0 = f.m_points[1] - p0;
    const CVecteur eDernier = p0 - f.m_points[f.IndexDernier()];
    const double r = f.m_proprietes.m_dMailleRelative * 0.01;
    const double a = f.m_proprietes.m_dMailleAbsolue;
    CVecteur u = e0 * r;
    CVecteur v = eDernier * (-r);
    if (v.Norme() < u.Norme()) {
        u = u * (v.Norme() / u.Norme());
    } else {
        v = v * (u.Norme() / v.Norme());
    }
    if (u.Norme() > 5 * a) {
        u = u * (5 * a / u.Norme());
        v = v * (5 * a / v.Norme());
    }
    if (u.Norme() < 0.2 * a) {
        u = u * (a / (5 * u.Norme()));
        v = v * (a / (5 * v.Norme()));
    }
    m_o[0] = p0.m_x, m_o[1] = p0.m_y, m_o[2] = p0.m_z;
    m_u[0] = u.m_x, m_u[1] = u.m_y, m_u[2] = u.m_z;
    m_v[0] = v.m_x, m_v[1] = v.m_y, m_v[2] = v.m_z;
    const double guu = u.Scalaire(u);
    const double guv = u.Scalaire(v);
    const double gvv = v.Scalaire(v);
    const double det = guu * gvv - guv * guv;
    if (!(det > 1e-6 * guu * gvv) || !std::isfinite(det)) {
        return;
    }

    // Grid indices of each node, the largest distance to its grid point, and
    // the runs of consecutive grid points in node order.
    double dEcart = 0;
    double iAbs = 0;
    double jAbs = 0;
    int iPrec = 0;
    int jPrec = 0;
    for (int k = 0; k < m_nNoeuds; ++k) {
        const auto n = static_cast<std::size_t>(k);
        const double w[3] = {m.m_x[n] - m_o[0], m.m_y[n] - m_o[1], m.m_z[n] - m_o[2]};
        const double wu = w[0] * m_u[0] + w[1] * m_u[1] + w[2] * m_u[2];
        const double wv = w[0] * m_v[0] + w[1] * m_v[1] + w[2] * m_v[2];
        const double ti = (gvv * wu - guv * wv) / det + 0.5;
        const double tj = (guu * wv - guv * wu) / det + 0.5;
        if (!(std::fabs(ti) < 1e9 && std::fabs(tj) < 1e9)) {
            return; // and a NaN
        }
        // floor, truncated then corrected (the library's is a call here)
        const int ni = static_cast<int>(ti);
        const int nj = static_cast<int>(tj);
        const double di = ni - (ti < ni);
        const double dj = nj - (tj < nj);
        if (!(std::fabs(di) < 1e8 && std::fabs(dj) < 1e8)) {
            return;
        }
        const int i = static_cast<int>(di);
        const int j = static_cast<int>(dj);
        const double q[3] = {m.m_x[n], m.m_y[n], m.m_z[n]};
        for (int c = 0; c < 3; ++c) {
            dEcart = std::max(dEcart, std::fabs(q[c] - (m_o[c] + (di * m_u[c] + dj * m_v[c]))));
        }
        iAbs = std::max(iAbs, std::fabs(di));
        jAbs = std::max(jAbs, std::fabs(dj));
        if (k > 0 && i == iPrec && j == jPrec + 1) {
            ++m_segments.back().n;
        } else {
            // Rows ascending, and points ascending within a row.
            if (k > 0 && !(i > iPrec || (i == iPrec && j > jPrec))) {
                m_segments.clear();
                return;
            }
            m_segments.push_back({i, j, 1, k});
        }
        iPrec = i;
        jPrec = j;
        if (k == 0) {
            m_jMin = m_jMax = j;
        }
        m_jMin = std::min(m_jMin, j);
        m_jMax = std::max(m_jMax, j);
    }
    // The grid point was formed in floating point: each coordinate is off
    // the exact o + i u + j v by at most 3 ulps of the sum of magnitudes, and
    // the difference by one more. Doubled, as every bound here.
    double dMag = 0;
    for (int c = 0; c < 3; ++c) {
        dMag =
            std::max(dMag, std::fabs(m_o[c]) + iAbs * std::fabs(m_u[c]) + jAbs * std::fabs(m_v[c]) +
                               std::max(std::fabs(m_min[c]), std::fabs(m_max[c])));
    }
    m_dEcartMesure = dEcart;
    m_dEcart = 2 * (dEcart * (1 + 2 * kU) + 4 * kU * dMag);
    // A grid that far off its nodes would leave no span to decide at once.
    if (!(m_dEcart < 0.01 * std::sqrt(std::min(guu, gvv)))) {
        m_segments.clear();
        return;
    }
    m_iMin = m_segments.front().i;
    m_iMax = m_segments.back().i;
    m_debutsLignes.assign(static_cast<std::size_t>(m_iMax - m_iMin + 2), 0);
    // Rows without a node get an empty range.
    std::size_t s = 0;
    for (int i = m_iMin; i <= m_iMax + 1; ++i) {
        while (s < m_segments.size() && m_segments[s].i < i) {
            ++s;
        }
        m_debutsLignes[static_cast<std::size_t>(i - m_iMin)] = static_cast<int>(s);
    }
    m_bValide = true;
}

bool CReseauNoeuds::Verifier(const CFace& f, std::size_t s0, std::size_t s1) const {
    const CMaillage* m = f.m_pNoeuds.get();
    if (!m_bValide || !m || m->Taille() != m_nNoeuds) {
        return false;
    }
    // The distance is formed exactly as Analyser measured it, so the bound
    // drawn from that measure holds again.
    const double* x[3] = {m->m_x.data(), m->m_y.data(), m->m_z.data()};
    for (std::size_t s = s0; s < std::min(s1, m_segments.size()); ++s) {
        const CSegmentReseau& seg = m_segments[s];
        const double di = seg.i;
        for (int t = 0; t < seg.n; ++t) {
            const double dj = seg.j0 + t;
            const auto k = static_cast<std::size_t>(seg.k0 + t);
            for (int c = 0; c < 3; ++c) {
                const double q = x[c][k];
                if (!(std::fabs(q - (m_o[c] + (di * m_u[c] + dj * m_v[c]))) <= m_dEcartMesure) ||
                    !(q >= m_min[c] && q <= m_max[c])) {
                    return false;
                }
            }
        }
    }
    return true;
}
