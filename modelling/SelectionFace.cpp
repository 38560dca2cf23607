#include "modelling/SelectionFace.h"

#include "document/VantrelDoc.h"

CSelectionFace::CTampon CSelectionFace::Ouvrir() const {
    CTampon t;
    for (int i = 0; i < g_nFaces; ++i) {
        t.libelles.push_back(m_doc.LibelleFace(i));
    }
    t.nChoix = g_nFaceSelectionnee;
    return t;
}

void CSelectionFace::Selectionner(const CTampon& t) {
    if (t.nChoix >= 0 && t.nChoix < g_nFaces) {
        g_nFaceSelectionnee = t.nChoix;
    }
}
