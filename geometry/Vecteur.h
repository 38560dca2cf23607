#pragma once

#include "platform/PointEcran.h"

// The one 3-D point and vector type: three doubles and a single-precision
// value slot (a node's lighting in %, a pick code, a matrix row's coefficient).
// Every arithmetic result is a new vector whose value slot is 0; only the
// constructors and assignment carry a value.
class CVecteur {
public:
    float m_fValeur;
    double m_x;
    double m_y;
    double m_z;

    CVecteur(double x = 0, double y = 0, double z = 0, float fValeur = 0)
        : m_fValeur(fValeur), m_x(x), m_y(y), m_z(z) {}
    CVecteur(const CVecteur&) = default;
    CVecteur& operator=(const CVecteur&) = default;

    // Sets the coordinates and keeps the value slot.
    void Fixe(double x, double y, double z) {
        m_x = x;
        m_y = y;
        m_z = z;
    }

    CVecteur operator+(const CVecteur& v) const {
        return CVecteur(m_x + v.m_x, m_y + v.m_y, m_z + v.m_z);
    }
    CVecteur operator-(const CVecteur& v) const {
        return CVecteur(m_x - v.m_x, m_y - v.m_y, m_z - v.m_z);
    }
    CVecteur operator*(double k) const { return CVecteur(k * m_x, k * m_y, k * m_z); }
    // The reciprocal is formed once and multiplied; a zero k gives infinities.
    CVecteur operator/(double k) const { return *this * (1.0 / k); }

    // Summed as (z*z' + y*y') + x*x', an order the stored results depend on.
    double Scalaire(const CVecteur& v) const { return (m_z * v.m_z + m_y * v.m_y) + m_x * v.m_x; }
    double Norme() const;
    CVecteur Vectoriel(const CVecteur& v) const {
        return CVecteur(m_y * v.m_z - m_z * v.m_y, m_z * v.m_x - m_x * v.m_z,
                        m_x * v.m_y - m_y * v.m_x);
    }

    CVecteur Rotation(const CVecteur& axe, double angleDeg) const;
    CVecteur RotationAutour(const CVecteur& point, const CVecteur& axe, double angleDeg) const;
    CVecteur DansRepere(const CVecteur& origine, const CVecteur* axes) const;

    // The screen point of this world point through the current camera
    // (defined with the camera, in view/Camera.cpp).
    CPointEcran Projeter() const;
};

// Degree/radian factors used by every angle conversion of the program.
inline constexpr double kDegVersRad = 0.017453292519943295;
inline constexpr double kRadVersDeg = 57.29577951308232;

// Largest coordinate a scene may hold, in metres (1000 km, far beyond any
// site): the products of the ray tests, areas and meshes then stay far from
// overflow. Files holding more are refused and no edit may produce more.
inline constexpr double kCoordonneeMax = 1e6;
// Each coordinate finite and within +-kCoordonneeMax.
inline bool EstCoordonneeBornee(double d) {
    return d >= -kCoordonneeMax && d <= kCoordonneeMax; // NaN is not
}
