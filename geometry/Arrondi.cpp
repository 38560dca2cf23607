#include "geometry/Arrondi.h"

#include <cmath>

double Arrondi(double x, int n) {
    for (int i = 0; i < n + 1; ++i) {
        x *= 10.0;
    }
    x = std::floor(std::ceil(x) * 0.1);
    for (int i = 0; i < n; ++i) {
        x *= 0.1;
    }
    return x;
}
