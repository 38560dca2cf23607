#pragma once

#include "geometry/FabriqueFace.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

// A face of the named kind, on the given points (its defaults for none).
inline std::unique_ptr<CFace> Face(const char* szClasse,
                                   std::initializer_list<CVecteur> points = {}) {
    auto f = CreerFace(szClasse);
    int i = 0;
    for (const CVecteur& p : points) {
        f->m_points[i++] = p;
    }
    f->CalculerNormale();
    return f;
}
