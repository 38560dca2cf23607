#include "ui/EditeursDocument.h"

#include "document/VantrelDoc.h"
#include "modelling/PointsPrincipaux.h"

void CEditeursDocument::OuvrirPointsPrincipaux() {
    if (m_pFenetres != nullptr) {
        m_pFenetres->OuvrirPointsPrincipaux();
        return;
    }
    if (CFace* pFace = m_doc.Face(-1)) {
        ::OuvrirPointsPrincipaux(m_doc, *pFace);
    }
}

void CEditeursDocument::OuvrirTransformations() {
    if (m_pFenetres != nullptr) {
        m_pFenetres->OuvrirTransformations();
        return;
    }
    m_doc.m_transformations.Ouvrir();
}

void CEditeursDocument::PlacerPoint(const CVecteur& point) {
    if (m_pFenetres != nullptr) {
        m_pFenetres->PlacerPoint(point);
        return;
    }
    if (CFace* pFace = m_doc.Face(-1)) {
        pFace->PlacerPoint(point);
    }
}

void CEditeursDocument::PointChoisi(const CVecteur& point) {
    if (m_pFenetres != nullptr) {
        m_pFenetres->PointChoisi(point);
        return;
    }
    m_doc.m_transformations.PointChoisi(point);
}
