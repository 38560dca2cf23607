#include "ui/EditeursDocument.h"

#include "document/VantrelDoc.h"
#include "modelling/PointsPrincipaux.h"

void CEditeursDocument::OuvrirPointsPrincipaux() {
    if (CFace* pFace = m_doc.Face(-1)) {
        ::OuvrirPointsPrincipaux(m_doc, *pFace);
    }
}

void CEditeursDocument::OuvrirTransformations() {
    m_doc.m_transformations.Ouvrir();
}

void CEditeursDocument::PlacerPoint(const CVecteur& point) {
    if (CFace* pFace = m_doc.Face(-1)) {
        pFace->PlacerPoint(point);
    }
}

void CEditeursDocument::PointChoisi(const CVecteur& point) {
    m_doc.m_transformations.PointChoisi(point);
}
