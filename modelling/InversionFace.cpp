#include "modelling/InversionFace.h"

#include "document/VantrelDoc.h"

CInversionFace::CTampon CInversionFace::Ouvrir() const {
    CTampon t;
    for (int i = 0; i < g_nFaces; ++i) {
        t.libelles.push_back(m_doc.LibelleFace(i));
    }
    t.nChoix = 0;
    return t;
}

void CInversionFace::Inverser(const CTampon& t) {
    if (t.nChoix >= 0 && t.nChoix < g_nFaces) {
        m_doc.EchangerFaces(t.nChoix, g_nFaceSelectionnee);
    }
}
