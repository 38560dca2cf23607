#pragma once

#include "geometry/FabriqueFace.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

// A face of the named kind, on the given points (its defaults for none).
inline std::unique_ptr<CFace> Face(const std::string& classe,
                                   const std::vector<CVecteur>& points = {}) {
    auto f = CreerFace(classe);
    int i = 0;
    for (const CVecteur& p : points) {
        f->m_points[i++] = p;
    }
    f->CalculerNormale();
    return f;
}

inline std::istream& operator>>(std::istream& is, CVecteur& v) {
    return is >> v.m_x >> v.m_y >> v.m_z;
}

// The points left on a row.
inline std::vector<CVecteur> Points(std::istream& is) {
    std::vector<CVecteur> points;
    while (is.good() && (is >> std::ws).good()) {
        is >> points.emplace_back();
    }
    return points;
}

// Whether every field of the row was read, and nothing is left.
inline bool Lue(std::istream& is) {
    return !is.fail() && (is.eof() || (is >> std::ws).eof());
}

// The rows of the table tests/data/<nom>, one case a line, fields between
// blanks; blank lines and lines starting with '#' are skipped.
inline std::vector<std::istringstream> Table(const std::string& nom) {
    std::ifstream f(std::string(VANTREL_TEST_DATA) + "/" + nom);
    std::vector<std::istringstream> lignes;
    for (std::string s; std::getline(f, s);) {
        if (!s.empty() && s[0] != '#') {
            lignes.emplace_back(s);
        }
    }
    EXPECT_FALSE(lignes.empty()) << nom;
    return lignes;
}
