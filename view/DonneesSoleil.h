#pragma once

#include "geometry/Vecteur.h"

// What the close sun reads from the sun position and the site at each repaint.
struct CDonneesSoleil {
    CVecteur direction;       // unit vector toward the sun, scene axes
    double dAltitude = 0;     // sun altitude, degrees
    double dLigneHorizon = 0; // the site's horizon line, degrees
    bool bInitialise = false; // the sun position window exists: draw the close sun
    // The option "Display the sun's path", kept outside the scene file: the
    // path of the sun's date is drawn with the close sun.
    bool bCourse = false;
};
