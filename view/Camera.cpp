#include "view/Camera.h"

#include <cmath>

double g_dEchelle = 2048.0;
CPointEcran g_ptOrigine;
CVecteur g_axes[3] = {CVecteur(64, 0, 0), CVecteur(0, 64, 0), CVecteur(0, 0, 64)};

namespace {
// Far beyond any screen, and small enough that sums and squares of pixel
// differences stay within 64-bit integers and sums of a few within int.
constexpr double kPixelMax = 67108864.0; // 2^26
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
