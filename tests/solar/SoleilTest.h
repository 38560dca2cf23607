#pragma once

#include "document/OptionsCalcul.h"
#include "solar/ConfigurationGeographique.h"
#include "solar/PositionSoleil.h"
#include "tests/geometry/GeometrieTest.h"
#include "tests/platform/ImpressionEcran.h"

#include <tuple>

// A sun with its own site and options, as the document holds them.
struct Soleil {
    CConfigurationGeographique site;
    COptionsCalcul options;
    CPositionSoleil pos{site, options};

    CPositionSoleil& A(int nIndexDate, int nHeure, int nMinute) {
        std::tie(pos.m_nIndexDate, pos.m_nHeure, pos.m_nMinute) =
            std::tuple{nIndexDate, nHeure, nMinute};
        return pos;
    }
};
