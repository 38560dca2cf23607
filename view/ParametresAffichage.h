#pragma once

#include "geometry/Vecteur.h"
#include "platform/Validation.h"

#include <string>

class CDC;
struct CDonneesSoleil;

// Page "General": the title, the overlays and the display flags.
class CArchive;

class CAffGeneral {
public:
    int m_bCoordonnees = 0; // coordinates of the selected face's main points
    int m_bCoteEtude = 0;   // study side of the selected face
    // The world unit vectors drawn by the trihedrons and the north arrow.
    CVecteur m_axes[3] = {CVecteur(1, 0, 0), CVecteur(0, 1, 0), CVecteur(0, 0, 1)};
    std::string m_strTitre = "no title";
    int m_bTriedreCentral = 1;
    int m_bTriedreInformatif = 1;
    int m_bDirectionNord = 1;
    int m_bElementsTextuels = 1;
    int m_bBrillance = 1; // highlight of the selected face
    int m_bGrosNoeuds = 0;

    // Overlays (view/DessinAffichage.cpp). Each selects the pen it needs and
    // leaves it selected.
    // strFaceSelectionnee: the selected face's label, LibelleFace(-1).
    void DessinerTextes(CDC* pDC, const std::string& strFaceSelectionnee) const;
    void DessinerTriedreCentral(CDC* pDC) const;
    void DessinerTriedreInformatif(CDC* pDC, const CRectangle& client) const;
    // nord: the site's unit vector toward the north, scene axes.
    void DessinerDirectionNord(CDC* pDC, const CVecteur& nord) const;
};

// Page "Grid": a reference grid through a centre, spanned by two vectors.
class CAffQuadrillage {
public:
    int m_bAfficher = 0;
    int m_bSignaler = 1;
    static constexpr CPlageEntier kPlageRepetition{1, 100};
    int m_nRepetition = 10;
    CVecteur m_centre = CVecteur(0, 0, 0);
    CVecteur m_vecteur1 = CVecteur(1, 0, 0);
    CVecteur m_vecteur2 = CVecteur(0, 1, 0);

    void Dessiner(CDC* pDC) const; // view/DessinAffichage.cpp
};

// Page "Sun": the close sun and its ray toward a target point.
class CAffSoleil {
public:
    int m_bSoleilProche = 1;
    int m_bRayonProche = 1;
    CVecteur m_pointCible = CVecteur(0, 0, 0);
    static constexpr CPlage kPlageDistance{0, 1000}; // m
    double m_dDistance = 10.0;                       // m

    // The close sun and its ray (view/DessinAffichage.cpp).
    void Dessiner(CDC* pDC, const CDonneesSoleil& soleil) const;
};

// The view parameters, stored with the scene.
class CParametresAffichage {
public:
    // Writes or reads the stored members, in file order.
    void Serialize(CArchive& ar);

    CAffGeneral m_pageGeneral;
    CAffQuadrillage m_pageQuadrillage;
    CAffSoleil m_pageSoleil;
};
