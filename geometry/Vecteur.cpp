#include "geometry/Vecteur.h"

#include <cmath>

double CVecteur::Norme() const {
    return std::sqrt(Scalaire(*this));
}

CVecteur CVecteur::Rotation(const CVecteur& axe, double angleDeg) const {
    const double n = axe.Norme();
    if (n == 0.0 || angleDeg == 0.0) {
        return *this; // degenerate: the value slot survives too
    }
    const CVecteur u = axe / n;
    const double d = Scalaire(u);
    const CVecteur p = u * d;
    const CVecteur q = *this - p;
    const CVecteur r = u.Vectoriel(q);
    const double theta = angleDeg * kDegVersRad;
    return (p + q * std::cos(theta)) + r * std::sin(theta);
}

CVecteur CVecteur::RotationAutour(const CVecteur& point, const CVecteur& axe,
                                  double angleDeg) const {
    return point + (*this - point).Rotation(axe, angleDeg);
}

CVecteur CVecteur::DansRepere(const CVecteur& origine, const CVecteur* axes) const {
    const CVecteur d = *this - origine;
    return CVecteur(axes[0].Scalaire(d), axes[1].Scalaire(d), axes[2].Scalaire(d));
}
