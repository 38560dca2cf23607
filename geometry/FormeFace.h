#pragma once

// Inside rules of the four face kinds on the oblique coordinates (a, b) of a
// point, with the margin eps. The conditions are tested in the stored order;
// the shape coefficients are the 32-bit values kept with the ray-test matrix,
// widened to double exactly as the ray test does.

inline bool DansTriangle(double a, double b, double eps) {
    return a >= eps && b >= eps && a + b <= 1 - eps;
}

inline bool DansQuadrilatere(double a, double b, float k1, float k2, double eps) {
    return a >= eps && b >= eps && a + static_cast<double>(k1) * b <= 1 - eps &&
           b + static_cast<double>(k2) * a <= 1 - eps;
}

inline bool DansSecteur(double a, double b, float k, double eps) {
    return a >= eps && b >= eps && (static_cast<double>(k) * a + b) * b + a * a <= 1 - eps;
}

inline bool DansQuartEllipse(double a, double b, double eps) {
    return a >= eps && b >= eps && a * a + b * b <= 1 - eps;
}
