#pragma once

#include "geometry/Vecteur.h"

#include <span>
#include <vector>

class CAffSoleil;
class CConfigurationGeographique;
class COptionsCalcul;
class CDC;

// One position of the sun's path through a day.
struct CPointCourse {
    CVecteur direction;  // unit vector toward the sun, scene axes
    int nMinutes = 0;    // time of day, minutes since 00:00
    bool bLever = false; // the first position after the sun came up: the path starts again
};

// The sun's path on a date of the list at the site: the positions while the
// sun stands at or above the astronomical horizon, every 10 minutes, plus the
// first and the last minute of each stretch above it (sunrise and sunset to
// the minute). A day with the sun up at midnight has two stretches. The
// positions are computed on a sun of their own: the program's sun keeps its
// date, time and direction.
std::vector<CPointCourse> CourseSoleil(const CConfigurationGeographique& site,
                                       const COptionsCalcul& options, int nIndexDate);

// The path around the close sun's target point at the close sun's distance,
// through the view's projection, as the close sun is drawn: a polyline
// broken where the sun is down, and at each whole hour a dot with the hour
// ("14h") beside it.
void DessinerCourseSoleil(CDC* pDC, const CAffSoleil& page, std::span<const CPointCourse> course);
