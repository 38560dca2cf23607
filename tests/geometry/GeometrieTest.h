#pragma once

#include "geometry/FabriqueFace.h"

#include <gtest/gtest.h>

#include <memory>
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
