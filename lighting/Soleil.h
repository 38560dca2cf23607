#pragma once

#include "geometry/Vecteur.h"

// What the lighting computation reads of the sun and the site.
struct CSoleilCalcul {
    CVecteur direction;       // unit vector toward the sun, scene axes
    double dAltitude = 0;     // degrees
    double dLigneHorizon = 0; // degrees; a lower sun lights nothing
};
