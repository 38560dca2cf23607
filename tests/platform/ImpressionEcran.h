#pragma once

#include "platform/DCEnregistreur.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>

// Readable failure messages for screen points and segments.
inline void PrintTo(const CPointEcran& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

inline void PrintTo(const CDCEnregistreur::CSegment& s, std::ostream* os) {
    *os << "(" << s.a.x << ", " << s.a.y << ") -> (" << s.b.x << ", " << s.b.y << ") rgb("
        << int(s.stylo.couleur.r) << "," << int(s.stylo.couleur.g) << "," << int(s.stylo.couleur.b)
        << ") w" << s.stylo.nLargeur;
}

// Every recorded call, one line each, in order: a drawing as text.
inline std::string Decrire(const CDCEnregistreur& dc) {
    using E = CDCEnregistreur::EType;
    std::ostringstream os;
    const auto rgb = [&](CCouleur c) { os << ' ' << +c.r << ',' << +c.g << ',' << +c.b; };
    for (const auto& p : dc.m_primitives) {
        switch (p.type) {
        case E::Stylo:
            os << "pen";
            rgb(p.stylo.couleur);
            os << " w" << p.stylo.nLargeur
               << (p.stylo.style == EStyleTrait::Pointille ? " dotted" : "");
            break;
        case E::Brosse:
            os << "brush";
            rgb(p.brosse.couleur);
            break;
        case E::Deplacement:
            os << "move " << p.x1 << ' ' << p.y1;
            break;
        case E::Ligne:
            os << "line " << p.x1 << ' ' << p.y1 << ' ' << p.x2 << ' ' << p.y2;
            break;
        case E::Pixel:
            os << "pixel " << p.x1 << ' ' << p.y1;
            rgb(p.couleur);
            break;
        case E::Ellipse:
            os << "ellipse " << p.x1 << ' ' << p.y1 << ' ' << p.x2 << ' ' << p.y2;
            break;
        case E::Texte:
            os << "text " << p.x1 << ' ' << p.y1 << " \"" << p.strTexte << '"';
            break;
        case E::CouleurTexte:
            os << "text colour";
            rgb(p.couleurTexte);
            break;
        case E::ModeFond:
            os << (p.modeFond == EModeFond::Transparent ? "transparent" : "opaque");
            break;
        }
        os << '\n';
    }
    return os.str();
}

// One line of a golden text, formatted as by printf.
template <class... T>
std::string Ligne(const char* szFormat, T... valeurs) {
    char t[512];
    std::snprintf(t, sizeof t, szFormat, valeurs...);
    return std::string(t) + "\n";
}

// Compares `texte` with the golden file tests/data/<nom>. After an intended
// change, run the test with VANTREL_REGENERER=1 to rewrite the file, and
// review its diff before committing it.
inline void ExpectGolden(const std::string& nom, const std::string& texte) {
    const std::string chemin = std::string(VANTREL_TEST_DATA) + "/" + nom;
    if (std::getenv("VANTREL_REGENERER") != nullptr) {
        std::ofstream(chemin, std::ios::binary) << texte;
        return;
    }
    std::ifstream f(chemin, std::ios::binary);
    ASSERT_TRUE(f.good()) << chemin << " is missing: run with VANTREL_REGENERER=1";
    EXPECT_EQ(texte, std::string(std::istreambuf_iterator<char>(f), {})) << "golden file " << nom;
}
