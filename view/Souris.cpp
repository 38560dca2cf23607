#include "view/Souris.h"

#include "document/VantrelDoc.h"
#include "view/Camera.h"
#include "view/Vue.h"

bool CSouris::BoutonEnfonce(bool bGauche, int x, int y, bool bShiftOuCtrl) {
    m_ptSouris = CPointEcran{x, y};
    if (bShiftOuCtrl && g_pDoc != nullptr) {
        SelectionnerParClic(*g_pDoc, m_editeurs, x, y, bGauche);
    }
    return false;
}

bool CSouris::Deplacement(int x, int y, bool bGaucheEnfonce, bool bDroitEnfonce) {
    bool bRedessiner = false;
    // With both buttons held the rotation takes the whole displacement.
    if (bGaucheEnfonce) {
        Tourner(y - m_ptSouris.y, x - m_ptSouris.x);
        m_ptSouris = CPointEcran{x, y};
        bRedessiner = true;
    }
    if (bDroitEnfonce) {
        g_ptOrigine.x += x - m_ptSouris.x;
        g_ptOrigine.y += y - m_ptSouris.y;
        m_ptSouris = CPointEcran{x, y};
        bRedessiner = true;
    }
    return bRedessiner;
}

bool CSouris::DoubleClic(bool bGauche) {
    g_dEchelle = g_dEchelle * (bGauche ? 1.5 : 0.6666666666666666);
    Tourner(0, 0);
    return true;
}

bool CSouris::Molette(int nDelta) {
    const double e = g_dEchelle + nDelta * 0.5;
    if (e > 3.0) {
        g_dEchelle = e;
    }
    Tourner(0, 0);
    return true;
}
