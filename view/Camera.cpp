#include "view/Camera.h"

#include <algorithm>
#include <cmath>
#include <limits>

double g_dEchelle = 2048.0;
CPointEcran g_ptOrigine;
CVecteur g_axes[3] = {CVecteur(64, 0, 0), CVecteur(0, 64, 0), CVecteur(0, 0, 64)};

namespace {
// Far beyond any screen, and small enough that sums and squares of pixel
// differences stay within 64-bit integers and sums of a few within int.
constexpr double kPixelMax = 67108864.0; // 2^26

// Where the points fall from the origin, right and up, summed as Projeter does.
struct CEtendue {
    double dMinX = std::numeric_limits<double>::infinity();
    double dMaxX = -std::numeric_limits<double>::infinity();
    double dMinY = dMinX;
    double dMaxY = dMaxX;
};

CEtendue Etendue(std::span<const CVecteur> points) {
    const CVecteur& X = g_axes[0];
    const CVecteur& Y = g_axes[1];
    const CVecteur& Z = g_axes[2];
    CEtendue e;
    for (const CVecteur& p : points) {
        const double x = (X.m_x * p.m_x + Z.m_x * p.m_z) + Y.m_x * p.m_y;
        const double y = (X.m_z * p.m_x + Z.m_z * p.m_z) + Y.m_z * p.m_y;
        e.dMinX = std::min(e.dMinX, x);
        e.dMaxX = std::max(e.dMaxX, x);
        e.dMinY = std::min(e.dMinY, y);
        e.dMaxY = std::max(e.dMaxY, y);
    }
    return e;
}
} // namespace

int TronquerPixel(double d) {
    if (d >= kPixelMax) {
        return static_cast<int>(kPixelMax);
    }
    if (d <= -kPixelMax) {
        return -static_cast<int>(kPixelMax);
    }
    if (std::isnan(d)) {
        return 0;
    }
    return static_cast<int>(d);
}

CPointEcran CVecteur::Projeter() const {
    const CVecteur& X = g_axes[0];
    const CVecteur& Y = g_axes[1];
    const CVecteur& Z = g_axes[2];
    const double ox = g_ptOrigine.x;
    const double oy = g_ptOrigine.y;
    const double sx = ((X.m_x * m_x + Z.m_x * m_z) + Y.m_x * m_y) + ox;
    const double sy = oy - ((X.m_z * m_x + Z.m_z * m_z) + Y.m_z * m_y);
    return CPointEcran{TronquerPixel(sx), TronquerPixel(sy)};
}

void InitialiserVue(const CRectangle& client) {
    g_ptOrigine = CPointEcran{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    g_dEchelle = 2048.0;
    g_axes[0].Fixe(64, 0, 0);
    g_axes[1].Fixe(0, g_dEchelle / 32, 0);
    g_axes[2].Fixe(0, 0, g_dEchelle / 32);
}

void Tourner(double dy, double dx) {
    const double a = dy * 0.00390625;
    const double b = dx * 0.00390625;
    const double ca = std::cos(a);
    const double sa = std::sin(a);
    const double cb = std::cos(b);
    const double sb = std::sin(b);
    const CVecteur v1(cb, -sb * ca, sb * sa);
    const CVecteur v2(sb, cb * ca, -cb * sa);
    const CVecteur v3(0, sa, ca);
    for (CVecteur& e : g_axes) {
        const CVecteur r(v1.Scalaire(e), v2.Scalaire(e), v3.Scalaire(e));
        const CVecteur n = r * (g_dEchelle / (32 * r.Norme()));
        e.Fixe(n.m_x, n.m_y, n.m_z);
    }
}

bool AjusterVue(std::span<const CVecteur> points, const CRectangle& client) {
    if (points.empty()) {
        return false;
    }
    // A twelfth free on each side clears the texts drawn in the corners.
    constexpr double kUtile = 5.0 / 6;
    const CEtendue avant = Etendue(points);
    // The projection is linear in the axes: the factor on the scale is the
    // factor on the extent.
    double dFacteur = std::numeric_limits<double>::infinity();
    if (avant.dMaxX > avant.dMinX) {
        dFacteur = (client.right - client.left) * kUtile / (avant.dMaxX - avant.dMinX);
    }
    if (avant.dMaxY > avant.dMinY) {
        dFacteur =
            std::min(dFacteur, (client.bottom - client.top) * kUtile / (avant.dMaxY - avant.dMinY));
    }
    if (!std::isfinite(dFacteur)) {
        dFacteur = 1; // every point on one pixel: only centred
    }
    // A small scene far from the world origin: the origin's pixel position
    // must stay representable, so the scene is drawn smaller.
    const double dCentre =
        std::max(std::abs(avant.dMinX + avant.dMaxX), std::abs(avant.dMinY + avant.dMaxY)) / 2;
    if (dCentre * dFacteur > kPixelMax / 2) {
        dFacteur = kPixelMax / 2 / dCentre;
    }
    if (dFacteur > 0) {
        g_dEchelle *= dFacteur;
        Tourner(0, 0);
    }
    const CEtendue apres = Etendue(points);
    g_ptOrigine.x = TronquerPixel(
        std::round((client.left + client.right) / 2.0 - (apres.dMinX + apres.dMaxX) / 2));
    g_ptOrigine.y = TronquerPixel(
        std::round((client.top + client.bottom) / 2.0 + (apres.dMinY + apres.dMaxY) / 2));
    return true;
}
