#pragma once

#include "platform/PointEcran.h"

class CEditeursOuverts;

// The mouse rules of the 3-D view: a left drag turns the scene, a right drag
// moves it, double clicks and the wheel zoom, and a click with SHIFT or CTRL
// selects. The view widget captures and releases the mouse itself and calls
// these with client coordinates; each returns whether the view must be redrawn
// (the click selection asks the document to redraw on its own).
class CSouris {
public:
    explicit CSouris(CEditeursOuverts& editeurs) : m_editeurs(editeurs) {}

    CPointEcran m_ptSouris; // last position seen

    bool BoutonEnfonce(bool bGauche, int x, int y, bool bShiftOuCtrl);
    bool Deplacement(int x, int y, bool bGaucheEnfonce, bool bDroitEnfonce);
    bool DoubleClic(bool bGauche);
    // nDelta: signed, 120 per notch. The scale never goes to 3.0 or below
    // through the wheel.
    bool Molette(int nDelta);

private:
    CEditeursOuverts& m_editeurs;
};
