#pragma once

#include "platform/DC.h"

class CDC;
class CHeuresSoleil;
class CVantrelDoc;

// The false-colour scale of the sun hours: dark blue for none, then light
// blue, green, yellow and red for the top of the scale. t is clamped to 0..1.
CCouleur CouleurHeures(double t);

// Every receiver node of the sun hours in the colour of its hours over the
// scale (single pixels or 3 x 3 squares, as the lighting nodes).
void DessinerNoeudsHeures(CDC* pDC, const CVantrelDoc& doc);

// The legend at the top right of the view: the title, what the hours stand
// for, the colour bar from 0 (bottom) to the top of the scale, framed, with
// its three values.
void DessinerLegendeHeures(CDC* pDC, const CHeuresSoleil& heures);

// Where the legend's colour bar lies in a client area: its left and top
// pixels, its width and height (tests read pixels there).
struct CBarreLegende {
    int x;
    int y;
    static constexpr int kLargeur = 16;
    static constexpr int kHauteur = 160;
};
CBarreLegende BarreLegende(const CRectangle& client);
