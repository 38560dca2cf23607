#pragma once

#include "platform/DCEnregistreur.h"

#include <ostream>

// Readable failure messages for screen points and segments.
inline void PrintTo(const CPointEcran& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

inline void PrintTo(const CDCEnregistreur::CSegment& s, std::ostream* os) {
    *os << "(" << s.a.x << ", " << s.a.y << ") -> (" << s.b.x << ", " << s.b.y << ") rgb("
        << int(s.stylo.couleur.r) << "," << int(s.stylo.couleur.g) << "," << int(s.stylo.couleur.b)
        << ") w" << s.stylo.nLargeur;
}
